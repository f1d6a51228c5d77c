// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

TEST(BuildCode, JoinsTheThreeReleaseNumbersWithoutSeparators) {
    EXPECT_EQ(buildCode(3, 0, 1), "KORVANEX.301");
    EXPECT_EQ(buildCode(3, 10, 2), "KORVANEX.3102");
    EXPECT_EQ(buildCode(10, 0, 0), "KORVANEX.1000");
}

TEST(Endpoints, PostToTheLiveServiceByDefault) {
    const Endpoints live;
    EXPECT_EQ(live.webscr, "https://www.paypal.com/cgi-bin/webscr");
    EXPECT_EQ(live.images, "http://images.paypal.com/images/");
    EXPECT_EQ(live.subscriptionImages, "https://www.paypal.com/images/");
}

TEST(Endpoints, SandboxMovesTheEndpointAndTheSubscriptionPicturesOnly) {
    const Endpoints sandbox = Endpoints::sandbox();
    EXPECT_EQ(sandbox.webscr, "https://www.sandbox.paypal.com/cgi-bin/webscr");
    EXPECT_EQ(sandbox.images, "http://images.paypal.com/images/");
    EXPECT_EQ(sandbox.subscriptionImages, "https://www.sandbox.paypal.com/images/");
}

} // namespace
} // namespace ravelin::buttons
