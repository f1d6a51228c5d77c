// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmlhighlighter.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <string>

namespace ravelin::editor {
namespace {

using State = HtmlHighlighter::State;
using Colour = HtmlHighlighter::Colour;

char letter(Colour colour) {
    switch (colour) {
    case Colour::Tag:
        return 'T';
    case Colour::Attribute:
        return 'A';
    case Colour::Value:
        return 'V';
    case Colour::Comment:
        return 'C';
    case Colour::Declaration:
        return 'D';
    case Colour::Entity:
        return 'E';
    }
    return '?';
}

// The coloured runs of a line, each as its colour's letter and its characters: T[<p] A[id].
std::string describe(QStringView line, const QList<HtmlHighlighter::Run>& runs) {
    std::string text;
    for (const HtmlHighlighter::Run& run : runs) {
        text += (text.empty() ? "" : " ") + std::string(1, letter(run.colour)) + "[" +
                line.sliced(run.start, run.length).toString().toStdString() + "]";
    }
    return text;
}

struct LineCase {
    const char* name;
    const char16_t* line;
    State start;
    const char* runs;
    State end;
};

class ColourLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ColourLine, ColoursEachPartAndCarriesTheStateToTheNextLine) {
    const LineCase& c = GetParam();
    QList<HtmlHighlighter::Run> runs;
    const QStringView line(c.line);
    EXPECT_EQ(HtmlHighlighter::colourLine(line, c.start, &runs), c.end);
    EXPECT_EQ(describe(line, runs), c.runs);
    EXPECT_EQ(HtmlHighlighter::colourLine(line, c.start, nullptr), c.end) << "without runs";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ColourLine,
    ::testing::Values(
        LineCase{"TagWithAttribute", u"<p class=\"x\">Gnome &amp; co</p>", State::InText,
                 "T[<p] A[class] V[\"x\"] T[>] E[&amp;] T[</p>]", State::InText},
        LineCase{"SelfClosedTag", u"<br/>", State::InText, "T[<br/>]", State::InText},
        LineCase{"CommentThatStaysOpen", u"a <!-- <b>", State::InText, "C[<!-- <b>]",
                 State::InComment},
        LineCase{"CommentClosedOnTheNextLine", u"still -->x<i>", State::InComment,
                 "C[still -->] T[<i>]", State::InText},
        LineCase{"Declaration", u"<!DOCTYPE html>", State::InText, "D[<!DOCTYPE html>]",
                 State::InText},
        LineCase{"ValueOpenAtTheEnd", u"<img src=\"a.png", State::InText,
                 "T[<img] A[src] V[\"a.png]", State::InDoubleQuoted},
        LineCase{"ValueClosedOnTheNextLine", u"b.png' alt=x>", State::InSingleQuoted,
                 "V[b.png'] A[alt] A[x] T[>]", State::InText},
        LineCase{"TagOpenAtTheEnd", u"<a href=\"x\"", State::InText, "T[<a] A[href] V[\"x\"]",
                 State::InTag},
        LineCase{"LoneLessThanAndAmpersand", u"1 < 2 & 3", State::InText, "", State::InText},
        LineCase{"EntityTooLongOrWithABlank", u"&a b; &x;", State::InText, "E[&x;]",
                 State::InText}),
    [](const auto& info) { return std::string(info.param.name); });

class HighlighterTest : public ::testing::Test {
protected:
    // A document tells of its changes once it has a layout, as an editor's has.
    HighlighterTest() { document.documentLayout(); }

    // The colours of line `n` as described above.
    std::string coloursOf(int n) const {
        const QTextBlock block = document.findBlockByNumber(n);
        std::string text;
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            text += (text.empty() ? "" : " ") + std::string(1, letterOf(range.format)) + "[" +
                    block.text().mid(range.start, range.length).toStdString() + "]";
        }
        return text;
    }

    // The colour's letter by what makes each format different.
    static char letterOf(const QTextCharFormat& format) {
        if (format.fontItalic()) {
            return 'C';
        }
        if (format.fontWeight() == QFont::Bold) {
            return 'T';
        }
        const QColor colour = format.foreground().color();
        return colour == QColor(0x80, 0x00, 0x00)   ? 'A'
               : colour == QColor(0x00, 0x00, 0xFF) ? 'V'
               : colour == QColor(0x80, 0x00, 0x80) ? 'D'
                                                    : 'E';
    }

    QTextDocument document;
};

TEST_F(HighlighterTest, ColoursTheLinesOfAPageOnceTheEventLoopRuns) {
    HtmlHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("<!--\n<p>old</p>\n-->\n<p id=a>new</p>"));
    EXPECT_TRUE(highlighter.isBusy()) << "nothing is coloured while the page is set";

    highlighter.finish();

    EXPECT_FALSE(highlighter.isBusy());
    EXPECT_EQ(coloursOf(0), "C[<!--]");
    EXPECT_EQ(coloursOf(1), "C[<p>old</p>]");
    EXPECT_EQ(coloursOf(2), "C[-->]");
    EXPECT_EQ(coloursOf(3), "T[<p] A[id] A[a] T[>] T[</p>]");
}

TEST_F(HighlighterTest, AChangeColoursTheLinesAfterItUntilTheyStartAsBefore) {
    HtmlHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("<p>a</p>\n<p>b</p>\n<p>c</p>\n-->\n<i>d</i>"));
    highlighter.finish();
    ASSERT_EQ(coloursOf(2), "T[<p>] T[</p>]");

    QTextCursor cursor(&document);
    cursor.setPosition(document.findBlockByNumber(1).position());
    cursor.insertText(QStringLiteral("<!-- "));
    highlighter.finish();

    EXPECT_EQ(coloursOf(0), "T[<p>] T[</p>]");
    EXPECT_EQ(coloursOf(1), "C[<!-- <p>b</p>]");
    EXPECT_EQ(coloursOf(2), "C[<p>c</p>]");
    EXPECT_EQ(coloursOf(3), "C[-->]");
    EXPECT_EQ(coloursOf(4), "T[<i>] T[</i>]");

    cursor.setPosition(document.findBlockByNumber(1).position());
    cursor.setPosition(cursor.position() + 5, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    highlighter.finish();

    EXPECT_EQ(coloursOf(1), "T[<p>] T[</p>]");
    EXPECT_EQ(coloursOf(2), "T[<p>] T[</p>]");
    EXPECT_EQ(coloursOf(3), "");
}

TEST_F(HighlighterTest, ChangesFarApartAreEachColoured) {
    HtmlHighlighter highlighter(&document);
    QString page;
    for (int i = 0; i < 200; ++i) {
        page += QStringLiteral("<p>line</p>\n");
    }
    document.setPlainText(page);
    highlighter.finish();

    for (const int line : {10, 150}) {
        QTextCursor cursor(document.findBlockByNumber(line));
        cursor.insertText(QStringLiteral("<b>"));
    }
    highlighter.finish();

    EXPECT_EQ(coloursOf(10), "T[<b><p>] T[</p>]");
    EXPECT_EQ(coloursOf(150), "T[<b><p>] T[</p>]");
}

TEST_F(HighlighterTest, LeavesLongLinesPlainButCarriesTheirState) {
    HtmlHighlighter highlighter(&document,
                                {.longestColouredLine = 20, .largestColouredPage = 1000});
    document.setPlainText(QStringLiteral("<b>short</b>\n<!-- a line longer than twenty\n-->x<i>"));
    highlighter.finish();

    EXPECT_EQ(coloursOf(0), "T[<b>] T[</b>]");
    EXPECT_EQ(coloursOf(1), "");
    EXPECT_EQ(coloursOf(2), "C[-->] T[<i>]");
}

TEST_F(HighlighterTest, ColoursNoPageLongerThanItsLimitAndSaysSo) {
    HtmlHighlighter highlighter(&document, {.longestColouredLine = 100, .largestColouredPage = 50});
    QSignalSpy changes(&highlighter, &HtmlHighlighter::colouringChanged);
    document.setPlainText(QString(60, u'x') + QStringLiteral("<b>"));

    EXPECT_FALSE(highlighter.isColouring());
    EXPECT_FALSE(highlighter.isBusy());
    ASSERT_EQ(changes.size(), 1);
    EXPECT_FALSE(changes.front().front().toBool());
    EXPECT_EQ(coloursOf(0), "");

    document.setPlainText(QStringLiteral("<b>"));
    highlighter.finish();

    EXPECT_TRUE(highlighter.isColouring());
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(coloursOf(0), "T[<b>]");
}

} // namespace
} // namespace ravelin::editor
