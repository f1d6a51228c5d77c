// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The option groups of the pages and the boxes that depend on them.
#pragma once

#include "buttons/buttontypes.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace ravelin::wizard {

// A button-image page: options NAME_0 .. NAME_(standard() - 1) each paired with the picture of
// the same index, which shows the standard image of that index, and the custom-image option
// NAME_standard(), which goes with the address box. The pictures are named as the options,
// "img" in place of "opt": optBN_2 and imgBN_2.
struct ImageGroup {
    std::string_view options;
    std::span<const std::string_view> imageNames; // the standard images, by option index
    std::string_view addressBox;

    constexpr int standard() const { return static_cast<int>(imageNames.size()); }
    std::string images() const { return "img" + std::string(options.substr(3)); }
};

// The button-image page of each button type, in the order of buttons::ButtonTypes.
inline constexpr auto kImageGroups = [] {
    std::array<ImageGroup, buttons::kButtonTypeCount> groups{};
    std::size_t i = 0;
    buttons::forEachButtonType([&]<typename Type>() {
        groups[i++] = {buttons::pictureKey<Type>().name, Type::kPictures,
                       buttons::pictureAddressKey<Type>().name};
    });
    return groups;
}();

// A box that is enabled exactly while one option, GROUP_index, is selected.
struct DependentBox {
    std::string_view group;
    int index;
    std::string_view box;

    std::string option() const { return std::string(group) + '_' + std::to_string(index); }
};

// The address box of each custom-image option, then the note and payment-count boxes.
inline constexpr auto kDependentBoxes = [] {
    std::array<DependentBox, kImageGroups.size() + 3> boxes{};
    std::size_t i = 0;
    for (const ImageGroup& group : kImageGroups) {
        boxes[i++] = {group.options, group.standard(), group.addressBox};
    }
    boxes[i++] = {"optNoteATC", 0, "txtNoteATC"};
    boxes[i++] = {"optNoteDON", 0, "txtNoteDON"};
    // Only "Stop charging after" uses the number of payments.
    boxes[i++] = {"optRecurSUB", 1, "cmbStopSUB"};
    return boxes;
}();

} // namespace ravelin::wizard
