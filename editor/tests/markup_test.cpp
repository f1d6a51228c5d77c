// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markup.h"
#include "editor/tests/largepage.h"

#include <QRandomGenerator>
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
        RangeCase{"CaretInScriptText", "<script>if (a <b|) x();</script>", RangeKind::Text},
        RangeCase{"CaretInAnEndTagAfterScript", "<script>a<b</scr|ipt>", RangeKind::Control},
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
        RangeCase{"ImgLikeName", "|<imgx src=\"a\">|", RangeKind::Text}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanMarkup, FindsTagsCommentsAndDeclarationsWithTheirNames) {
    const QString page = QStringLiteral("<!DOCTYPE html><P class=\"a>b\">x<!-- <i> --></p><br/>");
    const QList<MarkupSpan> spans = scanMarkup(page);

    ASSERT_EQ(spans.size(), 5);
    EXPECT_EQ(spans[0], (MarkupSpan{0, 15, true, {}, false}));
    EXPECT_EQ(spans[1], (MarkupSpan{15, 30, true, QStringLiteral("p"), false}));
    EXPECT_EQ(spans[2], (MarkupSpan{31, 43, true, {}, false}));
    EXPECT_EQ(spans[3], (MarkupSpan{43, 47, true, QStringLiteral("p"), true}));
    EXPECT_EQ(spans[4], (MarkupSpan{47, 52, true, QStringLiteral("br"), false}));
}

// The tricky places of a page, each in a small page of its own and at the same spot of a page
// of ten million characters: the decision reads only around the selection, so the markup far
// before it must not change the answer.
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
                   "<script>var s = \"<\"; if (a <b|) go();</script>", RangeKind::Text},
        TrickyCase{"InScriptInATagInAString", "<script>w(\"<a href=|\");</script>",
                   RangeKind::Text},
        TrickyCase{"InScriptEndTag", "<script>w(\"<b>\");</scr|ipt>", RangeKind::Control},
        TrickyCase{"InStyleAfterAGreaterThan", "<style>ul > li { margin: 0 }| </style>",
                   RangeKind::Text},
        TrickyCase{"InTextareaHoldingATag", "<textarea><img src=|x></textarea>", RangeKind::Text},
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
        TrickyCase{"InAnUnclosedCommentAtTheEnd", "<!-- <p>|", RangeKind::Control, Spot::PageEnd}),
    [](const auto& info) { return std::string(info.param.name); });

// The decision as reading the whole text from its start, with the markup `spans` it holds,
// gives it.
RangeKind kindFromTheStart(const QList<MarkupSpan>& spans, qsizetype anchor, qsizetype position) {
    const qsizetype start = std::min(anchor, position);
    const qsizetype end = std::max(anchor, position);
    for (const MarkupSpan& span : spans) {
        const auto inside = [&span](qsizetype at) {
            return span.begin < at && (at < span.end || !span.terminated);
        };
        if ((span.begin == start && span.end == end && isControlElement(span.tagName)) ||
            inside(start) || inside(end)) {
            return RangeKind::Control;
        }
    }
    return RangeKind::Text;
}

RangeKind kindFromTheStart(QStringView text, qsizetype anchor, qsizetype position) {
    return kindFromTheStart(scanMarkup(text), anchor, position);
}

// Markup made of pieces that start and end comments, tags, quotes and raw-text elements.
QString randomMarkup(QRandomGenerator& random, int pieces) {
    static const QStringList kPieces = {
        u"<"_qs,       u">"_qs,         u"<!--"_qs,       u"-->"_qs,      u"\""_qs,
        u"'"_qs,       u"="_qs,         u" "_qs,          u"\n"_qs,       u"/"_qs,
        u"<!"_qs,      u"<?"_qs,        u"<p"_qs,         u"</p"_qs,      u"<img"_qs,
        u"<IMG"_qs,    u"<input"_qs,    u"<script"_qs,    u"</script"_qs, u"<STYLE"_qs,
        u"</style"_qs, u"<textarea"_qs, u"</textarea"_qs, u"<title"_qs,   u"</TITLE"_qs,
        u"a"_qs,       u"b=\"x\""_qs,   u"text"_qs,       u"&amp;"_qs};
    QString text;
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[random.bounded(int(kPieces.size()))];
    }
    return text;
}

TEST(RangeDecision, AgreesWithReadingTheWholePageFromItsStart) {
    QRandomGenerator random(14);
    for (int round = 0; round < 3000; ++round) {
        const QString page = randomMarkup(random, 1 + random.bounded(60));
        const auto anchor = qsizetype(random.bounded(int(page.size()) + 1));
        const auto position =
            random.bounded(4) == 0 ? anchor : qsizetype(random.bounded(int(page.size()) + 1));
        ASSERT_EQ(classifyRange(page, anchor, position), kindFromTheStart(page, anchor, position))
            << page.toStdString() << " from " << anchor << " to " << position;
    }
}

TEST(RangeDecision, AgreesWithReadingFromTheStartWhereverTheMarkupBeforeIsWhole) {
    // Random markup after more whole markup than the decision reads, then more markup: the
    // answer for selections starting in the random markup and ending in it or far after it is
    // the one reading the whole page gives.
    QRandomGenerator random(15);
    const QString before = testing::largePage(2 * kRangeLookBehind);
    const QString after = testing::largePage(20'000);
    for (int round = 0; round < 100; ++round) {
        const QString tricky = randomMarkup(random, 1 + random.bounded(400));
        const QString page = before + tricky + after;
        const QList<MarkupSpan> spans = scanMarkup(page);
        for (int i = 0; i < 10; ++i) {
            const qsizetype anchor = before.size() + random.bounded(int(tricky.size()) + 1);
            const qsizetype reach = i % 2 == 0 ? tricky.size() : tricky.size() + after.size();
            const qsizetype position = before.size() + random.bounded(int(reach) + 1);
            ASSERT_EQ(classifyRange(page, anchor, position),
                      kindFromTheStart(spans, anchor, position))
                << tricky.toStdString() << " from " << anchor - before.size() << " to "
                << position - before.size();
        }
    }
}

TEST(RangeDecision, ReadsTagsAndSelectionsLongerThanItLooksBehind) {
    // A picture whose address is a long data address, and selections longer than the
    // decision reads around each end.
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
    const QList<MarkupSpan> spans = scanMarkup(page);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectKind(page, c.anchor, c.position, c.kind);
        EXPECT_EQ(kindFromTheStart(spans, c.anchor, c.position), c.kind);
    }
}

TEST(RangeDecision, ReadsPositionsOutsideThePageAsItsEnds) {
    const QString page = QStringLiteral("<p>x</p><img src=\"a\"");
    for (const auto& [anchor, position] : {std::pair<qsizetype, qsizetype>{-5, 3},
                                           {3, 100},
                                           {-1, -1},
                                           {100, 200},
                                           {8, 100},
                                           {-3, 8}}) {
        EXPECT_EQ(classifyRange(page, anchor, position), kindFromTheStart(page, anchor, position))
            << anchor << " to " << position;
    }
}

} // namespace
} // namespace ravelin::editor
