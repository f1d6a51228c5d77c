// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Walking each button type's pages with Next and Previous: the panels shown, the buttons'
// states, the borrowed panels, and the writer's output on the result page.
#include "buttons/examples.h"
#include "buttons/tests/dialoganswers.h"
#include "wizard/tests/windowtest.h"
#include "wizard/twips.h"

#include <functional>

namespace ravelin::wizard::testing {
namespace {

struct WalkCase {
    const char* name;
    Tab tab;
    std::vector<driver::Answer> answers; // as the user gives them
    std::function<buttons::Button()> expected;
};

void PrintTo(const WalkCase& c, std::ostream* os) {
    *os << c.name;
}

// A walk of the tab of `Type` giving `answers`, expected to show what its writer writes for
// them.
template <typename Type> WalkCase walkCase(const char* name, typename Type::Answers answers = {}) {
    return {name, tabOf<Type>().tab, driver::answersFor<Type>(answers),
            [answers] { return Type::kWrite(answers, context()); }};
}

std::vector<WalkCase> walkCases() {
    using namespace buttons;
    return {
        walkCase<AddToCart>("AddToCartDefaults"),
        walkCase<ViewCart>("ViewCartDefaults"),
        walkCase<BuyNow>("BuyNowDefaults"),
        walkCase<Donate>("DonateDefaults"),
        walkCase<Subscribe>("SubscriptionsDefaults"),
        walkCase<AddToCart>("AddToCartExample", workedExample<AddToCart>()),
        walkCase<ViewCart>("ViewCartExample", workedExample<ViewCart>()),
        walkCase<ViewCart>("ViewCartCustomImage",
                           [] {
                               ViewCartAnswers a;
                               a.optVC = 3;
                               a.txtButtonURLVC = "https://shop.example.com/cart.png";
                               return a;
                           }()),
        walkCase<BuyNow>("BuyNowExample", workedExample<BuyNow>()),
        walkCase<BuyNow>("BuyNowTypedEverywhere",
                         [] {
                             BuyNowAnswers a;
                             a.optBN = 8;
                             a.txtButtonURLBN = "https://shop.example.com/buy.png";
                             a.txtItemNameBN = "Caf\u00e9 \"Deluxe\" <b>&</b>";
                             a.txtPriceBN = "0.5";
                             a.cmbCurrencyBN = "Japanese Yen (\u00a5)";
                             a.optExtraBN = 1;
                             a.txtExtraShippingBN = "2";
                             a.txtLogoBN = "https://shop.example.com/logo.png";
                             a.txtWebSiteSuccessBN = "";
                             a.txtCancelBN = "https://shop.example.com/cancel";
                             return a;
                         }()),
        walkCase<BuyNow>("BuyNowInEurosTypedAsTheirCode",
                         [] {
                             BuyNowAnswers a;
                             a.txtItemNameBN = "T-shirt";
                             a.txtPriceBN = "12.50";
                             a.cmbCurrencyBN = "EUR";
                             return a;
                         }()),
        walkCase<AddToCart>("AddToCartInSwissFrancs",
                            [] {
                                AddToCartAnswers a;
                                a.txtPriceATC = "12.50";
                                a.cmbCurrencyATC = "Swiss Franc (CHF)";
                                return a;
                            }()),
        walkCase<Donate>("DonateExample", workedExample<Donate>()),
        walkCase<Donate>("DonateWithANote",
                         [] {
                             DonateAnswers a;
                             a.txtPriceDON = "5";
                             a.optNoteDON = 0;
                             a.cmbCurrencyDON = "Dollars";
                             return a;
                         }()),
        walkCase<Subscribe>("SubscriptionsExample", workedExample<Subscribe>()),
        walkCase<Subscribe>("SubscriptionsStoppingAfterTwelvePayments",
                            [] {
                                SubscribeAnswers a;
                                a.optSUB = 7;
                                a.txtPriceSUB = "20";
                                a.cmbNumberSUB = "3";
                                a.cmbTermSUB = "Weeks(s)";
                                a.optRecurSUB = 1;
                                a.cmbStopSUB = "12";
                                a.txtLogoBN = "http://";
                                return a;
                            }()),
        // The answers of the Item options and Advanced variables dialogs, given in the dialogs
        // that the push buttons of the pages open.
        walkCase<BuyNow>("BuyNowTShirt", tShirtExample()),
        walkCase<AddToCart>("AddToCartEveryDialogAnswer",
                            buttons::testing::withEveryDialogAnswer<AddToCart>()),
        walkCase<ViewCart>("ViewCartEveryDialogAnswer",
                           buttons::testing::withEveryDialogAnswer<ViewCart>()),
        walkCase<BuyNow>("BuyNowEveryDialogAnswer",
                         buttons::testing::withEveryDialogAnswer<BuyNow>()),
        walkCase<Donate>("DonateEveryDialogAnswer",
                         buttons::testing::withEveryDialogAnswer<Donate>()),
        walkCase<Subscribe>("SubscriptionsEveryDialogAnswer",
                            buttons::testing::withEveryDialogAnswer<Subscribe>()),
    };
}

class Walk : public WindowTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(Walk, TheResultPageShowsTheWritersSummaryAndHtmlForTheAnswersTyped) {
    const WalkCase& c = GetParam();
    const ButtonTab& tab = *buttonTab(static_cast<int>(c.tab));
    openWithAccount();
    selectTab(c.tab);
    const common::Result<void> walked = driver::walk(
        *window, tab, c.answers, [&](int page) { EXPECT_EQ(window->pageNumber(), page); });
    EXPECT_TRUE(walked) << walked.error().toStdString();

    const buttons::Button expected = c.expected();
    EXPECT_TRUE(shown(tab.htmlBox));
    EXPECT_EQ(text(tab.htmlBox), expected.html);
    EXPECT_EQ(text(tab.logBox), expected.summary);
    // The box shows the lines of the HTML.
    EXPECT_EQ(named<QPlainTextEdit>(tab.htmlBox)->toPlainText().toStdString(),
              QString::fromStdString(expected.html)
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                  .toStdString());
    EXPECT_TRUE(messages.empty()) << "no page checks its answers";
}

INSTANTIATE_TEST_SUITE_P(Tabs, Walk, ::testing::ValuesIn(walkCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class Navigation : public WindowTest, public ::testing::WithParamInterface<ButtonTab> {
protected:
    void expectPage(int page) {
        const ButtonTab& tab = GetParam();
        const std::string suffix(tab.suffix);
        SCOPED_TRACE("page " + std::to_string(page));
        EXPECT_EQ(window->pageNumber(), page);
        EXPECT_EQ(enabled("btnPrev" + suffix), page > 1);
        EXPECT_EQ(enabled("btnNext" + suffix), page < tab.resultPage);
        EXPECT_EQ(enabled("btnFinish" + suffix), page == tab.resultPage);
        // The first panel with its buttons stays under every later page.
        for (std::string_view panel : kResetPanels) {
            const bool expected = panel == tab.panels[0] || panel == tab.panels[page - 1];
            EXPECT_EQ(shown(panel), expected) << panel;
        }
        EXPECT_EQ(toTwips(named(tab.panels[page - 1])->geometry()),
                  (TwipsRect{135, 2880, 7035, page == 1 ? 4095 : 3555}));
    }
};

TEST_P(Navigation, NextAndPreviousSetTheButtonsAndPanelsOfEveryPage) {
    const ButtonTab& tab = GetParam();
    const std::string suffix(tab.suffix);
    openWithAccount();
    selectTab(tab.tab);
    expectPage(1);
    for (int page = 2; page <= tab.resultPage; ++page) {
        ASSERT_TRUE(driver::click(*window, "btnNext" + suffix));
        expectPage(page);
    }
    EXPECT_FALSE(driver::click(*window, "btnNext" + suffix)) << "Next is disabled";
    for (int page = tab.resultPage - 1; page >= 1; --page) {
        ASSERT_TRUE(driver::click(*window, "btnPrev" + suffix));
        expectPage(page);
    }
    EXPECT_FALSE(driver::click(*window, "btnPrev" + suffix)) << "Previous is disabled";
}

TEST_P(Navigation, SelectingTheTabAgainStartsAtTheFirstPageWithTheAnswersKept) {
    const ButtonTab& tab = GetParam();
    const std::string suffix(tab.suffix);
    openWithAccount();
    selectTab(tab.tab);
    const std::string urlBox = "txtButtonURL" + suffix;
    ASSERT_TRUE(driver::click(*window, tab.tab == Tab::AddToCart  ? "optImageButtonATC_5"
                                       : tab.tab == Tab::ViewCart ? "optVC_3"
                                       : tab.tab == Tab::Donate   ? "optDON_4"
                                                                  : "opt" + suffix + "_8"));
    ASSERT_TRUE(driver::type(*window, urlBox, QStringLiteral("https://example.com/b.png")));
    for (int page = 2; page <= tab.resultPage; ++page) {
        ASSERT_TRUE(driver::click(*window, "btnNext" + suffix));
    }
    const std::string result = text(tab.htmlBox);

    selectTab(Tab::Setup);
    selectTab(tab.tab);
    expectPage(1);
    EXPECT_EQ(text(urlBox), "https://example.com/b.png");
    EXPECT_EQ(text(tab.htmlBox), result) << "result boxes keep their last texts";

    // And the very same tab clicked again while on a later page.
    ASSERT_TRUE(driver::click(*window, "btnNext" + suffix));
    selectTab(tab.tab);
    expectPage(1);
}

INSTANTIATE_TEST_SUITE_P(Tabs, Navigation, ::testing::ValuesIn(kButtonTabs),
                         [](const auto& info) { return std::string(info.param.suffix); });

class BorrowedPanels : public WindowTest {};

TEST_F(BorrowedPanels, DonateShowsTheAddToCartSettingsPageWithWhatWasTypedThere) {
    openWithAccount();
    selectTab(Tab::AddToCart);
    ASSERT_TRUE(driver::click(*window, "btnNextATC"));
    ASSERT_TRUE(driver::click(*window, "btnNextATC"));
    ASSERT_TRUE(driver::type(*window, "txtLogoATC", QStringLiteral("https://example.com/l.png")));

    selectTab(Tab::Donate);
    ASSERT_TRUE(driver::click(*window, "btnNextDON"));
    ASSERT_TRUE(driver::click(*window, "btnNextDON"));
    EXPECT_TRUE(shown("fmATC_3"));
    EXPECT_TRUE(shown("fmDON_1"));
    EXPECT_FALSE(shown("fmATC_1"));
    EXPECT_EQ(text("txtLogoATC"), "https://example.com/l.png");

    ASSERT_TRUE(driver::click(*window, "btnPrevDON"));
    EXPECT_TRUE(shown("fmDON_2"));
    EXPECT_FALSE(shown("fmATC_3"));
}

TEST_F(BorrowedPanels, SubscriptionsStepsBackFromTheBuyNowSettingsPageToItsBillingPage) {
    openWithAccount();
    selectTab(Tab::Subscriptions);
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    ASSERT_TRUE(driver::type(*window, "txtPriceSUB", QStringLiteral("9.5")));
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    EXPECT_TRUE(shown("fmBN_4"));
    EXPECT_TRUE(shown("fmSUB_1"));

    ASSERT_TRUE(driver::click(*window, "btnPrevSUB"));
    EXPECT_TRUE(shown("fmSUB_3"));
    EXPECT_FALSE(shown("fmBN_4"));
    EXPECT_EQ(text("txtPriceSUB"), "9.5");
}

TEST_F(BorrowedPanels, TheSubscriptionsResultReplacesABuyNowResultInTheSharedBoxes) {
    openWithAccount();
    selectTab(Tab::BuyNow);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    }
    ASSERT_EQ(text("txtHTMLBN"), buttons::writeBuyNow({}, context()).html);

    selectTab(Tab::Subscriptions);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    }
    EXPECT_TRUE(shown("fmBN_5"));
    EXPECT_EQ(text("txtHTMLBN"), buttons::writeSubscribe({}, context()).html);
    EXPECT_EQ(text("txtLogBN"), buttons::writeSubscribe({}, context()).summary);
}

TEST_F(BorrowedPanels, DonateAndAddToCartOverwriteEachOthersResult) {
    openWithAccount();
    selectTab(Tab::Donate);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(driver::click(*window, "btnNextDON"));
    }
    EXPECT_EQ(text("txtHTMLATC"), buttons::writeDonate({}, context()).html);
    selectTab(Tab::AddToCart);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(driver::click(*window, "btnNextATC"));
    }
    EXPECT_EQ(text("txtHTMLATC"), buttons::writeAddToCart({}, context()).html);
}

TEST_F(WindowTest, GoingBackAndForwardAgainRunsTheWriterOnTheCurrentAnswers) {
    openWithAccount();
    selectTab(Tab::BuyNow);
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    }
    ASSERT_TRUE(driver::click(*window, "btnPrevBN"));
    ASSERT_TRUE(driver::type(*window, "txtLogoBN", QStringLiteral("https://example.com/l.png")));
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));

    buttons::BuyNowAnswers answers;
    answers.txtLogoBN = "https://example.com/l.png";
    EXPECT_EQ(text("txtHTMLBN"), buttons::writeBuyNow(answers, context()).html);
    EXPECT_EQ(text("txtLogBN"), buttons::writeBuyNow(answers, context()).summary);
}

TEST_F(WindowTest, TheResultBoxesAreMultiLineWithAVerticalScrollBarAndOnlyViewCartsIsEditable) {
    open();
    for (std::string_view box :
         {"txtLogBN", "txtHTMLBN", "txtLogATC", "txtHTMLATC", "txtLogVC", "txtHTMLVC"}) {
        auto* edit = named<QPlainTextEdit>(box);
        ASSERT_NE(edit, nullptr);
        EXPECT_NE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << box;
    }
    EXPECT_FALSE(enabled("txtHTMLBN"));
    EXPECT_FALSE(enabled("txtHTMLATC"));
    EXPECT_TRUE(enabled("txtHTMLVC"));
    EXPECT_FALSE(driver::type(*window, "txtHTMLBN", QStringLiteral("typed")));
    EXPECT_FALSE(driver::type(*window, "txtHTMLATC", QStringLiteral("typed")));
}

} // namespace
} // namespace ravelin::wizard::testing
