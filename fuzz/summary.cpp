// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The summaries of all five writers on one set of texts made of the fuzzer's bytes: plain
// text in which every typed text stands exactly as typed, nothing escaped, the account first,
// every entry a label and a value followed by an empty line.
#include "buttons/buttontypes.h"
#include "buttons/text.h"
#include "fuzz/support.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

using namespace ravelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string account = input.ConsumeRandomLengthString(100);
    const std::string name = input.ConsumeRandomLengthString(100);
    const std::string number = input.ConsumeRandomLengthString(50);
    const std::string logo = input.ConsumeRandomLengthString(100);
    const std::string custom = input.ConsumeRandomLengthString(100);

    buttons::Context context;
    context.account = account;
    context.buildCode = "KORVANEX.301";
    buttons::forEachButtonType([&]<typename Type>() {
        typename Type::Answers answers;
        std::vector<std::string> typed;
        for (const auto& key : Type::kKeys) {
            if (key.text == nullptr) {
                continue;
            }
            if (key.name.starts_with("txtItemName")) {
                answers.*(key.text) = name;
                typed.push_back(name);
            } else if (key.name.starts_with("txtItemID")) {
                answers.*(key.text) = number;
                typed.push_back(number);
            } else if (key.name.starts_with("txtLogo")) {
                answers.*(key.text) = logo; // shown or not by the type's own test
            } else if (key.name.starts_with("txtButtonURL")) {
                answers.*(key.text) = custom;
            }
        }
        const std::string summary = Type::kWrite(answers, context).summary;
        fuzz::require(summary.starts_with("PayPal Account: " + account + "\r\n\r\n"),
                      "the summary opens with the account", summary);
        fuzz::require(summary.ends_with("\r\n\r\n"), "every entry ends with an empty line",
                      summary);
        for (const std::string& text : typed) {
            fuzz::require(summary.find(": " + text + "\r\n\r\n") != std::string::npos,
                          "a typed text stands in the summary as typed", summary);
        }
        // Every type shows a logo that is neither empty nor seven characters long (some leave
        // out one of exactly seven, the length of their box's default "http://").
        if (!logo.empty() && buttons::utf16Length(logo) != 7 &&
            Type::kName != std::string_view("view-cart")) {
            fuzz::require(summary.find("Company Logo: " + logo + "\r\n\r\n") != std::string::npos,
                          "the logo stands in the summary as typed", summary);
        }
    });
    return 0;
}
