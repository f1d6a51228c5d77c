// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page as its object model shows it: the document read a piece at a time, and the ranges
// made from the selection of a page larger than the range decision reads.
#include "editor/markup.h"
#include "editor/pagedocument.h"
#include "editor/tests/largepage.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace ravelin::editor {
namespace {

TEST(DocumentText, ReadsEveryPieceAsTheEditorsTextHasIt) {
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("<p>caf\u00e9\u00a0&amp;</p>\n\n\tline\u2028sep\n"
                                       "<b>\U0001F600</b>\nend"));
    const QString whole = editorText(editor);
    DocumentText text(editor.document());

    ASSERT_EQ(text.size(), whole.size());
    for (qsizetype from = 0; from <= whole.size(); ++from) {
        for (qsizetype to = from; to <= whole.size(); ++to) {
            ASSERT_EQ(text.read(from, to), QStringView(whole).sliced(from, to - from))
                << from << " to " << to;
        }
    }
}

class LargePageRanges : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        editor_ = new QPlainTextEdit;
        editor_->setPlainText(testing::largePage(4 * kRangeLookBehind));
        page_ = new QString(editorText(*editor_));
    }
    static void TearDownTestSuite() {
        delete editor_;
        delete page_;
    }

    static void select(qsizetype anchor, qsizetype position) {
        QTextCursor cursor = editor_->textCursor();
        cursor.setPosition(static_cast<int>(anchor));
        cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
        editor_->setTextCursor(cursor);
    }

    static QPlainTextEdit* editor_;
    static QString* page_;
};

QPlainTextEdit* LargePageRanges::editor_ = nullptr;
QString* LargePageRanges::page_ = nullptr;

TEST_F(LargePageRanges, AreTheKindTheWholeTextGivesFarIntoThePage) {
    PageDocument document(editor_);
    const qsizetype late = page_->size() - kRangeLookBehind / 2;
    const qsizetype comment = page_->indexOf(u"shelf", late);
    const qsizetype attribute = page_->indexOf(u"> details", late);
    const qsizetype text = page_->indexOf(u"Hand-painted", late);
    struct Case {
        const char* what;
        qsizetype anchor;
        qsizetype position;
        bool textRange;
    };
    const Case cases[] = {
        {"caret in a comment", comment, comment, false},
        {"caret in a value holding >", attribute + 1, attribute + 1, false},
        {"caret in text", text, text, true},
        {"text run from near the start", page_->indexOf(u"Hand-painted"), text, true},
        {"run ending in a comment", text, comment, false},
    };
    for (const Case& c : cases) {
        select(c.anchor, c.position);
        const auto range = document.selection()->createRange();
        EXPECT_EQ(range->asTxtRange() != nullptr, c.textRange) << c.what;
        EXPECT_EQ(classifyRange(*page_, c.anchor, c.position),
                  c.textRange ? RangeKind::Text : RangeKind::Control)
            << c.what;
    }
}

} // namespace
} // namespace ravelin::editor
