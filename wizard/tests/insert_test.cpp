// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Insert HTML: the HTML box's text goes into the editor's page at its selection point.
#include "wizard/tests/windowtest.h"

namespace ravelin::wizard::testing {
namespace {

class InsertHtml : public WindowTest {
protected:
    // Walks a tab to its result page. Add to Cart and Subscriptions buttons need a price, or
    // Insert HTML would first ask about the error; the other tabs keep their defaults.
    void toResult(const ButtonTab& tab) {
        selectTab(tab.tab);
        if (tab.tab == Tab::AddToCart) {
            ASSERT_TRUE(driver::type(*window, "txtPriceATC", QStringLiteral("12.5")));
        } else if (tab.tab == Tab::Subscriptions) {
            ASSERT_TRUE(driver::type(*window, "txtPriceSUB", QStringLiteral("9.5")));
        }
        for (int page = 1; page < tab.resultPage; ++page) {
            ASSERT_TRUE(driver::click(*window, "btnNext" + std::string(tab.suffix)));
        }
    }

    bool insert(const ButtonTab& tab) {
        return driver::click(*window, "btnFinish" + std::string(tab.suffix));
    }
};

class InsertEachTab : public InsertHtml, public ::testing::WithParamInterface<ButtonTab> {};

TEST_P(InsertEachTab, PastesExactlyTheHtmlBoxTextAtTheCaretAndStaysOnTheResultPage) {
    const ButtonTab& tab = GetParam();
    page = objectmodel::testing::MemoryPage(QStringLiteral("<body>\r\n</body>"));
    page.setCaret(8);
    openWithAccount();
    toResult(tab);
    const QString html = mstartup::controlText(*window, tab.htmlBox);
    ASSERT_TRUE(html.endsWith(QStringLiteral("</form>")));

    ASSERT_TRUE(insert(tab));

    EXPECT_EQ(page.text(), QStringLiteral("<body>\r\n") + html + QStringLiteral("</body>"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->pageNumber(), tab.resultPage);
    EXPECT_TRUE(shown(tab.panels[tab.resultPage - 1]));
    EXPECT_TRUE(enabled("btnFinish" + std::string(tab.suffix)));
    EXPECT_FALSE(enabled("btnNext" + std::string(tab.suffix)));
    EXPECT_EQ(mstartup::controlText(*window, tab.htmlBox), html);
}

TEST_P(InsertEachTab, PressedTwicePastesTheButtonTwice) {
    const ButtonTab& tab = GetParam();
    openWithAccount();
    toResult(tab);
    const QString html = mstartup::controlText(*window, tab.htmlBox);

    ASSERT_TRUE(insert(tab));
    ASSERT_TRUE(insert(tab));

    EXPECT_EQ(page.text(), html + html);
    EXPECT_EQ(page.pasteCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Tabs, InsertEachTab, ::testing::ValuesIn(kButtonTabs),
                         [](const auto& info) { return std::string(info.param.suffix); });

TEST_F(InsertHtml, ReplacesTextSelectedInThePage) {
    page = objectmodel::testing::MemoryPage(QStringLiteral("<p>BUTTON HERE</p>"));
    page.select(3, 14);
    openWithAccount();
    toResult(*buttonTab(static_cast<int>(Tab::BuyNow)));
    ASSERT_TRUE(insert(*buttonTab(static_cast<int>(Tab::BuyNow))));

    EXPECT_EQ(page.text().toStdString(), "<p>" + buttons::writeBuyNow({}, context()).html + "</p>");
}

TEST_F(InsertHtml, PastesTheViewCartHtmlAsTheUserEditedIt) {
    const ButtonTab& tab = *buttonTab(static_cast<int>(Tab::ViewCart));
    openWithAccount();
    toResult(tab);
    ASSERT_TRUE(driver::type(*window, "txtHTMLVC",
                             QStringLiteral("<form action=\"/cart\">\n<input type=\"submit\">\n"
                                            "</form>")));
    ASSERT_TRUE(insert(tab));

    EXPECT_EQ(page.text(), QStringLiteral("<form action=\"/cart\">\r\n<input type=\"submit\">\r\n"
                                          "</form>"));
}

TEST_F(InsertHtml, WithAPictureSelectedShowsUnableToGetSelectionPointAndChangesNothing) {
    const QString before = QStringLiteral("<p><img src=\"logo.png\"></p>");
    page = objectmodel::testing::MemoryPage(before);
    page.selectControl(3, 24);
    const ButtonTab& tab = *buttonTab(static_cast<int>(Tab::AddToCart));
    openWithAccount();
    toResult(tab);
    const QString html = mstartup::controlText(*window, tab.htmlBox);

    ASSERT_TRUE(insert(tab));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Unable to get selection point"));
    EXPECT_EQ(messages[0].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(messages[0].icon, common::MessageIcon::None);
    EXPECT_EQ(page.text(), before);
    EXPECT_EQ(page.pasteCount(), 0);
    EXPECT_EQ(window->pageNumber(), tab.resultPage);
    EXPECT_TRUE(shown("fmATC_4"));
    EXPECT_EQ(mstartup::controlText(*window, tab.htmlBox), html);
}

TEST_F(InsertHtml, WithNoPageOpenInTheEditorShowsUnableToGetSelectionPoint) {
    editor.setPage(nullptr);
    const ButtonTab& tab = *buttonTab(static_cast<int>(Tab::ViewCart));
    openWithAccount();
    toResult(tab);
    ASSERT_TRUE(insert(tab));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, QStringLiteral("Unable to get selection point"));
    EXPECT_TRUE(page.text().isEmpty());
}

} // namespace
} // namespace ravelin::wizard::testing
