// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Tabs print by name in test messages. Every test file that compares or prints a Tab includes
// this header, so that all of them print it the same way.
#pragma once

#include "wizard/tabs.h"

#include <ostream>

namespace ravelin::wizard {

inline void PrintTo(Tab tab, std::ostream* os) {
    static constexpr const char* kNames[] = {"",        "Setup",  "Add to Cart",  "View Cart",
                                             "Buy Now", "Donate", "Subscriptions"};
    const int index = static_cast<int>(tab);
    *os << (index >= 1 && index <= kTabCount ? kNames[index] : "no tab");
}

inline void PrintTo(const ButtonTab& tab, std::ostream* os) {
    PrintTo(tab.tab, os);
}

} // namespace ravelin::wizard
