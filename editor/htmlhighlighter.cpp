// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmlhighlighter.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace ravelin::editor {

namespace {

// A line's user state: the state at its end, or kChanged when its text changed since it was
// coloured, and whether its layout holds colours. A line never coloured has -1.
constexpr int kStateBits = 0x7;
constexpr int kChanged = 0x7;
constexpr int kHasColours = 0x8;

// The colours of HTML source, as classic source editors show it.
constexpr QRgb kTagColour = 0x000080;         // navy
constexpr QRgb kAttributeColour = 0x800000;   // maroon
constexpr QRgb kValueColour = 0x0000FF;       // blue
constexpr QRgb kCommentColour = 0x808080;     // grey
constexpr QRgb kDeclarationColour = 0x800080; // purple
constexpr QRgb kEntityColour = 0x008000;      // green

HtmlHighlighter::State endState(const QTextBlock& block) {
    const int state = block.isValid() ? block.userState() : -1;
    return state < 0 || (state & kStateBits) == kChanged
               ? HtmlHighlighter::InText
               : static_cast<HtmlHighlighter::State>(state & kStateBits);
}

void addRun(QList<HtmlHighlighter::Run>* runs, qsizetype start, qsizetype length,
            HtmlHighlighter::Colour colour) {
    if (runs == nullptr || length <= 0) {
        return;
    }
    if (!runs->isEmpty() && runs->back().colour == colour &&
        runs->back().start + runs->back().length == start) {
        runs->back().length += length;
    } else {
        runs->append({start, length, colour});
    }
}

} // namespace

HtmlHighlighter::State HtmlHighlighter::colourLine(QStringView text, State state,
                                                   QList<Run>* runs) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        switch (state) {
        case InComment: {
            const qsizetype close = text.indexOf(u"-->", i);
            const qsizetype end = close < 0 ? n : close + 3;
            addRun(runs, i, end - i, Colour::Comment);
            i = end;
            state = close < 0 ? InComment : InText;
            break;
        }
        case InDeclaration: {
            const qsizetype close = text.indexOf(u'>', i);
            const qsizetype end = close < 0 ? n : close + 1;
            addRun(runs, i, end - i, Colour::Declaration);
            i = end;
            state = close < 0 ? InDeclaration : InText;
            break;
        }
        case InDoubleQuoted:
        case InSingleQuoted: {
            const QChar quote = state == InDoubleQuoted ? u'"' : u'\'';
            const qsizetype close = text.indexOf(quote, i);
            const qsizetype end = close < 0 ? n : close + 1;
            addRun(runs, i, end - i, Colour::Value);
            i = end;
            state = close < 0 ? state : InTag;
            break;
        }
        case InTag: {
            const QChar c = text[i];
            if (c == u'>' || (c == u'/' && i + 1 < n && text[i + 1] == u'>')) {
                const qsizetype length = c == u'>' ? 1 : 2;
                addRun(runs, i, length, Colour::Tag);
                i += length;
                state = InText;
            } else if (c == u'"' || c == u'\'') {
                addRun(runs, i, 1, Colour::Value);
                ++i;
                state = c == u'"' ? InDoubleQuoted : InSingleQuoted;
            } else if (c.isLetter() || c == u'-' || c == u'_' || c == u':') {
                const qsizetype start = i;
                while (i < n && (text[i].isLetterOrNumber() || text[i] == u'-' || text[i] == u'_' ||
                                 text[i] == u':' || text[i] == u'.')) {
                    ++i;
                }
                addRun(runs, start, i - start, Colour::Attribute);
            } else {
                ++i;
            }
            break;
        }
        default: { // InText
            const QChar c = text[i];
            if (c == u'<') {
                if (text.sliced(i).startsWith(u"<!--")) {
                    state = InComment;
                } else if (i + 1 < n && (text[i + 1] == u'!' || text[i + 1] == u'?')) {
                    state = InDeclaration;
                } else if (i + 1 < n && (text[i + 1].isLetter() || text[i + 1] == u'/')) {
                    const qsizetype start = i;
                    i += text[i + 1] == u'/' ? 2 : 1;
                    while (i < n && (text[i].isLetterOrNumber() || text[i] == u'-')) {
                        ++i;
                    }
                    addRun(runs, start, i - start, Colour::Tag);
                    state = InTag;
                } else {
                    ++i;
                }
            } else if (c == u'&') {
                const qsizetype close = text.indexOf(u';', i);
                if (close > i + 1 && close - i <= 32 && !text.sliced(i, close - i).contains(u' ')) {
                    addRun(runs, i, close - i + 1, Colour::Entity);
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
    return state;
}

HtmlHighlighter::HtmlHighlighter(QTextDocument* document) : HtmlHighlighter(document, Limits{}) {}

HtmlHighlighter::HtmlHighlighter(QTextDocument* document, Limits limits)
    : QObject(document), document_(document), limits_(limits) {
    QTextCharFormat& tag = formats_[static_cast<int>(Colour::Tag)];
    tag.setForeground(QColor(kTagColour));
    tag.setFontWeight(QFont::Bold);
    formats_[static_cast<int>(Colour::Attribute)].setForeground(QColor(kAttributeColour));
    formats_[static_cast<int>(Colour::Value)].setForeground(QColor(kValueColour));
    QTextCharFormat& comment = formats_[static_cast<int>(Colour::Comment)];
    comment.setForeground(QColor(kCommentColour));
    comment.setFontItalic(true);
    formats_[static_cast<int>(Colour::Declaration)].setForeground(QColor(kDeclarationColour));
    formats_[static_cast<int>(Colour::Entity)].setForeground(QColor(kEntityColour));

    slices_.setSingleShot(true);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, [this] { colourSlice(kSliceMilliseconds); });
    connect(document_, &QTextDocument::contentsChange, this, &HtmlHighlighter::contentsChanged);
    contentsChanged(0, 0, document_->characterCount());
}

void HtmlHighlighter::contentsChanged(int from, int /*removed*/, int added) {
    if (applying_) {
        return; // the colours this highlighter just set
    }
    // A whole new text has no coloured lines whose colours could be out of date.
    const bool newText = from == 0 && added >= document_->characterCount() - 1;
    const bool colouring = document_->characterCount() <= limits_.largestColouredPage;
    if (colouring != colouring_) {
        colouring_ = colouring;
        if (colouring_ && !newText) {
            markChanged(0, document_->characterCount()); // changed while it was not coloured
            from = 0;
        }
        emit colouringChanged(colouring);
    }
    if (!colouring_ || document_->isEmpty()) {
        pending_.clear();
        slices_.stop();
        return;
    }
    if (!newText) {
        markChanged(from, from + added);
    }
    const QTextBlock block = document_->findBlock(from);
    const bool known = std::any_of(pending_.begin(), pending_.end(), [&](const QTextCursor& at) {
        return document_->findBlock(at.position()) == block;
    });
    if (!known) {
        pending_.emplace_back(document_);
        pending_.back().setPosition(block.position());
    }
    slices_.start();
}

void HtmlHighlighter::markChanged(int from, int to) {
    for (QTextBlock block = document_->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.userState() >= 0) {
            block.setUserState((block.userState() & kHasColours) | kChanged);
        }
    }
}

void HtmlHighlighter::finish() {
    slices_.stop();
    while (isBusy()) {
        colourSlice(0);
    }
}

bool HtmlHighlighter::colourBlock(const QTextBlock& block) {
    const int before = block.userState();
    runs_.clear();
    const bool coloured = block.length() - 1 <= limits_.longestColouredLine;
    const State end =
        colourLine(block.text(), endState(block.previous()), coloured ? &runs_ : nullptr);

    const bool hadColours = before >= 0 && (before & kHasColours) != 0;
    if (!runs_.isEmpty() || hadColours) {
        QList<QTextLayout::FormatRange> ranges;
        ranges.reserve(runs_.size());
        for (const Run& run : runs_) {
            ranges.append({static_cast<int>(run.start), static_cast<int>(run.length),
                           formats_[static_cast<int>(run.colour)]});
        }
        block.layout()->setFormats(ranges);
    }
    QTextBlock(block).setUserState(end | (runs_.isEmpty() ? 0 : kHasColours));
    return before < 0 || (before & kStateBits) != end;
}

void HtmlHighlighter::colourSlice(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    const auto timeIsUp = [&] { return milliseconds > 0 && clock.elapsed() >= milliseconds; };
    applying_ = true;
    // One change for the layout to take, however many lines the slice colours.
    QTextCursor edit(document_);
    edit.beginEditBlock();
    while (!pending_.empty() && !timeIsUp()) {
        const auto first = std::min_element(
            pending_.begin(), pending_.end(),
            [](const QTextCursor& a, const QTextCursor& b) { return a.position() < b.position(); });
        QTextBlock block = document_->findBlock(first->position());
        bool more = true;
        while (block.isValid() && more && !timeIsUp()) {
            more = colourBlock(block);
            block = block.next();
        }
        // Changes the coloured lines took in are done; where time ran out, colouring goes on.
        const int reached = block.isValid() ? block.position() : document_->characterCount();
        std::erase_if(pending_,
                      [reached](const QTextCursor& at) { return at.position() < reached; });
        if (more && block.isValid()) {
            pending_.emplace_back(document_);
            pending_.back().setPosition(block.position());
        }
    }
    edit.endEditBlock();
    applying_ = false;
    if (isBusy()) {
        slices_.start();
    }
}

} // namespace ravelin::editor
