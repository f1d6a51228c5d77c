// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/charset.h"

#include "common/bytes.h"
#include "common/utf8.h"
#include "editor/markup.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace ravelin::editor {

namespace {

// windows-1252 from 0x80 to 0x9F, as the Encoding Standard's index has it: the five bytes
// the code page leaves out stand for the C1 control of their own number.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(QByteArrayView text, qsizetype at, QByteArrayView word) {
    if (at + word.size() > text.size()) {
        return false;
    }
    for (qsizetype k = 0; k < word.size(); ++k) {
        if (lower(text[at + k]) != word[k]) {
            return false;
        }
    }
    return true;
}

QByteArray lowered(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        out += lower(c);
    }
    return out;
}

QByteArray trimmed(QByteArrayView text) {
    return common::trimmed(text, isSpace);
}

struct Attribute {
    QByteArray name;
    QByteArray value;
};

// Reads one attribute of a tag at `i` as the HTML prescan does; nothing at the tag's end.
std::optional<Attribute> nextAttribute(QByteArrayView text, qsizetype& i) {
    while (i < text.size() && (isSpace(text[i]) || text[i] == '/')) {
        ++i;
    }
    if (i >= text.size() || text[i] == '>') {
        return std::nullopt;
    }
    Attribute attribute;
    while (i < text.size() && !isSpace(text[i]) && text[i] != '/' && text[i] != '>' &&
           (text[i] != '=' || attribute.name.isEmpty())) {
        attribute.name += lower(text[i++]);
    }
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    if (i >= text.size() || text[i] != '=') {
        return attribute;
    }
    ++i;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
        const char quote = text[i++];
        while (i < text.size() && text[i] != quote) {
            attribute.value += text[i++];
        }
        ++i;
        return attribute;
    }
    while (i < text.size() && !isSpace(text[i]) && text[i] != '>') {
        attribute.value += text[i++];
    }
    return attribute;
}

// The charset parameter of a Content-Type value, as browsers take it from a meta element.
std::optional<QByteArray> charsetOfContent(QByteArrayView content) {
    qsizetype i = 0;
    for (;;) {
        while (i < content.size() && !startsWithNoCase(content, i, "charset")) {
            ++i;
        }
        if (i >= content.size()) {
            return std::nullopt;
        }
        i += 7;
        while (i < content.size() && isSpace(content[i])) {
            ++i;
        }
        if (i < content.size() && content[i] == '=') {
            break;
        }
    }
    ++i;
    while (i < content.size() && isSpace(content[i])) {
        ++i;
    }
    if (i >= content.size()) {
        return std::nullopt;
    }
    if (content[i] == '"' || content[i] == '\'') {
        const char quote = content[i];
        const qsizetype close = content.indexOf(quote, i + 1);
        if (close < 0) {
            return std::nullopt;
        }
        return content.sliced(i + 1, close - i - 1).toByteArray();
    }
    qsizetype end = i;
    while (end < content.size() && !isSpace(content[end]) && content[end] != ';') {
        ++end;
    }
    return content.sliced(i, end - i).toByteArray();
}

void appendReference(QByteArray& out, char32_t character) {
    out += "&#" + QByteArray::number(static_cast<quint32>(character)) + ';';
}

} // namespace

QString charsetName(Charset charset) {
    switch (charset) {
    case Charset::Utf8:
        return QStringLiteral("UTF-8");
    case Charset::Windows1252:
        return QStringLiteral("windows-1252");
    }
    return {};
}

std::optional<QByteArray> declaredLabel(QByteArrayView page) {
    qsizetype i = 0;
    while ((i = page.indexOf('<', i)) >= 0) {
        if (startsWithNoCase(page, i, "<!--")) {
            const qsizetype close = page.indexOf("-->", i + 4);
            if (close < 0) {
                return std::nullopt;
            }
            i = close + 3;
            continue;
        }
        if (startsWithNoCase(page, i, "<meta") && i + 5 < page.size() &&
            (isSpace(page[i + 5]) || page[i + 5] == '/')) {
            i += 5;
            std::optional<QByteArray> charset;
            std::optional<QByteArray> content;
            bool contentType = false;
            while (const std::optional<Attribute> attribute = nextAttribute(page, i)) {
                if (attribute->name == "charset" && !charset) {
                    charset = attribute->value;
                } else if (attribute->name == "http-equiv") {
                    contentType =
                        contentType || lowered(trimmed(attribute->value)) == "content-type";
                } else if (attribute->name == "content" && !content) {
                    content = attribute->value;
                }
            }
            if (!charset && contentType && content) {
                charset = charsetOfContent(*content);
            }
            if (charset) {
                return lowered(trimmed(*charset));
            }
            continue;
        }
        const bool tag =
            i + 1 < page.size() &&
            (((page[i + 1] | 0x20) >= 'a' && (page[i + 1] | 0x20) <= 'z') || page[i + 1] == '/');
        ++i;
        if (tag) {
            // Past the tag, whose quoted attribute values may hold "<" or ">".
            while (i < page.size() && !isSpace(page[i]) && page[i] != '>') {
                ++i;
            }
            while (nextAttribute(page, i)) {
            }
        }
    }
    return std::nullopt;
}

std::optional<Charset> charsetForLabel(QByteArrayView label) {
    static const std::array<std::pair<const char*, Charset>, 23> kLabels = {{
        {"utf-8", Charset::Utf8},
        {"utf8", Charset::Utf8},
        {"unicode-1-1-utf-8", Charset::Utf8},
        {"unicode11utf8", Charset::Utf8},
        {"unicode20utf8", Charset::Utf8},
        {"x-unicode20utf8", Charset::Utf8},
        {"windows-1252", Charset::Windows1252},
        {"cp1252", Charset::Windows1252},
        {"x-cp1252", Charset::Windows1252},
        {"iso-8859-1", Charset::Windows1252},
        {"iso8859-1", Charset::Windows1252},
        {"iso88591", Charset::Windows1252},
        {"iso_8859-1", Charset::Windows1252},
        {"iso_8859-1:1987", Charset::Windows1252},
        {"latin1", Charset::Windows1252},
        {"l1", Charset::Windows1252},
        {"csisolatin1", Charset::Windows1252},
        {"iso-ir-100", Charset::Windows1252},
        {"cp819", Charset::Windows1252},
        {"ibm819", Charset::Windows1252},
        {"us-ascii", Charset::Windows1252},
        {"ascii", Charset::Windows1252},
        {"ansi_x3.4-1968", Charset::Windows1252},
    }};
    const QByteArray wanted = lowered(trimmed(label));
    for (const auto& [name, charset] : kLabels) {
        if (wanted == name) {
            return charset;
        }
    }
    return std::nullopt;
}

std::optional<QString> decodeText(QByteArrayView bytes, Charset charset, qsizetype* badOffset) {
    if (charset == Charset::Utf8) {
        if (const auto bad = common::firstInvalidUtf8(
                std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())))) {
            *badOffset = static_cast<qsizetype>(*bad);
            return std::nullopt;
        }
        // Decoded as it is: a U+FEFF at the start stays (QString::fromUtf8 would drop it).
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
            .decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

bool holds(Charset charset, char32_t c) {
    switch (charset) {
    case Charset::Utf8:
        return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    case Charset::Windows1252:
        return c < 0x80 || (c >= 0xA0 && c <= 0xFF) ||
               std::find(kWindows1252High.begin(), kWindows1252High.end(), c) !=
                   kWindows1252High.end();
    }
    return false;
}

QByteArray encodeText(QStringView text, Charset charset) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!holds(charset, c)) {
            appendReference(out, c);
        } else if (charset == Charset::Utf8) {
            common::appendUtf8(out, c); // every character as it is, U+FEFF included
        } else if (c >= 0x100) {
            const auto* at = std::find(kWindows1252High.begin(), kWindows1252High.end(), c);
            out += static_cast<char>(0x80 + (at - kWindows1252High.begin()));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<qsizetype> unreferencedCharacter(QStringView text, Charset charset) {
    const auto firstUnheld = [&](qsizetype from, qsizetype to) -> std::optional<qsizetype> {
        for (qsizetype i = from; i < to; ++i) {
            char32_t c = text[i].unicode();
            if (text[i].isHighSurrogate() && i + 1 < to && text[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            }
            if (!holds(charset, c)) {
                return i;
            }
            if (c > 0xFFFF) {
                ++i;
            }
        }
        return std::nullopt;
    };
    if (charset == Charset::Utf8) {
        return std::nullopt;
    }
    MarkupReader reader(text);
    Markup piece;
    while (reader.next(&piece)) {
        const bool unread = piece.kind == Markup::Kind::Comment ||
                            (piece.kind == Markup::Kind::RawText &&
                             (piece.name == u"script" || piece.name == u"style"));
        if (unread) {
            if (const std::optional<qsizetype> found = firstUnheld(piece.begin, piece.end)) {
                return found;
            }
        }
    }
    return std::nullopt;
}

} // namespace ravelin::editor
