// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The tabs of TabStrip1 and the page sequence of each button type: which panel shows each page,
// which buttons are enabled on it, and what Next and Previous do. Pure data and functions; the
// window applies them to its widgets.
#pragma once

#include "buttons/buttontypes.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace ravelin::wizard {

// Tab indexes of TabStrip1, 1-based as the tab strip counts them.
enum class Tab { Setup = 1, AddToCart, ViewCart, BuyNow, Donate, Subscriptions };

inline constexpr int kTabCount = 6;

// Which result box of a tab a writer's run fills first.
enum class ResultOrder { HtmlFirst, SummaryFirst };

// One button type's tab. The page number k (1 for the type's first panel) shows panels[k - 1];
// resultPage is the page number of the result page, the last one.
struct ButtonTab {
    Tab tab;
    std::string_view suffix; // of the tab's own controls: btnNextBN, optBN, ...
    std::array<std::string_view, 5> panels;
    int resultPage;
    std::string_view htmlBox; // the box Insert HTML pastes
    std::string_view logBox;  // the summary box of the result page
    ResultOrder order;
};

// The tab of the button type `Type` (buttons/buttontypes.h): its place on the tab strip, its
// page panels in page order (the last one the result page) and its result boxes.
template <typename Type>
constexpr ButtonTab pagesOf(Tab tab, std::initializer_list<std::string_view> panels,
                            std::string_view htmlBox, std::string_view logBox,
                            ResultOrder order = ResultOrder::HtmlFirst) {
    ButtonTab info{tab, Type::kSuffix, {}, static_cast<int>(panels.size()), htmlBox, logBox, order};
    std::copy(panels.begin(), panels.end(), info.panels.begin());
    return info;
}

// The button types' tabs, in tab-strip order. The Donate tab borrows the Add to Cart
// optional-settings and result panels, the Subscriptions tab the Buy Now ones.
inline constexpr std::array<ButtonTab, buttons::kButtonTypeCount> kButtonTabs = {
    pagesOf<buttons::AddToCart>(Tab::AddToCart, {"fmATC_1", "fmATC_2", "fmATC_3", "fmATC_4"},
                                "txtHTMLATC", "txtLogATC"),
    // View Cart alone fills its summary box first: its writer has always put the account line
    // into that box before building any HTML, then added a custom picture's entry to it.
    pagesOf<buttons::ViewCart>(Tab::ViewCart, {"fmVC_1", "fmVC_2"}, "txtHTMLVC", "txtLogVC",
                               ResultOrder::SummaryFirst),
    pagesOf<buttons::BuyNow>(Tab::BuyNow, {"fmBN_1", "fmBN_2", "fmBN_3", "fmBN_4", "fmBN_5"},
                             "txtHTMLBN", "txtLogBN"),
    pagesOf<buttons::Donate>(Tab::Donate, {"fmDON_1", "fmDON_2", "fmATC_3", "fmATC_4"},
                             "txtHTMLATC", "txtLogATC"),
    pagesOf<buttons::Subscribe>(Tab::Subscriptions,
                                {"fmSUB_1", "fmSUB_2", "fmSUB_3", "fmBN_4", "fmBN_5"}, "txtHTMLBN",
                                "txtLogBN"),
};

// Every button type has exactly one tab.
static_assert([] {
    bool ok = true;
    buttons::forEachButtonType([&]<typename Type>() {
        ok = ok && std::count_if(kButtonTabs.begin(), kButtonTabs.end(),
                                 [](const ButtonTab& t) { return t.suffix == Type::kSuffix; }) == 1;
    });
    return ok;
}());

// The tab of the button type `Type`.
template <typename Type> constexpr const ButtonTab& tabOf() {
    return *std::find_if(kButtonTabs.begin(), kButtonTabs.end(),
                         [](const ButtonTab& t) { return t.suffix == Type::kSuffix; });
}

// The Setup page's panel.
inline constexpr std::string_view kSetupPanel = "grpSTART_1";

namespace detail {

// Calls `f(panel)` for every page panel of every button type once, in tab-strip and page order
// (a borrowed panel where its own type shows it first).
template <typename F> constexpr void forEachPagePanel(F&& f) {
    const auto shownEarlier = [](std::size_t tab, std::string_view panel) {
        for (std::size_t earlier = 0; earlier < tab; ++earlier) {
            for (int page = 0; page < kButtonTabs[earlier].resultPage; ++page) {
                if (kButtonTabs[earlier].panels[page] == panel) {
                    return true;
                }
            }
        }
        return false;
    };
    for (std::size_t tab = 0; tab < kButtonTabs.size(); ++tab) {
        for (int page = 0; page < kButtonTabs[tab].resultPage; ++page) {
            if (!shownEarlier(tab, kButtonTabs[tab].panels[page])) {
                f(kButtonTabs[tab].panels[page]);
            }
        }
    }
}

constexpr std::size_t pagePanelCount() {
    std::size_t count = 0;
    forEachPagePanel([&](std::string_view) { ++count; });
    return count;
}

} // namespace detail

// Every panel the page reset hides, in the order it hides them: the Setup page, then every
// page panel of every button type.
inline constexpr auto kResetPanels = [] {
    std::array<std::string_view, 1 + detail::pagePanelCount()> panels{kSetupPanel};
    std::size_t i = 1;
    detail::forEachPagePanel([&](std::string_view panel) { panels[i++] = panel; });
    return panels;
}();

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
