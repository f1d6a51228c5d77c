// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"

#include <algorithm>
#include <utility>

namespace ravelin::buttons {

namespace {

// Appends `text` with & < > replaced by their entities, and in an attribute also the double
// quote; runs of other characters are appended at once.
void appendEscaped(std::string& out, std::string_view text, bool attribute) {
    std::size_t run = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string_view entity;
        switch (text[at]) {
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
            entity = attribute ? "&quot;" : "";
            break;
        default:
            break;
        }
        if (!entity.empty()) {
            out.append(text.substr(run, at - run));
            out.append(entity);
            run = at + 1;
        }
    }
    out.append(text.substr(run));
}

// Text escaping, for the visible lines: a double quote stays as it is.
void appendText(std::string& out, std::string_view text) {
    appendEscaped(out, text, false);
}

void appendAttribute(std::string& out, std::string_view value) {
    appendEscaped(out, value, true);
}

bool holdsNonAscii(const std::vector<HiddenField>& fields) {
    return std::ranges::any_of(fields, [](const HiddenField& field) {
        return std::ranges::any_of(field.value,
                                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    });
}

} // namespace

void Form::describe(std::string_view label, std::string_view value) {
    descriptions_.push_back(std::string(label) + std::string(value));
}

void Form::openingField(std::string_view name, std::string_view value, bool spaced) {
    opening_.push_back({std::string(name), std::string(value), spaced});
}

void Form::field(std::string_view name, std::string_view value) {
    fields_.push_back({std::string(name), std::string(value), false});
}

void Form::image(std::string source) {
    image_ = std::move(source);
}

std::vector<HiddenField> Form::hiddenFields() const {
    std::vector<HiddenField> all = opening_;
    // Without it the payment service reads the values in the account's legacy encoding.
    if (holdsNonAscii(opening_) || holdsNonAscii(fields_)) {
        all.push_back({"charset", "utf-8", false});
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
    for (const std::string& line : descriptions_) {
        appendText(html, line);
        html += "<br>\r\n\r\n";
    }
    html += R"(<form action=")";
    appendAttribute(html, action);
    html += "\" target=\"paypal\" method=\"post\">\r\n";
    for (const HiddenField& field : hiddenFields()) {
        html += R"(<input type="hidden" name=")";
        appendAttribute(html, field.name);
        html += R"(" value=")";
        appendAttribute(html, field.value);
        html += field.spaced ? "\" > \r\n" : "\">\r\n";
    }
    if (image_) {
        html += R"(<input type="image" src=")";
        appendAttribute(html, *image_);
        html += "\" border=\"0\" name=\"submit\">\r\n";
    }
    html += "</form>";
    return html;
}

} // namespace ravelin::buttons
