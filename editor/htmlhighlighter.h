// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Colours HTML source: tag names, attribute names, attribute values, comments, declarations
// and character references. Tags and comments may span lines.
//
// The colouring runs in slices from the event loop, a few milliseconds each, from the first
// line a change touched on until the lines after it start as they did before; a page opens
// and takes edits without waiting for its colours. Lines longer than kLongestColouredLine
// stay plain (their state still carries to the next line), and pages longer than
// kLargestColouredPage are not coloured at all.
#pragma once

#include <QList>
#include <QObject>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>
#include <array>
#include <vector>

class QTextBlock;
class QTextDocument;

namespace ravelin::editor {

class HtmlHighlighter : public QObject {
    Q_OBJECT
public:
    // Where a line ends.
    enum State { InText = 0, InComment, InTag, InDoubleQuoted, InSingleQuoted, InDeclaration };
    enum class Colour { Tag, Attribute, Value, Comment, Declaration, Entity };

    // A run of characters of one colour in a line.
    struct Run {
        qsizetype start = 0;
        qsizetype length = 0;
        Colour colour = Colour::Tag;

        bool operator==(const Run&) const = default;
    };

    // Colours one line that begins in `state`: appends its runs, in order, to `runs` (when
    // given) and returns the state at its end.
    static State colourLine(QStringView line, State state, QList<Run>* runs);

    // Lines up to this long are coloured.
    static constexpr int kLongestColouredLine = 20'000;
    // Pages up to this many characters are coloured.
    static constexpr int kLargestColouredPage = 16 * 1024 * 1024;
    // The longest a slice of colouring keeps the event loop waiting, in milliseconds.
    static constexpr int kSliceMilliseconds = 5;

    struct Limits {
        int longestColouredLine = kLongestColouredLine;
        int largestColouredPage = kLargestColouredPage;
    };

    explicit HtmlHighlighter(QTextDocument* document);
    HtmlHighlighter(QTextDocument* document, Limits limits);

    // Whether the page is coloured: not when it is longer than kLargestColouredPage.
    bool isColouring() const { return colouring_; }
    // Whether lines still wait for their colours.
    bool isBusy() const { return !pending_.empty(); }
    // Colours every line still waiting, now.
    void finish();

signals:
    // The page became too long to colour, or short enough again.
    void colouringChanged(bool colouring);

private:
    // A change of the text from `from` on: `added` characters where `removed` were.
    void contentsChanged(int from, int removed, int added);
    // Marks the coloured lines from `from` to `to` as changed: they are coloured again whatever
    // the state they end in.
    void markChanged(int from, int to);
    // Colours lines from the first waiting one on, for at most `milliseconds` (0: no end).
    void colourSlice(int milliseconds);
    // Colours one line; returns whether the lines after it must be coloured too: it had no
    // colours yet, its text changed or it ends in another state than before.
    bool colourBlock(const QTextBlock& block);

    QTextDocument* document_;
    Limits limits_;
    QTimer slices_;
    bool colouring_ = true;
    bool applying_ = false;
    // Where colouring must start again, one cursor for each change; they move with the text.
    std::vector<QTextCursor> pending_;
    std::array<QTextCharFormat, 6> formats_;
    QList<Run> runs_;
};

} // namespace ravelin::editor
