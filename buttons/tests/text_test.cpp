// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/text.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

TEST(Utf16Length, CountsCodeUnitsAsTheTextBoxesDo) {
    struct Case {
        std::string_view text;
        std::size_t units;
    };
    const Case cases[] = {
        {"", 0},
        {"http://", 7},
        {"Café", 4},             // two bytes, one unit
        {"€5", 2},               // three bytes, one unit
        {"\xF0\x9F\x98\x80", 2}, // outside the Basic Multilingual Plane: a surrogate pair
        {"\xFF", 1},             // a malformed byte reads as one replacement character
        {"\xC0\xAF", 2},         // an overlong form is two malformed bytes
        {"\xE2\x82", 2},         // a cut sequence: each byte is one replacement character
        {"\xED\xA0\x80", 3},     // an encoded surrogate is malformed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(utf16Length(c.text), c.units);
    }
}

TEST(SevenCharacterTest, SkipsExactlySevenCharactersCountedLikeTheWindow) {
    struct Case {
        std::string_view text;
        bool written;
    };
    const Case cases[] = {
        {"http://", false},
        {"a.b/c.d", false},
        {"http:/é", false},               // seven characters in eight bytes
        {"http:\xF0\x9F\x98\x80", false}, // five characters and a surrogate pair
        {"", true},
        {"https://", true},
        {"thanks.htm", true},
        {"é.b/c.d!", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNotSevenCharacters(c.text), c.written);
    }
}

TEST(NotEmptyTest, PassesAnyTextOfAtLeastOneCharacter) {
    EXPECT_FALSE(isNotEmpty(""));
    EXPECT_TRUE(isNotEmpty(" "));
    EXPECT_TRUE(isNotEmpty("x"));
}

TEST(FirstCharacter, TakesTheWholeFirstCharacterWhateverItsLength) {
    EXPECT_EQ(firstCharacter("Months(s)"), "M");
    EXPECT_EQ(firstCharacter("Weeks(s)"), "W");
    EXPECT_EQ(firstCharacter(""), "");
    EXPECT_EQ(firstCharacter("Été"), "É");
    EXPECT_EQ(firstCharacter("\xF0\x9F\x98\x80x"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(firstCharacter("\xFFx"), "\xFF");
}

} // namespace
} // namespace ravelin::buttons
