// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markup.h"
#include "editor/tests/largepage.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

namespace ravelin::editor {
namespace {

struct RangeCase {
    const char* name;
    const char* page; // "|" marks the ends of the selection (one for a caret, two for a run)
    RangeKind kind;
};

// The page without its marks, and the positions of the marks.
std::tuple<QString, qsizetype, qsizetype> parse(const char* marked) {
    QString page = QString::fromUtf8(marked);
    const qsizetype start = page.indexOf(QLatin1Char('|'));
    page.remove(start, 1);
    qsizetype end = page.indexOf(QLatin1Char('|'));
    if (end < 0) {
        end = start;
    } else {
        page.remove(end, 1);
    }
    return {page, start, end};
}

// The kind of the selection between `start` and `end`, made in either direction.
void expectKind(const QString& page, qsizetype start, qsizetype end, RangeKind kind) {
    EXPECT_EQ(classifyRange(page, start, end), kind);
    EXPECT_EQ(classifyRange(page, end, start), kind);
}

class ClassifyRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ClassifyRange, GivesTheRangeKindAPasteNeeds) {
    const auto [page, start, end] = parse(GetParam().page);
    expectKind(page, start, end, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ClassifyRange,
    ::testing::Values(
        RangeCase{"CaretInText", "<p>Our |shop</p>", RangeKind::Text},
        RangeCase{"CaretRightBeforeATag", "<p>Our shop|</p>", RangeKind::Text},
        RangeCase{"CaretRightAfterATag", "<p>|Our shop</p>", RangeKind::Text},
        RangeCase{"CaretAtTheStartAndEnd", "|<p>x</p>", RangeKind::Text},
        RangeCase{"CaretInATagName", "<p>x</p|>", RangeKind::Control},
        RangeCase{"CaretAmongAttributes", "<a href=\"x\" |title=\"y\">x</a>", RangeKind::Control},
        RangeCase{"CaretInAQuotedGreaterThan", "<a title=\"a > |b\">x</a>", RangeKind::Control},
        RangeCase{"CaretAfterAQuotedGreaterThan", "<a title=\"a > b\">|x</a>", RangeKind::Text},
        RangeCase{"CaretInAComment", "<!-- a <b> |c -->x", RangeKind::Control},
        RangeCase{"CaretAfterAComment", "<!-- a > c -->|x", RangeKind::Text},
        RangeCase{"CaretInTheDoctype", "<!DOCTYPE |html><p>", RangeKind::Control},
        RangeCase{"CaretInAnUnclosedTagAtTheEnd", "<p>x</p><div class=|", RangeKind::Control},
        RangeCase{"CaretAfterALoneLessThan", "<p>1 < |2</p>", RangeKind::Text},
        RangeCase{"CaretInScriptText", "<script>if (a <b|) x();</script>", RangeKind::Control},
        RangeCase{"CaretInAnEndTagAfterScript", "<script>a<b</scr|ipt>", RangeKind::Control},
        RangeCase{"CaretRightAfterAScriptsStartTag", "<script>|x();</script>", RangeKind::Control},
        RangeCase{"CaretRightBeforeAScriptsEndTag", "<script>x();|</script>", RangeKind::Control},
        RangeCase{"CaretRightAfterAScript", "<script>x();</script>|<p>", RangeKind::Text},
        RangeCase{"CaretRightBeforeAScript", "<p>|<script>x();</script>", RangeKind::Text},
        RangeCase{"CaretAfterANameLongerThanScripts", "<script>a</scripts>|b</script>",
                  RangeKind::Control},
        RangeCase{"CaretAfterAnUpperCaseEndTagWithASpace", "<SCRIPT>a</Script >|b",
                  RangeKind::Text},
        RangeCase{"CaretAfterASelfClosedScript", "<script/>|x();</script>", RangeKind::Control},
        RangeCase{"CaretInAnUnclosedScript", "<script>x();\n<p>|Text", RangeKind::Control},
        RangeCase{"CaretAfterAScriptsLikeName", "<scripts>|x</scripts>", RangeKind::Text},
        RangeCase{"CaretAfterANonAsciiScriptLookalike", "<\u017Fcript>|x", RangeKind::Text},
        RangeCase{"CaretInStyleText", "<style>p { color: red }|</style>", RangeKind::Control},
        RangeCase{"CaretInATextarea", "<textarea>Your |note</textarea>", RangeKind::Control},
        RangeCase{"CaretInATitle", "<title>Gnome |shop</title>", RangeKind::Control},
        RangeCase{"CaretAfterAnAbruptComment", "<!-->|x", RangeKind::Text},
        RangeCase{"CaretAfterAnAbruptCommentWithADash", "<!--->|x", RangeKind::Text},
        RangeCase{"CaretAfterACommentEndingInABang", "<!-- a --!>|x", RangeKind::Text},
        RangeCase{"CaretAfterDashesAndASpace", "<!-- a -- >|x", RangeKind::Control},
        RangeCase{"CaretInAProcessingInstruction", "<?xml |version=\"1.0\"?>", RangeKind::Control},
        RangeCase{"CaretInAForm", "<form action=\"/cart\">|<input name=\"q\"></form>",
                  RangeKind::Control},
        RangeCase{"CaretInAFormsText", "<form>Name: |<input></form>", RangeKind::Control},
        RangeCase{"CaretRightBeforeAFormsEndTag", "<form><input>|</form>", RangeKind::Control},
        RangeCase{"CaretRightAfterAForm", "<form><input></form>|<p>", RangeKind::Text},
        RangeCase{"CaretRightBeforeAForm", "<p>|<form><input></form>", RangeKind::Text},
        RangeCase{"CaretInAnUpperCaseForm", "<FORM METHOD=post>|</FORM>", RangeKind::Control},
        RangeCase{"CaretInAnUnclosedForm", "<form>\n<p>Name|</p>", RangeKind::Control},
        RangeCase{"CaretAfterAFormStartedInAForm", "<form><form></form>|<p>", RangeKind::Text},
        RangeCase{"CaretAfterAFormEndTagOfNoForm", "</form><p>|x", RangeKind::Text},
        RangeCase{"CaretAfterAFormEndTagInAComment", "<form><!-- </form> -->|</form>",
                  RangeKind::Control},
        RangeCase{"CaretAfterAFormInAScript", "<script>w(\"<form>\")</script>|<p>",
                  RangeKind::Text},
        RangeCase{"TextRun", "<p>|Our shop|</p>", RangeKind::Text},
        RangeCase{"RunOverWholeTags", "|<p>Our shop</p>|", RangeKind::Text},
        RangeCase{"RunEndingInsideATag", "<p>|Our shop</|p>", RangeKind::Control},
        RangeCase{"RunStartingInsideATag", "<|p>Our shop|</p>", RangeKind::Control},
        RangeCase{"ImageTag", "<p>|<img src=\"gnome.png\" alt=\"Gnome\">|</p>", RangeKind::Control},
        RangeCase{"UpperCaseImageTag", "<p>|<IMG SRC=gnome.png>|</p>", RangeKind::Control},
        RangeCase{"InputTag", "|<input type=\"image\" src=\"b.gif\">|", RangeKind::Control},
        RangeCase{"ButtonEndTag", "<button>Go|</button>|", RangeKind::Control},
        RangeCase{"SelfClosedEmbed", "|<embed src=\"m.swf\"/>|", RangeKind::Control},
        RangeCase{"IframeTag", "|<iframe src=\"x.htm\">|</iframe>", RangeKind::Control},
        RangeCase{"ImageTagAndMore", "<p>|<img src=\"g.png\"> Gnome|</p>", RangeKind::Text},
        RangeCase{"ParagraphTag", "|<p>|Our shop</p>", RangeKind::Text},
        RangeCase{"ImgLikeName", "|<imgx src=\"a\">|", RangeKind::Text},
        RangeCase{"TextareaTag", "|<textarea>|Note</textarea>", RangeKind::Control},
        RangeCase{"WholeTextarea", "|<textarea>Note</textarea>|", RangeKind::Text},
        RangeCase{"RunIntoAForm", "<p>|a</p><form>b|</form>", RangeKind::Control},
        RangeCase{"RunOutOfAForm", "<form>|a</form><p>b|</p>", RangeKind::Control},
        RangeCase{"RunFromOneFormIntoAnother", "<form>|a</form><form>b|</form>",
                  RangeKind::Control},
        RangeCase{"RunOverAWholeForm", "<p>|<form><input></form>|</p>", RangeKind::Text},
        RangeCase{"RunFromScriptToText", "<script>|a</script><p>b|", RangeKind::Control},
        RangeCase{"RunFromTextIntoAComment", "<p>|a</p><!-- b| -->", RangeKind::Control},
        RangeCase{"RunOverAWholeScript", "|<script>a</script>|", RangeKind::Text}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MarkupReader, FindsTagsCommentsDeclarationsAndRawTextInOrder) {
    const QString page = QStringLiteral(
        "<!DOCTYPE html><P class=\"a>b\">x<!-- <i> --></p><br/><Script>a<b</script><?php x ?>"
        "<!-- open");
    using Kind = Markup::Kind;
    struct Piece {
        Kind kind;
        qsizetype begin;
        qsizetype end;
        bool terminated;
        const char* name;
    };
    const Piece expected[] = {
        {Kind::Comment, 0, 15, true, ""},        {Kind::StartTag, 15, 30, true, "P"},
        {Kind::Comment, 31, 43, true, ""},       {Kind::EndTag, 43, 47, true, "p"},
        {Kind::StartTag, 47, 52, true, "br"},    {Kind::StartTag, 52, 60, true, "Script"},
        {Kind::RawText, 60, 63, true, "script"}, {Kind::EndTag, 63, 72, true, "script"},
        {Kind::Comment, 72, 82, true, ""},       {Kind::Comment, 82, 91, false, ""},
    };

    MarkupReader reader(page);
    Markup piece;
    for (const Piece& want : expected) {
        ASSERT_TRUE(reader.next(&piece)) << want.begin;
        EXPECT_EQ(piece.kind, want.kind) << want.begin;
        EXPECT_EQ(piece.begin, want.begin);
        EXPECT_EQ(piece.end, want.end) << want.begin;
        EXPECT_EQ(piece.terminated, want.terminated) << want.begin;
        EXPECT_EQ(piece.name.toString(), QString::fromLatin1(want.name)) << want.begin;
    }
    EXPECT_FALSE(reader.next(&piece));
}

// The tricky places of a page, each in a small page of its own and at the same spot of a page
// of ten million characters: the decision reads the page from its start, and the whole markup
// before the place must not change the answer.
enum class Spot { Middle, PageStart, PageEnd };

struct TrickyCase {
    const char* name;
    const char* page; // "|" marks the ends of the selection, as above
    RangeKind kind;
    Spot spot = Spot::Middle;
};

class TrickyPositions : public ::testing::TestWithParam<TrickyCase> {
protected:
    static void SetUpTestSuite() { filler_ = new QString(testing::largePage(5'000'000)); }
    static void TearDownTestSuite() {
        delete filler_;
        filler_ = nullptr;
    }

    // The case's page set into ten million characters of other markup, where its spot says.
    static std::tuple<QString, qsizetype, qsizetype> inLargePage(const TrickyCase& c) {
        const auto [small, start, end] = parse(c.page);
        const qsizetype fillers = c.spot == Spot::Middle ? 1 : 2;
        const QString before = c.spot == Spot::PageStart ? QString() : filler_->repeated(fillers);
        const QString after = c.spot == Spot::PageEnd ? QString() : filler_->repeated(fillers);
        return {before + small + after, before.size() + start, before.size() + end};
    }

    static QString* filler_;
};

QString* TrickyPositions::filler_ = nullptr;

TEST_P(TrickyPositions, GiveTheirKindInASmallPage) {
    const auto [page, start, end] = parse(GetParam().page);
    expectKind(page, start, end, GetParam().kind);
}

TEST_P(TrickyPositions, GiveTheSameKindAtTheSameSpotOfALargePage) {
    const auto [page, start, end] = inLargePage(GetParam());
    ASSERT_GT(page.size(), 10'000'000);
    expectKind(page, start, end, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Places, TrickyPositions,
    ::testing::Values(
        TrickyCase{"InACommentHoldingATag", "<p>a</p><!-- old <b>bo|ld</b> -->",
                   RangeKind::Control},
        TrickyCase{"AfterATagInAComment", "<!-- <b>old</b>| -->", RangeKind::Control},
        TrickyCase{"InACommentOverManyLines", "<!--\n<p class=\"x\">\n|\n</p>\n-->",
                   RangeKind::Control},
        TrickyCase{"AfterAComment", "<!-- <b> -->|<p>", RangeKind::Text},
        TrickyCase{"InScriptAfterALessThanInAString",
                   "<script>var s = \"<\"; if (a <b|) go();</script>", RangeKind::Control},
        TrickyCase{"InScriptInATagInAString", "<script>w(\"<a href=|\");</script>",
                   RangeKind::Control},
        TrickyCase{"InScriptEndTag", "<script>w(\"<b>\");</scr|ipt>", RangeKind::Control},
        TrickyCase{"InStyleAfterAGreaterThan", "<style>ul > li { margin: 0 }| </style>",
                   RangeKind::Control},
        TrickyCase{"InTextareaHoldingATag", "<textarea><img src=|x></textarea>",
                   RangeKind::Control},
        TrickyCase{"InAValueHoldingGreaterThan", "<a title=\"1 > 0 |and\">x</a>",
                   RangeKind::Control},
        TrickyCase{"InASingleQuotedValueHoldingATag", "<a title='<b>|'>x</a>", RangeKind::Control},
        TrickyCase{"AfterAValueHoldingGreaterThan", "<a title=\"1 > 0\">|x</a>", RangeKind::Text},
        TrickyCase{"InATagOverLines", "<img\n  src=\"a.png\"\n |alt=\"A\">", RangeKind::Control},
        TrickyCase{"AcrossTwoTagsFromTextToText", "<p>|a</p><p>b|</p>", RangeKind::Text},
        TrickyCase{"AcrossTwoTagsFromInsideOne", "<p|>a</p><p>b|</p>", RangeKind::Control},
        TrickyCase{"OverTwoControlTags", "|<img src=\"a\"><img src=\"b\">|", RangeKind::Text},
        TrickyCase{"OverOneControlTag", "x|<img src=\"a\">|y", RangeKind::Control},
        TrickyCase{"OverALongRunOfText", "<p>|long text ...|</p>", RangeKind::Text},
        TrickyCase{"AtTheVeryStart", "|<p>x</p>", RangeKind::Text, Spot::PageStart},
        TrickyCase{"OverTheVeryStart", "|<p>|x</p>", RangeKind::Text, Spot::PageStart},
        TrickyCase{"AtTheVeryEnd", "<p>x</p>|", RangeKind::Text, Spot::PageEnd},
        TrickyCase{"InAnUnclosedTagAtTheEnd", "<p>x</p><img src=\"a.png\" |", RangeKind::Control,
                   Spot::PageEnd},
        TrickyCase{"OverAnUnclosedTagAtTheEnd", "<p>x</p>|<img src=\"a.png\" |", RangeKind::Control,
                   Spot::PageEnd},
        TrickyCase{"InAnUnclosedQuoteAtTheEnd", "<a title=\"x>|y", RangeKind::Control,
                   Spot::PageEnd},
        TrickyCase{"InAnUnclosedCommentAtTheEnd", "<!-- <p>|", RangeKind::Control, Spot::PageEnd},
        TrickyCase{"InAFormOverManyLines", "<form>\n<p><input name=\"q\"></p>\n|\n</form>",
                   RangeKind::Control},
        TrickyCase{"AfterAFormOverManyLines", "<form>\n<p><input name=\"q\"></p>\n</form>\n|",
                   RangeKind::Text},
        TrickyCase{"InAnUnclosedFormAtTheEnd", "<form>\n<p>|", RangeKind::Control, Spot::PageEnd},
        TrickyCase{"InAnUnclosedScriptAtTheEnd", "<script>\n|", RangeKind::Control, Spot::PageEnd}),
    [](const auto& info) { return std::string(info.param.name); });

// Markup made of pieces that start and end comments, tags, quotes and raw-text elements.
QString randomMarkup(QRandomGenerator& random, int pieces) {
    static const QStringList kPieces = {
        u"<"_qs,       u">"_qs,         u"<!--"_qs,       u"-->"_qs,      u"\""_qs,
        u"'"_qs,       u"="_qs,         u" "_qs,          u"\n"_qs,       u"/"_qs,
        u"<!"_qs,      u"<?"_qs,        u"<p"_qs,         u"</p"_qs,      u"<img"_qs,
        u"<IMG"_qs,    u"<input"_qs,    u"<script"_qs,    u"</script"_qs, u"<STYLE"_qs,
        u"</style"_qs, u"<textarea"_qs, u"</textarea"_qs, u"<title"_qs,   u"</TITLE"_qs,
        u"<form"_qs,   u"</FORM"_qs,    u"--!>"_qs,       u"a"_qs,        u"b=\"x\""_qs,
        u"text"_qs,    u"&amp;"_qs};
    QString text;
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[random.bounded(int(kPieces.size()))];
    }
    return text;
}

TEST(RangeDecision, IsTheSameAfterAnyWholeMarkupBeforeIt) {
    // Random markup after a large page of whole markup (comments, scripts, styles, values
    // holding ">"), then more markup: selections starting in the random markup and ending in it
    // or far after it are the kind they are without the page before.
    QRandomGenerator random(15);
    const QString before = testing::largePage(100'000);
    const QString after = testing::largePage(20'000);
    for (int round = 0; round < 100; ++round) {
        const QString tricky = randomMarkup(random, 1 + random.bounded(400));
        const QString alone = tricky + after;
        const QString page = before + alone;
        for (int i = 0; i < 10; ++i) {
            const qsizetype anchor = random.bounded(int(tricky.size()) + 1);
            const qsizetype reach = i % 2 == 0 ? tricky.size() : alone.size();
            const qsizetype position = random.bounded(int(reach) + 1);
            ASSERT_EQ(classifyRange(page, before.size() + anchor, before.size() + position),
                      classifyRange(alone, anchor, position))
                << tricky.toStdString() << " from " << anchor << " to " << position;
        }
    }
}

TEST(RangeDecision, ReadsLongTagsAndLongSelections) {
    // A picture whose address is a long data address, and selections far longer than a tag.
    const QString data = QStringLiteral("data:image/png;base64,") + QString(200'000, u'A');
    const QString picture = QStringLiteral("<img src=\"%1\" alt=\"x\">").arg(data);
    const QString filler = testing::largePage(300'000);
    const QString page = filler + u"Before "_qs + picture + u" after"_qs + filler;
    const qsizetype tag = filler.size() + 7;
    const qsizetype afterTag = tag + picture.size();
    struct Case {
        const char* what;
        qsizetype anchor;
        qsizetype position;
        RangeKind kind;
    };
    const Case cases[] = {
        {"caret deep in the address", tag + 150'000, tag + 150'000, RangeKind::Control},
        {"the whole picture", tag, afterTag, RangeKind::Control},
        {"the picture and one more character", tag, afterTag + 1, RangeKind::Text},
        {"from text before to text after", tag - 3, afterTag + 3, RangeKind::Text},
        {"from text to deep in the address", 1000, tag + 100'000, RangeKind::Control},
        {"from text to text far away", filler.indexOf(u"Garden"), page.lastIndexOf(u"Garden"),
         RangeKind::Text},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectKind(page, c.anchor, c.position, c.kind);
    }
}

TEST(RangeDecision, ReadsPositionsOutsideThePageAsItsEnds) {
    const QString page = QStringLiteral("<p>x</p><img src=\"a\""); // ends inside a tag
    struct Case {
        qsizetype anchor;
        qsizetype position;
        RangeKind kind;
    };
    for (const Case& c : {Case{-5, 3, RangeKind::Text}, Case{3, 100, RangeKind::Control},
                          Case{-1, -1, RangeKind::Text}, Case{100, 200, RangeKind::Control},
                          Case{8, 100, RangeKind::Control}, Case{-3, 8, RangeKind::Text}}) {
        EXPECT_EQ(classifyRange(page, c.anchor, c.position), c.kind)
            << c.anchor << " to " << c.position;
    }
}

} // namespace
} // namespace ravelin::editor
