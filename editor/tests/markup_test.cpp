// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markup.h"

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

class ClassifyRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ClassifyRange, GivesTheRangeKindAPasteNeeds) {
    const auto [page, start, end] = parse(GetParam().page);
    EXPECT_EQ(classifyRange(page, start, end), GetParam().kind);
    EXPECT_EQ(classifyRange(page, end, start), GetParam().kind) << "either direction";
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

} // namespace
} // namespace ravelin::editor
