// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagedocument.h"

#include "editor/markup.h"
#include "objectmodel/commandbars.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace ravelin::editor {

namespace {

QPlainTextEdit& liveEditor(const QPointer<QPlainTextEdit>& editor) {
    if (editor.isNull()) {
        throw objectmodel::HostError(
            QCoreApplication::translate("ravelin::editor::PageDocument", "The page is closed."));
    }
    return *editor;
}

// A caret or a run of text, remembered by its ends when it was made.
class PageTextRange : public objectmodel::IHTMLRange, public objectmodel::IHTMLTxtRange {
public:
    PageTextRange(QPlainTextEdit* editor, qsizetype start, qsizetype end)
        : editor_(editor), start_(start), end_(end) {}

    objectmodel::IHTMLTxtRange* asTxtRange() override { return this; }

    void pasteHTML(const QString& html) override {
        replaceText(liveEditor(editor_), start_, end_, html);
    }

private:
    QPointer<QPlainTextEdit> editor_;
    qsizetype start_;
    qsizetype end_;
};

// A selected control, or a selection with an end where markup has no place: no text range.
class PageControlRange : public objectmodel::IHTMLRange {
public:
    objectmodel::IHTMLTxtRange* asTxtRange() override { return nullptr; }
};

} // namespace

QString editorText(const QPlainTextEdit& editor) {
    QString text = editor.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void replaceText(QPlainTextEdit& editor, qsizetype start, qsizetype end, const QString& text) {
    const int last = editor.document()->characterCount() - 1;
    QTextCursor cursor(editor.document());
    cursor.setPosition(std::clamp(static_cast<int>(start), 0, last));
    cursor.setPosition(std::clamp(static_cast<int>(end), 0, last), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    editor.setTextCursor(cursor);
}

PageDocument::PageDocument(QPlainTextEdit* editor) : editor_(editor) {}

std::unique_ptr<objectmodel::IHTMLRange> PageDocument::createRange() {
    QPlainTextEdit& editor = liveEditor(editor_);
    const QTextCursor cursor = editor.textCursor();
    const qsizetype start = cursor.selectionStart();
    const qsizetype end = cursor.selectionEnd();
    // The raw text, with Qt's paragraph separators for line breaks: the decision reads them as
    // such, and a copy with "\n" in their place would take a second pass over the page.
    if (classifyRange(editor.document()->toRawText(), start, end) == RangeKind::Control) {
        return std::make_unique<PageControlRange>();
    }
    return std::make_unique<PageTextRange>(&editor, start, end);
}

} // namespace ravelin::editor
