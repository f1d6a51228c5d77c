// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The tabs of TabStrip1 and the page sequence of each button type: which panel shows each page,
// which buttons are enabled on it, and what Next and Previous do. Pure data and functions; the
// window applies them to its widgets.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ravelin::wizard {

// Tab indexes of TabStrip1, 1-based as the tab strip counts them.
enum class Tab { Setup = 1, AddToCart, ViewCart, BuyNow, Donate, Subscriptions };

inline constexpr int kTabCount = 6;

// One button type's tab. The page number k (1 for the type's first panel) shows panels[k - 1];
// resultPage is the page number of the result page, the last one.
struct ButtonTab {
    Tab tab;
    std::string_view suffix; // of the tab's own controls: btnNextBN, optBN, ...
    std::array<std::string_view, 5> panels;
    int resultPage;
    std::string_view htmlBox; // the box Insert HTML pastes
    std::string_view logBox;  // the summary box of the result page
};

// The Donate tab borrows the Add to Cart optional-settings and result panels, the Subscriptions
// tab the Buy Now ones.
inline constexpr std::array<ButtonTab, 5> kButtonTabs = {{
    {Tab::AddToCart,
     "ATC",
     {"fmATC_1", "fmATC_2", "fmATC_3", "fmATC_4"},
     4,
     "txtHTMLATC",
     "txtLogATC"},
    {Tab::ViewCart, "VC", {"fmVC_1", "fmVC_2"}, 2, "txtHTMLVC", "txtLogVC"},
    {Tab::BuyNow,
     "BN",
     {"fmBN_1", "fmBN_2", "fmBN_3", "fmBN_4", "fmBN_5"},
     5,
     "txtHTMLBN",
     "txtLogBN"},
    {Tab::Donate,
     "DON",
     {"fmDON_1", "fmDON_2", "fmATC_3", "fmATC_4"},
     4,
     "txtHTMLATC",
     "txtLogATC"},
    {Tab::Subscriptions,
     "SUB",
     {"fmSUB_1", "fmSUB_2", "fmSUB_3", "fmBN_4", "fmBN_5"},
     5,
     "txtHTMLBN",
     "txtLogBN"},
}};

// The Setup page's panel.
inline constexpr std::string_view kSetupPanel = "grpSTART_1";

// Every panel the page reset hides, in the order it hides them.
inline constexpr std::array<std::string_view, 17> kResetPanels = {
    "grpSTART_1", "fmATC_1", "fmATC_2", "fmATC_3", "fmATC_4", "fmVC_1",
    "fmVC_2",     "fmBN_1",  "fmBN_2",  "fmBN_3",  "fmBN_4",  "fmBN_5",
    "fmSUB_1",    "fmSUB_2", "fmSUB_3", "fmDON_1", "fmDON_2"};

// The button type of a tab index, or nullptr for the Setup tab and indexes out of range.
const ButtonTab* buttonTab(int tabIndex);

// Which of a tab's three buttons are enabled on a page.
struct ButtonStates {
    bool previous = false;
    bool next = true;
    bool insertHtml = false;

    friend constexpr bool operator==(const ButtonStates&, const ButtonStates&) = default;
};

ButtonStates buttonStates(const ButtonTab& tab, int page);

// What a step of Next or Previous does: the page number it leads to, the panel to show, the
// panel to hide (empty for none) and whether the tab's writer runs.
struct PageStep {
    int page = 0;
    std::string_view show;
    std::string_view hide;
    bool runsWriter = false;

    friend constexpr bool operator==(const PageStep&, const PageStep&) = default;
};

// Next from page `page`; nothing on the result page. The step onto the result page runs the
// writer. The type's first panel is never hidden: the later panels lie over its upper part,
// and its button strip stays visible below them.
std::optional<PageStep> nextStep(const ButtonTab& tab, int page);

// Previous from page `page`; nothing on the first page.
std::optional<PageStep> previousStep(const ButtonTab& tab, int page);

} // namespace ravelin::wizard
