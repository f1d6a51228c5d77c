// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pages' character sets on any bytes. A declared label is trimmed, in lower case and found in
// the page; text encoded in a set holds only that set's bytes; a page read and written is
// written the same way again (its references stand); a page with only characters of its set
// is written back byte for byte.
#include "editor/charset.h"

#include "editor/pagefile.h"
#include "fuzz/support.h"

#include <QList>
#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace ravelin;
using editor::Charset;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (const std::optional<QByteArray> label = editor::declaredLabel(bytes)) {
        const auto space = [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        };
        fuzz::require(label->isEmpty() || (!space(label->front()) && !space(label->back())),
                      "a label is trimmed of ASCII white space");
        fuzz::require(
            std::none_of(label->begin(), label->end(), [](char c) { return c >= 'A' && c <= 'Z'; }),
            "a label is in lower case");
        QByteArray asciiLower = bytes;
        for (char& c : asciiLower) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        }
        fuzz::require(asciiLower.contains(*label), "a label is found in the page");
    }

    // Any text in each set: only the set's bytes come out.
    const QString text = QString::fromUtf8(bytes);
    for (const Charset charset : {Charset::Windows1252, Charset::Latin1, Charset::Ascii}) {
        const QByteArray encoded = editor::encodeText(text, charset);
        qsizetype bad = -1;
        const std::optional<QString> decoded = editor::decodeText(encoded, charset, &bad);
        fuzz::require(decoded.has_value(), "encoded text decodes in its set");
        for (const char c : encoded) {
            const auto byte = static_cast<unsigned char>(c);
            fuzz::require(charset != Charset::Ascii || byte < 0x80, "ASCII is seven bits");
            fuzz::require(charset != Charset::Latin1 || byte < 0x80 || byte >= 0xA0,
                          "ISO-8859-1 text written so that windows-1252 reads it the same");
        }
    }

    const common::Result<editor::PageText> page =
        editor::decodePage(bytes, editor::LineEnding::CrLf);
    if (!page) {
        fuzz::require(!page.error().isEmpty(), "a refused page is refused with a reason");
        return 0;
    }
    const common::Result<QByteArray> written = editor::encodePage(*page);
    if (!written) {
        return 0;
    }
    const common::Result<editor::PageText> reread = editor::decodePage(*written);
    fuzz::require(reread.has_value(), "a written page can be read");
    fuzz::require(editor::encodePage(*reread) == *written, "and is written the same way again");
    // A page of its set's characters with one kind of line break is written byte for byte.
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray body = page->byteOrderMark ? bytes.sliced(bom.size()) : bytes;
    const Charset charset =
        page->byteOrderMark
            ? Charset::Utf8
            : *editor::charsetForLabel(editor::declaredLabel(body).value_or(QByteArray("utf-8")));
    qsizetype bad = -1;
    const QString raw = *editor::decodeText(body, charset, &bad);
    bool allHeld = true;
    for (const uint c : raw.toUcs4()) {
        allHeld = allHeld && editor::holds(charset, c);
    }
    const bool oneKindOfBreak =
        raw == editor::withLineEnding(editor::normalizeLineBreaks(raw), page->lineEnding);
    fuzz::require(!allHeld || !oneKindOfBreak || *written == bytes,
                  "a page of its set's characters is written back byte for byte",
                  bytes.toStdString());
    return 0;
}
