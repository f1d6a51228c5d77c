// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/msgbox.h"
#include "objectmodel/paste.h"
#include "objectmodel/tests/memorypage.h"
#include "ravelin/version.h"

#include <gtest/gtest.h>
#include <vector>

namespace ravelin::objectmodel {
namespace {

using objectmodel::testing::MemoryEditor;
using objectmodel::testing::MemoryPage;

class PasteTest : public ::testing::Test {
protected:
    void SetUp() override {
        common::setMessageHandler([this](const common::Message& message) {
            messages.push_back(message);
            return common::MessageAnswer::Ok;
        });
    }
    void TearDown() override { common::setMessageHandler({}); }

    std::vector<common::Message> messages;
};

const QString kPage = QStringLiteral("<html><body><p>Our shop</p>\r\n</body></html>");
const QString kButton = QStringLiteral(
    "Item Name: Garden Gnome<br>\r\n\r\n<form action=\"https://www.paypal.com/cgi-bin/webscr\" "
    "target=\"paypal\" method=\"post\">\r\n<input type=\"hidden\" name=\"business\" "
    "value=\"seller@example.com\" > \r\n</form>");

struct CaretCase {
    const char* name;
    qsizetype caret;
};

class PasteAtCaret : public PasteTest, public ::testing::WithParamInterface<CaretCase> {};

TEST_P(PasteAtCaret, PutsTheHtmlAtTheCaretAndLeavesTheRestOfThePageAsItWas) {
    MemoryPage page(kPage);
    page.setCaret(GetParam().caret);
    MemoryEditor editor(&page);

    pasteHTML(&editor, kButton);

    const qsizetype caret = GetParam().caret;
    EXPECT_EQ(page.text(), kPage.left(caret) + kButton + kPage.mid(caret));
    EXPECT_EQ(page.pasteCount(), 1);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Carets, PasteAtCaret,
                         ::testing::Values(CaretCase{"AtTheStart", 0}, CaretCase{"InTheBody", 23},
                                           CaretCase{"AtTheEnd", kPage.size()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasteTest, ReplacesTheSelectedTextWithTheHtml) {
    MemoryPage page(kPage);
    page.select(15, 23); // "Our shop"
    MemoryEditor editor(&page);

    pasteHTML(&editor, kButton);

    EXPECT_EQ(page.text(), kPage.left(15) + kButton + kPage.mid(23));
}

TEST_F(PasteTest, PastesTheTextExactlyWithNothingAddedBeforeOrAfterIt) {
    MemoryPage page;
    MemoryEditor editor(&page);
    const QString html = QStringLiteral("<b>Caf\u00e9 \"&\" \u00a3 \U0001F600</b>\r\n\r\n</form>");

    pasteHTML(&editor, html);

    EXPECT_EQ(page.text(), html);
    EXPECT_TRUE(page.text().endsWith(QStringLiteral("</form>")));
}

TEST_F(PasteTest, PastingTwiceInsertsTheHtmlTwice) {
    MemoryPage page(QStringLiteral("<p></p>"));
    page.setCaret(3);
    MemoryEditor editor(&page);

    pasteHTML(&editor, QStringLiteral("[button]"));
    pasteHTML(&editor, QStringLiteral("[button]"));

    EXPECT_EQ(page.text(), QStringLiteral("<p>[button][button]</p>"));
    EXPECT_EQ(page.pasteCount(), 2);
}

// Every way of not reaching a place to paste at gives the one message and changes nothing.
struct NoPlaceCase {
    const char* name;
    bool pageOpen;
    bool controlSelected;
    bool editor;
};

class NoSelectionPoint : public PasteTest, public ::testing::WithParamInterface<NoPlaceCase> {};

TEST_P(NoSelectionPoint, ShowsUnableToGetSelectionPointAndLeavesThePageUnchanged) {
    MemoryPage page(QStringLiteral("<p><img src=\"logo.png\"></p>"));
    if (GetParam().controlSelected) {
        page.selectControl(3, 24);
    }
    MemoryEditor editor(GetParam().pageOpen ? &page : nullptr);

    pasteHTML(GetParam().editor ? &editor : nullptr, kButton);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Unable to get selection point"));
    EXPECT_EQ(messages[0].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(messages[0].icon, common::MessageIcon::None);
    EXPECT_EQ(messages[0].title.toStdString(), version::kProductName);
    EXPECT_EQ(page.text(), QStringLiteral("<p><img src=\"logo.png\"></p>"));
    EXPECT_EQ(page.pasteCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Places, NoSelectionPoint,
                         ::testing::Values(NoPlaceCase{"APictureIsSelected", true, true, true},
                                           NoPlaceCase{"NoPageIsOpen", false, false, true},
                                           NoPlaceCase{"NoEditorIsRunning", true, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::objectmodel
