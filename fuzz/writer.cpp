// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One button writer (RAVELIN_FUZZ_TYPE, a type of buttons/buttontypes.h) on answers made of the
// fuzzer's bytes, through the same key tables as the wizard and ravelin-button. The HTML's
// attribute values carry no raw quote, "<" or ">"; the fields copied from the answers decode
// to exactly what was typed; the amount is the money format of the price in its documented
// shape; the summary opens with the account and ends each entry with an empty line; the item
// options are numbered on0, on1, ... in order, menus first, each named as its box and followed by
// its menu or text box osN; a priced menu's option_amountN are the money format of the prices;
// the advanced variables' lines with a name and "=" are written, in order, as typed but for the
// blanks around them. Each finding of the answer checker (the type's kCheck) names one of the
// type's controls, or the account box, in one line.
#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "buttons/currency.h"
#include "fuzz/support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// The lines of a box as the writers read them, worked out here on their own: split at CR LF, CR
// or LF, without the spaces and tabs around them, empty ones left out.
std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    std::string line;
    const auto flush = [&] {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos) {
            out.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
        }
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            flush();
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += text[i];
        }
    }
    flush();
    return out;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos
               ? std::string()
               : std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

using Fields = std::vector<std::pair<std::string, std::string>>;

// The names of the options the answers give, in the order PayPal numbers them.
template <typename T> std::vector<std::string> optionNames(const typename T::Answers& answers) {
    std::vector<std::string> names;
    if constexpr (buttons::HasItemOptions<T>) {
        const auto& boxes = T::kItemOptions;
        for (std::size_t i = 0; i < buttons::kMenuCount; ++i) {
            const std::string& name = answers.*boxes.menuNames[i];
            if (!name.empty() || !lines(answers.*boxes.menuChoices[i]).empty()) {
                names.push_back(name);
            }
        }
        for (const auto box : boxes.textBoxNames) {
            if (!(answers.*box).empty()) {
                names.push_back(answers.*box);
            }
        }
    }
    return names;
}

// The first menu's prices, when it gives its choices prices: the text after each line's last
// "=", or nothing for a line without one.
template <typename T>
std::optional<std::vector<std::optional<std::string>>> prices(const typename T::Answers& answers) {
    if constexpr (buttons::HasItemOptions<T>) {
        const auto& boxes = T::kItemOptions;
        const std::vector<std::string> choices = lines(answers.*boxes.menuChoices[0]);
        if (boxes.pricedFirstMenu && std::ranges::any_of(choices, [](const std::string& line) {
                return line.find('=') != std::string::npos;
            })) {
            std::vector<std::optional<std::string>> out;
            for (const std::string& line : choices) {
                const std::size_t equals = line.rfind('=');
                out.push_back(equals == std::string::npos
                                  ? std::nullopt
                                  : std::optional(trimmed(line.substr(equals + 1))));
            }
            return out;
        }
    }
    (void)answers;
    return std::nullopt;
}

// A text as an attribute value holds it.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Whether an advanced variable of the answers has a name `named` accepts.
template <typename Named> bool givesVariable(const Type::Answers& answers, Named named) {
    return std::ranges::any_of(lines(answers.*Type::kAdvanced), [&](const std::string& line) {
        return named(trimmed(line.substr(0, line.find('='))));
    });
}

// Whether an advanced variable of the answers is named as an item option's field is.
bool givesOptionFields(const Type::Answers& answers) {
    return givesVariable(answers, [](const std::string& name) {
        return name.starts_with("option_") || name.starts_with("on") || name.starts_with("os");
    });
}

// Where the menu or text box osN begins, from `from` on: elements that no escaped text can hold.
std::size_t controlAt(const std::string& html, std::size_t n, std::size_t from) {
    const std::string index = std::to_string(n);
    return std::min(html.find("<select name=\"os" + index + "\">", from),
                    html.find("<input type=\"text\" name=\"os" + index + "\"", from));
}

void checkOptions(const Type::Answers& answers, const std::string& html, const Fields& fields) {
    // Each option: its name as the hidden onN directly above its label, then its menu or text
    // box osN, the options one after another.
    const std::vector<std::string> names = optionNames<Type>(answers);
    std::size_t at = 0;
    for (std::size_t n = 0; n < names.size(); ++n) {
        const std::string index = std::to_string(n);
        const std::size_t name = html.find("<input type=\"hidden\" name=\"on" + index +
                                               "\" value=\"" + escaped(names[n]) + "\">\r\n<label>",
                                           at);
        const std::size_t control = name == std::string::npos ? name : controlAt(html, n, name);
        fuzz::require(control != std::string::npos,
                      "each option is named as its box, its menu or text box after it, in order",
                      html);
        at = control;
    }
    if (givesOptionFields(answers)) {
        return; // the checker's error; the fields are written all the same
    }
    fuzz::require(controlAt(html, names.size(), 0) == std::string::npos,
                  "no option numbered past the options given", html);

    const std::optional<std::string> currency = fuzz::fieldValue(fields, "currency_code");
    const auto priced = prices<Type>(answers);
    fuzz::require(fuzz::fieldValue(fields, "option_index").has_value() == priced.has_value(),
                  "option_index goes with a priced menu", html);
    if (!priced) {
        fuzz::require(!fuzz::fieldValue(fields, "option_select0"),
                      "no option fields without a priced menu", html);
        return;
    }
    for (std::size_t i = 0; i < priced->size(); ++i) {
        const std::optional<std::string> amount =
            fuzz::fieldValue(fields, "option_amount" + std::to_string(i));
        fuzz::require(amount.has_value(), "each priced choice has its amount", html);
        const std::string price = (*priced)[i].value_or("");
        const buttons::Currency* chosen = buttons::findCurrency(currency.value_or(""));
        const bool whole = chosen != nullptr && chosen->decimals == 0;
        const auto rounded = fuzz::referenceRounding(price, whole ? 0 : 2);
        fuzz::require(*amount == (price.empty() ? ""
                                  : rounded     ? *rounded
                                                : price),
                      "a choice's amount is its price in the money format", html);
    }
}

// The advanced variables with a name and "=", in order, as the button must carry them.
void checkAdvanced(const Type::Answers& answers, const std::string& html, const Fields& fields) {
    Fields expected;
    for (const std::string& line : lines(answers.*Type::kAdvanced)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && !trimmed(line.substr(0, equals)).empty()) {
            expected.emplace_back(trimmed(line.substr(0, equals)),
                                  trimmed(line.substr(equals + 1)));
        }
    }
    auto next = expected.begin();
    for (const auto& field : fields) {
        if (next != expected.end() && field == *next) {
            ++next;
        }
    }
    fuzz::require(next == expected.end(), "the advanced variables are written in order", html);
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
        // An advanced variable of the same name is the checker's error, written all the same.
        const bool given =
            givesVariable(answers, [&](const std::string& name) { return name == amountField; });
        if (amount && !given) {
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

    checkOptions(answers, html, fields);
    checkAdvanced(answers, html, fields);

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
