// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The paste's range decision on any page text and selection: the markup spans lie in order
// inside the text, each starting at a "<"; the decision does not depend on which end of the
// selection is the anchor; a caret strictly inside a tag is never a text range, and a text
// without markup is all text.
#include "editor/markup.h"
#include "fuzz/support.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace ravelin;
using editor::RangeKind;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const qsizetype anchorPick = input.ConsumeIntegral<std::uint16_t>();
    const qsizetype positionPick = input.ConsumeIntegral<std::uint16_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const qsizetype anchor = anchorPick % (text.size() + 1);
    const qsizetype position = positionPick % (text.size() + 1);

    const QList<editor::MarkupSpan> spans = editor::scanMarkup(text);
    qsizetype previousEnd = 0;
    for (const editor::MarkupSpan& span : spans) {
        fuzz::require(span.begin >= previousEnd && span.begin < span.end &&
                          span.end <= text.size() && text[span.begin] == u'<',
                      "spans lie in order inside the text, each at a <");
        fuzz::require(span.terminated || span.end == text.size(),
                      "only a span cut off by the text's end is unterminated");
        previousEnd = span.end;
        if (span.terminated && span.end - span.begin > 2) {
            const qsizetype inside = span.begin + 1;
            fuzz::require(editor::classifyRange(text, inside, inside) == RangeKind::Control,
                          "a caret inside a tag is no text range");
        }
    }
    const RangeKind kind = editor::classifyRange(text, anchor, position);
    fuzz::require(kind == editor::classifyRange(text, position, anchor),
                  "the anchor and the caret may swap");
    if (!text.contains(u'<')) {
        fuzz::require(kind == RangeKind::Text, "a text without markup is all text");
    }
    return 0;
}
