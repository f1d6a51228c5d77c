// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"

#include "buttons/escape.h"

#include <algorithm>
#include <utility>

namespace ravelin::buttons {

namespace {

// The longest text the payment service takes from a text box the buyer fills.
constexpr std::string_view kTextOptionLength = "200";

bool isNonAscii(std::string_view text) {
    return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool holdsNonAscii(const std::vector<HiddenField>& fields) {
    return std::ranges::any_of(fields,
                               [](const HiddenField& field) { return isNonAscii(field.value); });
}

// What the buyer's options post: their names and the values of their choices.
bool holdsNonAscii(const std::vector<BuyerOption>& options) {
    return std::ranges::any_of(options, [](const BuyerOption& option) {
        return isNonAscii(option.name) ||
               std::ranges::any_of(option.choices, [](const BuyerOption::Choice& choice) {
                   return isNonAscii(choice.value);
               });
    });
}

// An option the buyer sets, numbered `number`: its name as the hidden onN, then a label with
// the name above the menu or text box osN.
void appendBuyerOption(std::string& html, const BuyerOption& option, std::size_t number) {
    const std::string index = std::to_string(number);
    html += R"(<input type="hidden" name="on)" + index + R"(" value=")";
    appendAttribute(html, option.name);
    html += "\">\r\n<label>";
    appendText(html, option.name);
    html += "<br>\r\n";
    if (option.textBox) {
        html += R"(<input type="text" name="os)" + index + R"(" maxlength=")";
        html += kTextOptionLength;
        html += "\">";
    } else {
        html += R"(<select name="os)" + index + "\">\r\n";
        for (const BuyerOption::Choice& choice : option.choices) {
            html += R"(<option value=")";
            appendAttribute(html, choice.value);
            html += "\">";
            appendText(html, choice.caption);
            html += "</option>\r\n";
        }
        html += "</select>";
    }
    html += "</label><br>\r\n";
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

void Form::buyerOption(BuyerOption option) {
    options_.push_back(std::move(option));
}

void Form::image(std::string source) {
    image_ = std::move(source);
}

std::vector<HiddenField> Form::hiddenFields() const {
    std::vector<HiddenField> all = opening_;
    // Without it the payment service reads the values in the account's legacy encoding.
    const bool given =
        std::ranges::any_of(opening_, [](const HiddenField& f) { return f.name == "charset"; }) ||
        std::ranges::any_of(fields_, [](const HiddenField& f) { return f.name == "charset"; });
    if (!given && (holdsNonAscii(opening_) || holdsNonAscii(fields_) || holdsNonAscii(options_))) {
        all.push_back({"charset", "utf-8", false});
    }
    all.insert(all.end(), fields_.begin(), fields_.end());
    return all;
}

Form Form::withHiddenFields(std::vector<HiddenField> fields) const {
    Form form;
    form.descriptions_ = descriptions_;
    form.opening_ = std::move(fields);
    form.options_ = options_;
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
    for (std::size_t i = 0; i < options_.size(); ++i) {
        appendBuyerOption(html, options_[i], i);
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
