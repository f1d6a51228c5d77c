// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answer checker, rule by rule: each case changes one answer of a worked example and names
// the one finding it expects for that control, or none; every other control keeps the findings
// it had in the worked example.
#include "buttons/check.h"
#include "buttons/currency.h"
#include "buttons/examples.h"
#include "buttons/tests/expected.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace ravelin::buttons {

void PrintTo(const Finding& f, std::ostream* os) {
    *os << severityName(f.severity) << ": " << f.control << ": " << f.message;
}

namespace {

constexpr std::string_view kAccount = "seller@example.com";

struct Expected {
    Severity severity;
    std::string_view phrase; // a part of the sentence that tells the rule
};

struct Case {
    std::string name;
    std::function<Findings()> check;    // the example with the one answer changed
    std::function<Findings()> baseline; // the example as it is
    std::string_view control;
    std::optional<Expected> expected; // nothing: no finding for the control
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

template <typename Answers>
Case makeCase(std::string name, Findings (*check)(const Answers&, std::string_view),
              Answers example, std::function<void(Answers&)> change, std::string_view control,
              std::optional<Expected> expected, std::string account = std::string(kAccount)) {
    Answers changed = example;
    change(changed);
    return {std::move(name), [=] { return check(changed, account); },
            [=] { return check(example, kAccount); }, control, expected};
}

Findings forControl(const Findings& findings, std::string_view control, bool wanted) {
    Findings out;
    for (const Finding& f : findings) {
        if ((f.control == control) == wanted) {
            out.push_back(f);
        }
    }
    return out;
}

Expected error(std::string_view phrase) {
    return {Severity::Error, phrase};
}

Expected warning(std::string_view phrase) {
    return {Severity::Warning, phrase};
}

constexpr std::nullopt_t none = std::nullopt;

// ---- cases by rule ------------------------------------------------------------------------

Case account(const std::string& name, std::string address, std::optional<Expected> expected) {
    return makeCase<ViewCartAnswers>(
        "Account" + name, &checkViewCart, workedExample<ViewCart>(), [](ViewCartAnswers&) {},
        kAccountControl, expected, std::move(address));
}

std::vector<Case> accountCases() {
    const std::string domain = "@example.com";
    return {
        account("Plain", "seller@example.com", none),
        account("NonAscii", "s\u00e9ller@ex\u00e4mple.com", none),
        account("Empty", "", error("No PayPal account address")),
        account("LeadingBlank", " seller@example.com", error("must not contain blanks")),
        account("BlankInside", "my shop @example .com", error("must not contain blanks")),
        account("TrailingNoBreakSpace", "seller@example.com\u00a0", error("blanks")),
        account("NoAt", "sellerexample.com", error("exactly one @")),
        account("TwoAts", "a@b@example.com", error("exactly one @")),
        account("NothingBeforeTheAt", "@example.com", error("name before the @")),
        account("DomainWithoutDot", "seller@example", error("domain with a dot")),
        account("DomainStartsWithDot", "seller@.example.com", error("domain with a dot")),
        account("DomainEndsWithDot", "seller@example.com.", error("domain with a dot")),
        account("DomainWithTwoDots", "seller@example..com", error("domain with a dot")),
        account("DoubleQuote", "sel\"ler@example.com", error("double quote")),
        account("127Characters", std::string(127 - domain.size(), 's') + domain, none),
        account("128Characters", std::string(128 - domain.size(), 's') + domain,
                error("at most 127 characters")),
        account("AccountId", "W8ZQ2X3C4V5B6", none),
        account("AccountIdOf12", "W8ZQ2X3C4V5B", error("exactly one @")),
        account("AccountIdWithO", "W8ZQ2X3C4V5BO", error("exactly one @")),
        account("AccountIdLowerCase", "w8zq2x3c4v5b6", error("exactly one @")),
    };
}

Case buyNow(const std::string& name, std::function<void(BuyNowAnswers&)> change,
            std::string_view control, std::optional<Expected> expected) {
    return makeCase<BuyNowAnswers>("BuyNow" + name, &checkBuyNow, workedExample<BuyNow>(),
                                   std::move(change), control, expected);
}

const std::string kYen = "Japanese Yen (\u00a5)";
const std::string kForint = "Hungarian Forint (HUF)";

// Sets the currency; in a currency without decimals the example's shipping and handling become
// whole amounts, so that only the control a case is about changes its findings.
void setCurrency(BuyNowAnswers& a, const std::string& currency) {
    a.cmbCurrencyBN = currency;
    if (const Currency* chosen = findCurrency(currency);
        chosen != nullptr && chosen->decimals == 0) {
        a.txtBaseShippingBN = "500";
        a.txtHandlingBN = "150";
    }
}

Case buyNowPrice(const std::string& name, const std::string& price,
                 std::optional<Expected> expected, const std::string& currency = "US Dollar ($)") {
    return buyNow(
        "Price" + name,
        [=](BuyNowAnswers& a) {
            setCurrency(a, currency);
            a.txtPriceBN = price;
        },
        "txtPriceBN", expected);
}

Case buyNowShipping(const std::string& name, const std::string& shipping,
                    std::optional<Expected> expected,
                    const std::string& currency = "US Dollar ($)") {
    return buyNow(
        "BaseShipping" + name,
        [=](BuyNowAnswers& a) {
            setCurrency(a, currency);
            a.txtBaseShippingBN = shipping;
        },
        "txtBaseShippingBN", expected);
}

// Prices go through the money format: the checker looks at what the button carries.
std::vector<Case> priceCases() {
    return {
        buyNowPrice("Whole", "25", none),
        buyNowPrice("TwoDecimals", "12.50", none),
        buyNowPrice("LeadingZero", "0.5", none),
        buyNowPrice("NoWholePart", ".5", none),
        buyNowPrice("PointLast", "5.", none),
        buyNowPrice("OneCent", "0.01", none),
        buyNowPrice("PlusSignDropped", "+5", none),
        buyNowPrice("BlanksAroundDropped", " 5 ", none),
        buyNowPrice("Empty", "", warning("asked to type the amount")),
        buyNowPrice("Letters", "abc", error("must be a number such as 12.50")),
        buyNowPrice("NaN", "NaN", error("must be a number")),
        buyNowPrice("DollarSign", "$5", error("must be a number")),
        buyNowPrice("TwoPoints", "1.2.3", error("must be a number")),
        buyNowPrice("Exponent", "1e3", error("without an exponent")),
        buyNowPrice("DecimalComma", "12,50", error("no thousands separators")),
        buyNowPrice("ThousandsSeparator", "1,250.00", error("no thousands separators")),
        buyNowPrice("BlankInside", "1 000", error("must not contain blanks")),
        buyNowPrice("Negative", "-5", error("cannot be negative")),
        buyNowPrice("NegativeFraction", "-0.5", error("cannot be negative")),
        buyNowPrice("Zero", "0", error("more than zero")),
        buyNowPrice("ZeroWithDecimals", "0.00", error("more than zero")),
        buyNowPrice("RoundsToZero", "0.004", error("more than zero")),
        buyNowPrice("ThreeDecimalsRounded", "2.675", warning("asks for 2.68")),
        buyNowPrice("ThirdDecimalZero", "2.670", none),
        buyNowPrice("YenWhole", "1200", none, kYen),
        buyNowPrice("YenDecimalsRounded", "1200.5", warning("asks for 1201"), kYen),
        buyNowPrice("YenZeroDecimals", "1200.00", none, kYen),
        buyNowPrice("YenRoundsToZero", "0.4", error("more than zero"), kYen),
        buyNowPrice("ForintDecimalsRounded", "1200.5", warning("asks for 1201"), kForint),
        buyNowPrice("TaiwanDollarsByCode", "300", none, "TWD"),
        buyNowPrice("FrancsRounded", "12.505", warning("asks for 12.51"), "Swiss Franc (CHF)"),
        makeCase<AddToCartAnswers>(
            "AddToCartPriceEmpty", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) { a.txtPriceATC = ""; }, "txtPriceATC",
            error("No price is given")),
        makeCase<AddToCartAnswers>(
            "AddToCartPriceZero", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) { a.txtPriceATC = "0"; }, "txtPriceATC",
            error("more than zero")),
        makeCase<DonateAnswers>(
            "DonateAmountEmpty", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtPriceDON = ""; }, "txtPriceDON", none),
        makeCase<DonateAnswers>(
            "DonateAmountGiven", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtPriceDON = "10"; }, "txtPriceDON", none),
        makeCase<DonateAnswers>(
            "DonateAmountZero", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtPriceDON = "0"; }, "txtPriceDON",
            error("donation amount must be more than zero")),
        makeCase<DonateAnswers>(
            "DonateAmountWords", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtPriceDON = "ten"; }, "txtPriceDON",
            error("must be a number")),
        makeCase<SubscribeAnswers>(
            "SubscribePriceEmpty", &checkSubscribe, workedExample<Subscribe>(),
            [](SubscribeAnswers& a) { a.txtPriceSUB = ""; }, "txtPriceSUB",
            error("No subscription price")),
        makeCase<SubscribeAnswers>(
            "SubscribePriceZero", &checkSubscribe, workedExample<Subscribe>(),
            [](SubscribeAnswers& a) { a.txtPriceSUB = "0"; }, "txtPriceSUB",
            error("more than zero")),
    };
}

Case subscribe(const std::string& name, std::function<void(SubscribeAnswers&)> change,
               std::string_view control, std::optional<Expected> expected) {
    return makeCase<SubscribeAnswers>("Subscribe" + name, &checkSubscribe,
                                      workedExample<Subscribe>(), std::move(change), control,
                                      expected);
}

Case trialPrice(const std::string& name, const std::string& price,
                std::optional<Expected> expected) {
    return subscribe(
        "TrialPrice" + name, [=](SubscribeAnswers& a) { a.txtPrice2SUB = price; }, "txtPrice2SUB",
        expected);
}

// Amounts written as typed: shipping, handling and the trial price.
std::vector<Case> typedAmountCases() {
    return {
        buyNowShipping("TwoDecimals", "5.00", none),
        buyNowShipping("Zero", "0", none),
        buyNowShipping("EmptyLeftOut", "", none),
        buyNowShipping("ThreeDecimals", "5.001", error("at most two decimals")),
        buyNowShipping("PlusSign", "+5", error("without a plus sign")),
        buyNowShipping("LeadingBlank", " 5", error("must not contain blanks")),
        buyNowShipping("Negative", "-1", error("cannot be negative")),
        buyNowShipping("DecimalComma", "5,00", error("no thousands separators")),
        buyNowShipping("Words", "free", error("must be a number")),
        buyNowShipping("YenWhole", "500", none, kYen),
        buyNowShipping("YenDecimals", "500.5", error("Japanese yen have no decimals"), kYen),
        buyNowShipping("ForintDecimals", "500.5", error("Hungarian forints have no decimals"),
                       kForint),
        buyNowShipping("TaiwanDollarsByCodeDecimals", "500.5",
                       error("New Taiwan dollars have no decimals"), "TWD"),
        buyNowShipping("FrancsDecimals", "5.50", none, "CHF"),
        buyNow(
            "HandlingThreeDecimals", [](BuyNowAnswers& a) { a.txtHandlingBN = "1.555"; },
            "txtHandlingBN", error("handling can have at most two decimals")),
        buyNow(
            "ExtraShippingWithQuantity", [](BuyNowAnswers& a) { a.txtExtraShippingBN = "2"; },
            "txtExtraShippingBN", none),
        buyNow(
            "ExtraShippingForOneAtATime",
            [](BuyNowAnswers& a) {
                a.txtExtraShippingBN = "2";
                a.optExtraBN = 1;
            },
            "txtExtraShippingBN", warning("never charged")),
        trialPrice("Free", "0", none),
        trialPrice("Cents", "0.5", none),
        trialPrice("ThreeDecimals", "0.555", error("at most two decimals")),
        trialPrice("Negative", "-1", error("cannot be negative")),
        trialPrice("Words", "free", error("must be a number")),
    };
}

std::vector<Case> nameCases() {
    const std::string accented127 = [] {
        std::string text;
        for (int i = 0; i < 127; ++i) {
            text += "\u00e9";
        }
        return text;
    }();
    const auto name = [](const std::string& label, const std::string& text,
                         std::optional<Expected> e) {
        return buyNow(
            "ItemName" + label, [=](BuyNowAnswers& a) { a.txtItemNameBN = text; }, "txtItemNameBN",
            e);
    };
    return {
        name("127Characters", std::string(127, 'x'), none),
        name("128Characters", std::string(128, 'x'), error("at most 127 characters")),
        name("127Accented", accented127, none),
        name("128Accented", accented127 + "\u00e9", error("at most 127 characters")),
        name("Empty", "", warning("asked to type what they are paying for")),
        name("DoubleQuote", "12\" Pizza", error("double quote")),
        name("Markup", "<b>Gnome</b>", warning("start of HTML markup")),
        name("Ampersand", "Salt & Pepper", none),
        buyNow(
            "ItemNumberEmpty", [](BuyNowAnswers& a) { a.txtItemIDBN = ""; }, "txtItemIDBN", none),
        buyNow(
            "ItemNumber128", [](BuyNowAnswers& a) { a.txtItemIDBN = std::string(128, '7'); },
            "txtItemIDBN", error("item number can be at most 127")),
        makeCase<AddToCartAnswers>(
            "AddToCartItemNameEmpty", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) { a.txtItemNameATC = ""; }, "txtItemNameATC",
            warning("unnamed")),
        makeCase<DonateAnswers>(
            "DonateNameEmpty", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtItemNameDON = ""; }, "txtItemNameDON", none),
        makeCase<DonateAnswers>(
            "DonateNameMarkupNotOnThePage", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtItemNameDON = "<i>Roof</i>"; }, "txtItemNameDON", none),
        subscribe(
            "Name128", [](SubscribeAnswers& a) { a.txtItemNameSUB = std::string(128, 'n'); },
            "txtItemNameSUB", error("subscription name can be at most 127")),
    };
}

std::vector<Case> currencyCases() {
    std::vector<Case> cases;
    // PayPal takes three only for accounts in their own country.
    const auto expected = [](std::string_view code) -> std::optional<Expected> {
        if (code == "BRL") {
            return warning("Brazilian reais only for accounts in Brazil");
        }
        if (code == "MYR") {
            return warning("Malaysian ringgits only for accounts in Malaysia");
        }
        if (code == "CNY") {
            return warning("Chinese renminbi only for accounts in China");
        }
        return none;
    };
    for (const Currency& currency : kCurrencies) {
        for (const std::string_view text : {currency.caption, currency.code}) {
            const std::string chosen(text);
            cases.push_back(buyNow(
                "Currency" + std::string(currency.code) + (text == currency.code ? "Code" : ""),
                [=](BuyNowAnswers& a) { setCurrency(a, chosen); }, "cmbCurrencyBN",
                expected(currency.code)));
        }
    }
    for (const auto& [label, text] :
         {std::pair{"Typed", "Dollars"}, std::pair{"Empty", ""},
          std::pair{"OtherCase", "us dollar ($)"}, std::pair{"CodeInSmallLetters", "eur"}}) {
        const std::string typed = text;
        cases.push_back(buyNow(
            std::string("Currency") + label, [=](BuyNowAnswers& a) { a.cmbCurrencyBN = typed; },
            "cmbCurrencyBN", error("one from the list")));
    }
    cases.push_back(makeCase<SubscribeAnswers>(
        "SubscribeCurrencyTyped", &checkSubscribe, workedExample<Subscribe>(),
        [](SubscribeAnswers& a) { a.cmbCurrencySUB = "Euro"; }, "cmbCurrencySUB",
        error("one from the list")));
    cases.push_back(makeCase<DonateAnswers>(
        "DonateCurrencyAtHomeOnly", &checkDonate, workedExample<Donate>(),
        [](DonateAnswers& a) { a.cmbCurrencyDON = "Malaysian Ringgit (MYR)"; }, "cmbCurrencyDON",
        warning("only for accounts in Malaysia")));
    cases.push_back(makeCase<AddToCartAnswers>(
        "AddToCartCurrencyAtHomeOnly", &checkAddToCart, workedExample<AddToCart>(),
        [](AddToCartAnswers& a) { a.cmbCurrencyATC = "BRL"; }, "cmbCurrencyATC",
        warning("only for accounts in Brazil")));
    cases.push_back(makeCase<SubscribeAnswers>(
        "SubscribeCurrencyAtHomeOnly", &checkSubscribe, workedExample<Subscribe>(),
        [](SubscribeAnswers& a) { a.cmbCurrencySUB = "CNY"; }, "cmbCurrencySUB",
        warning("only for accounts in China")));
    return cases;
}

std::vector<Case> noteCases() {
    const auto note = [](const std::string& label, OptionIndex option, const std::string& text,
                         std::optional<Expected> e) {
        return makeCase<AddToCartAnswers>(
            "AddToCartNote" + label, &checkAddToCart, workedExample<AddToCart>(),
            [=](AddToCartAnswers& a) {
                a.optNoteATC = option;
                a.txtNoteATC = text;
            },
            "txtNoteATC", e);
    };
    return {
        note("40Characters", 0, std::string(40, 'n'), none),
        note("41Characters", 0, std::string(41, 'n'), error("at most 40 characters")),
        note("41CharactersNotAsked", 1, std::string(41, 'n'), none),
        note("Sample", 0, "(optional instructions)", warning("still reads")),
        note("SampleNotAsked", 1, "(optional instructions)", none),
        note("Empty", 0, "", none),
        note("DoubleQuote", 0, "Say \"hi\"", error("double quote")),
        makeCase<DonateAnswers>(
            "DonateNote41Characters", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) {
                a.optNoteDON = 0;
                a.txtNoteDON = std::string(41, 'n');
            },
            "txtNoteDON", error("at most 40 characters")),
    };
}

std::vector<Case> addressCases() {
    const auto logo = [](const std::string& label, const std::string& address,
                         std::optional<Expected> e) {
        return buyNow(
            "Logo" + label, [=](BuyNowAnswers& a) { a.txtLogoBN = address; }, "txtLogoBN", e);
    };
    const auto returnTo = [](const std::string& label, const std::string& address,
                             std::optional<Expected> e) {
        return buyNow(
            "Return" + label, [=](BuyNowAnswers& a) { a.txtWebSiteSuccessBN = address; },
            "txtWebSiteSuccessBN", e);
    };
    const auto picture = [](const std::string& label, OptionIndex option,
                            const std::string& address, std::optional<Expected> e) {
        return buyNow(
            "Picture" + label,
            [=](BuyNowAnswers& a) {
                a.optBN = option;
                a.txtButtonURLBN = address;
            },
            "txtButtonURLBN", e);
    };
    const auto subscribeLogo = [](const std::string& label, const std::string& address,
                                  std::optional<Expected> e) {
        return subscribe(
            "Logo" + label, [=](SubscribeAnswers& a) { a.txtLogoBN = address; }, "txtLogoBN", e);
    };
    return {
        // A logo box under the not-empty test: written whenever it holds something.
        logo("Empty", "", none),
        logo("Secure", "https://shop.example.com/logo.png", none),
        logo("UpperCase", "HTTPS://SHOP.EXAMPLE.COM/LOGO.PNG", none),
        logo("WithPort", "https://shop.example.com:8443/logo.png", none),
        logo("IPv6", "https://[2001:db8::1]/logo.png", none),
        logo("Plain", "http://shop.example.com/logo.png", warning("starts with http://")),
        logo("DefaultText", "http://", error("no host name after http://")),
        logo("Relative", "logo.png", warning("not a full address")),
        logo("NoScheme", "www.example.com/logo.png", warning("not a full address")),
        logo("OtherScheme", "ftp://shop.example.com/logo.png", error("must start with https://")),
        logo("WindowsPath", "C:\\logo.png", error("must start with https://")),
        logo("SchemeWithoutSlashes", "https:shop.example.com", error("must start with https://")),
        logo("Blank", "https://shop example.com/logo.png", error("must not contain blanks")),
        logo("BadHost", "https://shop*example.com/logo.png", error("host name that is not valid")),
        logo("BadPort", "https://shop.example.com:web/logo.png", error("not valid")),
        logo("DoubleQuote", "https://shop.example.com/\"logo\".png", error("double quote")),
        // Return and cancel boxes under the seven-character test.
        returnTo("Unchanged", "http://", none),
        returnTo("Emptied", "", none),
        returnTo("Secure", "https://shop.example.com/thanks", none),
        returnTo("PlainNeedsNoWarning", "http://shop.example.com/thanks", none),
        returnTo("Relative", "thanks.htm", warning("not a full address")),
        returnTo("SevenCharactersLeftOut", "a.b/c.d", warning("left out of the button")),
        returnTo("SecureWithoutHost", "https://", error("no host name after https://")),
        returnTo("Script", "javascript:alert(1)", error("must start with https://")),
        makeCase<AddToCartAnswers>(
            "AddToCartCancelWithoutHost", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) { a.txtCancelATC = "https://"; }, "txtCancelATC",
            error("cancel address has no host name")),
        // Donations and Subscriptions take the logo box under the seven-character test.
        subscribeLogo("Empty", "", none),
        subscribeLogo("Unchanged", "http://", none),
        subscribeLogo("SevenCharactersLeftOut", "x.y/a.b", warning("left out of the button")),
        subscribeLogo("Plain", "http://x", warning("starts with http://")),
        makeCase<DonateAnswers>(
            "DonateLogoPlain", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtLogoATC = "http://shop.example.com/logo.gif"; },
            "txtLogoATC", warning("starts with http://")),
        // The seller's own button picture, only while its option is chosen.
        picture("Secure", 8, "https://shop.example.com/buy.png", none),
        picture("DefaultText", 8, "https://", error("no host name after https://")),
        picture("Empty", 8, "", error("No address is given")),
        picture("Plain", 8, "http://shop.example.com/buy.png", warning("starts with http://")),
        picture("Relative", 8, "buy.png", warning("not a full address")),
        picture("StandardChosen", 5, "", none),
        makeCase<ViewCartAnswers>(
            "ViewCartNoPicture", &checkViewCart, workedExample<ViewCart>(),
            [](ViewCartAnswers& a) { a.optVC = std::nullopt; }, "optVC", error("nothing to click")),
        makeCase<ViewCartAnswers>(
            "ViewCartPictureOutOfRange", &checkViewCart, workedExample<ViewCart>(),
            [](ViewCartAnswers& a) { a.optVC = 4; }, "optVC", error("nothing to click")),
    };
}

std::vector<Case> periodCases() {
    const auto cycle = [](const std::string& label, const std::string& number,
                          const std::string& unit, std::optional<Expected> e) {
        return subscribe(
            "Cycle" + label,
            [=](SubscribeAnswers& a) {
                a.cmbNumberSUB = number;
                a.cmbTermSUB = unit;
            },
            "cmbNumberSUB", e);
    };
    const auto stop = [](const std::string& label, OptionIndex option, const std::string& payments,
                         std::optional<Expected> e) {
        return subscribe(
            "Stop" + label,
            [=](SubscribeAnswers& a) {
                a.optRecurSUB = option;
                a.cmbStopSUB = payments;
            },
            "cmbStopSUB", e);
    };
    const auto trial = [](const std::string& label, const std::string& price,
                          const std::string& number, std::optional<Expected> e) {
        return subscribe(
            "Trial" + label,
            [=](SubscribeAnswers& a) {
                a.txtPrice2SUB = price;
                a.cmbNumber2SUB = number;
            },
            "cmbNumber2SUB", e);
    };
    return {
        cycle("OneMonth", "1", "Months(s)", none),
        cycle("24Months", "24", "Months(s)", none),
        cycle("25Months", "25", "Months(s)", error("in months can be from 1 to 24")),
        cycle("ZeroMonths", "0", "Months(s)", error("from 1 to 24")),
        cycle("LeadingZeros", "0024", "Months(s)", none),
        cycle("90Days", "90", "Day(s)", none),
        cycle("91Days", "91", "Day(s)", error("in days can be from 1 to 90")),
        cycle("52Weeks", "52", "Weeks(s)", none),
        cycle("53Weeks", "53", "Weeks(s)", error("in weeks can be from 1 to 52")),
        cycle("5Years", "5", "Years(s)", none),
        cycle("6Years", "6", "Years(s)", error("in years can be from 1 to 5")),
        cycle("Dash", "-", "Months(s)", error("whole number")),
        cycle("Fraction", "1.5", "Months(s)", error("whole number")),
        cycle("Empty", "", "Months(s)", error("whole number")),
        cycle("Huge", "99999999999999999999", "Days(s)", error("from 1 to 90")),
        subscribe(
            "UnitTyped", [](SubscribeAnswers& a) { a.cmbTermSUB = "Fortnight(s)"; }, "cmbTermSUB",
            error("days, weeks, months or years")),
        subscribe(
            "UnitLowerCase", [](SubscribeAnswers& a) { a.cmbTermSUB = "months"; }, "cmbTermSUB",
            error("days, weeks, months or years")),
        subscribe(
            "UnitEmpty", [](SubscribeAnswers& a) { a.cmbTermSUB = ""; }, "cmbTermSUB",
            error("days, weeks, months or years")),
        stop("Two", 1, "2", none),
        stop("Twelve", 1, "12", none),
        stop("FiftyTwo", 1, "52", none),
        stop("One", 1, "1", error("from 2 to 52")),
        stop("FiftyThree", 1, "53", error("from 2 to 52")),
        stop("Dash", 1, "-", error("from 2 to 52")),
        stop("DashUntilCancelled", 0, "-", none),
        stop("NumberUntilCancelled", 0, "12", none),
        subscribe(
            "NoWayOfCharging", [](SubscribeAnswers& a) { a.optRecurSUB = std::nullopt; },
            "optRecurSUB", warning("charged only once")),
        trial("OneMonth", "0", "1", none),
        trial("25Months", "0", "25", error("trial period in months can be from 1 to 24")),
        trial("Dash", "5", "-", error("trial period must be a whole number")),
        trial("DashWithoutTrial", "", "-", none),
        subscribe(
            "TrialUnitTyped", [](SubscribeAnswers& a) { a.cmbTerm2SUB = "Quarter"; }, "cmbTerm2SUB",
            error("days, weeks, months or years")),
        subscribe(
            "TrialUnitTypedWithoutTrial",
            [](SubscribeAnswers& a) {
                a.txtPrice2SUB = "";
                a.cmbTerm2SUB = "Quarter";
            },
            "cmbTerm2SUB", none),
    };
}

// Item options: at and around PayPal's limits, on the T-shirt example (which gives no finding)
// and on the other types' worked examples.
Case tShirt(const std::string& name, std::function<void(BuyNowAnswers&)> change,
            std::string_view control, std::optional<Expected> expected) {
    return makeCase<BuyNowAnswers>("TShirt" + name, &checkBuyNow, tShirtExample(),
                                   std::move(change), control, expected);
}

std::string lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line + std::to_string(i) + "\n";
    }
    return text;
}

std::vector<Case> optionCases() {
    const std::string x64(64, 'x');
    const auto choices = [](const std::string& label, const std::string& text,
                            std::optional<Expected> e) {
        return tShirt(
            "Choices" + label, [=](BuyNowAnswers& a) { a.txtOption1ChoicesBN = text; },
            "txtOption1ChoicesBN", e);
    };
    const auto colours = [](const std::string& label, const std::string& text,
                            std::optional<Expected> e) {
        return tShirt(
            "SecondMenu" + label, [=](BuyNowAnswers& a) { a.txtOption2ChoicesBN = text; },
            "txtOption2ChoicesBN", e);
    };
    // Every menu and text box of Subscriptions given, but `left` text boxes.
    const auto subscribeOptions = [](const std::string& label, int textBoxes,
                                     std::string_view control, std::optional<Expected> e) {
        return subscribe(
            label,
            [=](SubscribeAnswers& a) {
                for (const auto name : Subscribe::kItemOptions.menuNames) {
                    a.*name = "Menu";
                }
                for (const auto choices : Subscribe::kItemOptions.menuChoices) {
                    a.*choices = "One\nTwo";
                }
                for (int i = 0; i < textBoxes; ++i) {
                    a.*Subscribe::kItemOptions.textBoxNames[static_cast<std::size_t>(i)] = "Text";
                }
            },
            control, e);
    };
    return {
        // How many: seven on Buy Now and Add to Cart, six on Subscriptions.
        tShirt(
            "SevenOptions",
            [](BuyNowAnswers& a) {
                for (const auto name : BuyNow::kItemOptions.menuNames) {
                    a.*name = "Menu";
                }
                for (const auto choices : BuyNow::kItemOptions.menuChoices) {
                    a.*choices = "One\nTwo";
                }
                a.txtOption1ChoicesBN = "One = 1\nTwo = 2";
                a.txtText2NameBN = "Engraving";
            },
            "txtText2NameBN", none),
        makeCase<AddToCartAnswers>(
            "AddToCartSevenOptions", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) {
                for (const auto name : AddToCart::kItemOptions.menuNames) {
                    a.*name = "Menu";
                }
                for (const auto choices : AddToCart::kItemOptions.menuChoices) {
                    a.*choices = "One";
                }
                a.txtText1NameATC = "Text";
                a.txtText2NameATC = "Text";
            },
            "txtText2NameATC", none),
        subscribeOptions("FiveMenusAndATextBox", 1, "txtText1NameSUB", none),
        subscribeOptions("SevenOptions", 2, "txtText2NameSUB", error("at most 6 options")),
        // Names.
        tShirt(
            "MenuName64", [=](BuyNowAnswers& a) { a.txtOption2NameBN = x64; }, "txtOption2NameBN",
            none),
        tShirt(
            "MenuName65", [=](BuyNowAnswers& a) { a.txtOption2NameBN = x64 + "x"; },
            "txtOption2NameBN", error("at most 64 characters")),
        tShirt(
            "TextBoxName64", [=](BuyNowAnswers& a) { a.txtText1NameBN = x64; }, "txtText1NameBN",
            none),
        tShirt(
            "TextBoxName65Accented", [=](BuyNowAnswers& a) { a.txtText1NameBN = x64 + "\u00e9"; },
            "txtText1NameBN", error("at most 64 characters")),
        tShirt(
            "MenuNameQuote", [](BuyNowAnswers& a) { a.txtOption1NameBN = "Size \"EU\""; },
            "txtOption1NameBN", error("double quote")),
        tShirt(
            "MenuWithoutName", [](BuyNowAnswers& a) { a.txtOption2NameBN = ""; },
            "txtOption2NameBN", error("no name")),
        tShirt(
            "MenuWithoutChoices", [](BuyNowAnswers& a) { a.txtOption2ChoicesBN = " \n"; },
            "txtOption2ChoicesBN", error("no choices")),
        // Choices.
        colours("Choice64", x64, none),
        colours("Choice65", x64 + "x", error("longer than the 64 characters")),
        colours("ChoiceQuote", "Red\n\"Navy\" blue", error("double quote")),
        colours("EqualsWithoutAPrice", "Red=Blue", none),
        colours("APrice", "Red\nBlue = 2", error("only the first menu")),
        choices("PricedChoice64", x64 + " = 5", none),
        choices("PricedChoice65", x64 + "x = 5", error("longer than the 64 characters")),
        choices("TenPrices", lines(10, "Size = 1"), none),
        choices("ElevenPrices", lines(11, "Size = 1"), error("at most 10 choices")),
        choices("DecimalComma", "Small = 10\nLarge = 12,50", error("no thousands separators")),
        choices("Zero", "Small = 0", error("must be more than zero")),
        choices("Rounded", "Small = 2.675", warning("asks for 2.68")),
        choices("OneWithoutAPrice", "Small = 10\nLarge", error("has no price")),
        choices("NothingAfterTheEquals", "Small =", error("no price after")),
        makeCase<BuyNowAnswers>(
            "TShirtYenRounded", &checkBuyNow, tShirtExample(),
            [](BuyNowAnswers& a) {
                a.cmbCurrencyBN = kYen;
                a.txtOption1ChoicesBN = "Small = 1000.5";
            },
            "txtOption1ChoicesBN", warning("asks for 1001")),
        makeCase<BuyNowAnswers>(
            "ElevenChoicesWithoutPrices", &checkBuyNow, workedExample<BuyNow>(),
            [](BuyNowAnswers& a) {
                a.txtOption1NameBN = "Size";
                a.txtOption1ChoicesBN = lines(11, "Size ");
            },
            "txtOption1ChoicesBN", none),
        subscribe(
            "PricedChoice",
            [](SubscribeAnswers& a) {
                a.txtOption1NameSUB = "Plan";
                a.txtOption1ChoicesSUB = "Gold = 20";
            },
            "txtOption1ChoicesSUB", error("Subscribe buttons take no prices")),
        // The item price beside a priced menu.
        tShirt(
            "ItemPriceGiven", [](BuyNowAnswers& a) { a.txtPriceBN = "5"; }, "txtPriceBN",
            warning("PayPal charges that one")),
        tShirt(
            "ItemPriceEmpty", [](BuyNowAnswers& a) { a.txtPriceBN = ""; }, "txtPriceBN", none),
        tShirt(
            "ItemPriceAsAnAdvancedVariable", [](BuyNowAnswers& a) { a.txtAdvancedBN = "amount=5"; },
            "txtAdvancedBN", error("already writes amount")),
        makeCase<AddToCartAnswers>(
            "AddToCartPricedMenuWithoutItemPrice", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) {
                a.txtPriceATC = "";
                a.txtOption1NameATC = "Size";
                a.txtOption1ChoicesATC = "Small = 10";
            },
            "txtPriceATC", none),
    };
}

// Advanced variables, one line added to a worked example.
std::vector<Case> advancedCases() {
    const auto buyNowLine = [](const std::string& label, const std::string& text,
                               std::optional<Expected> e) {
        return buyNow(
            "Advanced" + label, [=](BuyNowAnswers& a) { a.txtAdvancedBN = text; }, "txtAdvancedBN",
            e);
    };
    // `phrase` names the limit; a finding keeps only a view of it.
    const auto length = [&](const std::string& name, std::size_t most, const char* phrase) {
        const std::string start = name == "notify_url" ? "https://shop.example.com/" : "";
        const std::string at = start + std::string(most - start.size(), 'x');
        return std::vector<Case>{
            buyNowLine(name + std::to_string(most), name + "=" + at, none),
            buyNowLine(name + std::to_string(most + 1), name + "=" + at + "x", error(phrase)),
        };
    };
    std::vector<Case> cases = {
        buyNowLine("Known", "custom=order 7", none),
        buyNowLine("BlankLinesAndBlanks", "\n  custom = order 7  \n\n", none),
        buyNowLine("NoEquals", "custom order 7", error("has no =")),
        buyNowLine("NoName", "=7", error("no name")),
        buyNowLine("Unknown", "colour=red", warning("has no colour")),
        buyNowLine("GivenTwice", "custom=1\ncustom=2", error("given twice")),
        buyNowLine("Quote", "custom=say \"hi\"", error("double quote")),
        // Names the wizard writes for the button.
        buyNowLine("Amount", "amount=1.00", error("already writes amount")),
        buyNowLine("Command", "cmd=_cart", error("already writes cmd")),
        buyNowLine("Business", "business=other@example.com", error("already writes business")),
        buyNowLine("BuildCode", "bn=Mine", error("already writes bn")),
        buyNowLine("Charset", "charset=windows-1252", error("writes charset itself")),
        buyNowLine("OptionName", "on0=Size", error("field of the item options")),
        buyNowLine("OptionPrice", "option_amount3=5", error("field of the item options")),
        buyNowLine("OptionIndex", "option_index=1", error("field of the item options")),
        buyNowLine("ReturnLeftOut", "return=https://shop.example.com/thanks", none),
        makeCase<AddToCartAnswers>(
            "AddToCartNoShipping", &checkAddToCart, workedExample<AddToCart>(),
            [](AddToCartAnswers& a) { a.txtAdvancedATC = "no_shipping=1"; }, "txtAdvancedATC",
            error("already writes no_shipping")),
        makeCase<ViewCartAnswers>(
            "ViewCartOptionPrice", &checkViewCart, workedExample<ViewCart>(),
            [](ViewCartAnswers& a) { a.txtAdvancedVC = "option_amount0=5"; }, "txtAdvancedVC",
            error("only on Buy Now, Add to Cart and Subscribe")),
        makeCase<ViewCartAnswers>(
            "ViewCartShoppingUrl", &checkViewCart, workedExample<ViewCart>(),
            [](ViewCartAnswers& a) { a.txtAdvancedVC = "shopping_url=https://shop.example.com/"; },
            "txtAdvancedVC", none),
        makeCase<DonateAnswers>(
            "DonateNoNote", &checkDonate, workedExample<Donate>(),
            [](DonateAnswers& a) { a.txtAdvancedDON = "no_note=1"; }, "txtAdvancedDON", none),
        makeCase<SubscribeAnswers>(
            "SubscribeRegularPrice", &checkSubscribe, workedExample<Subscribe>(),
            [](SubscribeAnswers& a) { a.txtAdvancedSUB = "a3=5"; }, "txtAdvancedSUB",
            error("already writes a3")),
        // PayPal's fixed values.
        buyNowLine("NoShipping0", "no_shipping=0", none),
        buyNowLine("NoShipping2", "no_shipping=2", none),
        buyNowLine("NoShipping3", "no_shipping=3", error("only as 0, 1 or 2")),
        buyNowLine("NoShippingEmpty", "no_shipping=", error("only as 0, 1 or 2")),
        buyNowLine("NoNote1", "no_note=1", none),
        buyNowLine("NoNote2", "no_note=2", error("only as 0 or 1")),
        buyNowLine("ReturnMethod2", "rm=2", none),
        buyNowLine("ReturnMethod3", "rm=3", error("only as 0, 1 or 2")),
        buyNowLine("LanguageCountry", "lc=DE", none),
        buyNowLine("LanguageLocale", "lc=de_DE", none),
        buyNowLine("LanguageLocaleXC", "lc=zh_XC", none),
        buyNowLine("LanguageLowerCase", "lc=de", error("two capital letters")),
        buyNowLine("LanguageThreeLetters", "lc=DEU", error("two capital letters")),
        buyNowLine("LanguageUnknownLocale", "lc=xx_YY", error("two capital letters")),
        // Addresses PayPal goes to.
        buyNowLine("NotifyUrl", "notify_url=https://shop.example.com/ipn", none),
        buyNowLine("NotifyUrlPlain", "notify_url=http://shop.example.com/ipn", none),
        buyNowLine("NotifyUrlRelative", "notify_url=ipn.php", error("must be a full address")),
        buyNowLine("NotifyUrlOtherScheme", "notify_url=ftp://shop.example.com/ipn",
                   error("must start with https://")),
        buyNowLine("NotifyUrlEmpty", "notify_url=", error("address is empty")),
        buyNowLine("ShoppingUrlNoHost", "shopping_url=https://", error("no host name")),
    };
    for (auto group : {length("notify_url", 255, "at most 255 characters"),
                       length("custom", 256, "at most 256 characters"),
                       length("invoice", 127, "at most 127 characters"),
                       length("cbt", 60, "at most 60 characters")}) {
        cases.insert(cases.end(), group.begin(), group.end());
    }
    return cases;
}

std::vector<Case> allCases() {
    std::vector<Case> cases;
    for (auto group :
         {accountCases(), priceCases(), typedAmountCases(), nameCases(), currencyCases(),
          noteCases(), addressCases(), periodCases(), optionCases(), advancedCases()}) {
        cases.insert(cases.end(), group.begin(), group.end());
    }
    return cases;
}

class CheckRule : public ::testing::TestWithParam<Case> {};

TEST_P(CheckRule, FindsWhatTheRuleSaysForTheChangedControlAndNothingNewElsewhere) {
    const Case& c = GetParam();
    const Findings found = c.check();
    const Findings forIt = forControl(found, c.control, true);
    if (!c.expected) {
        EXPECT_TRUE(forIt.empty()) << ::testing::PrintToString(forIt);
    } else {
        ASSERT_EQ(forIt.size(), 1u) << ::testing::PrintToString(forIt);
        EXPECT_EQ(forIt[0].severity, c.expected->severity) << forIt[0].message;
        EXPECT_TRUE(testing::contains(forIt[0].message, c.expected->phrase)) << forIt[0].message;
    }
    EXPECT_EQ(forControl(found, c.control, false), forControl(c.baseline(), c.control, false));
}

INSTANTIATE_TEST_SUITE_P(Rules, CheckRule, ::testing::ValuesIn(allCases()),
                         [](const auto& info) { return info.param.name; });

// ---- whole answers --------------------------------------------------------------------------

TEST(CheckTShirt, GivesNoFinding) {
    EXPECT_EQ(checkBuyNow(tShirtExample(), kAccount), Findings{});
}

TEST(CheckWorkedExamples, GiveNoErrorsAndOnlyTheRelativeReturnAddressWarnings) {
    const Finding relativeReturn{Severity::Warning,
                                 "txtWebSiteSuccessATC",
                                 "The return address is not a full address starting with "
                                 "https:// or http://, so it may not be found.",
                                 "The %1 is not a full address starting with https:// or "
                                 "http://, so it may not be found.",
                                 {{"", "return address"}}};
    EXPECT_EQ(checkBuyNow(workedExample<BuyNow>(), kAccount), Findings{});
    EXPECT_EQ(checkAddToCart(workedExample<AddToCart>(), kAccount), Findings{relativeReturn});
    EXPECT_EQ(checkViewCart(workedExample<ViewCart>(), kAccount), Findings{});
    EXPECT_EQ(checkDonate(workedExample<Donate>(), kAccount), Findings{relativeReturn});
    EXPECT_EQ(checkSubscribe(workedExample<Subscribe>(), kAccount), Findings{});
}

TEST(CheckDefaults, FindOnlyWhatAnUntouchedTabLacks) {
    const auto controls = [](const Findings& findings) {
        std::vector<std::string> out;
        for (const Finding& f : findings) {
            out.push_back(std::string(severityName(f.severity)) + " " + std::string(f.control));
        }
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(controls(checkBuyNow({}, kAccount)),
              (V{"warning txtItemNameBN", "warning txtPriceBN"}));
    EXPECT_EQ(controls(checkAddToCart({}, kAccount)),
              (V{"warning txtItemNameATC", "error txtPriceATC"}));
    EXPECT_EQ(controls(checkViewCart({}, kAccount)), V{});
    EXPECT_EQ(controls(checkDonate({}, kAccount)), V{});
    EXPECT_EQ(controls(checkSubscribe({}, kAccount)),
              (V{"warning txtItemNameSUB", "error txtPriceSUB"}));
}

TEST(CheckOrder, FollowsThePagesWithTheAccountFirst) {
    BuyNowAnswers a;
    a.optBN = 8;
    a.txtButtonURLBN = "";
    a.txtPriceBN = "abc";
    a.txtBaseShippingBN = "x";
    a.txtWebSiteSuccessBN = "https://";
    std::vector<std::string_view> order;
    for (const Finding& f : checkBuyNow(a, "")) {
        order.push_back(f.control);
    }
    EXPECT_EQ(order, (std::vector<std::string_view>{"txtEmail", "txtButtonURLBN", "txtItemNameBN",
                                                    "txtPriceBN", "txtBaseShippingBN",
                                                    "txtWebSiteSuccessBN"}));
}

TEST(CheckSeverity, IsNamedAsRavelinButtonWritesIt) {
    EXPECT_EQ(severityName(Severity::Error), "error");
    EXPECT_EQ(severityName(Severity::Warning), "warning");
    EXPECT_FALSE(hasErrors(Findings{{Severity::Warning, "txtPriceBN", "w.", "w.", {}}}));
    EXPECT_TRUE(hasErrors(Findings{{Severity::Warning, "txtPriceBN", "w.", "w.", {}},
                                   {Severity::Error, "txtEmail", "e.", "e.", {}}}));
}

// The windows translate a finding from its key and arguments: the seller's text goes in as
// typed, even where it reads like a placeholder, and the words of the checker's own are keys.
TEST(CheckMessageKeys, CarryTheSellersTextAsTypedAndTheWordsAsKeys) {
    BuyNowAnswers a = tShirtExample();
    a.txtAdvancedBN = "no_note=%2";
    a.txtPriceBN = "12,50";
    const Findings found = checkBuyNow(a, kAccount);
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found.front().message, "The price must be a number such as 12.50, with a point for "
                                     "decimals and no thousands separators.");
    EXPECT_EQ(found.front().arguments, (std::vector<Argument>{{"", "price"}, {"12.50", ""}}));
    EXPECT_EQ(found.back().message, "PayPal takes no_note only as 0 or 1, not \"%2\".");
    EXPECT_EQ(found.back().key, "PayPal takes %1 only as %2 or %3, not %4.");
    EXPECT_EQ(found.back().arguments,
              (std::vector<Argument>{{"no_note", ""}, {"0", ""}, {"1", ""}, {"\"%2\"", ""}}));
}

} // namespace
} // namespace ravelin::buttons
