// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/answerfile.h"

#include "common/escapes.h"
#include "common/files.h"
#include "common/utf8.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cstdio>
#include <set>
#include <unistd.h>
#include <vector>

namespace ravelin::cli {

namespace {

std::string hex(char32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Appends `text` as the inside of a JSON string that is safe to show on a terminal.
void appendQuoted(std::string& out, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (const std::string_view escape = common::backslashEscape(c); !escape.empty()) {
            out += escape;
        } else if (isControl(c) || QChar::isSurrogate(c)) {
            out += "\\u" + hex(c, 4);
        } else {
            common::appendUtf8(out, c);
        }
    }
}

std::string quoted(const QString& text) {
    std::string out = "\"";
    appendQuoted(out, text);
    return out + '"';
}

// The first character of `text` that cannot be typed into a box: a control character (but
// tab, LF and CR, unless `oneLine`), or half of a surrogate pair.
std::optional<char16_t> untypable(const QString& text, bool oneLine) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool allowed = c == '\t' || (!oneLine && (c == '\n' || c == '\r'));
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate() || (isControl(c.unicode()) && !allowed)) {
            return c.unicode();
        }
    }
    return std::nullopt;
}

std::string described(char16_t c) {
    if (QChar::isSurrogate(c)) {
        return "half a surrogate pair (\\u" + hex(c, 4) + ")";
    }
    if (c == '\n' || c == '\r') {
        return "a line break (U+" + hex(c, 4) + ")";
    }
    return c == 0 ? "a NUL character (U+0000)" : "a control character (U+" + hex(c, 4) + ")";
}

// The offset just past the JSON string that opens at `at`. Qt reads an escape that JSON does
// not have, such as the \x of "C:\xampp", as the letter alone; it is refused here.
common::Result<std::size_t> stringEnd(std::string_view json, std::size_t at) {
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        if (json[at] == '\\' && ++at < json.size() &&
            std::string_view("\"\\/bfnrtu").find(json[at]) == std::string_view::npos) {
            return failure("not valid JSON at offset " + std::to_string(at));
        }
    }
    return at + 1;
}

// The text of the JSON string `token`, quotes and all, as Qt reads it.
QString decoded(std::string_view token) {
    const QByteArray bytes(token.data(), static_cast<qsizetype>(token.size()));
    if (!bytes.contains('\\')) {
        return QString::fromUtf8(bytes.sliced(1, bytes.size() - 2));
    }
    return QJsonDocument::fromJson('[' + bytes + ']').array().first().toString();
}

// What Qt's reader lets through without a word and an answers file may not hold: a key given
// twice in one object (Qt keeps the last), an escape JSON does not have, nesting deeper than
// kMaxAnswersDepth (Qt allows 1024) and, in a key or a text, what cannot be typed (Qt keeps
// NUL, ESC and half a surrogate pair); RefusesAnswersThatCannotBeTypedNamingTheKey and the
// "C:\xampp" of RefusesBadInputWithOneLineAndStatusTwo fail without it. `json` is an object
// Qt has read, so its strings and brackets are well formed. Walked in the order of the text,
// the first problem is told.
common::Result<void> checkStrictly(std::string_view json) {
    std::vector<std::set<QString>> open; // the keys met in each array and object open here
    QString answer;                      // the answer key whose value is being read
    for (std::size_t at = 0; at < json.size(); ++at) {
        const char c = json[at];
        if (c == '{' || c == '[') {
            open.emplace_back();
            if (open.size() > kMaxAnswersDepth) {
                return failure("arrays and objects nested deeper than " +
                               std::to_string(kMaxAnswersDepth) + " levels in the answer " +
                               quoted(answer));
            }
        } else if (c == '}' || c == ']') {
            open.pop_back();
        } else if (c == '"') {
            const common::Result<std::size_t> end = stringEnd(json, at);
            if (!end) {
                return common::Failure{end.error()};
            }
            const QString text = decoded(json.substr(at, *end - at));
            const std::size_t next = json.find_first_not_of(" \t\r\n", *end);
            const bool isKey = next != std::string_view::npos && json[next] == ':';
            const std::optional<char16_t> bad = untypable(text, false);
            if (bad) {
                return failure(
                    (isKey ? "the answer key " + quoted(text) : "the answer " + quoted(answer)) +
                    " holds " + described(*bad) + ", which cannot be typed");
            }
            if (isKey && !open.back().insert(text).second) {
                return failure(open.size() == 1
                                   ? "the answer key " + quoted(text) + " is given twice"
                                   : "the answer key " + quoted(answer) +
                                         " holds an object with the key " + quoted(text) +
                                         " given twice");
            }
            if (isKey && open.size() == 1) {
                answer = text;
            }
            at = *end - 1;
        }
    }
    return {};
}

} // namespace

std::string jsonQuoted(std::string_view bytes) {
    std::string out = "\"";
    for (;;) {
        const std::size_t valid = common::firstInvalidUtf8(bytes).value_or(bytes.size());
        appendQuoted(out, QString::fromUtf8(bytes.data(), static_cast<qsizetype>(valid)));
        if (valid == bytes.size()) {
            return out + '"';
        }
        out += "\\x" + hex(static_cast<unsigned char>(bytes[valid]), 2);
        bytes.remove_prefix(valid + 1);
    }
}

std::optional<std::string> untypableText(std::string_view bytes, bool oneLine) {
    if (common::firstInvalidUtf8(bytes)) {
        return "bytes that are not UTF-8 text";
    }
    const std::optional<char16_t> bad =
        untypable(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())), oneLine);
    return bad ? std::optional<std::string>(described(*bad)) : std::nullopt;
}

common::Result<QJsonObject> parseAnswers(const QByteArray& json, const std::string& source) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return failure("the answers in " + source +
                       " are not valid JSON: " + error.errorString().toStdString() + " at offset " +
                       std::to_string(error.offset));
    }
    if (!document.isObject()) {
        return failure("the answers in " + source + " must be a JSON object");
    }
    if (const common::Result<void> strict = checkStrictly(
            std::string_view(json.constData(), static_cast<std::size_t>(json.size())));
        !strict) {
        return failure("the answers in " + source +
                       " cannot be used: " + strict.error().toStdString());
    }
    return document.object();
}

std::optional<std::string_view> nearestName(std::string_view name,
                                            std::span<const std::string_view> names) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    // The edit distance, one row of the table at a time.
    const auto distance = [&](std::string_view other) {
        std::vector<std::size_t> row(other.size() + 1);
        for (std::size_t j = 0; j < row.size(); ++j) {
            row[j] = j;
        }
        for (std::size_t i = 1; i <= name.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= other.size(); ++j) {
                const std::size_t above = row[j];
                const std::size_t changed =
                    diagonal + (lower(name[i - 1]) == lower(other[j - 1]) ? 0 : 1);
                row[j] = std::min({changed, above + 1, row[j - 1] + 1});
                diagonal = above;
            }
        }
        return row.back();
    };
    // Of equally near names, one that goes on from what was typed.
    const auto startsWithName = [&](std::string_view candidate) {
        return candidate.size() >= name.size() &&
               std::ranges::equal(candidate.substr(0, name.size()), name,
                                  [&](char a, char b) { return lower(a) == lower(b); });
    };
    std::optional<std::string_view> nearest;
    std::pair<std::size_t, bool> best{4, false}; // more edits than three are another word
    for (std::string_view candidate : names) {
        const std::pair<std::size_t, bool> found{distance(candidate), !startsWithName(candidate)};
        if (found < best && found.first * 2 < name.size()) {
            best = found;
            nearest = candidate;
        }
    }
    return nearest;
}

common::Result<QJsonObject> readAnswersFile(const std::string& name) {
    const bool standardInput = name == "-";
    const std::string source = standardInput ? "standard input" : jsonQuoted(name);
    // Not common::readFileCapped, which refuses what is not a regular file: a pipe such as
    // --answers <(...) is read as it comes (ReadsAnswersFromAPipeNamedAsAFile), and standard
    // input without end is cut off past the cap (InputWithoutEndIsCutOffQuicklyWithOneLine).
    common::Result<common::Descriptor> opened =
        standardInput ? common::Result<common::Descriptor>(common::Descriptor())
                      : common::openToRead(QByteArray::fromStdString(name));
    if (!opened) {
        return failure("cannot read answers from " + source + ": " + opened.error().toStdString());
    }
    const common::Result<QByteArray> bytes = common::readCapped(
        standardInput ? STDIN_FILENO : opened->get(), static_cast<qint64>(kMaxAnswersSize));
    if (!bytes) {
        return failure("cannot read answers from " + source + ": " + bytes.error().toStdString());
    }
    if (static_cast<std::size_t>(bytes->size()) > kMaxAnswersSize) {
        return failure("the answers in " + source + " are larger than " +
                       std::to_string(kMaxAnswersSize / kMiB) + " MiB, more than any answers need");
    }
    return parseAnswers(*bytes, source);
}

} // namespace ravelin::cli
