// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <gtest/gtest.h>

namespace ravelin::buttons {
namespace {

using namespace testing;

TEST(Subscribe, WritesTheWorkedExampleToTheCharacter) {
    const Button button = writeSubscribe(workedExample<Subscribe>(), exampleContext());
    EXPECT_EQ(button.html, exampleButton<Subscribe>().html);
    EXPECT_EQ(button.summary, exampleButton<Subscribe>().summary);
    EXPECT_EQ(splitLines(button.html).size(), 22u); // 20 lines and two empty ones
    EXPECT_FALSE(contains(button.html, "srt"));
}

TEST(Subscribe, RecursUntilCancelledOrForTheChosenCount) {
    struct Case {
        OptionIndex recur;
        std::vector<std::string> fields; // the recurrence fields, in order
        std::string_view summary;        // the recurrence entries
    };
    const Case cases[] = {
        {0, {"src", "sra"}, "Recurring: Yes\r\n\r\nRetry on Failed: Yes\r\n\r\n"},
        {1,
         {"src", "srt", "sra"},
         "Recurring: Yes\r\n\r\nStop After: 12\r\n\r\nRetry on Failed: Yes\r\n\r\n"},
        {std::nullopt, {"sra"}, "Billing Term: Months(s)\r\n\r\nRetry on Failed: Yes\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.recur.value_or(-1));
        SubscribeAnswers answers;
        answers.optRecurSUB = c.recur;
        answers.cmbStopSUB = "12";
        const Button button = writeSubscribe(answers, exampleContext());
        std::vector<std::string> recurrence;
        for (const std::string& name : fieldNames(button.html)) {
            if (name == "src" || name == "srt" || name == "sra") {
                recurrence.push_back(name);
            }
        }
        EXPECT_EQ(recurrence, c.fields);
        EXPECT_EQ(fieldValue(button.html, "src"),
                  c.recur ? std::optional<std::string>("1") : std::nullopt);
        EXPECT_EQ(fieldValue(button.html, "srt"),
                  c.recur == 1 ? std::optional<std::string>("12") : std::nullopt);
        EXPECT_EQ(fieldValue(button.html, "sra"), "1");
        EXPECT_TRUE(contains(button.summary, c.summary));
        EXPECT_EQ(contains(button.summary, "Stop After: "), c.recur == 1);
    }
}

TEST(Subscribe, NeverWritesTheDashOfTheStopBoxAsACount) {
    SubscribeAnswers answers; // keeps charging, stop box left at "-"
    const Button button = writeSubscribe(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "srt"), std::nullopt);
    EXPECT_FALSE(contains(button.summary, "Stop After"));
}

TEST(Subscribe, WritesOptionalBoxesByTheSevenCharacterTest) {
    struct Case {
        const char* what;
        void (*answer)(SubscribeAnswers&);
        std::string_view field;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"defaults", [](SubscribeAnswers&) {}, "image_url", ""},
        {"defaults", [](SubscribeAnswers&) {}, "return", std::nullopt},
        {"defaults", [](SubscribeAnswers&) {}, "cancel_return", std::nullopt},
        {"seven-character logo", [](SubscribeAnswers& a) { a.txtLogoBN = "a.b/c.d"; }, "image_url",
         std::nullopt},
        {"return of seven other characters",
         [](SubscribeAnswers& a) { a.txtWebSiteSuccessBN = "a.b/c.d"; }, "return", std::nullopt},
        {"return typed", [](SubscribeAnswers& a) { a.txtWebSiteSuccessBN = "thanks.htm"; },
         "return", "thanks.htm"},
        {"cancel emptied", [](SubscribeAnswers& a) { a.txtCancelBN = ""; }, "cancel_return", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SubscribeAnswers answers;
        c.answer(answers);
        EXPECT_EQ(fieldValue(writeSubscribe(answers, exampleContext()).html, c.field), c.value);
    }
}

TEST(Subscribe, LeavesOutTheWholeTrialGroupWhenItsPriceIsEmpty) {
    SubscribeAnswers answers = workedExample<Subscribe>();
    answers.txtPrice2SUB = "";
    const Button button = writeSubscribe(answers, exampleContext());
    for (std::string_view name : {"a1", "p1", "t1"}) {
        EXPECT_EQ(fieldValue(button.html, name), std::nullopt) << name;
    }
    EXPECT_FALSE(contains(button.summary, "Trail or Setup Price"));
    EXPECT_TRUE(button.summary.ends_with("Company Logo: \r\n\r\n"));
}

TEST(Subscribe, WritesTheTrialPriceAsTypedAndItsUnitByFirstCharacter) {
    SubscribeAnswers answers = workedExample<Subscribe>();
    answers.txtPrice2SUB = "20.5";
    answers.cmbNumber2SUB = "2";
    answers.cmbTerm2SUB = "Weeks(s)";
    const Button button = writeSubscribe(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "a1"), "20.5");
    EXPECT_EQ(fieldValue(button.html, "p1"), "2");
    EXPECT_EQ(fieldValue(button.html, "t1"), "W");
    EXPECT_TRUE(button.summary.ends_with("Trail or Setup Price: €20.5\r\n\r\nBilling Cycle: 2"
                                         "\r\n\r\nBilling Term: Weeks(s)\r\n\r\n"));
}

TEST(Subscribe, TakesTheUnitCodesFromTheFirstCharacterOfAnyText) {
    struct Case {
        std::string_view term;
        std::string_view code;
    };
    const Case cases[] = {
        {"Day(s)", "D"},   {"Weeks(s)", "W"}, {"Months(s)", "M"},
        {"Years(s)", "Y"}, {"", ""},          {"Été", "É"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        SubscribeAnswers answers;
        answers.cmbTermSUB = c.term;
        EXPECT_EQ(fieldValue(writeSubscribe(answers, exampleContext()).html, "t3"), c.code);
    }
}

TEST(Subscribe, WritesAYenPriceAsAWholeNumberAndTheTrialAsTyped) {
    SubscribeAnswers answers = workedExample<Subscribe>();
    answers.cmbCurrencySUB = "Japanese Yen (¥)";
    answers.txtPriceSUB = "1000.5";
    answers.txtPrice2SUB = "0.5";
    const Button button = writeSubscribe(answers, exampleContext());
    EXPECT_EQ(fieldValue(button.html, "a3"), "1001");
    EXPECT_EQ(fieldValue(button.html, "a1"), "0.5");
}

TEST(Subscribe, TakesItsPicturesFromItsOwnFolderOnTheEndpointHost) {
    SubscribeAnswers answers;
    answers.optSUB = 3;
    EXPECT_EQ(imageSource(writeSubscribe(answers, exampleContext()).html),
              picture("x-click-butcc-subscribe.gif", Endpoints{}, true));
    Context sandbox = exampleContext();
    sandbox.endpoints = Endpoints::sandbox();
    const Button button = writeSubscribe(answers, sandbox);
    EXPECT_EQ(imageSource(button.html),
              picture("x-click-butcc-subscribe.gif", Endpoints::sandbox(), true));
    EXPECT_TRUE(contains(button.html, "action=\"" + Endpoints::sandbox().webscr + "\""));
}

TEST(Subscribe, WritesTheCustomImageAsTyped) {
    SubscribeAnswers answers;
    answers.optSUB = 8;
    const Button button = writeSubscribe(answers, exampleContext());
    EXPECT_EQ(imageSource(button.html), "https://");
    EXPECT_TRUE(button.summary.ends_with("Custom Button: https://\r\n\r\n"));
}

TEST(Subscribe, EscapesTheNameInTheDescriptionAndTheField) {
    SubscribeAnswers answers;
    answers.txtItemNameSUB = R"(<i>"Weekly" & more</i>)";
    const Button button = writeSubscribe(answers, exampleContext());
    EXPECT_TRUE(
        button.html.starts_with("Subscription Name: &lt;i&gt;\"Weekly\" &amp; more&lt;/i&gt;<br>"));
    EXPECT_EQ(fieldValue(button.html, "item_name"),
              "&lt;i&gt;&quot;Weekly&quot; &amp; more&lt;/i&gt;");
}

} // namespace
} // namespace ravelin::buttons
