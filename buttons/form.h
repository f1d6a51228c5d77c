// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A payment button as data: the visible description lines, the hidden fields and the image
// that submits it, rendered to HTML by one renderer that escapes every value it writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin::buttons {

// One hidden input. A spaced field's element ends with `" > ` instead of `">`.
struct HiddenField {
    std::string name;
    std::string value;
    bool spaced = false;
};

class Form {
public:
    // A visible line ahead of the form: label + value + "<br>", then an empty line.
    void describe(std::string_view label, std::string_view value);
    // The fields that open every form (bn, cmd, business and their like).
    void openingField(std::string_view name, std::string_view value, bool spaced = false);
    // The button type's own fields, after the opening fields.
    void field(std::string_view name, std::string_view value);
    // The submit image; at most one, the last call wins.
    void image(std::string_view source);

    // The HTML: description lines, the form opening element posting to `action`, the opening
    // fields, the field `charset` = "utf-8" when any hidden value holds a non-ASCII character,
    // the own fields, the image element, and "</form>" with no line break after it. Lines are
    // separated by CRLF.
    std::string render(std::string_view action) const;

    // The hidden fields in the order render() writes them: the opening fields, `charset` when
    // render() adds it, then the own fields.
    std::vector<HiddenField> hiddenFields() const;
    // The submit image's source, when the form has one.
    const std::optional<std::string>& imageSource() const { return image_; }
    // The same button carrying `fields` in place of all its hidden fields: the description
    // lines and the image stay as they are.
    Form withHiddenFields(std::vector<HiddenField> fields) const;

private:
    bool needsCharset() const;

    std::vector<std::string> descriptions_;
    std::vector<HiddenField> opening_;
    std::vector<HiddenField> fields_;
    std::optional<std::string> image_;
};

// Attribute escaping: & " < > become &amp; &quot; &lt; &gt;.
void appendAttributeEscaped(std::string& out, std::string_view value);
// Text escaping: & < > become &amp; &lt; &gt;.
void appendTextEscaped(std::string& out, std::string_view text);

} // namespace ravelin::buttons
