// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How long the event loop of the thread under test was kept from answering, for the update
// check's tests and its benchmark.
#pragma once

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace ravelin::extras::testing {

// A probe timer due every few milliseconds, and the longest time between two of its ticks
// that the event loop spent on anything but waiting for events: that is how long the window
// could not have answered the user. Time the thread spent waiting to be scheduled after an
// event arrived is not counted, so a busy machine does not look like a held window.
class StallProbe {
public:
    StallProbe() {
        auto* dispatcher = QAbstractEventDispatcher::instance();
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &timer_,
                         [this] { blockedSince_ = clock_.nsecsElapsed(); });
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, &timer_, [this] {
            if (blockedSince_ >= 0) {
                blocked_ += clock_.nsecsElapsed() - blockedSince_;
                blockedSince_ = -1;
            }
        });
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longest_ = std::max(longest_, now - last_ - blocked_);
            last_ = now;
            blocked_ = 0;
        });
        clock_.start();
        timer_.start();
    }

    std::chrono::milliseconds longestStall() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::nanoseconds(longest_));
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    qint64 blocked_ = 0;       // waiting for events since the last tick
    qint64 blockedSince_ = -1; // when the current wait began
};

} // namespace ravelin::extras::testing
