// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmlhighlighter.h"

namespace ravelin::editor {

HtmlHighlighter::HtmlHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    tagFormat_.setForeground(QColor(0x00, 0x00, 0x80));
    tagFormat_.setFontWeight(QFont::Bold);
    attributeFormat_.setForeground(QColor(0x80, 0x00, 0x00));
    valueFormat_.setForeground(QColor(0x00, 0x00, 0xFF));
    commentFormat_.setForeground(QColor(0x80, 0x80, 0x80));
    commentFormat_.setFontItalic(true);
    declarationFormat_.setForeground(QColor(0x80, 0x00, 0x80));
    entityFormat_.setForeground(QColor(0x00, 0x80, 0x00));
}

void HtmlHighlighter::highlightBlock(const QString& text) {
    int state = previousBlockState() < 0 ? InText : previousBlockState();
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        switch (state) {
        case InComment: {
            const qsizetype close = text.indexOf(QLatin1String("-->"), i);
            const qsizetype end = close < 0 ? n : close + 3;
            setFormat(int(i), int(end - i), commentFormat_);
            i = end;
            state = close < 0 ? InComment : InText;
            break;
        }
        case InDeclaration: {
            const qsizetype close = text.indexOf(QLatin1Char('>'), i);
            const qsizetype end = close < 0 ? n : close + 1;
            setFormat(int(i), int(end - i), declarationFormat_);
            i = end;
            state = close < 0 ? InDeclaration : InText;
            break;
        }
        case InDoubleQuoted:
        case InSingleQuoted: {
            const QChar quote = state == InDoubleQuoted ? u'"' : u'\'';
            const qsizetype close = text.indexOf(quote, i);
            const qsizetype end = close < 0 ? n : close + 1;
            setFormat(int(i), int(end - i), valueFormat_);
            i = end;
            state = close < 0 ? state : InTag;
            break;
        }
        case InTag: {
            const QChar c = text[i];
            if (c == u'>' || (c == u'/' && i + 1 < n && text[i + 1] == u'>')) {
                const qsizetype length = c == u'>' ? 1 : 2;
                setFormat(int(i), int(length), tagFormat_);
                i += length;
                state = InText;
            } else if (c == u'"' || c == u'\'') {
                setFormat(int(i), 1, valueFormat_);
                ++i;
                state = c == u'"' ? InDoubleQuoted : InSingleQuoted;
            } else if (c.isLetter() || c == u'-' || c == u'_' || c == u':') {
                const qsizetype start = i;
                while (i < n && (text[i].isLetterOrNumber() || text[i] == u'-' || text[i] == u'_' ||
                                 text[i] == u':' || text[i] == u'.')) {
                    ++i;
                }
                setFormat(int(start), int(i - start), attributeFormat_);
            } else {
                ++i;
            }
            break;
        }
        default: { // InText
            const QChar c = text[i];
            if (c == u'<') {
                if (text.mid(i, 4) == QLatin1String("<!--")) {
                    state = InComment;
                } else if (i + 1 < n && (text[i + 1] == u'!' || text[i + 1] == u'?')) {
                    state = InDeclaration;
                } else if (i + 1 < n && (text[i + 1].isLetter() || text[i + 1] == u'/')) {
                    const qsizetype start = i;
                    i += text[i + 1] == u'/' ? 2 : 1;
                    while (i < n && (text[i].isLetterOrNumber() || text[i] == u'-')) {
                        ++i;
                    }
                    setFormat(int(start), int(i - start), tagFormat_);
                    state = InTag;
                } else {
                    ++i;
                }
            } else if (c == u'&') {
                const qsizetype close = text.indexOf(QLatin1Char(';'), i);
                if (close > i + 1 && close - i <= 32 &&
                    !text.mid(i, close - i).contains(QLatin1Char(' '))) {
                    setFormat(int(i), int(close - i + 1), entityFormat_);
                    i = close + 1;
                } else {
                    ++i;
                }
            } else {
                ++i;
            }
            break;
        }
        }
    }
    setCurrentBlockState(state);
}

} // namespace ravelin::editor
