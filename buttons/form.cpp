// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"

#include "buttons/text.h"

#include <algorithm>
#include <utility>

namespace ravelin::buttons {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

void appendEscaped(std::string& out, std::string_view value, bool quotes) {
    // Copy runs of plain characters at once; most values hold nothing to escape.
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        std::string_view entity;
        switch (value[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            if (quotes) {
                entity = "&quot;";
            }
            break;
        default:
            break;
        }
        if (!entity.empty()) {
            out.append(value.substr(start, i - start));
            out.append(entity);
            start = i + 1;
        }
    }
    out.append(value.substr(start));
}

void appendHidden(std::string& out, const HiddenField& field) {
    out += R"(<input type="hidden" name=")";
    appendAttributeEscaped(out, field.name);
    out += R"(" value=")";
    appendAttributeEscaped(out, field.value);
    out += field.spaced ? R"(" > )" : R"(">)";
    out += kLineBreak;
}

// Without it the payment service reads the values in the account's legacy encoding.
HiddenField charsetField() {
    return {"charset", "utf-8", false};
}

bool holdsNonAscii(const std::vector<HiddenField>& fields) {
    return std::ranges::any_of(fields, [](const HiddenField& f) { return !isAscii(f.value); });
}

} // namespace

void appendAttributeEscaped(std::string& out, std::string_view value) {
    appendEscaped(out, value, true);
}

void appendTextEscaped(std::string& out, std::string_view text) {
    appendEscaped(out, text, false);
}

void Form::describe(std::string_view label, std::string_view value) {
    std::string line;
    line.reserve(label.size() + value.size());
    appendTextEscaped(line, label);
    appendTextEscaped(line, value);
    descriptions_.push_back(std::move(line));
}

void Form::openingField(std::string_view name, std::string_view value, bool spaced) {
    opening_.push_back({std::string(name), std::string(value), spaced});
}

void Form::field(std::string_view name, std::string_view value) {
    fields_.push_back({std::string(name), std::string(value), false});
}

void Form::image(std::string_view source) {
    image_ = std::string(source);
}

bool Form::needsCharset() const {
    return holdsNonAscii(opening_) || holdsNonAscii(fields_);
}

std::vector<HiddenField> Form::hiddenFields() const {
    std::vector<HiddenField> all;
    all.reserve(opening_.size() + fields_.size() + 1);
    all.insert(all.end(), opening_.begin(), opening_.end());
    if (needsCharset()) {
        all.push_back(charsetField());
    }
    all.insert(all.end(), fields_.begin(), fields_.end());
    return all;
}

Form Form::withHiddenFields(std::vector<HiddenField> fields) const {
    Form form;
    form.descriptions_ = descriptions_;
    form.opening_ = std::move(fields);
    form.image_ = image_;
    return form;
}

std::string Form::render(std::string_view action) const {
    std::string html;
    html.reserve(1024);
    for (const std::string& line : descriptions_) {
        html += line;
        html += "<br>";
        html += kLineBreak;
        html += kLineBreak;
    }
    html += R"(<form action=")";
    appendAttributeEscaped(html, action);
    html += R"(" target="paypal" method="post">)";
    html += kLineBreak;
    for (const HiddenField& field : opening_) {
        appendHidden(html, field);
    }
    if (needsCharset()) {
        appendHidden(html, charsetField());
    }
    for (const HiddenField& field : fields_) {
        appendHidden(html, field);
    }
    if (image_) {
        html += R"(<input type="image" src=")";
        appendAttributeEscaped(html, *image_);
        html += R"(" border="0" name="submit">)";
        html += kLineBreak;
    }
    html += "</form>";
    return html;
}

} // namespace ravelin::buttons
