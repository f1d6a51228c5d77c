// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page open in the page editor as its object model shows it: the document, its selection
// and the ranges made from the selection.
#pragma once

#include "editor/pagefile.h"
#include "objectmodel/document.h"

#include <QPointer>
#include <QString>

class QPlainTextEdit;

namespace ravelin::editor {

class PageDocument : public objectmodel::IHTMLDocument2, public objectmodel::IHTMLSelectionObject {
public:
    explicit PageDocument(QPlainTextEdit* editor);

    objectmodel::IHTMLSelectionObject* selection() override { return this; }
    // A text range for a caret or a run of text; a control range for a control's tag or when
    // an end of the selection lies inside markup, raw text or a form (see classifyRange).
    std::unique_ptr<objectmodel::IHTMLRange> createRange() override;
    // The page as its editor holds it, one "\n" for each line break, whatever the file's are,
    // so that its places are the editor's.
    std::optional<objectmodel::DocumentSource> source() override;
    std::unique_ptr<objectmodel::IHTMLTxtRange> rangeOver(qsizetype start, qsizetype end) override;

private:
    QPointer<QPlainTextEdit> editor_;
};

// Puts a page's text, as its file holds it (editor/pagefile.h), into the editor, one line to
// a block of its document, and forgets the editor's undo history. Qt's document keeps one kind
// of break between blocks and takes U+2029, U+FDD0 and U+FDD1 for such breaks too, so what
// would be lost is kept beside the text: a line begun by a break other than `lineEnding` keeps
// its break's kind in its block's format, and each of those three characters is shown as a
// mark, a small box holding its code, that stands for it. Undo and redo keep both.
void setPageText(QPlainTextEdit& editor, const QString& text, LineEnding lineEnding);

// The editor's text as its file holds it: the text setPageText put in, with the edits made
// since, so that a page whose lines break in different ways changes only where it was edited.
// A line break typed or pasted into a line is the one the line above it ends with (on the
// first line, `lineEnding`).
QString pageText(const QPlainTextEdit& editor, LineEnding lineEnding);

// Replaces the text from `start` to `end` as one undoable edit and puts the caret after the
// new text. Its line breaks become the editor's.
void replaceText(QPlainTextEdit& editor, qsizetype start, qsizetype end, const QString& text);

} // namespace ravelin::editor
