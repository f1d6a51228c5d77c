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

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace ravelin::cli {

using buttons::AnswerKey;
using buttons::OptionIndex;

// The Setup page box that gives the account address, accepted by every type.
inline constexpr std::string_view kEmailKey = buttons::kAccountControl;

// The largest answers file read: far more than the answers of any button need.
inline constexpr std::size_t kMiB = std::size_t{1024} * 1024;
inline constexpr std::size_t kMaxAnswersSize = 4 * kMiB;
// The deepest nesting of arrays and objects an answers file may have.
inline constexpr int kMaxAnswersDepth = 32;

// Quotes a text as a JSON string that is safe to show on a terminal: control characters
// (C0, DEL and C1) are written as \u escapes and bytes that are not UTF-8 as \xHH.
std::string jsonQuoted(std::string_view text);

// Checks a JSON text strictly, as the answers reader needs it: UTF-8, no key given twice in
// one object, no control character but tab, CR and LF and no half of a surrogate pair in any
// string, nesting no deeper than kMaxAnswersDepth. Returns the problem, naming the answer key
// it lies in, or the empty text.
std::string checkAnswersText(std::string_view json);

// Reads the answers in `json` (from `source`, as the user named it) into `object`: the JSON
// must pass checkAnswersText and be an object. Returns the problem, or the empty text.
std::string parseAnswers(std::string_view json, const std::string& source, QJsonObject& object);

// Reads the answers file `name` ("-" for standard input), at most `limit` bytes, into
// `object`. Returns the problem, naming the file, or the empty text.
std::string readAnswersFile(const std::string& name, QJsonObject& object,
                            std::size_t limit = kMaxAnswersSize);

// Applies `object` over `answers`: keys left out keep their values. `txtEmail` goes into
// `email`. Returns the problem, naming the key, or the empty text when every key was good.
template <typename Type>
std::string applyAnswers(const QJsonObject& object, typename Type::Answers& answers,
                         std::optional<std::string>& email) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string name = it.key().toStdString();
        const QJsonValue value = it.value();
        const std::string quoted = jsonQuoted(name);
        if (name == kEmailKey) {
            if (!value.isString()) {
                return quoted + " must be a string";
            }
            email = value.toString().toStdString();
            continue;
        }
        const AnswerKey<typename Type::Answers>* key = nullptr;
        for (const auto& candidate : Type::kKeys) {
            if (candidate.name == name) {
                key = &candidate;
            }
        }
        if (!key) {
            return std::string(Type::kName) + " has no answer key " + quoted;
        }
        if (key->text) {
            if (!value.isString()) {
                return quoted + " must be a string";
            }
            std::string text = value.toString().toStdString();
            const std::size_t length = buttons::utf16Length(text);
            if (key->maxLength > 0 && length > static_cast<std::size_t>(key->maxLength)) {
                return quoted + " is " + std::to_string(length) +
                       " characters long; its box takes at most " + std::to_string(key->maxLength);
            }
            answers.*(key->text) = std::move(text);
            continue;
        }
        const std::string range = "0 to " + std::to_string(key->options - 1);
        if (value.isNull()) {
            answers.*(key->option) = std::nullopt;
            continue;
        }
        const double index = value.toDouble();
        if (!value.isDouble() || !std::isfinite(index) || index != std::floor(index)) {
            return quoted + " must be an option index from " + range + ", or null for none";
        }
        if (index < 0 || index >= key->options) {
            const std::string shown = std::abs(index) < 1e15
                                          ? std::to_string(static_cast<long long>(index))
                                          : QString::number(index).toStdString();
            return quoted + " is " + shown + ", outside its options " + range;
        }
        answers.*(key->option) = static_cast<int>(index);
    }
    return {};
}

// One line per answer key: its name, its kind and its default.
template <typename Type> std::string describeKeys() {
    const typename Type::Answers defaults;
    std::string out;
    for (const auto& key : Type::kKeys) {
        std::string line = "    " + std::string(key.name);
        line.resize(std::max<std::size_t>(line.size() + 1, 26), ' ');
        std::string kind;
        std::string value;
        if (key.text) {
            kind = key.maxLength > 0 ? "text, at most " + std::to_string(key.maxLength) : "text";
            value = jsonQuoted(defaults.*(key.text));
        } else {
            kind = "option 0 to " + std::to_string(key.options - 1) + " or null";
            const OptionIndex& selected = defaults.*(key.option);
            value = selected ? std::to_string(*selected) : "null";
        }
        line += kind;
        line.resize(std::max<std::size_t>(line.size() + 1, 50), ' ');
        out += line + "default " + value + "\n";
    }
    return out;
}

} // namespace ravelin::cli
