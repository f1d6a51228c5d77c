// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/buttontypes.h"
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using namespace testing;

TEST(BuyNow, WritesTheWorkedExampleToTheCharacter) {
    const Button button = writeBuyNow(workedExample<BuyNow>(), exampleContext());
    EXPECT_EQ(button.html, exampleButton<BuyNow>().html);
    EXPECT_EQ(button.summary, exampleButton<BuyNow>().summary);
}

TEST(BuyNow, WithAllDefaultsWritesTheUnconditionalFieldsEmpty) {
    const Button button = writeBuyNow({}, exampleContext());
    EXPECT_TRUE(button.html.starts_with("Item Name: <br>\r\n\r\nItem Number: <br>\r\n\r\n"
                                        "Price: $<br>\r\n\r\n<form "));
    EXPECT_EQ(fieldNames(button.html),
              (std::vector<std::string>{"bn", "cmd", "business", "item_name", "item_number",
                                        "amount", "currency_code", "undefined_quantity"}));
    EXPECT_EQ(fieldValue(button.html, "amount"), "");
    EXPECT_EQ(fieldValue(button.html, "currency_code"), "USD");
    EXPECT_EQ(imageSource(button.html), picture("x-click-butcc.gif"));
    EXPECT_EQ(button.summary,
              summaryEntries({"PayPal Account: ACCOUNT", "Item Name/Service: ", "Item ID/Number: ",
                              "Item Price: $", "Currency: US Dollar ($)", "Customer Note: Yes"}));
}

TEST(BuyNow, WritesOptionalBoxesByTheirOwnTests) {
    struct Case {
        const char* what;
        void (*answer)(BuyNowAnswers&);
        std::string_view field;
        std::optional<std::string> value;
        std::string_view entry;
    };
    const Case cases[] = {
        {"logo typed", [](BuyNowAnswers& a) { a.txtLogoBN = "L"; }, "image_url", "L",
         "Company Logo: L"},
        {"logo empty", [](BuyNowAnswers& a) { a.txtLogoBN = ""; }, "image_url", std::nullopt,
         "Company Logo:"},
        {"extra shipping typed", [](BuyNowAnswers& a) { a.txtExtraShippingBN = "2"; }, "shipping2",
         "2", "Extra Shipping: 2"},
        {"handling written as typed", [](BuyNowAnswers& a) { a.txtHandlingBN = "0.5"; }, "handling",
         "0.5", "Handling: 0.5"},
        {"return emptied", [](BuyNowAnswers& a) { a.txtWebSiteSuccessBN = ""; }, "return", "",
         "Return URL: \r\n"},
        {"return of seven other characters",
         [](BuyNowAnswers& a) { a.txtWebSiteSuccessBN = "a.b/c.d"; }, "return", std::nullopt,
         "Return URL:"},
        {"return typed",
         [](BuyNowAnswers& a) { a.txtWebSiteSuccessBN = "http://x.example/thanks"; }, "return",
         "http://x.example/thanks", "Return URL: http://x.example/thanks"},
        {"cancel emptied", [](BuyNowAnswers& a) { a.txtCancelBN = ""; }, "cancel_return", "",
         "Cancel URL: \r\n"},
        {"cancel left at http://", [](BuyNowAnswers& a) { a.txtCancelBN = "http://"; },
         "cancel_return", std::nullopt, "Cancel URL:"},
        {"quantity No", [](BuyNowAnswers& a) { a.optExtraBN = 1; }, "undefined_quantity",
         std::nullopt, "Customer Note:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BuyNowAnswers answers;
        c.answer(answers);
        const Button button = writeBuyNow(answers, exampleContext());
        EXPECT_EQ(fieldValue(button.html, c.field), c.value);
        EXPECT_EQ(contains(button.summary, c.entry), c.value.has_value());
    }
}

TEST(BuyNow, WritesTheCustomImageAsTypedAndSkipsTheStandardPictures) {
    BuyNowAnswers answers;
    answers.optBN = 8;
    const Button button = writeBuyNow(answers, exampleContext());
    EXPECT_EQ(imageSource(button.html), "https://");
    EXPECT_TRUE(button.summary.ends_with("Custom Button: https://\r\n\r\n"));
}

TEST(BuyNow, WritesEveryStandardPictureFromTheStandardFolder) {
    for (int i = 0; i < 8; ++i) {
        BuyNowAnswers answers;
        answers.optBN = i;
        EXPECT_EQ(imageSource(writeBuyNow(answers, exampleContext()).html),
                  picture(BuyNow::kPictures[i]));
    }
}

TEST(BuyNow, KeepsPriceTextThatIsNotANumberAsTypedEverywhere) {
    BuyNowAnswers answers;
    answers.txtPriceBN = "12,50";
    const Button button = writeBuyNow(answers, exampleContext());
    EXPECT_TRUE(contains(button.html, "Price: $12,50<br>"));
    EXPECT_EQ(fieldValue(button.html, "amount"), "12,50");
    EXPECT_TRUE(contains(button.summary, "Item Price: $12,50\r\n"));
}

TEST(BuyNow, WritesAYenAmountAsAWholeNumber) {
    BuyNowAnswers answers;
    answers.txtPriceBN = "1000.5";
    answers.cmbCurrencyBN = "Japanese Yen (¥)";
    const Button button = writeBuyNow(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "amount"), "1001");
    EXPECT_EQ(fieldValue(button.html, "currency_code"), "JPY");
    EXPECT_TRUE(contains(button.summary, "Item Price: ¥1000.5\r\n"));
}

TEST(BuyNow, EscapesTheHtmlButKeepsTheSummaryAsTyped) {
    BuyNowAnswers answers;
    answers.txtItemNameBN = R"(12" <b>Gnome</b> & Co)";
    const Button button = writeBuyNow(answers, exampleContext());
    EXPECT_TRUE(button.html.starts_with("Item Name: 12\" &lt;b&gt;Gnome&lt;/b&gt; &amp; Co<br>"));
    EXPECT_EQ(fieldValue(button.html, "item_name"), "12&quot; &lt;b&gt;Gnome&lt;/b&gt; &amp; Co");
    EXPECT_TRUE(contains(button.summary, "Item Name/Service: 12\" <b>Gnome</b> & Co\r\n"));
}

TEST(BuyNow, MarksANonAsciiButtonAsUtf8) {
    BuyNowAnswers answers;
    answers.txtItemNameBN = "Café au lait";
    const auto names = fieldNames(writeBuyNow(answers, exampleContext()).html);
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(names[3], "charset");
    EXPECT_EQ(fieldValue(writeBuyNow(answers, exampleContext()).html, "charset"), "utf-8");
}

TEST(BuyNow, WritesNoImageWhenNoPictureIsSelected) {
    BuyNowAnswers answers;
    answers.optBN = std::nullopt;
    const Button button = writeBuyNow(answers, exampleContext());
    EXPECT_EQ(imageSource(button.html), std::nullopt);
    EXPECT_TRUE(button.html.ends_with("value=\"1\">\r\n</form>"));
}

} // namespace
} // namespace ravelin::buttons
