// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/utf8.h"

#include <gtest/gtest.h>
#include <string>

namespace ravelin::common {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::optional<std::size_t> firstInvalid;
};

class StrictUtf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(StrictUtf8, FindsTheFirstByteOfAnIllFormedSequence) {
    EXPECT_EQ(firstInvalidUtf8(GetParam().bytes), GetParam().firstInvalid);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrictUtf8,
    ::testing::Values(
        Utf8Case{"Empty", "", std::nullopt}, Utf8Case{"Ascii", "plain <text>", std::nullopt},
        Utf8Case{"EveryLength", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8D\xB0", std::nullopt},
        Utf8Case{"Latin1Byte", "caf\xE9", 3}, Utf8Case{"LoneContinuation", "a\x80", 1},
        Utf8Case{"OverlongTwo", "\xC0\xAF", 0}, Utf8Case{"OverlongThree", "ab\xE0\x80\xAF", 2},
        Utf8Case{"OverlongFour", "\xF0\x80\x80\xAF", 0},
        Utf8Case{"SurrogateHalf", "x\xED\xA0\x80", 1},
        Utf8Case{"BeyondTheLastPlane", "\xF4\x90\x80\x80", 0},
        Utf8Case{"LastCharacter", "\xF4\x8F\xBF\xBF", std::nullopt},
        Utf8Case{"CutShort", "ok\xE2\x82", 2}, Utf8Case{"BadThirdByte", "\xE2\x82\x41", 0},
        Utf8Case{"NeverALead", "\xFF", 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::common
