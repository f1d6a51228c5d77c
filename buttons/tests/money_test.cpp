// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/money.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

struct Case {
    std::string_view price;
    std::string_view written;
};

TEST(FormatAmount, WritesNumbersWithTwoDecimalsAndNoLeadingZero) {
    const Case cases[] = {
        {"10", "10.00"},       {"0.5", ".50"},  {"1234.5", "1234.50"}, {"25", "25.00"},
        {"12.5", "12.50"},     {"0", ".00"},    {"0.00", ".00"},       {"5.", "5.00"},
        {".5", ".50"},         {"+3", "3.00"},  {"007", "7.00"},       {"000.1", ".10"},
        {"  12.5\t", "12.50"}, {"-4", "-4.00"}, {"-0.5", "-.50"},      {"1000000", "1000000.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        EXPECT_EQ(formatAmount(c.price, "USD"), c.written);
    }
}

TEST(FormatAmount, RoundsTheDigitsAsTypedHalfAwayFromZero) {
    const Case cases[] = {
        {"2.675", "2.68"}, // 2.67499999... in binary floating point
        {"1.005", "1.01"},
        {"0.005", ".01"},
        {"0.004", ".00"},
        {"0.0049999", ".00"},
        {"1.23456", "1.23"},
        {"9.995", "10.00"},
        {"99.999", "100.00"},
        {"-2.675", "-2.68"},
        {"-1.234", "-1.23"},
        {"-0.004", ".00"}, // rounds to zero: no sign
        {"-0", ".00"},
        {"123456789012345678901234567890.125", "123456789012345678901234567890.13"},
        {"0.1250000000000000000000000000001", ".13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        EXPECT_EQ(formatAmount(c.price, "USD"), c.written);
    }
}

TEST(FormatAmount, WritesTextThatIsNotANumberAsTyped) {
    const std::string_view cases[] = {
        "", "12,50", "abc", "$5", "1e3", ".", "-", "+", "1.2.3", "1 000", "--1", " ", "5$", "0x10",
    };
    for (std::string_view price : cases) {
        SCOPED_TRACE(price);
        EXPECT_EQ(formatAmount(price, "USD"), price);
    }
}

TEST(FormatAmount, RoundsYenToAWholeNumberWithoutSeparator) {
    const Case cases[] = {
        {"1000", "1000"}, {"1000.5", "1001"}, {"0.4", "0"},   {"0.5", "1"},       {"0", "0"},
        {"-0.4", "0"},    {"-2.5", "-3"},     {"007", "7"},   {"99.5", "100"},    {"12.", "12"},
        {".49", "0"},     {"", ""},           {"abc", "abc"}, {"1,000", "1,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.price);
        EXPECT_EQ(formatAmount(c.price, "JPY"), c.written);
    }
}

TEST(FormatAmount, UsesWholeNumbersForTheYenAlone) {
    EXPECT_EQ(formatAmount("1000.5", "JPY"), "1001");
    EXPECT_EQ(formatAmount("1000.5", "USD"), "1000.50");
    EXPECT_EQ(formatAmount("1000.5", "EUR"), "1000.50");
    EXPECT_EQ(formatAmount("1000.5", ""), "1000.50");
}

} // namespace
} // namespace ravelin::buttons
