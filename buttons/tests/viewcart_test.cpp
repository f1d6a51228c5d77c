// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using namespace testing;

TEST(ViewCart, WritesTheWorkedExampleToTheCharacter) {
    const Button button = writeViewCart(workedExample<ViewCart>(), exampleContext());
    EXPECT_EQ(button.html, exampleButton<ViewCart>().html);
    EXPECT_EQ(button.summary, exampleButton<ViewCart>().summary);
}

TEST(ViewCart, PicksThePictureOrTheCustomAddress) {
    struct Case {
        OptionIndex selected;
        std::optional<std::string> source;
        std::string_view summary;
    };
    const Case cases[] = {
        {0, picture("view_cart.gif"), ""},
        {2, picture("view_cart_02.gif"), ""},
        {3, "https://shop.example/cart.png",
         "Custom Button: https://shop.example/cart.png\r\n\r\n"},
        {std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected.value_or(-1));
        ViewCartAnswers answers;
        answers.optVC = c.selected;
        answers.txtButtonURLVC = "https://shop.example/cart.png";
        const Button button = writeViewCart(answers, exampleContext());
        EXPECT_EQ(imageSource(button.html), c.source);
        EXPECT_EQ(button.summary, "PayPal Account: ACCOUNT\r\n\r\n" + std::string(c.summary));
    }
}

TEST(ViewCart, WithoutPictureClosesAfterTheDisplayField) {
    ViewCartAnswers answers;
    answers.optVC = std::nullopt;
    EXPECT_TRUE(
        writeViewCart(answers, exampleContext())
            .html.ends_with("<input type=\"hidden\" name=\"display\" value=\"1\" > \r\n</form>"));
}

TEST(ViewCart, EscapesAQuoteInTheAccount) {
    Context context = exampleContext();
    context.account = R"(a"b@example.com)";
    const Button button = writeViewCart({}, context);
    EXPECT_TRUE(contains(button.html, R"(name="business" value="a&quot;b@example.com" > )"));
    EXPECT_EQ(button.summary, "PayPal Account: a\"b@example.com\r\n\r\n");
}

TEST(ViewCart, PutsTheCharsetFieldAfterDisplay) {
    Context context = exampleContext();
    context.account = "zoë@example.com";
    EXPECT_EQ(fieldNames(writeViewCart({}, context).html),
              (std::vector<std::string>{"bn", "cmd", "business", "display", "charset"}));
}

} // namespace
} // namespace ravelin::buttons
