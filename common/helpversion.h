// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whether a windowed program's command line only asks for its help or its version. Those only
// print, so the program can answer them without a display (over SSH, in a package's checks)
// by parsing with a QCoreApplication instead of a QApplication.
#pragma once

#include <string_view>

namespace ravelin::common {

inline bool asksOnlyForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-v" ||
            argument == "--version") {
            return true;
        }
    }
    return false;
}

} // namespace ravelin::common
