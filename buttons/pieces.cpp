// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/pieces.h"

#include "buttons/money.h"

#include <algorithm>
#include <string>
#include <utility>

namespace ravelin::buttons {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

MenuChoice menuChoice(std::string_view line, bool priced) {
    const std::size_t equals = line.rfind('=');
    if (!priced || equals == std::string_view::npos) {
        return {line, line, std::nullopt};
    }
    return {line, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

// What a menu shows for a choice: its name, and the price in the money format with the
// currency's code, as in "Small - 10.00 EUR".
std::string caption(const MenuChoice& choice, std::string_view currency) {
    std::string text(choice.name);
    if (choice.price) {
        text += " - " + formatAmount(*choice.price, currency);
        if (!currency.empty()) {
            text += ' ';
            text += currency;
        }
    }
    return text;
}

} // namespace

std::vector<std::string_view> boxLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (const std::string_view line = trimmed(text.substr(0, end)); !line.empty()) {
            lines.push_back(line);
        }
        const bool crlf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
    }
    return lines;
}

std::vector<ItemOption> itemOptions(const ItemOptionBoxes& boxes) {
    std::vector<ItemOption> options;
    for (std::size_t i = 0; i < kMenuCount; ++i) {
        const OptionBox& name = boxes.menuNames[i];
        const OptionBox& choices = boxes.menuChoices[i];
        const std::vector<std::string_view> lines = boxLines(choices.text);
        if (isNotEmpty(name.text) || !lines.empty()) {
            ItemOption menu{name, choices, {}, false};
            menu.priced = i == 0 && boxes.pricedFirstMenu &&
                          std::ranges::any_of(lines, [](std::string_view line) {
                              return line.find('=') != std::string_view::npos;
                          });
            for (std::string_view line : lines) {
                menu.choices.push_back(menuChoice(line, menu.priced));
            }
            options.push_back(std::move(menu));
        }
    }
    for (const OptionBox& name : boxes.textBoxNames) {
        if (isNotEmpty(name.text)) {
            options.push_back({name, std::nullopt, {}, false});
        }
    }
    return options;
}

const ItemOption* pricedMenu(std::span<const ItemOption> options) {
    const auto priced = std::ranges::find_if(options, &ItemOption::priced);
    return priced == options.end() ? nullptr : &*priced;
}

bool writesItemPrice(std::string_view price, std::span<const ItemOption> options) {
    return isNotEmpty(price) || pricedMenu(options) == nullptr;
}

std::vector<AdvancedVariable> advancedVariables(std::string_view box) {
    std::vector<AdvancedVariable> variables;
    for (std::string_view line : boxLines(box)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            variables.push_back({line, line, std::nullopt});
        } else {
            variables.push_back(
                {line, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))});
        }
    }
    return variables;
}

AddressParts addressParts(std::string_view address) {
    AddressParts parts;
    const std::size_t colon = address.find(':');
    if (colon != std::string_view::npos && colon < address.find_first_of("/?#")) {
        parts.scheme = address.substr(0, colon);
        address.remove_prefix(colon + 1);
    }
    if (const std::size_t hash = address.find('#'); hash != std::string_view::npos) {
        parts.fragment = address.substr(hash + 1);
        address = address.substr(0, hash);
    }
    if (const std::size_t question = address.find('?'); question != std::string_view::npos) {
        parts.query = address.substr(question + 1);
        address = address.substr(0, question);
    }
    if (address.starts_with("//")) {
        address.remove_prefix(2);
        const std::size_t slash = std::min(address.find('/'), address.size());
        parts.authority = address.substr(0, slash);
        address.remove_prefix(slash);
    }
    parts.path = address;
    return parts;
}

bool equalCaseAside(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

bool isSandboxLink(std::string_view address) {
    const AddressParts parts = addressParts(address);
    return parts.authority && equalCaseAside(*parts.authority, kSandboxPaymentLinkHost);
}

void writeOpeningFields(
    Form& form, const Context& context, std::string_view command,
    std::initializer_list<std::pair<std::string_view, std::string_view>> beforeBusiness) {
    form.openingField("bn", context.buildCode);
    form.openingField("cmd", command);
    for (const auto& [name, value] : beforeBusiness) {
        form.openingField(name, value);
    }
    form.openingField("business", context.account, true);
}

std::string shownPrice(const Currency* currency, std::string_view price) {
    if (currency == nullptr) {
        return "$" + std::string(price);
    }
    if (!currency->sign.empty()) {
        return std::string(currency->sign).append(price);
    }
    return price.empty() ? std::string() : std::string(price).append(" ").append(currency->code);
}

void writeCurrency(Form& form, Summary& summary, std::string_view text, const Currency* currency) {
    const bool code = currency != nullptr && text == currency->code;
    summary.add("Currency: ", code ? currency->caption : text);
    form.field("currency_code", codeOf(currency));
}

PictureChoice pictureChoice(OptionIndex selected, std::size_t standardPictures) {
    if (!selected || *selected < 0) {
        return PictureChoice::None;
    }
    const auto index = static_cast<std::size_t>(*selected);
    if (index < standardPictures) {
        return PictureChoice::Standard;
    }
    return index == standardPictures ? PictureChoice::Custom : PictureChoice::None;
}

void writeReturnAddresses(Form& form, Summary& summary, std::string_view returnAddress,
                          std::string_view cancelAddress) {
    if (writesAddress(returnAddress)) {
        summary.add("Return URL: ", returnAddress);
        form.field("return", returnAddress);
    }
    if (writesAddress(cancelAddress)) {
        summary.add("Cancel URL: ", cancelAddress);
        form.field("cancel_return", cancelAddress);
    }
}

void writeItemOptions(Form& form, Summary& summary, std::span<const ItemOption> options,
                      std::string_view currency) {
    if (const ItemOption* priced = pricedMenu(options)) {
        for (std::size_t i = 0; i < priced->choices.size(); ++i) {
            const MenuChoice& choice = priced->choices[i];
            const std::string index = std::to_string(i);
            form.field("option_select" + index, choice.name);
            form.field("option_amount" + index, formatAmount(choice.price.value_or(""), currency));
        }
        // The menu with the prices is the first, on0.
        form.field("option_index", "0");
    }
    for (const ItemOption& option : options) {
        BuyerOption shown{std::string(option.name.text), {}, !option.choicesBox};
        std::string listed;
        for (const MenuChoice& choice : option.choices) {
            shown.choices.push_back({std::string(choice.name), caption(choice, currency)});
            listed += (listed.empty() ? "" : ", ") + shown.choices.back().caption;
        }
        summary.add("Option " + std::string(option.name.text) + ": ",
                    option.choicesBox ? listed : "typed by the buyer");
        form.buyerOption(std::move(shown));
    }
}

void writeAdvancedVariables(Form& form, Summary& summary, std::string_view box) {
    for (const AdvancedVariable& variable : advancedVariables(box)) {
        if (writesVariable(variable)) {
            summary.add("Variable " + std::string(variable.name) + ": ", *variable.value);
            form.field(variable.name, *variable.value);
        }
    }
}

void chooseImage(Form& form, Summary& summary, OptionIndex selected,
                 std::span<const std::string_view> imageNames, std::string_view folder,
                 std::string_view customAddress) {
    switch (pictureChoice(selected, imageNames.size())) {
    case PictureChoice::Standard:
        form.image(std::string(folder).append(imageNames[static_cast<std::size_t>(*selected)]));
        break;
    case PictureChoice::Custom:
        summary.add("Custom Button: ", customAddress);
        form.image(std::string(customAddress));
        break;
    case PictureChoice::None:
        break;
    }
}

Button finishButton(Form form, Summary summary, const Context& context) {
    Button button;
    if (context.endpoints.isSandbox) {
        button.summary = "Sandbox: Yes\r\n\r\n" + summary.text();
    } else {
        button.summary = std::move(summary).text();
    }
    button.action = context.endpoints.webscr;
    button.html = form.render(button.action);
    button.form = std::move(form);
    return button;
}

} // namespace ravelin::buttons
