// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/currency.h"
#include "buttons/examples.h"
#include "buttons/reader.h"
#include "buttons/tests/expected.h"
#include "buttons/writers.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace ravelin::buttons {
namespace {

using testing::contains;

constexpr std::string_view kOurs = "KORVANEX.301";

Context ourContext(bool sandbox = false, std::string_view build = kOurs,
                   std::string_view account = "seller@example.com") {
    return Context{std::string(account), std::string(build),
                   sandbox ? Endpoints::sandbox() : Endpoints{}};
}

std::vector<FoundButton> read(std::string_view page) {
    PageButtons read = readButtons(page);
    if (const auto* failed = std::get_if<ReadFailure>(&read)) {
        ADD_FAILURE() << failed->message;
        return {};
    }
    return std::get<std::vector<FoundButton>>(std::move(read));
}

std::string notesOf(const FoundButton& button) {
    std::string all;
    for (const std::string& note : button.notes) {
        all += note + "\n";
    }
    return all;
}

// The button that the read answers write, with the read account and sandbox.
std::string writtenAgain(const FoundButton& button, std::string_view build = kOurs) {
    std::string html;
    const bool read = withReadAnswers(button, [&]<typename Type>(const auto& answers) {
        html = Type::kWrite(answers, Context{button.account, std::string(build),
                                             button.sandbox ? Endpoints::sandbox() : Endpoints{}})
                   .html;
    });
    EXPECT_TRUE(read) << "no answers read";
    return html;
}

// Writes the answers into a page, reads them back and writes them again: the same bytes, at
// the place they stand, with nothing to tell.
template <typename Type>
void expectRoundTrip(const typename Type::Answers& answers, bool sandbox = false,
                     std::string_view account = "seller@example.com") {
    const std::string html = Type::kWrite(answers, ourContext(sandbox, kOurs, account)).html;
    const std::string page =
        "<html><body>\r\n<p>Our shop</p>\r\n" + html + "\r\n</body></html>\r\n";
    const std::vector<FoundButton> found = read(page);
    ASSERT_EQ(found.size(), 1u) << html;
    const FoundButton& button = found[0];
    EXPECT_EQ(button.type, Type::kName);
    EXPECT_EQ(page.substr(button.begin, button.end - button.begin), html);
    EXPECT_EQ(button.line, 3u);
    EXPECT_EQ(button.lastLine, 3u + static_cast<std::size_t>(std::ranges::count(html, '\n')));
    EXPECT_EQ(button.account, account);
    EXPECT_EQ(button.sandbox, sandbox);
    EXPECT_FALSE(button.encrypted);
    EXPECT_EQ(button.buildCode, kOurs);
    EXPECT_EQ(notesOf(button), "") << html;
    EXPECT_EQ(writtenAgain(button), html);
}

TEST(ReaderRoundTrip, EveryWorkedExampleWritesItselfAgainLiveAndInTheSandbox) {
    forEachButtonType([]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        expectRoundTrip<Type>(workedExample<Type>());
        expectRoundTrip<Type>(workedExample<Type>(), true);
        // An account beyond ASCII makes the button post charset=utf-8 by itself.
        expectRoundTrip<Type>(workedExample<Type>(), false, "jürgen@example.com");
    });
    expectRoundTrip<BuyNow>(tShirtExample());
}

// Texts that have broken readers: markup, references, quotes, line breaks, non-ASCII, the
// seven characters of "http://", the labels of the description lines, "=" of the dialogs.
const std::vector<std::string> kHostileTexts = {
    "",
    "http://",
    "seven77",
    "https://",
    "Say \"hi\" & <b>bye</b>",
    "&amp; &lt;br&gt; &#233;",
    "Grüße ✓ 😀",
    "Item Name: x",
    "Price: $5",
    "a<br>\r\n\r\nb",
    "two\nlines",
    " blanks ",
    "x=y",
    "Small = 10\nLarge = 12.50\n= 3\nOdd =",
    "charset=utf-8\nlc=DE",
    "'single' quotes",
    "0.5",
    "-1.234",
};

// Every answer of every type, one at a time, given each hostile text or each option.
TEST(ReaderRoundTrip, EveryAnswerHoldingHostileTextsWritesTheSameButtonAgain) {
    forEachButtonType([]<typename Type>() {
        for (const auto& key : Type::kKeys) {
            SCOPED_TRACE(std::string(Type::kName) + " " + std::string(key.name));
            if (key.text != nullptr) {
                for (const std::string& text : kHostileTexts) {
                    if (key.maxLength > 0 &&
                        text.size() > static_cast<std::size_t>(key.maxLength)) {
                        continue;
                    }
                    SCOPED_TRACE(text);
                    auto answers = workedExample<Type>();
                    answers.*key.text = text;
                    expectRoundTrip<Type>(answers);
                    // The same beside a custom picture and with the optional boxes switched on.
                    answers.*pictureKey<Type>().option = static_cast<int>(Type::kPictures.size());
                    expectRoundTrip<Type>(answers, true);
                }
            } else {
                for (int option = -1; option < key.options; ++option) {
                    SCOPED_TRACE(option);
                    auto answers = workedExample<Type>();
                    answers.*key.option = option < 0 ? OptionIndex() : OptionIndex(option);
                    expectRoundTrip<Type>(answers);
                }
            }
        }
    });
}

TEST(ReaderRoundTrip, EveryCurrencyWithAnyPriceWritesTheSameButtonAgain) {
    for (const Currency& currency : kCurrencies) {
        for (const std::string_view price : {"", "25", "0.5", "1000.5", "12,50", "$5", "5 EUR"}) {
            SCOPED_TRACE(std::string(currency.code) + " " + std::string(price));
            BuyNowAnswers buyNow = tShirtExample();
            buyNow.cmbCurrencyBN = currency.caption;
            buyNow.txtPriceBN = price;
            expectRoundTrip<BuyNow>(buyNow);
            AddToCartAnswers cart = workedExample<AddToCart>();
            cart.cmbCurrencyATC = currency.code; // a code alone stands for its caption
            cart.txtPriceATC = price;
            expectRoundTrip<AddToCart>(cart);
            DonateAnswers donate = workedExample<Donate>();
            donate.cmbCurrencyDON = currency.caption;
            donate.txtPriceDON = price;
            expectRoundTrip<Donate>(donate);
            SubscribeAnswers subscribe = workedExample<Subscribe>();
            subscribe.cmbCurrencySUB = currency.caption;
            subscribe.txtPriceSUB = price;
            subscribe.txtPrice2SUB = price;
            expectRoundTrip<Subscribe>(subscribe);
        }
    }
}

TEST(ReaderRoundTrip, ItemOptionsAndAdvancedVariablesInEveryBoxWriteTheSameButtonAgain) {
    BuyNowAnswers full = tShirtExample();
    full.txtOption3NameBN = "Gift wrap";
    full.txtOption3ChoicesBN = "No\nYes, = please";
    full.txtOption5NameBN = "Box";
    full.txtOption5ChoicesBN = "";
    full.txtText2NameBN = "Message";
    full.txtAdvancedBN = "notify_url=https://shop.example.com/ipn\nshipping=3\nno_shipping=2\n"
                         "item_name=Other\ncustom=Grüße\non0=Mine\nos1=Theirs";
    expectRoundTrip<BuyNow>(full);

    // A menu whose choices hold "=" in the second box, where "=" gives no price.
    BuyNowAnswers second;
    second.txtOption2NameBN = "Fit";
    second.txtOption2ChoicesBN = "S=slim\nR=regular";
    expectRoundTrip<BuyNow>(second);

    // Price fields typed among the advanced variables, beside a menu without prices.
    BuyNowAnswers unpriced = workedExample<BuyNow>();
    unpriced.txtOption1NameBN = "Colour";
    unpriced.txtOption1ChoicesBN = "Red\nBlue";
    unpriced.txtAdvancedBN = "option_select0=Red\noption_amount0=3";
    expectRoundTrip<BuyNow>(unpriced);

    AddToCartAnswers cart = workedExample<AddToCart>();
    cart.txtOption1NameATC = "Size";
    cart.txtOption1ChoicesATC = "Small = 1\nLarge = 2";
    cart.txtPriceATC = "";
    cart.txtText1NameATC = "Engraving";
    expectRoundTrip<AddToCart>(cart);

    SubscribeAnswers subscribe = workedExample<Subscribe>();
    subscribe.txtOption1NameSUB = "Edition";
    subscribe.txtOption1ChoicesSUB = "Print = 1\nOnline";
    subscribe.optRecurSUB = 1;
    subscribe.cmbStopSUB = "12";
    subscribe.txtAdvancedSUB = "modify=1";
    expectRoundTrip<Subscribe>(subscribe);

    ViewCartAnswers viewCart;
    viewCart.txtAdvancedVC = "charset=utf-8\nshopping_url=https://shop.example.com/";
    expectRoundTrip<ViewCart>(viewCart);
}

// ---- Buttons of other releases and edited by hand ------------------------------------------

TEST(ReaderOurs, AButtonOfAnotherReleaseReadsBackWithEverythingButItsBuildCode) {
    const std::string old = BuyNow::kWrite(tShirtExample(), ourContext(false, "KORVANEX.299")).html;
    const std::vector<FoundButton> found = read(old);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].buildCode, "KORVANEX.299");
    EXPECT_EQ(writtenAgain(found[0]), BuyNow::kWrite(tShirtExample(), ourContext()).html);
}

TEST(ReaderOurs, APostedAmountEditedByHandWinsOverThePriceLineAndIsTold) {
    std::string page = BuyNow::kWrite(workedExample<BuyNow>(), ourContext()).html;
    page.replace(page.find("value=\"25.00\""), 13, "value=\"27.00\"");
    const std::vector<FoundButton> found = read(page);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(std::get<BuyNowAnswers>(found[0].answers).txtPriceBN, "27.00");
    EXPECT_TRUE(contains(notesOf(found[0]), "\"€25\" but the button charges \"27.00\""))
        << notesOf(found[0]);
}

TEST(ReaderOurs, PriceLinesWrittenBeforeTheyFollowedTheCurrencyReadBack) {
    for (const auto& [caption, shown] :
         std::map<std::string, std::string>{{"Euro (EUR)", "€25"},
                                            {"Swiss Franc (CHF)", "25 CHF"},
                                            {"Canadian Dollar (C$)", "C$25"}}) {
        SCOPED_TRACE(caption);
        BuyNowAnswers answers = workedExample<BuyNow>();
        answers.cmbCurrencyBN = caption;
        std::string page = BuyNow::kWrite(answers, ourContext()).html;
        page.replace(page.find("Price: " + shown), 7 + shown.size(), "Price: $25");
        const std::vector<FoundButton> found = read(page);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(std::get<BuyNowAnswers>(found[0].answers).txtPriceBN, "25");
        EXPECT_EQ(notesOf(found[0]), "The price line \"$25\" is of an earlier release; written "
                                     "again it reads \"" +
                                         shown + "\".\n");
        EXPECT_EQ(writtenAgain(found[0]), BuyNow::kWrite(answers, ourContext()).html);
    }
}

TEST(ReaderOurs, AnXclickFormIsBuyNowWithOurDescriptionLinesAndDonateWithout) {
    const std::string buyNow = BuyNow::kWrite(workedExample<BuyNow>(), ourContext()).html;
    const std::string form = buyNow.substr(buyNow.find("<form"));
    const std::vector<FoundButton> found = read(buyNow + "\r\n" + form);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].type, BuyNow::kName);
    EXPECT_EQ(found[1].type, Donate::kName);
}

// ---- Pages -------------------------------------------------------------------------------

TEST(ReaderPage, FindsEveryButtonOfAPageInOrderWithItsLinesInTablesAndAfterOtherForms) {
    const std::string buyNow = BuyNow::kWrite(workedExample<BuyNow>(), ourContext()).html;
    const std::string cart = AddToCart::kWrite(workedExample<AddToCart>(), ourContext()).html;
    const std::string subscribe = Subscribe::kWrite(workedExample<Subscribe>(), ourContext()).html;
    const std::string page =
        "<html>\r\n<body>\r\n"
        "<form action=\"/search\" method=\"get\"><input name=\"q\"></form>\r\n"
        "<!-- <form action=\"https://www.paypal.com/cgi-bin/webscr\"></form> -->\r\n"
        "<script>var f = '<form action=\"https://www.paypal.com/cgi-bin/webscr\">';</script>\r\n"
        "<table><tr><td>" +
        buyNow + "</td>\r\n<td>" + cart + "</td></tr></table>\r\n" + subscribe +
        "\r\n</body>\r\n</html>\r\n";
    const std::vector<FoundButton> found = read(page);
    ASSERT_EQ(found.size(), 3u);
    const std::vector<std::string> htmls = {buyNow, cart, subscribe};
    std::size_t line = 6;
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(page.substr(found[i].begin, found[i].end - found[i].begin), htmls[i]);
        EXPECT_EQ(found[i].line, line);
        line += static_cast<std::size_t>(std::ranges::count(htmls[i], '\n'));
        EXPECT_EQ(found[i].lastLine, line);
        line += 1;
        EXPECT_EQ(writtenAgain(found[i]), htmls[i]);
    }
}

std::string withLineFeeds(std::string html) {
    std::erase(html, '\r');
    return html;
}

TEST(ReaderPage, ReadsAPageWithLineFeedsAsOneWithCrLf) {
    forEachButtonType([]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        const std::string html = Type::kWrite(workedExample<Type>(), ourContext()).html;
        const std::string page = "<p>\n" + withLineFeeds(html) + "\n</p>\n";
        const std::vector<FoundButton> found = read(page);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].type, Type::kName);
        EXPECT_EQ(found[0].line, 2u);
        EXPECT_EQ(page.substr(found[0].begin, found[0].end - found[0].begin), withLineFeeds(html));
        EXPECT_EQ(notesOf(found[0]), "");
        EXPECT_EQ(writtenAgain(found[0]), html);
    });
}

TEST(ReaderPage, TakesPayPalsEndpointOnItsHostsAloneAndNothingUnclosed) {
    const std::string hidden = R"(<input type="hidden" name="cmd" value="_cart">)"
                               R"(<input type="hidden" name="display" value="1">)";
    const std::vector<std::pair<std::string, int>> forms = {
        {"<FORM ACTION=\"HTTPS://WWW.PAYPAL.COM/cgi-bin/webscr\">", 1},
        {"<form action='http://paypal.com/cgi-bin/webscr'>", 1},
        {"<form method=post action=https://www.sandbox.paypal.com/cgi-bin/webscr>", 1},
        {"<form action=\"https://sandbox.paypal.com/cgi-bin/webscr\">", 1},
        {"<form action=\"https://www.paypal.com.example.net/cgi-bin/webscr\">", 0},
        {"<form action=\"https://example.net/?https://www.paypal.com/cgi-bin/webscr\">", 0},
        {"<form action=\"https://www.paypal.com/cgi-bin/webscrx\">", 0},
        {"<form>", 0},
    };
    for (const auto& [form, count] : forms) {
        SCOPED_TRACE(form);
        const std::vector<FoundButton> found = read(form + hidden + "</form>");
        ASSERT_EQ(found.size(), static_cast<std::size_t>(count));
        if (count == 1) {
            EXPECT_EQ(found[0].type, ViewCart::kName);
            EXPECT_EQ(found[0].sandbox, contains(form, "sandbox"));
        }
    }
    // A form never closed is no button; the button before it still is.
    const std::string button = ViewCart::kWrite(workedExample<ViewCart>(), ourContext()).html;
    const std::string unclosed = button + "\r\n" + button.substr(0, button.size() - 7);
    EXPECT_EQ(read(unclosed).size(), 1u);
    EXPECT_EQ(read(R"(<form action="https://www.paypal.com/cgi-bin/webscr" )").size(), 0u);
}

TEST(ReaderPage, RefusesAPageOverItsLimitInOneLine) {
    const std::string page(kMaxPageSize + 1, ' ');
    const PageButtons read = readButtons(page);
    ASSERT_TRUE(std::holds_alternative<ReadFailure>(read));
    EXPECT_EQ(std::get<ReadFailure>(read).message.find('\n'), std::string::npos);
    EXPECT_TRUE(std::holds_alternative<std::vector<FoundButton>>(readButtons(page.substr(1))));
}

TEST(ReaderPage, FindsAnEncryptedButtonAndReadsOnlyItsDescriptionLinesAndPicture) {
    const Button plain = BuyNow::kWrite(workedExample<BuyNow>(), ourContext());
    const Form sealed = plain.form.withHiddenFields(
        {{"cmd", "_s-xclick", false}, {"encrypted", "-----BEGIN PKCS7-----MIIH+v==", false}});
    const std::string html = sealed.render(plain.action);
    const std::vector<FoundButton> found = read("<p>" + html + "</p>");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].encrypted);
    EXPECT_EQ(found[0].type, BuyNow::kName);
    EXPECT_EQ(found[0].begin, 3u);
    EXPECT_EQ(found[0].end, 3 + html.size());
    const auto& answers = std::get<BuyNowAnswers>(found[0].answers);
    EXPECT_EQ(answers.txtItemNameBN, "Garden Gnome");
    EXPECT_EQ(answers.txtItemIDBN, "GN-7");
    EXPECT_EQ(answers.txtPriceBN, "25");
    EXPECT_EQ(answers.cmbCurrencyBN, "Euro (EUR)");
    EXPECT_EQ(answers.optBN, workedExample<BuyNow>().optBN);
    EXPECT_TRUE(contains(notesOf(found[0]), "encrypted"));
}

// ---- Buttons made elsewhere, after PayPal's published examples ----------------------------

struct Foreign {
    std::string_view type;
    std::string html;
};

const std::vector<Foreign>& foreignButtons() {
    static const std::vector<Foreign> buttons = {
        {"buy-now",
         R"(<form action="https://www.paypal.com/cgi-bin/webscr" method="post" target="_top">
  <input type="hidden" name="business" value="herschelgomez@xyzzyu.com">
  <input type="hidden" name="cmd" value="_xclick">
  <input type="hidden" name="item_name" value="Hot Sauce-12oz. Bottle">
  <input type="hidden" name="amount" value="5.95">
  <input type="hidden" name="currency_code" value="USD">
  <input type="hidden" name="lc" value="US">
  <input type="hidden" name="button_subtype" value="services">
  <input type="hidden" name="no_note" value="0">
  <input type="hidden" name="quantity" value="2">
  <input type="hidden" name="bn" value="PP-BuyNowBF:btn_buynowCC_LG.gif:NonHostedGuest">
  <input type="image" name="submit" border="0"
    src="https://www.paypalobjects.com/en_US/i/btn/btn_buynowCC_LG.gif" alt="Buy Now">
  <img alt="" border="0" width="1" height="1" src="https://www.paypalobjects.com/en_US/i/scr/pixel.gif">
</form>)"},
        {"donate",
         R"(<form action="https://www.paypal.com/cgi-bin/webscr" method="post" target="_top">
<input type="hidden" name="cmd" value="_donations">
<input type="hidden" name="business" value="friends@park.example">
<input type="hidden" name="lc" value="US">
<input type="hidden" name="item_name" value="Friends of the Park">
<input type="hidden" name="no_note" value="0">
<input type="hidden" name="currency_code" value="USD">
<input type="hidden" name="image_url" value="">
<input type="image" src="https://www.paypalobjects.com/en_US/i/btn/btn_donateCC_LG.gif" border="0" name="submit" alt="PayPal - The safer, easier way to pay online!">
</form>)"},
        {"add-to-cart",
         R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">
<input type="hidden" name="cmd" value="_cart">
<input type="hidden" name="add" value="1">
<input type="hidden" name="business" value="seller@example.com">
<input type="hidden" name="item_name" value="Baseball Hat &amp; Cap">
<input type="hidden" name="amount" value="5.95">
<input type="hidden" name="currency_code" value="EUR">
<input type="hidden" name="button_subtype" value="products">
<input type="hidden" name="no_shipping" value="2">
<input type="hidden" name="return" value="thanks!">
<table><tr><td><input type="hidden" name="on0" value="Size">Size</td></tr>
<tr><td><select name="os0"><option value="Small">Small</option>
<option value="Large">Large</option></select></td></tr>
<tr><td><input type="hidden" name="on1" value="Initials">Initials</td></tr>
<tr><td><input type="text" name="os1" maxlength="200"></td></tr></table>
<input type="image" src="https://www.paypalobjects.com/en_US/i/btn/btn_cart_LG.gif" border="0" name="submit" alt="Add to Cart">
</form>)"},
        {"view-cart",
         R"(<form target="paypal" action="https://www.paypal.com/cgi-bin/webscr" method="post">
<input type="hidden" name="cmd" value="_cart">
<input type="hidden" name="business" value="seller@example.com">
<input type="hidden" name="display" value="1">
<input type="image" src="https://www.paypalobjects.com/en_US/i/btn/btn_viewcart_LG.gif" border="0" name="submit">
</form>)"},
        {"subscribe", R"(<form action="https://www.paypal.com/cgi-bin/webscr" method="post">
  <input type="hidden" name="cmd" value="_xclick-subscriptions">
  <input type="hidden" name="business" value="alice@mystore.example">
  <input type="hidden" name="item_name" value="Alice's Weekly Digest">
  <input type="hidden" name="item_number" value="DIG Weekly">
  <input type="hidden" name="currency_code" value="USD">
  <input type="hidden" name="a1" value="0">
  <input type="hidden" name="p1" value="7">
  <input type="hidden" name="t1" value="D">
  <input type="hidden" name="a3" value="5.00">
  <input type="hidden" name="p3" value="1">
  <input type="hidden" name="t3" value="W">
  <input type="hidden" name="src" value="1">
  <input type="hidden" name="srt" value="6">
  <input type="hidden" name="no_note" value="1">
  <input type="hidden" name="lc" value="GB">
  <input type="image" name="submit" src="https://www.paypalobjects.com/en_US/i/btn/btn_subscribe_LG.gif" alt="Subscribe">
</form>)"},
    };
    return buttons;
}

// The hidden fields a written button posts, and its options' names.
std::multimap<std::string, std::string> postedFields(const Button& button) {
    std::multimap<std::string, std::string> fields;
    for (const HiddenField& field : button.form.hiddenFields()) {
        fields.emplace(field.name, field.value);
    }
    return fields;
}

TEST(ReaderForeign, EveryFieldAButtonMadeElsewherePostsSurvivesWritingItAgain) {
    for (const Foreign& foreign : foreignButtons()) {
        SCOPED_TRACE(foreign.type);
        const std::vector<FoundButton> found = read(foreign.html);
        ASSERT_EQ(found.size(), 1u);
        const FoundButton& button = found[0];
        EXPECT_EQ(button.type, foreign.type);
        EXPECT_EQ(button.end, foreign.html.size());
        // What the page posts, read with a plain scan of its hidden inputs.
        std::vector<std::pair<std::string, std::string>> posted;
        for (std::size_t at = foreign.html.find("type=\"hidden\" name=\""); at != std::string::npos;
             at = foreign.html.find("type=\"hidden\" name=\"", at + 1)) {
            const std::size_t name = at + 20;
            const std::size_t nameEnd = foreign.html.find('"', name);
            const std::size_t value = nameEnd + 9;
            std::string text = foreign.html.substr(value, foreign.html.find('"', value) - value);
            if (const std::size_t amp = text.find("&amp;"); amp != std::string::npos) {
                text.replace(amp, 5, "&");
            }
            posted.emplace_back(foreign.html.substr(name, nameEnd - name), text);
        }
        withReadAnswers(button, [&]<typename Type>(const auto& answers) {
            const Button written =
                Type::kWrite(answers, Context{button.account, "KORVANEX.301", {}});
            const auto fields = postedFields(written);
            for (const auto& field : posted) {
                const std::string& name = field.first;
                if (name == "bn" || (name == "cmd" && field.second == "_donations") ||
                    name.starts_with("on")) {
                    continue;
                }
                SCOPED_TRACE(name);
                const auto range = fields.equal_range(name);
                EXPECT_TRUE(std::any_of(range.first, range.second, [&](const auto& f) {
                    return f.second == field.second;
                })) << written.html;
            }
            // The picture is kept as the custom picture's address.
            EXPECT_TRUE(contains(written.html, "src=\"https://www.paypalobjects.com/en_US/i/btn/"));
            // And what is written reads back as itself, a button of ours now.
            const std::vector<FoundButton> again = read(written.html);
            ASSERT_EQ(again.size(), 1u);
            EXPECT_EQ(notesOf(again[0]), "");
            EXPECT_EQ(writtenAgain(again[0]), written.html);
        });
    }
}

TEST(ReaderForeign, ItemOptionsMadeElsewhereGoIntoTheItemOptionsDialog) {
    const std::vector<FoundButton> found = read(foreignButtons()[2].html);
    ASSERT_EQ(found.size(), 1u);
    const auto& answers = std::get<AddToCartAnswers>(found[0].answers);
    EXPECT_EQ(answers.txtOption1NameATC, "Size");
    EXPECT_EQ(answers.txtOption1ChoicesATC, "Small\nLarge");
    EXPECT_EQ(answers.txtText1NameATC, "Initials");
    EXPECT_EQ(answers.txtItemNameATC, "Baseball Hat & Cap");
    EXPECT_EQ(answers.cmbCurrencyATC, "Euro (EUR)");
    EXPECT_EQ(answers.txtAdvancedATC, "button_subtype=products\nno_shipping=2\nreturn=thanks!");
    EXPECT_TRUE(contains(notesOf(found[0]), "\"no_shipping=2\" goes among the advanced"));
}

TEST(ReaderForeign, AButtonSavedInTheAccountOrOfAnUnknownCommandIsFoundWithoutAnswers) {
    const std::vector<FoundButton> found = read(
        R"(<form action="https://www.paypal.com/cgi-bin/webscr" method="post">)"
        R"(<input type="hidden" name="cmd" value="_s-xclick">)"
        R"(<input type="hidden" name="hosted_button_id" value="8X7ZQ">)"
        R"(<input type="image" src="https://www.paypalobjects.com/btn.gif"></form>)"
        R"(<form action="https://www.paypal.com/cgi-bin/webscr">)"
        R"(<input type="hidden" name="cmd" value="_cart"><input type="hidden" name="upload" value="1"></form>)");
    ASSERT_EQ(found.size(), 2u);
    for (const FoundButton& button : found) {
        EXPECT_EQ(button.type, "");
        EXPECT_TRUE(std::holds_alternative<std::monostate>(button.answers));
        EXPECT_FALSE(button.notes.empty());
    }
    EXPECT_TRUE(contains(found[0].notes[0], "8X7ZQ"));
}

} // namespace
} // namespace ravelin::buttons
