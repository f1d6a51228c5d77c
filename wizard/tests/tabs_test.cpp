// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/tabs.h"
#include "wizard/tests/printers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ravelin::wizard {
namespace {

struct Sequence {
    Tab tab;
    std::vector<std::string_view> pages; // the panel of each page number, from 1
};

// Each type's pages, the Donate and Subscriptions tabs borrowing their last two.
const std::vector<Sequence> kSequences = {
    {Tab::AddToCart, {"fmATC_1", "fmATC_2", "fmATC_3", "fmATC_4"}},
    {Tab::ViewCart, {"fmVC_1", "fmVC_2"}},
    {Tab::BuyNow, {"fmBN_1", "fmBN_2", "fmBN_3", "fmBN_4", "fmBN_5"}},
    {Tab::Donate, {"fmDON_1", "fmDON_2", "fmATC_3", "fmATC_4"}},
    {Tab::Subscriptions, {"fmSUB_1", "fmSUB_2", "fmSUB_3", "fmBN_4", "fmBN_5"}},
};

std::string nameOf(Tab tab) {
    return ::testing::PrintToString(tab);
}

TEST(TabsTest, EveryButtonTypeTabIsFoundByItsIndexAndTheSetupTabIsNot) {
    EXPECT_EQ(buttonTab(static_cast<int>(Tab::Setup)), nullptr);
    EXPECT_EQ(buttonTab(0), nullptr);
    EXPECT_EQ(buttonTab(kTabCount + 1), nullptr);
    for (const Sequence& s : kSequences) {
        const ButtonTab* tab = buttonTab(static_cast<int>(s.tab));
        ASSERT_NE(tab, nullptr) << nameOf(s.tab);
        EXPECT_EQ(tab->tab, s.tab);
        EXPECT_EQ(tab->resultPage, static_cast<int>(s.pages.size()));
    }
}

TEST(TabsTest, NextWalksEachTypeFromItsFirstPageToItsResultPageKeepingTheFirstPanelShown) {
    for (const Sequence& s : kSequences) {
        const ButtonTab& tab = *buttonTab(static_cast<int>(s.tab));
        const int last = static_cast<int>(s.pages.size());
        for (int page = 1; page < last; ++page) {
            const auto step = nextStep(tab, page);
            ASSERT_TRUE(step) << nameOf(s.tab) << " page " << page;
            EXPECT_EQ(step->page, page + 1);
            EXPECT_EQ(step->show, s.pages[page]);
            EXPECT_EQ(step->hide, page == 1 ? std::string_view{} : s.pages[page - 1]);
            EXPECT_EQ(step->runsWriter, page + 1 == last) << nameOf(s.tab) << " page " << page;
        }
        EXPECT_FALSE(nextStep(tab, last)) << "Next does nothing on the result page";
    }
}

TEST(TabsTest, PreviousStepsBackOnePanelAtATimeAndNeverRunsTheWriter) {
    for (const Sequence& s : kSequences) {
        const ButtonTab& tab = *buttonTab(static_cast<int>(s.tab));
        const int last = static_cast<int>(s.pages.size());
        for (int page = last; page > 1; --page) {
            const auto step = previousStep(tab, page);
            ASSERT_TRUE(step) << nameOf(s.tab) << " page " << page;
            EXPECT_EQ(step->page, page - 1);
            EXPECT_EQ(step->hide, s.pages[page - 1]);
            EXPECT_EQ(step->show, s.pages[page - 2]);
            EXPECT_FALSE(step->runsWriter);
        }
        EXPECT_FALSE(previousStep(tab, 1)) << "Previous does nothing on the first page";
    }
}

TEST(TabsTest, ButtonStatesFollowThePageFirstMiddleAndResult) {
    for (const Sequence& s : kSequences) {
        const ButtonTab& tab = *buttonTab(static_cast<int>(s.tab));
        const int last = static_cast<int>(s.pages.size());
        for (int page = 1; page <= last; ++page) {
            ButtonStates expected;
            if (page == 1) {
                expected = {.previous = false, .next = true, .insertHtml = false};
            } else if (page < last) {
                expected = {.previous = true, .next = true, .insertHtml = false};
            } else {
                expected = {.previous = true, .next = false, .insertHtml = true};
            }
            EXPECT_EQ(buttonStates(tab, page), expected) << nameOf(s.tab) << " page " << page;
        }
    }
}

TEST(TabsTest, ThePageResetHidesTheSetupPageAndEveryPanelOfEveryType) {
    std::vector<std::string_view> panels(kResetPanels.begin(), kResetPanels.end());
    for (const Sequence& s : kSequences) {
        for (std::string_view panel : s.pages) {
            EXPECT_NE(std::find(panels.begin(), panels.end(), panel), panels.end()) << panel;
        }
    }
    EXPECT_NE(std::find(panels.begin(), panels.end(), kSetupPanel), panels.end());
}

} // namespace
} // namespace ravelin::wizard
