// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page as its object model shows it: the ranges made from the selection of a large page,
// wherever in it the selection lies.
#include "editor/markup.h"
#include "editor/pagedocument.h"
#include "editor/tests/largepage.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <string>

namespace ravelin::editor {
namespace {

class LargePageRanges : public ::testing::Test {
protected:
    static void SetUpTestSuite() { editor_ = new QPlainTextEdit; }
    static void TearDownTestSuite() {
        delete editor_;
        editor_ = nullptr;
    }

    static void select(qsizetype anchor, qsizetype position) {
        QTextCursor cursor = editor_->textCursor();
        cursor.setPosition(static_cast<int>(anchor));
        cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
        editor_->setTextCursor(cursor);
    }

    // Whether the selection from `anchor` to `position` makes a text range.
    static bool textRange(qsizetype anchor, qsizetype position) {
        select(anchor, position);
        PageDocument document(editor_);
        return document.selection()->createRange()->asTxtRange() != nullptr;
    }

    static QPlainTextEdit* editor_;
};

QPlainTextEdit* LargePageRanges::editor_ = nullptr;

TEST_F(LargePageRanges, AreTheKindTheWholeTextGivesFarIntoThePage) {
    const QString page = testing::largePage(300'000);
    editor_->setPlainText(page);
    const qsizetype late = page.size() - 30'000;
    const qsizetype comment = page.indexOf(u"shelf", late);
    const qsizetype attribute = page.indexOf(u"> details", late);
    const qsizetype text = page.indexOf(u"Hand-painted", late);
    const qsizetype script = page.indexOf(u"shown < 10", late);
    struct Case {
        const char* what;
        qsizetype anchor;
        qsizetype position;
        bool textRange;
    };
    const Case cases[] = {
        {"caret in a comment", comment, comment, false},
        {"caret in a value holding >", attribute + 1, attribute + 1, false},
        {"caret in a script", script, script, false},
        {"caret in text", text, text, true},
        {"text run from near the start", page.indexOf(u"Hand-painted"), text, true},
        {"run ending in a comment", text, comment, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(textRange(c.anchor, c.position), c.textRange) << c.what;
        EXPECT_EQ(classifyRange(page, c.anchor, c.position),
                  c.textRange ? RangeKind::Text : RangeKind::Control)
            << c.what << ": the page's text with \"\\n\" between lines reads the same";
    }
}

// A marked character is not white space to the decision, as it is none to a browser; a line
// break of any kind is.
TEST_F(LargePageRanges, ReadMarkedCharactersAndLineBreaksAsABrowserDoes) {
    const struct {
        QString page; // "|" marks the caret
        bool textRange;
    } cases[] = {
        {QStringLiteral("<script\u2029>|x</script>"), true}, // the element "script\u2029"
        {QStringLiteral("<script\uFDD0>|x</script>"), true},
        {QStringLiteral("<script\r>|x</script>"), false},
        {QStringLiteral("<script\r\n>|x</script>"), false},
        {QStringLiteral("<p>a\u2029|b</p>"), true},
        {QStringLiteral("<p\u2029title=x\u2029|>b</p>"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        const qsizetype caret = c.page.indexOf(u'|');
        QString text = c.page;
        text.remove(caret, 1);
        setPageText(*editor_, text, LineEnding::Lf);
        // Each line break is one place in the editor.
        const qsizetype place = caret - text.first(caret).count(QLatin1String("\r\n"));
        EXPECT_EQ(textRange(place, place), c.textRange);
        EXPECT_EQ(pageText(*editor_, LineEnding::Lf), text);
    }
}

// Elements whose inside is no place for markup, however long they are and however far back
// they start.
struct InsideCase {
    const char* name;
    const char* start;
    const char* line; // repeated to make the content
    const char* end;
};

class InsideAnElement : public LargePageRanges, public ::testing::WithParamInterface<InsideCase> {};

TEST_P(InsideAnElement, GivesNoTextRangeWhateverItsLength) {
    const QString before = testing::largePage(100'000) + u"<p>Before</p>\n"_qs;
    const QString after = u"\n<p>After</p>\n"_qs + testing::largePage(1'000);
    const QString start = QString::fromUtf8(GetParam().start);
    const QString end = QString::fromUtf8(GetParam().end);
    const QString line = QString::fromUtf8(GetParam().line);
    for (const qsizetype least : {qsizetype{1}, qsizetype{200'000}}) {
        const QString content = line.repeated(least / line.size() + 1);
        const qsizetype length = content.size();
        editor_->setPlainText(before + start + content + end + after);
        const qsizetype inside = before.size() + start.size();
        for (const qsizetype at : {inside, inside + length / 2, inside + length}) {
            SCOPED_TRACE(std::to_string(length) + " characters, caret at " +
                         std::to_string(at - inside));
            EXPECT_FALSE(textRange(at, at));
            EXPECT_FALSE(textRange(before.size() - 5, at)) << "a run from the text before";
        }
        const qsizetype outside = inside + length + end.size();
        EXPECT_TRUE(textRange(before.size() - 5, before.size() - 5)) << "the text before";
        EXPECT_TRUE(textRange(outside, outside)) << "right after it";
        EXPECT_TRUE(textRange(before.size() - 5, outside + 4)) << "a run over all of it";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Elements, InsideAnElement,
    ::testing::Values(
        InsideCase{"Script", "<script>\n", "if (shown < 10) { show(\"<b>\" + n + \"</b>\"); }\n",
                   "</script>"},
        InsideCase{"Style", "<style type=\"text/css\">\n", ".item > h2 { color: #333; }\n",
                   "</style>"},
        InsideCase{"Comment", "<!--", " old price <b>$20</b> -- kept\n", "-->"},
        InsideCase{"Textarea", "<textarea name=\"note\">", "Gift wrap, please.\n", "</textarea>"},
        InsideCase{"Title", "<TITLE>", "Gnomes ", "</TITLE>"},
        InsideCase{"Form", "<form action=\"/search\" method=\"get\">\n",
                   "<p>Name <input name=\"q\" value=\"a > b\"></p>\n", "</form>"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::editor
