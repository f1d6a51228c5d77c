// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Where the markup of an HTML source text lies, and what kind of range a selection in it makes:
// a text range, or a control range when the selection is a control element's tag or an end of
// it lies inside markup (a paste there would cut a tag in two).
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace ravelin::editor {

// One piece of markup: a tag, comment, declaration or processing instruction.
struct MarkupSpan {
    qsizetype begin = 0;    // index of its "<"
    qsizetype end = 0;      // index after its ">", or the text's length when it has none
    bool terminated = true; // false when the text ends before its ">"
    QString tagName;        // lower-case element name of a start or end tag, else empty
    bool endTag = false;    // "</name ...>"

    bool operator==(const MarkupSpan&) const = default;
};

// The markup of an HTML text in order. The content of script, style, textarea and title
// elements is text, as browsers read it; quoted attribute values may hold ">".
QList<MarkupSpan> scanMarkup(QStringView text);

// Elements whose selected tag is a selected control rather than text.
bool isControlElement(QStringView tagName);

enum class RangeKind { Text, Control };

// A text read a piece at a time: a page too large to copy whole for one decision.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual qsizetype size() const = 0;
    // The characters from `from` to `to` (0 <= from <= to <= size()), lines separated by "\n".
    // The view stays valid until the next read.
    virtual QStringView read(qsizetype from, qsizetype to) = 0;
};

// How far before each end of a selection the range decision starts reading, at the least. It
// reads the markup there as scanMarkup reads the whole text, unless a comment, a tag holding a
// "<" or a script, style, textarea or title element began before that and is still open.
inline constexpr qsizetype kRangeLookBehind = qsizetype{64} * 1024;

// The kind of range a selection from `anchor` to `position` (either order; equal for a caret)
// makes in the text. It reads the text around the ends of the selection only: from the "<"
// nearest before kRangeLookBehind characters ahead of each end (or the text's start) to a few
// characters past it, so its cost does not grow with the page.
RangeKind classifyRange(TextSource& text, qsizetype anchor, qsizetype position);
RangeKind classifyRange(QStringView text, qsizetype anchor, qsizetype position);

} // namespace ravelin::editor
