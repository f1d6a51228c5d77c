// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/summary.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

TEST(Summary, OpensWithTheAccountAndEndsEveryEntryWithAnEmptyLine) {
    Summary summary("seller@example.com");
    summary.add("Item Price: $", "12.5");
    summary.add("Customer Note: Yes");
    EXPECT_EQ(summary.text(), "PayPal Account: seller@example.com\r\n\r\n"
                              "Item Price: $12.5\r\n\r\n"
                              "Customer Note: Yes\r\n\r\n");
}

TEST(Summary, KeepsTextExactlyAsTyped) {
    Summary summary(R"(a"b&<c>)");
    EXPECT_EQ(summary.text(), "PayPal Account: a\"b&<c>\r\n\r\n");
}

} // namespace
} // namespace ravelin::buttons
