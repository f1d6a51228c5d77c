// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/answerfile.h"

#include "common/escapes.h"
#include "common/utf8.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace ravelin::cli {

namespace {

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The code point of the well-formed UTF-8 sequence at `at`, and its length.
char32_t decodeAt(std::string_view text, std::size_t at, std::size_t* length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        *length = 1;
        return lead;
    }
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t value = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        value = (value << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    *length = n;
    return value;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A strict reading of a JSON text that keeps only what it has to check.
class StrictJson {
public:
    explicit StrictJson(std::string_view text) : text_(text) {}

    std::string check() {
        if (const auto bad = common::firstInvalidUtf8(text_)) {
            return "bytes that are not UTF-8 at offset " + std::to_string(*bad);
        }
        skipBlanks();
        if (!value(0)) {
            return problem_;
        }
        skipBlanks();
        if (at_ != text_.size()) {
            return syntax();
        }
        return {};
    }

private:
    bool fail(std::string problem) {
        if (problem_.empty()) {
            problem_ = std::move(problem);
        }
        return false;
    }
    bool syntaxFail() { return fail(syntax()); }
    std::string syntax() const { return "not valid JSON at offset " + std::to_string(at_); }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return syntaxFail();
        }
        at_ += word.size();
        return true;
    }

    bool value(int depth) {
        if (at_ == text_.size()) {
            return syntaxFail();
        }
        switch (text_[at_]) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"': {
            std::string ignored;
            return string(ignored, false);
        }
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default:
            return number();
        }
    }

    bool deeper(int depth) {
        if (depth > kMaxAnswersDepth) {
            return fail("arrays and objects nested deeper than " +
                        std::to_string(kMaxAnswersDepth) + " levels" + within());
        }
        return true;
    }

    bool object(int depth) {
        if (!deeper(depth)) {
            return false;
        }
        ++at_; // {
        skipBlanks();
        std::set<std::string> keys;
        if (at_ < text_.size() && text_[at_] == '}') {
            ++at_;
            return true;
        }
        for (;;) {
            if (at_ == text_.size() || text_[at_] != '"') {
                return syntaxFail();
            }
            std::string key;
            if (!string(key, true)) {
                return false;
            }
            if (!keys.insert(key).second) {
                return fail("the answer key " + jsonQuoted(depth == 1 ? key : key_) +
                            (depth == 1 ? " is given twice"
                                        : " holds an object with the key " + jsonQuoted(key) +
                                              " given twice"));
            }
            const std::string outer = key_;
            if (depth == 1) {
                key_ = key;
            }
            skipBlanks();
            if (at_ == text_.size() || text_[at_] != ':') {
                return syntaxFail();
            }
            ++at_;
            skipBlanks();
            if (!value(depth)) {
                return false;
            }
            key_ = outer;
            skipBlanks();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                skipBlanks();
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') {
                ++at_;
                return true;
            }
            return syntaxFail();
        }
    }

    bool array(int depth) {
        if (!deeper(depth)) {
            return false;
        }
        ++at_; // [
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == ']') {
            ++at_;
            return true;
        }
        for (;;) {
            if (!value(depth)) {
                return false;
            }
            skipBlanks();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                skipBlanks();
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') {
                ++at_;
                return true;
            }
            return syntaxFail();
        }
    }

    bool number() {
        const std::size_t start = at_;
        const auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
                ++at_;
            }
            return at_ > from;
        };
        if (at_ < text_.size() && text_[at_] == '-') {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '0') {
            ++at_;
        } else if (!digits()) {
            at_ = start;
            return syntaxFail();
        }
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            if (!digits()) {
                return syntaxFail();
            }
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
                ++at_;
            }
            if (!digits()) {
                return syntaxFail();
            }
        }
        return true;
    }

    // " in the answer KEY" for a problem inside a value, nothing at the top.
    std::string within() const { return key_.empty() ? "" : " in the answer " + jsonQuoted(key_); }

    // A character that cannot be typed in a value: the answer's key is named.
    bool untypable(const std::string& what) {
        return fail(key_.empty() ? what + ", which cannot be typed, in a text"
                                 : "the answer " + jsonQuoted(key_) + " holds " + what +
                                       ", which cannot be typed");
    }

    bool hex4(char32_t* value) {
        if (at_ + 4 > text_.size()) {
            return syntaxFail();
        }
        char32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text_[at_ + k];
            int d = -1;
            if (c >= '0' && c <= '9') {
                d = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                d = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                d = c - 'A' + 10;
            }
            if (d < 0) {
                return syntaxFail();
            }
            v = v * 16 + static_cast<char32_t>(d);
        }
        at_ += 4;
        *value = v;
        return true;
    }

    // Reads a string into `decoded`. A key that holds what cannot be typed is read to its end,
    // so that the message can show all of it.
    bool string(std::string& decoded, bool isKey) {
        ++at_; // "
        std::string keyProblem;
        std::string shownKey; // the key as the message shows it
        const auto refuse = [&](const std::string& what, char32_t code) {
            if (!isKey) {
                return untypable(what);
            }
            if (keyProblem.empty()) {
                keyProblem = what;
            }
            shownKey += "\\u" + hex(code, 4);
            return true;
        };
        for (;;) {
            if (at_ == text_.size()) {
                return syntaxFail();
            }
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                if (!keyProblem.empty()) {
                    return fail("the answer key \"" + shownKey + "\" holds " + keyProblem +
                                ", which cannot be typed");
                }
                return true;
            }
            char32_t code = 0;
            if (c == '\\') {
                if (++at_ == text_.size()) {
                    return syntaxFail();
                }
                const char escape = text_[at_++];
                switch (escape) {
                case '"':
                case '\\':
                case '/':
                    code = static_cast<unsigned char>(escape);
                    break;
                case 'b':
                    code = 0x08;
                    break;
                case 'f':
                    code = 0x0C;
                    break;
                case 'n':
                    code = 0x0A;
                    break;
                case 'r':
                    code = 0x0D;
                    break;
                case 't':
                    code = 0x09;
                    break;
                case 'u': {
                    if (!hex4(&code)) {
                        return false;
                    }
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        char32_t low = 0;
                        const std::size_t afterHigh = at_;
                        if (text_.substr(at_, 2) == "\\u") {
                            at_ += 2;
                            if (!hex4(&low)) {
                                return false;
                            }
                        }
                        if (low < 0xDC00 || low > 0xDFFF) {
                            at_ = afterHigh; // what follows is read on its own
                            if (!refuse("half a surrogate pair (\\u" + hex(code, 4) + ")", code)) {
                                return false;
                            }
                            continue;
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xDC00 && code <= 0xDFFF) {
                        if (!refuse("half a surrogate pair (\\u" + hex(code, 4) + ")", code)) {
                            return false;
                        }
                        continue;
                    }
                    break;
                }
                default:
                    --at_;
                    return syntaxFail();
                }
            } else {
                std::size_t length = 1;
                code = decodeAt(text_, at_, &length);
                at_ += length;
            }
            if (isControl(code) && code != 0x09 && code != 0x0A && code != 0x0D) {
                if (!refuse(code == 0 ? std::string("a NUL character (U+0000)")
                                      : "a control character (U+" + hex(code, 4) + ")",
                            code)) {
                    return false;
                }
                continue;
            }
            common::appendUtf8(decoded, code);
            if (isKey) {
                shownKey += code == '"' ? "\\\"" : code == '\\' ? "\\\\" : "";
                if (code != '"' && code != '\\') {
                    common::appendUtf8(shownKey, code);
                }
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string key_; // the top-level answer key whose value is being read
    std::string problem_;
};

std::string systemError(int code) {
    return std::strerror(code);
}

} // namespace

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const auto bad = common::firstInvalidUtf8(text.substr(i, 4));
            std::size_t length = 1;
            if (bad && *bad == 0) {
                out += "\\x" + hex(byte, 2);
                ++i;
                continue;
            }
            const char32_t code = decodeAt(text, i, &length);
            if (isControl(code)) {
                out += "\\u" + hex(code, 4);
            } else {
                out += text.substr(i, length);
            }
            i += length;
            continue;
        }
        if (const std::string_view escape = common::backslashEscape(byte); !escape.empty()) {
            out += escape;
        } else if (isControl(byte)) {
            out += "\\u" + hex(byte, 4);
        } else {
            out += c;
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string checkAnswersText(std::string_view json) {
    return StrictJson(json).check();
}

std::string parseAnswers(std::string_view json, const std::string& source, QJsonObject& object) {
    // Qt's reader gives the familiar account of a syntax error; the strict reading then
    // refuses what Qt would quietly change or drop.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        return "the answers in " + source +
               " are not valid JSON: " + error.errorString().toStdString() + " at offset " +
               std::to_string(error.offset);
    }
    if (std::string problem = checkAnswersText(json); !problem.empty()) {
        return "the answers in " + source + " cannot be used: " + problem;
    }
    if (!document.isObject()) {
        return "the answers in " + source + " must be a JSON object";
    }
    object = document.object();
    return {};
}

std::string readAnswersFile(const std::string& name, QJsonObject& object, std::size_t limit) {
    const bool standardInput = name == "-";
    const std::string source = standardInput ? "standard input" : jsonQuoted(name);
    const int fd = standardInput ? STDIN_FILENO : ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return "cannot read answers from " + source + ": " + systemError(errno);
    }
    // Read in pieces, never more than one byte past the cap: a device or a pipe without end
    // is cut off there.
    std::string text;
    std::string problem;
    char buffer[64 * 1024];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - text.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            problem = "cannot read answers from " + source + ": " + systemError(errno);
            break;
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > limit) {
            problem = "the answers in " + source + " are larger than " +
                      (limit % kMiB == 0 ? std::to_string(limit / kMiB) + " MiB"
                                         : std::to_string(limit) + " bytes") +
                      ", more than any answers need";
            break;
        }
    }
    if (!standardInput) {
        ::close(fd);
    }
    if (!problem.empty()) {
        return problem;
    }
    return parseAnswers(text, source, object);
}

} // namespace ravelin::cli
