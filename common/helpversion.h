// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whether a windowed program's command line only asks for its help or its version. Those only
// print, so the program can answer them without a display (over SSH, in a package's checks)
// by parsing with a QCoreApplication instead of a QApplication.
#pragma once

#include "common/qstr.h"
#include "ravelin/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdlib>
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

// Names the program, gives it the release as its version, and its parser the description and
// the help and version options.
inline void describeProgram(QCommandLineParser& parser, const char* name,
                            const QString& description) {
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QCoreApplication::setApplicationVersion(qstr(version::kRelease));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
}

// Prints the help or the version and exits when that is all the command line asks for.
inline void answerHelpOrVersion(QCommandLineParser& parser, int argc, char* argv[]) {
    if (asksOnlyForHelpOrVersion(argc, argv)) {
        const QCoreApplication app(argc, argv);
        parser.process(app); // prints and exits
        std::exit(0);
    }
}

} // namespace ravelin::common
