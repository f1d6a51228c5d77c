// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pages' character sets on any bytes. A declared label is trimmed, in lower case and found in
// the page; windows-1252 reads every byte and writes it back; text encoded in a set decodes in
// it; a page that can be read is written back byte for byte.
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

    // windows-1252 reads every byte and writes each back.
    qsizetype bad = -1;
    const std::optional<QString> asWindows1252 =
        editor::decodeText(bytes, Charset::Windows1252, &bad);
    fuzz::require(asWindows1252.has_value(), "windows-1252 reads every byte");
    fuzz::require(editor::encodeText(*asWindows1252, Charset::Windows1252) == bytes,
                  "and writes each back");
    // Any text written in a set reads back in it, its references as they stand.
    const QString text = QString::fromUtf8(bytes);
    for (const Charset charset : {Charset::Utf8, Charset::Windows1252}) {
        const QByteArray encoded = editor::encodeText(text, charset);
        const std::optional<QString> decoded = editor::decodeText(encoded, charset, &bad);
        fuzz::require(decoded.has_value(), "encoded text decodes in its set");
        fuzz::require(editor::encodeText(*decoded, charset) == encoded, "and encodes the same");
    }

    const common::Result<editor::PageText> page =
        editor::decodePage(bytes, editor::LineEnding::CrLf);
    if (!page) {
        fuzz::require(!page.error().isEmpty(), "a refused page is refused with a reason");
        return 0;
    }
    const common::Result<QByteArray> written = editor::encodePage(*page);
    fuzz::require(written.has_value(), "a page that can be read can be written");
    fuzz::require(*written == bytes, "and is written back byte for byte", bytes.toStdString());
    return 0;
}
