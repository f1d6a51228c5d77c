// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The standard streams a program was started with. A program started with one of them closed
// (`prog <&-` or `>&-`) would hand its number to the next file it opens, Qt's own descriptors
// included: what it then writes to that stream lands in the file, and what it reads comes from
// it. Each closed one is therefore opened on /dev/null first thing in main, before Qt or
// anything else opens a file.
#pragma once

namespace ravelin::common {

// Which of the standard streams were closed when the program started.
struct ClosedStreams {
    bool input = false;
    bool output = false;
    bool errors = false;
};

// Opens each of standard input, output and error that is closed on /dev/null and says which
// were. Call it before anything else in main.
ClosedStreams openClosedStandardStreams();

} // namespace ravelin::common
