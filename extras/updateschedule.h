// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// When the update check runs: once per loading of the wizard window, a quarter of a second
// after the load, on the first tick of the window's single-shot timer tmCheckVersion. This is
// the one place that creates and starts that timer.
//
// Switching the check off. At build time, -DRAVELIN_UPDATE_CHECK=OFF leaves it out of the
// program. At run time, the environment variable RAVELIN_UPDATE_CHECK=off keeps it from
// running: the timer is created but never started. Tests and the picture-drawing tools switch
// it off this way, and only this way; a test of the check itself switches it back on.
#pragma once

#include <chrono>

class QTimer;
class QWidget;

namespace ravelin::extras {

// The environment variable that switches the check off with the value "off".
inline constexpr char kUpdateCheckVariable[] = "RAVELIN_UPDATE_CHECK";

// How long after the window's load the check runs.
inline constexpr std::chrono::milliseconds kUpdateCheckDelay{250};

// Whether the check runs: built in, and not switched off in the environment.
bool updateCheckEnabled();

// Creates the window's timer tmCheckVersion (single shot, kUpdateCheckDelay) and, when the
// check is enabled, starts it; its tick runs the check once for the window. Call once, from
// the window's load.
QTimer* scheduleUpdateCheck(QWidget* window);

} // namespace ravelin::extras
