// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/tabs.h"

namespace ravelin::wizard {

const ButtonTab* buttonTab(int tabIndex) {
    for (const ButtonTab& tab : kButtonTabs) {
        if (static_cast<int>(tab.tab) == tabIndex) {
            return &tab;
        }
    }
    return nullptr;
}

ButtonStates buttonStates(const ButtonTab& tab, int page) {
    return {
        .previous = page > 1, .next = page < tab.resultPage, .insertHtml = page >= tab.resultPage};
}

std::optional<PageStep> nextStep(const ButtonTab& tab, int page) {
    if (page < 1 || page >= tab.resultPage) {
        return std::nullopt;
    }
    const int next = page + 1;
    return PageStep{.page = next,
                    .show = tab.panels[next - 1],
                    .hide = page == 1 ? std::string_view{} : tab.panels[page - 1],
                    .runsWriter = next == tab.resultPage};
}

std::optional<PageStep> previousStep(const ButtonTab& tab, int page) {
    if (page <= 1 || page > tab.resultPage) {
        return std::nullopt;
    }
    return PageStep{.page = page - 1,
                    .show = tab.panels[page - 2],
                    .hide = tab.panels[page - 1],
                    .runsWriter = false};
}

} // namespace ravelin::wizard
