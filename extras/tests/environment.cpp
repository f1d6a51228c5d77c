// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The extras' tests run in the shared test main's application. Before the first of them, every
// address handed to the desktop is caught, and an update check that a test switches on (the test
// main switches it off) looks for its version file where nothing answers, unless the test
// names a server of its own.
#include "extras/tests/support.h"

#include <gtest/gtest.h>

namespace ravelin::extras::testing {
namespace {

class ExtrasEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("RAVELIN_VERSION_URL", closedPortAddress().toUtf8());
        qputenv("RAVELIN_INSTALLER_URL", "https://installer.invalid/setup");
        OpenedAddresses::instance().install();
    }
};

[[maybe_unused]] const ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ExtrasEnvironment);

} // namespace
} // namespace ravelin::extras::testing
