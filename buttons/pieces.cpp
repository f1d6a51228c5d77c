// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/pieces.h"

#include <string>
#include <utility>

namespace ravelin::buttons {

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
