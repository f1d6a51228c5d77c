// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The option groups of the pages and the boxes that depend on them.
#pragma once

#include "buttons/writers.h"

#include <array>
#include <span>
#include <string_view>

namespace ravelin::wizard {

// A button-image page: options NAME_0 .. NAME_(standard() - 1) each paired with the picture of
// the same index, which shows the standard image of that index, and the custom-image option
// NAME_standard(), which goes with the address box.
struct ImageGroup {
    std::string_view options;
    std::string_view images;
    std::span<const std::string_view> imageNames; // the standard images, by option index
    std::string_view addressBox;

    constexpr int standard() const { return static_cast<int>(imageNames.size()); }
};

inline constexpr std::array<ImageGroup, 5> kImageGroups = {{
    {"optBN", "imgBN", buttons::kImgBN, "txtButtonURLBN"},
    {"optImageButtonATC", "imgImageButtonATC", buttons::kImgImageButtonATC, "txtButtonURLATC"},
    {"optVC", "imgVC", buttons::kImgVC, "txtButtonURLVC"},
    {"optDON", "imgDON", buttons::kImgDON, "txtButtonURLDON"},
    {"optSUB", "imgSUB", buttons::kImgSUB, "txtButtonURLSUB"},
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
