// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A type's worked example with every answer of its Item options and Advanced variables dialogs
// given, for showing that the wizard and ravelin-button write the same button from them.
#pragma once

#include "buttons/buttontypes.h"
#include "buttons/examples.h"

#include <string>

namespace ravelin::buttons::testing {

template <typename Type> typename Type::Answers withEveryDialogAnswer() {
    typename Type::Answers a = workedExample<Type>();
    if constexpr (HasItemOptions<Type>) {
        const auto& boxes = Type::kItemOptions;
        for (std::size_t i = 0; i < kMenuCount; ++i) {
            const std::string n = std::to_string(i + 1);
            a.*boxes.menuNames[i] = "Menu " + n;
            a.*boxes.menuChoices[i] = "One " + n + "\nTwo = " + n + ".5";
        }
        a.*boxes.menuChoices[0] = "Small = 10\n  Large = 12.5  \n\nHuge=15";
        a.*boxes.textBoxNames[0] = "Name to print";
        a.*boxes.textBoxNames[1] = "Gift message";
    }
    a.*Type::kAdvanced =
        "custom=order 7\ninvoice = INV-" + std::string(Type::kSuffix) + "\r\nno equals\nlc=DE";
    return a;
}

} // namespace ravelin::buttons::testing
