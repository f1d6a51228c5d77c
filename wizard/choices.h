// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The option groups of the pages and the boxes that depend on them.
#pragma once

#include <array>
#include <string_view>

namespace ravelin::wizard {

// A button-image page: options NAME_0 .. NAME_(standard - 1) each paired with the image of the
// same index, and the custom-image option NAME_standard, which goes with the address box.
struct ImageGroup {
    std::string_view options;
    std::string_view images;
    int standard;
    std::string_view addressBox;
};

inline constexpr std::array<ImageGroup, 5> kImageGroups = {{
    {"optBN", "imgBN", 8, "txtButtonURLBN"},
    {"optImageButtonATC", "imgImageButtonATC", 5, "txtButtonURLATC"},
    {"optVC", "imgVC", 3, "txtButtonURLVC"},
    {"optDON", "imgDON", 4, "txtButtonURLDON"},
    {"optSUB", "imgSUB", 8, "txtButtonURLSUB"},
}};

// A box that is enabled exactly while one option is selected.
struct DependentBox {
    std::string_view option;
    std::string_view box;
};

inline constexpr std::array<DependentBox, 8> kDependentBoxes = {{
    {"optBN_8", "txtButtonURLBN"},
    {"optImageButtonATC_5", "txtButtonURLATC"},
    {"optVC_3", "txtButtonURLVC"},
    {"optDON_4", "txtButtonURLDON"},
    {"optSUB_8", "txtButtonURLSUB"},
    {"optNoteATC_0", "txtNoteATC"},
    {"optNoteDON_0", "txtNoteDON"},
    // Only "Stop charging after" uses the number of payments.
    {"optRecurSUB_1", "cmbStopSUB"},
}};

} // namespace ravelin::wizard
