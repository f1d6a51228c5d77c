// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/pagedocument.h"

#include "editor/markup.h"
#include "objectmodel/commandbars.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <algorithm>
#include <utility>
#include <vector>

namespace ravelin::editor {

namespace {

// On a block: the LineEnding of the line break before it, when it is not the page's own.
constexpr int kLineBreakProperty = QTextFormat::UserProperty + 1;
// A mark's object type, and on it the character it stands for.
constexpr int kMarkObject = QTextFormat::UserObject + 1;
constexpr int kMarkedCharacterProperty = QTextFormat::UserProperty + 2;

// The characters Qt's text document takes for breaks between blocks besides CR and LF.
bool isMarked(QChar c) {
    return c == QChar::ParagraphSeparator || c == u'\uFDD0' || c == u'\uFDD1';
}

// Draws a mark: its character's code in a small box, a little lower than the text's capitals.
class CharacterMarks : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QFontMetricsF text(document->defaultFont());
        const QFontMetricsF small(labelFont(*document));
        return {small.horizontalAdvance(label(format)) + 2 * kPadding, text.ascent()};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override {
        painter->save();
        QColor colour = painter->pen().color();
        painter->setFont(labelFont(*document));
        painter->drawText(rect, Qt::AlignCenter, label(format));
        colour.setAlphaF(0.5);
        painter->setPen(colour);
        painter->drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), kPadding, kPadding);
        painter->restore();
    }

private:
    static constexpr qreal kPadding = 2;

    static QString label(const QTextFormat& format) {
        return QStringLiteral("U+%1")
            .arg(format.intProperty(kMarkedCharacterProperty), 4, 16, QLatin1Char('0'))
            .toUpper();
    }

    static QFont labelFont(const QTextDocument& document) {
        QFont font = document.defaultFont();
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * 0.7);
        } else {
            font.setPixelSize(std::max(1, font.pixelSize() * 7 / 10));
        }
        return font;
    }
};

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

void setPageText(QPlainTextEdit& editor, const QString& text, LineEnding lineEnding) {
    QTextDocument& document = *editor.document();
    if (document.documentLayout()->handlerForObject(kMarkObject) == nullptr) {
        document.documentLayout()->registerHandler(kMarkObject, new CharacterMarks(&document));
    }
    // What the document will not hold: the kinds of line break other than `lineEnding`, by the
    // number of the block they begin, and the marked characters, by their place in the text and
    // in the document (where a CR LF is one place).
    struct Mark {
        qsizetype inText;
        qsizetype inDocument;
    };
    std::vector<std::pair<qsizetype, LineEnding>> breaks;
    std::vector<Mark> marks;
    qsizetype block = 0;
    qsizetype crLfs = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isMarked(c)) {
            marks.push_back({i, i - crLfs});
        } else if (c == u'\n' || c == u'\r') {
            const bool crLf = c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
            const LineEnding ending = crLf         ? LineEnding::CrLf
                                      : c == u'\n' ? LineEnding::Lf
                                                   : LineEnding::Cr;
            ++block;
            if (ending != lineEnding) {
                breaks.emplace_back(block, ending);
            }
            if (crLf) {
                ++i;
                ++crLfs;
            }
        }
    }
    // Qt's document takes each of CR LF, LF and CR for one break; the marked characters go in
    // as U+FFFC, which the marks are made of.
    if (marks.empty()) {
        editor.setPlainText(text);
    } else {
        QString shown = text;
        for (const Mark& mark : marks) {
            shown[mark.inText] = QChar::ObjectReplacementCharacter;
        }
        editor.setPlainText(shown);
    }
    if (breaks.empty() && marks.empty()) {
        return;
    }
    // Not edits the user could undo; one change for the document's layout and colours.
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextBlock current = document.begin();
    qsizetype number = 0;
    for (const auto& [blockNumber, ending] : breaks) {
        for (; number < blockNumber; ++number) {
            current = current.next();
        }
        QTextBlockFormat format = current.blockFormat();
        format.setProperty(kLineBreakProperty, static_cast<int>(ending));
        cursor.setPosition(current.position());
        cursor.setBlockFormat(format);
    }
    for (const Mark& mark : marks) {
        QTextCharFormat format;
        format.setObjectType(kMarkObject);
        format.setProperty(kMarkedCharacterProperty, static_cast<int>(text[mark.inText].unicode()));
        cursor.setPosition(static_cast<int>(mark.inDocument));
        cursor.setPosition(static_cast<int>(mark.inDocument) + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(true);
}

QString pageText(const QPlainTextEdit& editor, LineEnding lineEnding) {
    const QTextDocument& document = *editor.document();
    const QString raw = document.toRawText();
    QString text;
    text.reserve(raw.size() + document.blockCount());
    QTextBlock block = document.begin();
    qsizetype from = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != QChar::ParagraphSeparator && c != QChar::ObjectReplacementCharacter) {
            continue;
        }
        text += QStringView(raw).sliced(from, i - from);
        from = i + 1;
        if (c == QChar::ParagraphSeparator) {
            block = block.next();
            const QVariant ending = block.blockFormat().property(kLineBreakProperty);
            text +=
                lineBreak(ending.isValid() ? static_cast<LineEnding>(ending.toInt()) : lineEnding);
            continue;
        }
        // A mark, or a U+FFFC of the page's own.
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(static_cast<int>(i) + 1);
        const QTextCharFormat format = cursor.charFormat();
        text += format.objectType() == kMarkObject
                    ? QChar(static_cast<char16_t>(format.intProperty(kMarkedCharacterProperty)))
                    : c;
    }
    text += QStringView(raw).sliced(from);
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

std::optional<objectmodel::DocumentSource> PageDocument::source() {
    QPlainTextEdit& editor = liveEditor(editor_);
    const QTextCursor cursor = editor.textCursor();
    return objectmodel::DocumentSource{editor.document()->toPlainText(), cursor.selectionStart(),
                                       cursor.selectionEnd()};
}

std::unique_ptr<objectmodel::IHTMLTxtRange> PageDocument::rangeOver(qsizetype start,
                                                                    qsizetype end) {
    QPlainTextEdit& editor = liveEditor(editor_);
    const qsizetype size = editor.document()->characterCount() - 1;
    if (start < 0 || start > end || end > size) {
        return nullptr;
    }
    return std::make_unique<PageTextRange>(&editor, start, end);
}

} // namespace ravelin::editor

#include "pagedocument.moc"
