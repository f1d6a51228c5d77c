// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pieces every writer shares: the opening fields, the currency code, the image choice and
// the finished button.
#pragma once

#include "buttons/answers.h"
#include "buttons/form.h"
#include "buttons/summary.h"
#include "buttons/writers.h"

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>

namespace ravelin::buttons {

// The opening fields: `bn` = build code, `cmd` = command, the fields of `beforeBusiness`, then
// the spaced `business` = account address.
void writeOpeningFields(
    Form& form, const Context& context, std::string_view command,
    std::initializer_list<std::pair<std::string_view, std::string_view>> beforeBusiness = {});

// The code of a currency caption, compared exactly with the captions of kCurrencyCaptions in
// order; the empty code for any other text.
std::string_view currencyCode(std::string_view caption);

// The return and cancel addresses, each only when its box does not hold exactly seven
// characters (the length of its default "http://"): "Return URL: " and `return`, then
// "Cancel URL: " and `cancel_return`.
void writeReturnAddresses(Form& form, Summary& summary, std::string_view returnAddress,
                          std::string_view cancelAddress);

// The image choice, run after all other fields. `imageNames` are the standard pictures by
// option index; the option just after them is the custom image, whose address is written as
// typed and gets the summary entry "Custom Button: ". No option selected, no image.
void chooseImage(Form& form, Summary& summary, OptionIndex selected,
                 std::span<const std::string_view> imageNames, std::string_view folder,
                 std::string_view customAddress);

// The finished button: the summary, opened by "Sandbox: Yes" for the test environment, and
// the HTML rendered from the form posting to the context's endpoint.
Button finishButton(Form form, Summary summary, const Context& context);

} // namespace ravelin::buttons
