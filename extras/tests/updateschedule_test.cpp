// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// When the update check runs: its timer, the switch in the environment, and one check per
// loading of a window.
#include "common/tests/environment.h"
#include "extras/maker.h"
#include "extras/tests/support.h"
#include "extras/updateschedule.h"
#include "ravelin/version.h"

#if RAVELIN_UPDATE_CHECK
#include "extras/updatecheck.h"
#endif

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

using common::testing::ScopedEnvironment;
using testing::LocalHttpServer;
using testing::MessageLog;

TEST(UpdateSchedule, ArmsTheWindowsSingleShotTimerForAQuarterSecondUnderItsOwnName) {
    const ScopedEnvironment checkOn(kUpdateCheckVariable, std::nullopt);
    QWidget window;
    QTimer* timer = scheduleUpdateCheck(&window);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer, window.findChild<QTimer*>(QStringLiteral("tmCheckVersion")));
    EXPECT_EQ(timer->parent(), &window);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 250);
    EXPECT_EQ(timer->isActive(), bool(RAVELIN_UPDATE_CHECK)) << "built without the check: off";
}

#if RAVELIN_UPDATE_CHECK
TEST(UpdateSchedule, TicksOnceAndStaysOffForGood) {
    const ScopedEnvironment checkOn(kUpdateCheckVariable, std::nullopt);
    QWidget window;
    QTimer* timer = scheduleUpdateCheck(&window);
    QSignalSpy ticks(timer, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(5000));
    // The tick ran a check; once it has ended nothing is left that could start the timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.findChild<UpdateCheck*>() == nullptr; }, 5000));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(ticks.count(), 1);
}

TEST(UpdateSchedule, OffersANewerReleaseOnceAfterLoading) {
    LocalHttpServer server;
    server.answer(200, QByteArray::number(version::kMajor + 1) + ".0.0");
    const ScopedEnvironment checkOn(kUpdateCheckVariable, std::nullopt);
    const ScopedEnvironment address("RAVELIN_VERSION_URL", server.address().toUtf8());
    MessageLog log(common::MessageAnswer::No);

    QWidget window;
    QTimer* timer = scheduleUpdateCheck(&window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.messages().empty(); }, 5000));
    // The check ends after the answer; with its timer off, no second one can start.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<UpdateCheck*>() == nullptr; }, 5000));
    EXPECT_FALSE(timer->isActive());

    EXPECT_EQ(log.messages().size(), 1U);
    EXPECT_EQ(log.messages().front().title, QStringLiteral("New Version"));
    EXPECT_EQ(server.requests(), 1);
}
#endif

TEST(UpdateSchedule, SwitchedOffInTheEnvironmentTheTimerNeverStarts) {
    for (const char* off : {"off", "OFF", "Off"}) {
        SCOPED_TRACE(off);
        const ScopedEnvironment checkOff(kUpdateCheckVariable, off);
        EXPECT_FALSE(updateCheckEnabled());
        QWidget window;
        QTimer* timer = scheduleUpdateCheck(&window);
        EXPECT_FALSE(timer->isActive());
        EXPECT_EQ(timer->interval(), 250);
    }
}

TEST(UpdateSchedule, AnyOtherValueLeavesTheCheckAsBuilt) {
    for (const char* value : {"", "on", "1", "0", "no"}) {
        SCOPED_TRACE(value);
        const ScopedEnvironment variable(kUpdateCheckVariable, value);
        EXPECT_EQ(updateCheckEnabled(), bool(RAVELIN_UPDATE_CHECK));
    }
}

} // namespace
} // namespace ravelin::extras
