// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using namespace testing;

TEST(AddToCart, WritesTheWorkedExampleToTheCharacter) {
    const Button button = writeAddToCart(workedExample<AddToCart>(), exampleContext());
    EXPECT_EQ(button.html, exampleButton<AddToCart>().html);
    EXPECT_EQ(button.summary, exampleButton<AddToCart>().summary);
}

TEST(AddToCart, WithAllDefaultsWritesOnlyTheUnconditionalFields) {
    const Button button = writeAddToCart({}, exampleContext());
    EXPECT_TRUE(button.html.starts_with("Item Name: <br>\r\n\r\nItem Number: <br>\r\n\r\n"
                                        "Price: $<br>\r\n\r\n<form "));
    EXPECT_EQ(
        fieldNames(button.html),
        (std::vector<std::string>{"bn", "cmd", "add", "business", "item_name", "item_number",
                                  "amount", "currency_code", "no_shipping", "undefined_quantity"}));
    EXPECT_EQ(fieldValue(button.html, "amount"), "");
    EXPECT_EQ(fieldValue(button.html, "currency_code"), "USD");
    EXPECT_TRUE(button.html.ends_with("<input type=\"image\" src=\"" + picture("sc-but-01.gif") +
                                      "\" border=\"0\" name=\"submit\">\r\n</form>"));
    EXPECT_EQ(button.summary,
              summaryEntries({"PayPal Account: ACCOUNT", "Item Name/Service: ", "Item ID/Number: ",
                              "Item Price: $", "Currency: US Dollar ($)"}));
}

TEST(AddToCart, WritesOptionalBoxesByTheirOwnTests) {
    struct Case {
        const char* what;
        void (*answer)(AddToCartAnswers&);
        std::string_view field;
        std::optional<std::string> value;
        std::string_view entry;
    };
    const Case cases[] = {
        {"one-character logo", [](AddToCartAnswers& a) { a.txtLogoATC = "x"; }, "image_url", "x",
         "Company Logo: x"},
        {"seven-character logo", [](AddToCartAnswers& a) { a.txtLogoATC = "a.b/c.d"; }, "image_url",
         "a.b/c.d", "Company Logo: a.b/c.d"},
        {"empty logo", [](AddToCartAnswers& a) { a.txtLogoATC = ""; }, "image_url", std::nullopt,
         "Company Logo:"},
        {"return of seven other characters",
         [](AddToCartAnswers& a) { a.txtWebSiteSuccessATC = "a.b/c.d"; }, "return", std::nullopt,
         "Return URL:"},
        {"return emptied", [](AddToCartAnswers& a) { a.txtWebSiteSuccessATC = ""; }, "return", "",
         "Return URL: \r\n"},
        {"cancel typed", [](AddToCartAnswers& a) { a.txtCancelATC = "sorry.htm"; }, "cancel_return",
         "sorry.htm", "Cancel URL: sorry.htm"},
        {"note Yes left at its default", [](AddToCartAnswers& a) { a.optNoteATC = 0; }, "cn",
         "(optional instructions)", "Customer Note: Yes, (optional instructions)"},
        {"note No with typed text",
         [](AddToCartAnswers& a) {
             a.optNoteATC = 1;
             a.txtNoteATC = "Size?";
         },
         "cn", std::nullopt, "Customer Note:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AddToCartAnswers answers;
        c.answer(answers);
        const Button button = writeAddToCart(answers, exampleContext());
        EXPECT_EQ(fieldValue(button.html, c.field), c.value);
        EXPECT_EQ(contains(button.summary, c.entry), c.value.has_value());
    }
}

TEST(AddToCart, WritesTheCustomImageAsTyped) {
    AddToCartAnswers answers;
    answers.optImageButtonATC = 5;
    const Button button = writeAddToCart(answers, exampleContext());
    EXPECT_EQ(imageSource(button.html), "https://");
    EXPECT_TRUE(button.summary.ends_with("Custom Button: https://\r\n\r\n"));
}

TEST(AddToCart, WritesAYenAmountAsAWholeNumber) {
    AddToCartAnswers answers;
    answers.txtPriceATC = "0.4";
    answers.cmbCurrencyATC = "Japanese Yen (¥)";
    EXPECT_EQ(fieldValue(writeAddToCart(answers, exampleContext()).html, "amount"), "0");
}

TEST(AddToCart, EscapesTheNoteInTheHtmlOnly) {
    AddToCartAnswers answers;
    answers.optNoteATC = 0;
    answers.txtNoteATC = R"(Say "hi" & <wave>)";
    const Button button = writeAddToCart(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "cn"), "Say &quot;hi&quot; &amp; &lt;wave&gt;");
    EXPECT_TRUE(contains(button.summary, R"(Customer Note: Yes, Say "hi" & <wave>)"));
}

} // namespace
} // namespace ravelin::buttons
