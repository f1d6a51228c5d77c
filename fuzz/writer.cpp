// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One button writer (RAVELIN_FUZZ_TYPE, a type of buttons/buttontypes.h) on answers made of the
// fuzzer's bytes, through the same key tables as the wizard and ravelin-button. The HTML's
// attribute values carry no raw quote, "<" or ">"; the fields copied from the answers decode
// to exactly what was typed; the amount is the money format of the price in its documented
// shape; the summary opens with the account and ends each entry with an empty line. Each
// finding of the answer checker (the type's kCheck) names one of the type's controls, or the
// account box, in one line.
#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "buttons/currency.h"
#include "fuzz/support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

using namespace ravelin;
using Type = buttons::RAVELIN_FUZZ_TYPE;

namespace {

// The answer a field copies, where the field is written at all.
std::optional<std::string> priceOf(const Type::Answers& answers) {
    for (const auto& key : Type::kKeys) {
        if (key.text != nullptr && key.name.starts_with("txtPrice") &&
            !key.name.starts_with("txtPrice2")) {
            return answers.*(key.text);
        }
    }
    return std::nullopt;
}

std::string textAnswer(const Type::Answers& answers, std::string_view prefix) {
    for (const auto& key : Type::kKeys) {
        if (key.text != nullptr && key.name.starts_with(prefix)) {
            return answers.*(key.text);
        }
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Type::Answers answers;
    for (const auto& key : Type::kKeys) {
        if (!input.ConsumeBool()) {
            continue; // the default stays
        }
        if (key.text != nullptr) {
            // Currency boxes mostly hold one of their captions or codes.
            if (key.name.starts_with("cmbCurrency") && input.ConsumeBool()) {
                const buttons::Currency& currency =
                    buttons::kCurrencies[input.ConsumeIntegralInRange<std::size_t>(
                        0, buttons::kCurrencies.size() - 1)];
                answers.*(key.text) =
                    std::string(input.ConsumeBool() ? currency.caption : currency.code);
            } else {
                answers.*(key.text) = input.ConsumeRandomLengthString(200);
            }
        } else {
            const int index = input.ConsumeIntegralInRange<int>(-1, key.options);
            answers.*(key.option) =
                index < 0 ? buttons::OptionIndex() : buttons::OptionIndex(index);
        }
    }
    buttons::Context context;
    context.account = input.ConsumeRandomLengthString(100);
    context.buildCode = input.ConsumeRandomLengthString(20);

    const buttons::Button button = Type::kWrite(answers, context);

    const std::string& html = button.html;
    fuzz::require(html.ends_with("</form>"), "the HTML ends with </form>", html);
    const auto fields = fuzz::hiddenFields(html);
    fuzz::require(fuzz::fieldValue(fields, "business") == context.account,
                  "business decodes to the account", html);
    fuzz::require(fuzz::fieldValue(fields, "bn") == context.buildCode,
                  "bn decodes to the build code", html);
    for (const auto& [field, prefix] :
         {std::pair<std::string_view, std::string_view>{"item_name", "txtItemName"},
          {"item_number", "txtItemID"}}) {
        if (const auto value = fuzz::fieldValue(fields, field)) {
            fuzz::require(*value == textAnswer(answers, prefix),
                          "a copied field decodes to the answer", html);
        }
    }
    if (const std::optional<std::string> price = priceOf(answers)) {
        const std::string_view amountField = Type::kName == "subscribe" ? "a3" : "amount";
        const std::optional<std::string> amount = fuzz::fieldValue(fields, amountField);
        const std::optional<std::string> currency = fuzz::fieldValue(fields, "currency_code");
        if (amount) {
            const buttons::Currency* chosen = buttons::findCurrency(currency.value_or(""));
            const bool whole = chosen != nullptr && chosen->decimals == 0;
            const auto rounded = fuzz::referenceRounding(*price, whole ? 0 : 2);
            if (price->empty()) {
                fuzz::require(amount->empty(), "an empty price gives an empty amount", html);
            } else if (rounded) {
                fuzz::require(*amount == *rounded, "the amount is the rounded price", html);
                fuzz::require(fuzz::hasAmountShape(*amount, whole), "the amount has its shape",
                              html);
            } else {
                fuzz::require(*amount == *price, "a price that is no number is written as typed",
                              html);
            }
        }
    }

    const buttons::Findings findings = Type::kCheck(answers, context.account);
    for (const buttons::Finding& finding : findings) {
        const bool known = finding.control == buttons::kAccountControl ||
                           std::ranges::any_of(Type::kKeys, [&](const auto& key) {
                               return key.name == finding.control;
                           });
        fuzz::require(known, "a finding names a control of the type", finding.control);
        fuzz::require(!finding.message.empty() && finding.message.find('\n') == std::string::npos,
                      "a finding is one line", finding.message);
    }

    const std::string& summary = button.summary;
    fuzz::require(summary.starts_with("PayPal Account: " + context.account + "\r\n\r\n"),
                  "the summary opens with the account", summary);
    fuzz::require(summary.ends_with("\r\n\r\n"), "the summary's last entry ends with an empty line",
                  summary);
    return 0;
}
