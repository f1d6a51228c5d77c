// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The paste's range decision on any page text and selection: the pieces of markup lie in order
// inside the text, each tag and comment at a "<" and raw text right after its start tag; a
// caret strictly inside a tag or comment, or anywhere in raw text, is never a text range; the
// decision does not depend on which end of the selection is the anchor, nor on whole markup
// put before the page; and a text without markup is all text.
#include "editor/markup.h"
#include "fuzz/support.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace ravelin;
using editor::Markup;
using editor::RangeKind;

namespace {

// Element names are compared in ASCII case only, as browsers do.
QString asciiLower(QStringView name) {
    QString lower = name.toString();
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + (u'a' - u'A'));
        }
    }
    return lower;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const qsizetype anchorPick = input.ConsumeIntegral<std::uint16_t>();
    const qsizetype positionPick = input.ConsumeIntegral<std::uint16_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const qsizetype anchor = anchorPick % (text.size() + 1);
    const qsizetype position = positionPick % (text.size() + 1);
    const auto caretKind = [&text](qsizetype at) { return editor::classifyRange(text, at, at); };

    editor::MarkupReader reader(text);
    Markup piece;
    qsizetype previousEnd = 0;
    bool afterRawTextStart = false;
    while (reader.next(&piece)) {
        const bool rawText = piece.kind == Markup::Kind::RawText;
        fuzz::require(piece.begin >= previousEnd && piece.begin <= piece.end &&
                          piece.end <= text.size(),
                      "pieces lie in order inside the text");
        fuzz::require(rawText == afterRawTextStart &&
                          (rawText ? piece.begin == previousEnd : text[piece.begin] == u'<'),
                      "raw text follows its start tag, every other piece starts at a <");
        fuzz::require(piece.terminated || piece.end == text.size(),
                      "only a piece cut off by the text's end is unterminated");
        afterRawTextStart =
            piece.kind == Markup::Kind::StartTag && piece.terminated &&
            QStringList{u"script"_qs, u"style"_qs, u"textarea"_qs, u"title"_qs}.contains(
                asciiLower(piece.name));
        previousEnd = piece.end;
        if (rawText) {
            for (const qsizetype at : {piece.begin, (piece.begin + piece.end) / 2, piece.end}) {
                fuzz::require(caretKind(at) == RangeKind::Control,
                              "a caret in raw text is no text range");
            }
        } else if (piece.end - piece.begin > 2) {
            fuzz::require(caretKind(piece.begin + 1) == RangeKind::Control &&
                              caretKind(piece.end - 1) == RangeKind::Control,
                          "a caret inside a tag or comment is no text range");
        }
    }
    const RangeKind kind = editor::classifyRange(text, anchor, position);
    fuzz::require(kind == editor::classifyRange(text, position, anchor),
                  "the anchor and the caret may swap");
    const QString whole =
        QStringLiteral("<!DOCTYPE html><p title=\"a > b\">x<!-- <b> --></p><form><input></form>"
                       "<script>if (a <b) go(\"</p>\");</script>\n");
    fuzz::require(
        kind == editor::classifyRange(whole + text, whole.size() + anchor, whole.size() + position),
        "whole markup before the page changes nothing");
    if (!text.contains(u'<')) {
        fuzz::require(kind == RangeKind::Text, "a text without markup is all text");
    }
    return 0;
}
