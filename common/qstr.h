// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The product's fixed texts (its name, its release) are UTF-8 string views; widgets want
// QString.
#pragma once

#include <QString>
#include <string_view>

namespace ravelin::common {

inline QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ravelin::common
