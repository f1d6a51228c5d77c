// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reading a JSON object of answers into a button type's answers, and describing the keys.
//
// An answers file is read whole, up to kMaxAnswersSize bytes, and checked strictly before any
// answer is taken from it: it must be UTF-8 JSON whose object keys are each given once and
// whose texts hold only what a text box can hold (no control characters but tab, CR and LF,
// no half of a surrogate pair), nested no deeper than kMaxAnswersDepth.
#pragma once

#include "buttons/buttontypes.h"
#include "buttons/text.h"
#include "cli/failure.h"
#include "common/result.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin::cli {

// The Setup page box that gives the account address, accepted by every type.
inline constexpr std::string_view kEmailKey = buttons::kAccountControl;

// The largest answers file read: far more than the answers of any button need.
inline constexpr std::size_t kMiB = std::size_t{1024} * 1024;
inline constexpr std::size_t kMaxAnswersSize = 4 * kMiB;
// The deepest nesting of arrays and objects an answers file may have.
inline constexpr std::size_t kMaxAnswersDepth = 32;

// Quotes bytes as a JSON string that is safe to show on a terminal: control characters (C0,
// DEL and C1) are written as \u escapes and bytes that are not UTF-8 as \xHH.
std::string jsonQuoted(std::string_view bytes);

// What in `bytes` cannot be typed into a box, in words ("a control character (U+001B)"), or
// nothing: bytes that are not UTF-8, a control character but tab, CR and LF, half of a
// surrogate pair; with `oneLine`, as for a text on the command line, CR and LF as well. The
// answers file's texts are checked so, and the texts the command line gives.
std::optional<std::string> untypableText(std::string_view bytes, bool oneLine);

// The answers in `json`, read from `source` as the user named it: a JSON object, checked as
// the top of this file says.
common::Result<QJsonObject> parseAnswers(const QByteArray& json, const std::string& source);

// The answers in the file `name`, or in standard input for "-".
common::Result<QJsonObject> readAnswersFile(const std::string& name);

// The one of `names` a mistyped `name` most likely meant: the nearest by the fewest characters
// added, removed or changed, case aside, when that is at most three and less than half of
// `name` ("txtPrice" meant "txtPriceBN"); of equally near ones, the first that begins with
// `name`, else the first. Nothing when none is that near.
std::optional<std::string_view> nearestName(std::string_view name,
                                            std::span<const std::string_view> names);

// "buy-now has no answer key "txtPrice"; did you mean txtPriceBN?"
template <typename Type> std::string unknownKey(const std::string& name) {
    std::vector<std::string_view> names = {kEmailKey};
    for (const auto& key : Type::kKeys) {
        names.push_back(key.name);
    }
    std::string message = std::string(Type::kName) + " has no answer key " + jsonQuoted(name);
    if (const std::optional<std::string_view> meant = nearestName(name, names)) {
        message += "; did you mean " + std::string(*meant) + "?";
    }
    return message;
}

// Applies `object` over `answers`: keys left out keep their values. `txtEmail` goes into
// `email`. Fails naming the first key that is not good.
template <typename Type>
common::Result<void> applyAnswers(const QJsonObject& object, typename Type::Answers& answers,
                                  std::optional<std::string>& email) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string name = it.key().toStdString();
        const QJsonValue value = it.value();
        const std::string quoted = jsonQuoted(name);
        const auto* key = std::ranges::find(Type::kKeys, std::string_view(name),
                                            &buttons::AnswerKey<typename Type::Answers>::name);
        const bool isEmail = name == kEmailKey;
        if (!isEmail && key == std::end(Type::kKeys)) {
            return failure(unknownKey<Type>(name));
        }
        if (isEmail || key->text) {
            if (!value.isString()) {
                return failure(quoted + " must be a string");
            }
            std::string text = value.toString().toStdString();
            const std::size_t length = buttons::utf16Length(text);
            if (isEmail) {
                email = std::move(text);
            } else if (key->maxLength > 0 && length > static_cast<std::size_t>(key->maxLength)) {
                return failure(quoted + " is " + std::to_string(length) +
                               " characters long; its box takes at most " +
                               std::to_string(key->maxLength));
            } else {
                answers.*(key->text) = std::move(text);
            }
            continue;
        }
        const std::string range = "0 to " + std::to_string(key->options - 1);
        const double index = value.toDouble();
        if (value.isNull()) {
            answers.*(key->option) = std::nullopt;
        } else if (!value.isDouble() || index != std::floor(index)) {
            return failure(quoted + " must be an option index from " + range +
                           ", or null for none");
        } else if (index < 0 || index >= key->options) {
            // Past 1e15 a whole number is shown as Qt writes it, in its exponent form.
            const std::string shown = std::abs(index) < 1e15
                                          ? std::to_string(static_cast<long long>(index))
                                          : QString::number(index).toStdString();
            return failure(quoted + " is " + shown + ", outside its options " + range);
        } else {
            answers.*(key->option) = static_cast<int>(index);
        }
    }
    return {};
}

// The answers as the JSON object applyAnswers takes, every key of the type in page order, one a
// line after `indent`: a text box's text through `quote` (which writes a JSON string), an
// option group's index or null.
template <typename Type, typename Quote>
std::string answersObject(const typename Type::Answers& answers, const std::string& indent,
                          Quote&& quote) {
    std::string out = "{";
    for (std::size_t i = 0; i < Type::kKeys.size(); ++i) {
        const auto& key = Type::kKeys[i];
        out += (i == 0 ? "\n" : ",\n") + indent + "  " + jsonQuoted(key.name) + ": ";
        if (key.text) {
            out += quote(answers.*(key.text));
        } else {
            const buttons::OptionIndex& selected = answers.*(key.option);
            out += selected ? std::to_string(*selected) : "null";
        }
    }
    return out + "\n" + indent + "}";
}

// One line per answer key: its name, its kind and its default.
template <typename Type> std::string describeKeys() {
    const typename Type::Answers defaults;
    const auto padded = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size() + 1, width), ' ');
        return text;
    };
    std::string out;
    for (const auto& key : Type::kKeys) {
        std::string kind;
        std::string value;
        if (key.text) {
            kind = key.maxLength > 0 ? "text, at most " + std::to_string(key.maxLength)
                   : key.lines       ? "text, one a line"
                                     : "text";
            value = jsonQuoted(defaults.*(key.text));
        } else {
            kind = "option 0 to " + std::to_string(key.options - 1) + " or null";
            const buttons::OptionIndex& selected = defaults.*(key.option);
            value = selected ? std::to_string(*selected) : "null";
        }
        out += padded(padded("    " + std::string(key.name), 26) + kind, 50) + "default " + value +
               "\n";
    }
    return out;
}

} // namespace ravelin::cli
