// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The markup of an HTML page as a browser reads it from the page's start, and what kind of
// range a selection in the page makes: a text range, or a control range where pasted markup
// has no place.
#pragma once

#include <QStringView>

namespace ravelin::editor {

// One piece of markup. The content of a script, style, textarea or title element is raw text:
// nothing in it is markup up to the element's end tag.
struct Markup {
    enum class Kind { StartTag, EndTag, Comment, RawText };
    Kind kind = Kind::Comment; // Comment also for <!...> and <?...>
    qsizetype begin = 0;       // its "<"; raw text: the end of its start tag
    qsizetype end = 0;         // after its ">"; raw text: its end tag's "<"
    bool terminated = true;    // false when the text ends first (`end` is then its length)
    QStringView name;          // a tag's name as written; raw text: its element's, lower-case
};

// Reads the markup of a text in order, from its start.
class MarkupReader {
public:
    explicit MarkupReader(QStringView text) : text_(text) {}

    // The next piece of markup; false at the end of the text.
    bool next(Markup* found);

private:
    QStringView text_;
    qsizetype at_ = 0;
    QStringView rawText_; // the element whose raw text comes next
};

enum class RangeKind { Text, Control };

// The kind of range a selection from `anchor` to `position` (either order; equal for a caret)
// makes in a page: a control range when an end of it lies inside a tag, a comment, raw text
// or a form, or when it is exactly a control element's tag (a picture, a button); else a text
// range. Forms do not nest: markup pasted into one would break it and itself. The page is read
// from its start to just past the selection; positions outside it read as its nearest end.
RangeKind classifyRange(QStringView page, qsizetype anchor, qsizetype position);

} // namespace ravelin::editor
