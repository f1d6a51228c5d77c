// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page open in the page editor as its object model shows it: the document, its selection
// and the ranges made from the selection.
#pragma once

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

private:
    QPointer<QPlainTextEdit> editor_;
};

// The source text of the editor with "\n" between lines.
QString editorText(const QPlainTextEdit& editor);

// Replaces the text from `start` to `end` as one undoable edit and puts the caret after the
// new text. Its line breaks become the editor's.
void replaceText(QPlainTextEdit& editor, qsizetype start, qsizetype end, const QString& text);

} // namespace ravelin::editor
