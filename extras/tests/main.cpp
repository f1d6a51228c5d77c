// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The extras' tests run in one offscreen application, with their settings in a temporary
// folder. No address ever reaches the desktop, and the update check never leaves 127.0.0.1.
#include "extras/tests/support.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir config;
    if (!config.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    QApplication application(argc, argv);
    // Whatever a test leaves armed looks for its version file where nothing answers.
    qputenv("RAVELIN_VERSION_URL", ravelin::extras::testing::closedPortAddress().toUtf8());
    qputenv("RAVELIN_INSTALLER_URL", "https://installer.invalid/setup");
    ravelin::extras::testing::OpenedAddresses::instance().install();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
