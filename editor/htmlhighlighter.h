// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Colours HTML source: tag names, attribute names, attribute values, comments, declarations
// and character references. Tags and comments may span lines.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace ravelin::editor {

class HtmlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit HtmlHighlighter(QTextDocument* document);

    // Block states: where a line ends.
    enum State { InText = 0, InComment, InTag, InDoubleQuoted, InSingleQuoted, InDeclaration };

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat tagFormat_;
    QTextCharFormat attributeFormat_;
    QTextCharFormat valueFormat_;
    QTextCharFormat commentFormat_;
    QTextCharFormat declarationFormat_;
    QTextCharFormat entityFormat_;
};

} // namespace ravelin::editor
