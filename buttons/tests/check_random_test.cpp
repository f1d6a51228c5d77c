// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answer checker on 100 000 random answer sets: any bytes, any lengths, any option index.
// It must neither crash nor name a control the button type does not have, and every finding
// must be one plain sentence.
#include "buttons/buttontypes.h"
#include "buttons/check.h"

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>

namespace ravelin::buttons {
namespace {

class RandomAnswers {
public:
    explicit RandomAnswers(unsigned seed) : random_(seed) {}

    std::string text() {
        static constexpr std::array<std::string_view, 28> kPieces = {"http://",
                                                                     "https://",
                                                                     "@",
                                                                     ".",
                                                                     "-",
                                                                     "+",
                                                                     ",",
                                                                     "e",
                                                                     "0",
                                                                     "1",
                                                                     "5",
                                                                     "9",
                                                                     " ",
                                                                     "\"",
                                                                     "<",
                                                                     ":",
                                                                     "/",
                                                                     "[",
                                                                     "]",
                                                                     "\t",
                                                                     "\xC3\xA9",
                                                                     "\xC2\xA5",
                                                                     "\xC2\xA0",
                                                                     "\xF0\x9F\x98\x80",
                                                                     "\xE3\x80\x80",
                                                                     "Months(s)",
                                                                     "Japanese Yen (\xC2\xA5)",
                                                                     "seller@example.com"};
        const int shape = pick(0, 9);
        const int length = shape < 6 ? pick(0, 8) : shape < 9 ? pick(0, 64) : pick(0, 400);
        std::string out;
        for (int i = 0; i < length; ++i) {
            switch (pick(0, 3)) {
            case 0:
                out += static_cast<char>(pick(0, 255));
                break;
            case 1:
                out += static_cast<char>(pick(0x20, 0x7E));
                break;
            default:
                out += kPieces[static_cast<std::size_t>(pick(0, kPieces.size() - 1))];
            }
        }
        return out;
    }

    OptionIndex option(int options) {
        switch (pick(0, 9)) {
        case 0:
            return std::nullopt;
        case 1:
            return pick(0, 1) == 0 ? INT_MIN : INT_MAX;
        default:
            return pick(-3, options + 3);
        }
    }

    template <typename Answers, std::size_t N>
    Answers answers(const std::array<AnswerKey<Answers>, N>& keys) {
        Answers a;
        for (const AnswerKey<Answers>& key : keys) {
            if (key.text != nullptr) {
                a.*key.text = text();
            } else {
                a.*key.option = option(key.options);
            }
        }
        return a;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    int pick(int low, std::size_t high) { return pick(low, static_cast<int>(high)); }

    std::mt19937 random_;
};

template <typename Type> void checkMany(RandomAnswers& random, int runs) {
    std::set<std::string_view> controls = {kAccountControl};
    for (const auto& key : Type::kKeys) {
        controls.insert(key.name);
    }
    for (int run = 0; run < runs; ++run) {
        const typename Type::Answers answers = random.answers(Type::kKeys);
        const std::string account = random.text();
        for (const Finding& f : Type::kCheck(answers, account)) {
            ASSERT_TRUE(controls.contains(f.control)) << f.control;
            ASSERT_FALSE(f.message.empty());
            ASSERT_TRUE(f.message.ends_with('.')) << f.message;
            ASSERT_EQ(f.message.find('\n'), std::string::npos) << f.message;
        }
    }
}

TEST(CheckRandomAnswers, NeverCrashesAndNamesOnlyTheTypesControls) {
    RandomAnswers random(20260101);
    constexpr int kRunsPerType = 100000 / static_cast<int>(kButtonTypeCount);
    forEachButtonType([&]<typename Type>() { checkMany<Type>(random, kRunsPerType); });
}

} // namespace
} // namespace ravelin::buttons
