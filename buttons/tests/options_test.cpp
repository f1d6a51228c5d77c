// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Item options and advanced variables as the writers write them: the menus and text boxes the
// buyer sets, numbered on0/os0 in order, the priced menu's option fields, and the further
// variables, on every type that takes them.
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/pieces.h"
#include "buttons/tests/expected.h"
#include "buttons/tests/tshirt.h"
#include "buttons/writers.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ravelin::buttons {
namespace {

using namespace testing;

// The lines of the HTML from the first one that starts with `first` up to the picture.
std::vector<std::string> linesFrom(const std::string& html, std::string_view first) {
    std::vector<std::string> lines;
    for (const std::string& line : splitLines(html)) {
        if (line.starts_with(first) || !lines.empty()) {
            if (line.starts_with(R"(<input type="image")")) {
                break;
            }
            lines.push_back(line);
        }
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(ItemOptions, TheTShirtIsWrittenToTheCharacter) {
    const Button button = writeBuyNow(tShirtExample(), exampleContext());
    EXPECT_EQ(button.html, tShirtButton().html);
    EXPECT_EQ(button.summary, tShirtButton().summary);
}

TEST(BoxLines, SplitAtEveryLineEndAndDropBlanksAroundAndEmptyLines) {
    struct Case {
        std::string_view text;
        std::vector<std::string_view> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"Red", {"Red"}},
        {"Red\nBlue", {"Red", "Blue"}},
        {"Red\r\nBlue\r\n", {"Red", "Blue"}},
        {"Red\rBlue", {"Red", "Blue"}},
        {"Red\n\r\n\nBlue", {"Red", "Blue"}},
        {"  Red \t\n\t \n Dark  blue ", {"Red", "Dark  blue"}},
        {"\n\n", {}},
        {"Caf\u00e9 \u00a0", {"Caf\u00e9 \u00a0"}}, // only spaces and tabs are blanks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(boxLines(c.text), c.lines);
    }
}

// Which boxes give options and the number each gets: menus first, then text boxes, no gaps.
TEST(ItemOptions, AreNumberedInOrderMenusFirstWithoutGaps) {
    struct Case {
        const char* what;
        std::function<void(BuyNowAnswers&)> answer;
        std::vector<std::string> names; // on0, on1, ... in order
    };
    const Case cases[] = {
        {"none", [](BuyNowAnswers&) {}, {}},
        {"a text box alone",
         [](BuyNowAnswers& a) { a.txtText2NameBN = "Engraving"; },
         {"Engraving"}},
        {"menus 2 and 4 and text box 1",
         [](BuyNowAnswers& a) {
             a.txtText1NameBN = "Name";
             a.txtOption4NameBN = "Colour";
             a.txtOption4ChoicesBN = "Red";
             a.txtOption2NameBN = "Size";
             a.txtOption2ChoicesBN = "S";
         },
         {"Size", "Colour", "Name"}},
        {"a menu with a name but no choices",
         [](BuyNowAnswers& a) { a.txtOption1NameBN = "Size"; },
         {"Size"}},
        {"a menu with choices but no name",
         [](BuyNowAnswers& a) { a.txtOption3ChoicesBN = "S\nM"; },
         {""}},
        {"a menu of empty lines is none",
         [](BuyNowAnswers& a) { a.txtOption1ChoicesBN = "\n \n"; },
         {}},
        {"all seven",
         [](BuyNowAnswers& a) {
             for (const auto name : BuyNow::kItemOptions.menuNames) {
                 a.*name = "M";
             }
             for (const auto name : BuyNow::kItemOptions.textBoxNames) {
                 a.*name = "T";
             }
         },
         {"M", "M", "M", "M", "M", "T", "T"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BuyNowAnswers answers;
        c.answer(answers);
        const std::string html = writeBuyNow(answers, exampleContext()).html;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            const std::string n = std::to_string(i);
            names.push_back(fieldValue(html, "on" + n).value_or("(none)"));
            EXPECT_TRUE(contains(html, R"(name="os)" + n + "\"")) << n;
        }
        EXPECT_EQ(names, c.names);
        EXPECT_FALSE(fieldValue(html, "on" + std::to_string(c.names.size())));
    }
}

TEST(ItemOptions, ShowAMenuAndATextBoxWithTheirNamesAboveThePicture) {
    BuyNowAnswers answers;
    answers.txtOption1NameBN = "Colour";
    answers.txtOption1ChoicesBN = "Red\nDark blue";
    answers.txtText2NameBN = "Engraving";
    const std::string html = writeBuyNow(answers, exampleContext()).html;
    EXPECT_EQ(
        linesFrom(html, R"(<input type="hidden" name="on0")"),
        (Lines{R"(<input type="hidden" name="on0" value="Colour">)", "<label>Colour<br>",
               R"(<select name="os0">)", R"(<option value="Red">Red</option>)",
               R"(<option value="Dark blue">Dark blue</option>)", "</select></label><br>",
               R"(<input type="hidden" name="on1" value="Engraving">)", "<label>Engraving<br>",
               R"(<input type="text" name="os1" maxlength="200"></label><br>)"}));
    EXPECT_TRUE(html.ends_with("</label><br>\r\n"
                               R"(<input type="image" src=")" +
                               picture("x-click-butcc.gif") +
                               R"(" border="0" name="submit">)"
                               "\r\n</form>"));
    EXPECT_FALSE(contains(html, "option_select")) << "a menu without prices has no option fields";
    EXPECT_TRUE(fieldValue(html, "amount")) << "nor does it touch the item price";
}

TEST(ItemOptions, EscapeTheirNamesAndChoicesAndMarkANonAsciiButtonAsUtf8) {
    BuyNowAnswers answers;
    answers.txtOption1NameBN = R"(Gr<ö>ße "&")";
    answers.txtOption1ChoicesBN = R"(<b>"S"</b> & M = 5)";
    const std::string html = writeBuyNow(answers, exampleContext()).html;
    EXPECT_EQ(fieldValue(html, "on0"), "Gr&lt;ö&gt;ße &quot;&amp;&quot;");
    EXPECT_TRUE(contains(html, "<label>Gr&lt;ö&gt;ße \"&amp;\"<br>"));
    EXPECT_TRUE(contains(html, R"(<option value="&lt;b&gt;&quot;S&quot;&lt;/b&gt; &amp; M">)"
                               R"(&lt;b&gt;"S"&lt;/b&gt; &amp; M - 5.00 USD</option>)"));
    EXPECT_EQ(fieldValue(html, "charset"), "utf-8");

    // The choices alone post the non-ASCII text.
    BuyNowAnswers choices;
    choices.txtOption2ChoicesBN = "Grün";
    EXPECT_EQ(fieldValue(writeBuyNow(choices, exampleContext()).html, "charset"), "utf-8");
}

// The first menu of Buy Now and Add to Cart may price its choices; the price then comes from the
// chosen line.
TEST(PricedMenu, WritesEachChoicesSelectAndAmountInTheMoneyFormatOfTheCurrency) {
    struct Case {
        const char* what;
        std::string choices;
        std::string currency;
        Lines fields;           // option_select0, option_amount0, ...; empty: no priced menu
        std::string firstShown; // the first choice as the menu shows it
    };
    const Case cases[] = {
        {"euro", "S = 10\nM=10.5", "Euro (EUR)", {"S", "10.00", "M", "10.50"}, "S - 10.00 EUR"},
        {"yen without decimals",
         "S = 1000.4",
         "Japanese Yen (\u00a5)",
         {"S", "1000"},
         "S - 1000 JPY"},
        {"the last = splits", "A=B = 5", "US Dollar ($)", {"A=B", "5.00"}, "A=B - 5.00 USD"},
        {"a line without a price among priced ones",
         "S = 1\nM",
         "US Dollar ($)",
         {"S", "1.00", "M", ""},
         "S - 1.00 USD"},
        {"a price that is no number is written as typed",
         "S = ten",
         "US Dollar ($)",
         {"S", "ten"},
         "S - ten USD"},
        {"an unknown currency shows no code", "S = 2", "Francs", {"S", "2.00"}, "S - 2.00"},
        {"no = in any line", "S\nM", "Euro (EUR)", {}, "S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BuyNowAnswers answers;
        answers.cmbCurrencyBN = c.currency;
        answers.txtOption1NameBN = "Size";
        answers.txtOption1ChoicesBN = c.choices;
        const std::string html = writeBuyNow(answers, exampleContext()).html;
        Lines fields;
        for (std::size_t i = 0; fieldValue(html, "option_select" + std::to_string(i)); ++i) {
            fields.push_back(*fieldValue(html, "option_select" + std::to_string(i)));
            fields.push_back(fieldValue(html, "option_amount" + std::to_string(i)).value_or("?"));
        }
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(fieldValue(html, "option_index"),
                  c.fields.empty() ? std::nullopt : std::optional<std::string>("0"));
        EXPECT_TRUE(contains(html, ">" + c.firstShown + "</option>")) << html;
    }
}

TEST(PricedMenu, IsOnlyTheFirstMenuOfBuyNowAndAddToCart) {
    BuyNowAnswers second;
    second.txtOption2NameBN = "Size";
    second.txtOption2ChoicesBN = "Large = 12.50";
    const std::string secondHtml = writeBuyNow(second, exampleContext()).html;
    EXPECT_FALSE(contains(secondHtml, "option_select"));
    EXPECT_TRUE(contains(secondHtml, R"(<option value="Large = 12.50">Large = 12.50</option>)"));

    SubscribeAnswers subscription;
    subscription.txtOption1NameSUB = "Plan";
    subscription.txtOption1ChoicesSUB = "Gold = 20";
    const std::string subscriptionHtml = writeSubscribe(subscription, exampleContext()).html;
    EXPECT_FALSE(contains(subscriptionHtml, "option_"));
    EXPECT_TRUE(contains(subscriptionHtml, R"(<option value="Gold = 20">Gold = 20</option>)"));

    AddToCartAnswers cart;
    cart.txtOption1NameATC = "Size";
    cart.txtOption1ChoicesATC = "Large = 12.50";
    EXPECT_EQ(fieldValue(writeAddToCart(cart, exampleContext()).html, "option_amount0"), "12.50");
}

// The item price stays as it is written today, unless a priced menu gives the price and the
// price box is empty: then `amount` is left out, as PayPal's own tool leaves it.
TEST(PricedMenu, LeavesOutAnEmptyItemPriceAndKeepsAGivenOne) {
    struct Case {
        const char* what;
        std::string price;
        std::string choices;
        std::optional<std::string> amount;
    };
    const Case cases[] = {
        {"priced, no item price", "", "S = 1", std::nullopt},
        {"priced, with an item price", "3", "S = 1", "3.00"},
        {"unpriced, no item price", "", "S", ""},
        {"no menu, no item price", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BuyNowAnswers buyNow;
        buyNow.txtPriceBN = c.price;
        buyNow.txtOption1NameBN = "Size";
        buyNow.txtOption1ChoicesBN = c.choices;
        EXPECT_EQ(fieldValue(writeBuyNow(buyNow, exampleContext()).html, "amount"), c.amount);
        AddToCartAnswers cart;
        cart.txtPriceATC = c.price;
        cart.txtOption1NameATC = "Size";
        cart.txtOption1ChoicesATC = c.choices;
        EXPECT_EQ(fieldValue(writeAddToCart(cart, exampleContext()).html, "amount"), c.amount);
    }
}

TEST(ItemOptions, GiveOneSummaryEntryEachAfterTheAddressesAndBeforeTheOwnPicture) {
    AddToCartAnswers answers;
    answers.txtWebSiteSuccessATC = "https://shop.example.com/thanks";
    answers.txtOption1NameATC = "Size";
    answers.txtOption1ChoicesATC = "Small = 10\nLarge = 12.5";
    answers.txtText1NameATC = "Name to print";
    answers.txtAdvancedATC = "custom=order 7";
    answers.optImageButtonATC = 5;
    EXPECT_TRUE(writeAddToCart(answers, exampleContext())
                    .summary.ends_with(summaryEntries({
                        "Return URL: https://shop.example.com/thanks",
                        "Option Size: Small - 10.00 USD, Large - 12.50 USD",
                        "Option Name to print: typed by the buyer",
                        "Variable custom: order 7",
                        "Custom Button: https://",
                    })));
}

// ---- Advanced variables -------------------------------------------------------------------

TEST(AdvancedVariables, AreReadOneALineWithTheNameBeforeTheFirstEquals) {
    struct Case {
        std::string_view text;
        std::vector<std::pair<std::string, std::optional<std::string>>> variables;
    };
    const Case cases[] = {
        {"", {}},
        {"custom=7", {{"custom", "7"}}},
        {" notify_url = https://x.example/ipn?a=1&b=2 \r\n\r\nrm=2",
         {{"notify_url", "https://x.example/ipn?a=1&b=2"}, {"rm", "2"}}},
        {"no equals here", {{"no equals here", std::nullopt}}},
        {"=7", {{"", "7"}}},
        {"cbt=", {{"cbt", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::pair<std::string, std::optional<std::string>>> read;
        for (const AdvancedVariable& v : advancedVariables(c.text)) {
            read.emplace_back(std::string(v.name),
                              v.value ? std::optional<std::string>(*v.value) : std::nullopt);
        }
        EXPECT_EQ(read, c.variables);
    }
}

// On every type, after the type's own fields and the item options' fields, in their order,
// escaped; lines without a name and "=" are not written.
TEST(AdvancedVariables, AreWrittenOnEveryTypeBeforeTheOptionsShownAndThePicture) {
    const std::string box = "custom=a \"quoted\" & <marked> value\nno equals\n=nameless\n"
                            "notify_url=https://shop.example.com/ipn?x=1";
    const Lines written = {
        R"(<input type="hidden" name="custom" value="a &quot;quoted&quot; &amp; &lt;marked&gt; value">)",
        R"(<input type="hidden" name="notify_url" value="https://shop.example.com/ipn?x=1">)",
    };
    forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        auto answers = workedExample<Type>();
        answers.*Type::kAdvanced = box;
        const Button example = Type::kWrite(workedExample<Type>(), exampleContext());
        const Button button = Type::kWrite(answers, exampleContext());

        // The example's lines with the two fields put in before the picture.
        Lines expected = splitLines(example.html);
        const auto image = std::ranges::find_if(
            expected, [](const std::string& l) { return l.starts_with(R"(<input type="image")"); });
        expected.insert(image, written.begin(), written.end());
        EXPECT_EQ(splitLines(button.html), expected);

        const std::string entries =
            summaryEntries({"Variable custom: a \"quoted\" & <marked> value",
                            "Variable notify_url: https://shop.example.com/ipn?x=1"});
        std::string summary = example.summary;
        const std::size_t custom = summary.find("Custom Button: ");
        summary.insert(custom == std::string::npos ? summary.size() : custom, entries);
        EXPECT_EQ(button.summary, summary);
    });
}

TEST(AdvancedVariables, FollowTheItemOptionsFieldsAndPrecedeTheOptionsShown) {
    const std::string html = writeBuyNow(tShirtExample(), exampleContext()).html;
    const std::vector<std::string> names = fieldNames(html);
    const auto at = [&](std::string_view name) {
        return std::ranges::find(names, name) - names.begin();
    };
    EXPECT_LT(at("option_index"), at("notify_url"));
    EXPECT_LT(at("notify_url"), at("on0"));
}

} // namespace
} // namespace ravelin::buttons
