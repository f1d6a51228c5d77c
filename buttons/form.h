// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A payment button as data: the visible description lines, the hidden fields, the options the
// buyer sets and the image that submits it, rendered to HTML by one renderer that escapes every
// value it writes. The form keeps its own copies of every text it is given.
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

// An option the buyer sets in the form: a drop-down menu of choices or, without choices, a text
// box, posted as `osN`, with its name posted beside it as the hidden `onN` and shown above it.
// N counts the form's options from 0 in the order they are given.
struct BuyerOption {
    struct Choice {
        std::string value;   // posted when it is chosen
        std::string caption; // what the menu shows
    };
    std::string name;
    std::vector<Choice> choices; // a menu's, in order
    bool textBox = false;
};

class Form {
public:
    // A visible line ahead of the form: label + value + "<br>", then an empty line.
    void describe(std::string_view label, std::string_view value);
    // The fields that open every form (bn, cmd, business and their like), in the order given.
    void openingField(std::string_view name, std::string_view value, bool spaced = false);
    // The button type's own fields, after the opening fields.
    void field(std::string_view name, std::string_view value);
    // An option the buyer sets, shown after the hidden fields, above the image.
    void buyerOption(BuyerOption option);
    // The submit image; at most one, the last call wins.
    void image(std::string source);

    // The HTML: description lines, the form opening element posting to `action`, the hidden
    // fields, the buyer's options, the image element, and "</form>" with no line break after
    // it. Lines are separated by CRLF.
    std::string render(std::string_view action) const;

    // The hidden fields in the order render() writes them: the opening fields, the field
    // `charset` = "utf-8" when any hidden value or any text of the buyer's options holds a
    // non-ASCII character and no field is named `charset`, then the own fields. The buyer's
    // options are not among them.
    std::vector<HiddenField> hiddenFields() const;
    // The same button carrying `fields` in place of all its hidden fields: the description
    // lines, the buyer's options and the image stay as they are.
    Form withHiddenFields(std::vector<HiddenField> fields) const;

private:
    std::vector<std::string> descriptions_; // label and value of each line, unescaped
    std::vector<HiddenField> opening_;
    std::vector<HiddenField> fields_;
    std::vector<BuyerOption> options_;
    std::optional<std::string> image_;
};

} // namespace ravelin::buttons
