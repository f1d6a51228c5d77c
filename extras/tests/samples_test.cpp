// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/samples.h"
#include "extras/tests/support.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

enum class Sample { BuyNow, ShoppingCart, Subscriptions };

QString text(Sample sample) {
    switch (sample) {
    case Sample::BuyNow:
        return buyNowSample();
    case Sample::ShoppingCart:
        return shoppingCartSample();
    case Sample::Subscriptions:
        return subscriptionSample();
    }
    return {};
}

std::string nameOf(Sample sample) {
    switch (sample) {
    case Sample::BuyNow:
        return "BuyNow";
    case Sample::ShoppingCart:
        return "ShoppingCart";
    case Sample::Subscriptions:
        return "Subscriptions";
    }
    return {};
}

// One payment form of a sample as the page will read it.
struct Form {
    QString priceLine;      // the "Price: $" line of its cell, if any
    QStringList fieldLines; // the lines between the form's opening and closing
    QStringList names;      // hidden fields in order
    QStringList values;     // their values
    QList<bool> bare;       // written as the bare word value
    QString image;          // the submit image element
};

std::vector<Form> formsOf(const QString& sampleText) {
    static const QRegularExpression hidden(
        QStringLiteral(R"re(<input type="hidden" name="([^"]*)" value(?:="([^"]*)")?>)re"));
    static const QRegularExpression image(QStringLiteral(R"re(<input type="image"[^>]*>)re"));
    std::vector<Form> forms;
    QString priceLine;
    bool inForm = false;
    for (const QString& line : sampleText.split(QStringLiteral("\r\n"))) {
        const QString content = line.trimmed();
        if (content.startsWith(QLatin1String("Price: $"))) {
            priceLine = content;
        } else if (content.startsWith(QLatin1String("<form "))) {
            forms.push_back({});
            forms.back().priceLine = std::exchange(priceLine, {});
            inForm = true;
        } else if (content == QLatin1String("</form>")) {
            inForm = false;
        } else if (inForm) {
            Form& form = forms.back();
            form.fieldLines << line;
            for (const auto& match : hidden.globalMatch(line)) {
                form.names << match.captured(1);
                form.values << match.captured(2);
                form.bare << !match.hasCaptured(2);
            }
            const auto match = image.match(line);
            if (match.hasMatch()) {
                form.image = match.captured(0);
            }
        }
    }
    return forms;
}

QString valueOf(const Form& form, const char* name) {
    const qsizetype index = form.names.indexOf(QLatin1String(name));
    return index < 0 ? QStringLiteral("<missing>") : form.values[index];
}

class EverySample : public ::testing::TestWithParam<Sample> {};

TEST_P(EverySample, HasNoSingleQuoteLeft) {
    EXPECT_FALSE(text(GetParam()).contains(QLatin1Char('\'')));
}

TEST_P(EverySample, SeparatesLinesWithCrLfOnlyAndEndsWithoutOne) {
    const QString sample = text(GetParam());
    EXPECT_EQ(sample.count(QLatin1Char('\n')), sample.count(QStringLiteral("\r\n")));
    EXPECT_EQ(sample.count(QLatin1Char('\r')), sample.count(QStringLiteral("\r\n")));
    EXPECT_FALSE(sample.endsWith(QLatin1Char('\n')));
}

TEST_P(EverySample, IndentsEachLineByWhatItHolds) {
    bool afterTables = false;
    for (const QString& line : text(GetParam()).split(QStringLiteral("\r\n"))) {
        const QString content = line.trimmed();
        const qsizetype indent = line.indexOf(content);
        if (content.startsWith(QLatin1String("<table"))) {
            afterTables = false;
        }
        // A cell's content; after the table, the View Cart form.
        qsizetype expected = afterTables ? 0 : 6;
        if (content.startsWith(QLatin1String("<table")) || content == QLatin1String("</table>")) {
            expected = 0;
        } else if (content == QLatin1String("<tr>") || content == QLatin1String("</tr>")) {
            expected = 2;
        } else if (content.startsWith(QLatin1String("<td")) || content == QLatin1String("</td>")) {
            expected = 4;
        } else if (content.startsWith(QLatin1String("<input")) ||
                   content.startsWith(QLatin1String("<p"))) {
            expected = afterTables ? 2 : 8;
        }
        EXPECT_EQ(indent, expected) << line.toStdString();
        if (content == QLatin1String("</table>")) {
            afterTables = true;
        }
    }
}

TEST_P(EverySample, WritesTheBuildCodeFieldOfEveryFormPresentAndBare) {
    const auto forms = formsOf(text(GetParam()));
    ASSERT_FALSE(forms.empty());
    for (const Form& form : forms) {
        ASSERT_FALSE(form.names.isEmpty());
        EXPECT_EQ(form.names.first(), QStringLiteral("bn"));
        EXPECT_TRUE(form.bare.first());
    }
    EXPECT_FALSE(text(GetParam()).contains(QLatin1String("name=\"bn\" value=")));
}

TEST_P(EverySample, WritesEveryEmptyFieldAsTheBareWordValue) {
    EXPECT_FALSE(text(GetParam()).contains(QLatin1String("value=\"\"")));
}

TEST_P(EverySample, ShowsAsPriceWhatItsFormChargesFirst) {
    for (const Form& form : formsOf(text(GetParam()))) {
        if (valueOf(form, "cmd") == QLatin1String("_cart") && valueOf(form, "display") == "1") {
            continue; // the View Cart form charges nothing
        }
        QString charged = valueOf(form, "amount");
        if (valueOf(form, "cmd") == QLatin1String("_xclick-subscriptions")) {
            charged = valueOf(form, "a1").isEmpty() ? valueOf(form, "a3") : valueOf(form, "a1");
        }
        EXPECT_EQ(form.priceLine, QStringLiteral("Price: $") + charged + QStringLiteral("<br>"));
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, EverySample,
                         ::testing::Values(Sample::BuyNow, Sample::ShoppingCart,
                                           Sample::Subscriptions),
                         [](const auto& info) { return nameOf(info.param); });

struct EndingCase {
    Sample sample;
    const char* lastLines;
};

class SampleEnding : public ::testing::TestWithParam<EndingCase> {};

TEST_P(SampleEnding, IsItsLastLinesWithoutALineBreakAfterThem) {
    EXPECT_TRUE(text(GetParam().sample).endsWith(QString::fromLatin1(GetParam().lastLines)));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleEnding,
    ::testing::Values(EndingCase{Sample::BuyNow, "    </td>\r\n  </tr>\r\n</table>"},
                      EndingCase{Sample::ShoppingCart,
                                 "</table>\r\n"
                                 "<form action=\"https://www.paypal.com/cgi-bin/webscr\" "
                                 "target=\"paypal\" method=\"post\">\r\n"
                                 "  <input type=\"hidden\" name=\"bn\" value>"
                                 "<input type=\"hidden\" name=\"cmd\" value=\"_cart\">"
                                 "<input type=\"hidden\" name=\"business\" "
                                 "value=\"seller@samplestore.example\">"
                                 "<input type=\"hidden\" name=\"display\" value=\"1\">"
                                 "<input type=\"image\" "
                                 "src=\"http://images.paypal.com/images/view_cart.gif\" "
                                 "border=\"0\" name=\"submit\" width=\"130\" height=\"32\">"
                                 "\r\n</form>"},
                      EndingCase{Sample::Subscriptions, "    </td>\r\n  </tr>\r\n</table>"}),
    [](const auto& info) { return nameOf(info.param.sample); });

struct FormCase {
    const char* name;
    Sample sample;
    int form;
    QStringList fields;
    const char* image;
};

class SampleForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(SampleForm, WritesItsFieldsInOrderAndItsButtonLast) {
    const auto forms = formsOf(text(GetParam().sample));
    ASSERT_GT(static_cast<int>(forms.size()), GetParam().form);
    const Form& form = forms[static_cast<std::size_t>(GetParam().form)];
    EXPECT_EQ(form.names, GetParam().fields);
    EXPECT_EQ(form.image, QString::fromLatin1(GetParam().image));
    EXPECT_TRUE(form.fieldLines.last().contains(form.image));
}

const QStringList kBuyNowFields = {
    "bn",       "cmd",           "business",           "item_name", "item_number",
    "amount",   "currency_code", "undefined_quantity", "image_url", "shipping",
    "handling", "return",        "cancel_return"};
const QStringList kCartFields = {"bn",        "cmd",          "add",         "business",
                                 "item_name", "item_number",  "amount",      "currency_code",
                                 "no_note",   "image_url",    "no_shipping", "undefined_quantity",
                                 "return",    "cancel_return"};
const QStringList kSubscriptionFields = {
    "bn",  "cmd", "business", "item_name", "item_number", "currency_code", "a3", "p3", "t3",
    "src", "srt", "sra",      "image_url", "return",      "cancel_return", "a1", "p1", "t1"};

constexpr char kCartButton[] =
    "<input type=\"image\" src=\"http://images.paypal.com/images/sc-but-03.gif\" border=\"0\" "
    "name=\"submit\" width=\"106\" height=\"24\">";

INSTANTIATE_TEST_SUITE_P(
    Forms, SampleForm,
    ::testing::Values(
        FormCase{"BuyNow", Sample::BuyNow, 0, kBuyNowFields,
                 "<input type=\"image\" src=\"http://images.paypal.com/images/x-click-butcc.gif\" "
                 "border=\"0\" name=\"submit\" width=\"73\" height=\"44\">"},
        FormCase{"CartItem1", Sample::ShoppingCart, 0, kCartFields, kCartButton},
        FormCase{"CartItem2", Sample::ShoppingCart, 1, kCartFields, kCartButton},
        FormCase{"CartItem3", Sample::ShoppingCart, 2, kCartFields, kCartButton},
        FormCase{"CartItem4", Sample::ShoppingCart, 3, kCartFields, kCartButton},
        FormCase{"ViewCart",
                 Sample::ShoppingCart,
                 4,
                 {"bn", "cmd", "business", "display"},
                 "<input type=\"image\" src=\"http://images.paypal.com/images/view_cart.gif\" "
                 "border=\"0\" name=\"submit\" width=\"130\" height=\"32\">"},
        FormCase{"FreeMonthPlan", Sample::Subscriptions, 0, kSubscriptionFields,
                 "<input type=\"image\" src=\"https://www.paypal.com/images/x-click-but28.gif\" "
                 "border=\"0\" name=\"submit\" width=\"76\" height=\"21\">"},
        FormCase{"SixMonthPlan", Sample::Subscriptions, 1, kSubscriptionFields,
                 "<input type=\"image\" src=\"https://www.paypal.com/images/x-click-but24.gif\" "
                 "border=\"0\" name=\"submit\" width=\"76\" height=\"23\">"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
    Sample sample;
    int form;
    const char* field;
    const char* value; // empty: written bare
};

class SampleValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SampleValue, IsTheFixedValueOfItsField) {
    const auto forms = formsOf(text(GetParam().sample));
    ASSERT_GT(static_cast<int>(forms.size()), GetParam().form);
    EXPECT_EQ(valueOf(forms[static_cast<std::size_t>(GetParam().form)], GetParam().field),
              QString::fromLatin1(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SampleValue,
    ::testing::Values(ValueCase{Sample::BuyNow, 0, "cmd", "_xclick"},
                      ValueCase{Sample::BuyNow, 0, "amount", "12.00"},
                      ValueCase{Sample::BuyNow, 0, "currency_code", "USD"},
                      ValueCase{Sample::BuyNow, 0, "undefined_quantity", "1"},
                      ValueCase{Sample::BuyNow, 0, "shipping", "3.00"},
                      ValueCase{Sample::BuyNow, 0, "handling", "1.00"},
                      ValueCase{Sample::ShoppingCart, 0, "cmd", "_cart"},
                      ValueCase{Sample::ShoppingCart, 2, "add", "1"},
                      ValueCase{Sample::ShoppingCart, 3, "currency_code", "USD"},
                      ValueCase{Sample::ShoppingCart, 1, "no_note", "1"},
                      ValueCase{Sample::ShoppingCart, 1, "image_url", ""},
                      ValueCase{Sample::ShoppingCart, 3, "no_shipping", "0"},
                      ValueCase{Sample::ShoppingCart, 0, "undefined_quantity", "0"},
                      ValueCase{Sample::ShoppingCart, 4, "cmd", "_cart"},
                      ValueCase{Sample::ShoppingCart, 4, "display", "1"},
                      ValueCase{Sample::Subscriptions, 0, "cmd", "_xclick-subscriptions"},
                      ValueCase{Sample::Subscriptions, 1, "currency_code", "USD"},
                      ValueCase{Sample::Subscriptions, 0, "a3", "24.95"},
                      ValueCase{Sample::Subscriptions, 1, "p3", "6"},
                      ValueCase{Sample::Subscriptions, 0, "t3", "M"},
                      ValueCase{Sample::Subscriptions, 1, "src", "1"},
                      ValueCase{Sample::Subscriptions, 0, "srt", "-"},
                      ValueCase{Sample::Subscriptions, 1, "sra", "1"},
                      ValueCase{Sample::Subscriptions, 0, "image_url", ""},
                      ValueCase{Sample::Subscriptions, 0, "a1", "0.00"},
                      ValueCase{Sample::Subscriptions, 0, "p1", "1"},
                      ValueCase{Sample::Subscriptions, 0, "t1", "M"},
                      ValueCase{Sample::Subscriptions, 1, "a1", ""},
                      ValueCase{Sample::Subscriptions, 1, "p1", "1"},
                      ValueCase{Sample::Subscriptions, 1, "t1", "D"}));

TEST(BuyNowSample, IsOneTableWithThePictureCellAndTheTextCellOfOneCd) {
    const QStringList expected = {
        R"x(<table border="1" cellspacing="0" cellpadding="10" bordercolor="#808080">)x",
        R"x(  <tr>)x",
        R"x(    <td width="200" valign="middle" align="center"><img border="0" src="http://www.samplestore.example/images/harbour-lights-cd.jpg" width="100" height="100"></td>)x",
        R"x(    <td width="200"><b>Harbour Lights - Live Recording (CD)</b><br>)x",
        R"x(      Code: CD-1001<br>)x",
        R"x(      Price: $12.00<br>)x",
        R"x(      <form action="https://www.paypal.com/cgi-bin/webscr" target="paypal" method="post">)x",
        R"x(        <p align="center"><input type="hidden" name="bn" value><input type="hidden" name="cmd" value="_xclick"><input type="hidden" name="business" value="seller@samplestore.example"><input type="hidden" name="item_name" value="Harbour Lights - Live Recording (CD)"><input type="hidden" name="item_number" value="CD-1001"><input type="hidden" name="amount" value="12.00"><input type="hidden" name="currency_code" value="USD"><input type="hidden" name="undefined_quantity" value="1"><input type="hidden" name="image_url" value="http://www.samplestore.example/images/store-logo.gif"><input type="hidden" name="shipping" value="3.00"><input type="hidden" name="handling" value="1.00"><input type="hidden" name="return" value="http://www.samplestore.example/thankyou.html"><input type="hidden" name="cancel_return" value="http://www.samplestore.example/cancelled.html"><input type="image" src="http://images.paypal.com/images/x-click-butcc.gif" border="0" name="submit" width="73" height="44"></p>)x",
        R"x(      </form>)x",
        R"x(    </td>)x",
        R"x(  </tr>)x",
        R"x(</table>)x"};
    EXPECT_EQ(buyNowSample(), expected.join(QStringLiteral("\r\n")));
}

TEST(ShoppingCartSample, HoldsTwoRowsOfTwoItemsWithOnlyTheFirstFieldLineInAParagraph) {
    const QStringList rows = shoppingCartSample().split(QStringLiteral("  <tr>\r\n"));
    ASSERT_EQ(rows.size(), 3);
    for (const QString& row : rows.mid(1)) {
        EXPECT_EQ(row.count(QLatin1String("    <td valign=\"middle\" align=\"center\"><img ")), 2);
        EXPECT_EQ(row.count(QLatin1String("    <td width=\"150\"><b>")), 2);
    }
    const auto forms = formsOf(shoppingCartSample());
    ASSERT_EQ(forms.size(), 5U);
    EXPECT_TRUE(forms[0].fieldLines.first().startsWith(QLatin1String("        <p><input ")));
    EXPECT_TRUE(forms[0].fieldLines.first().endsWith(QLatin1String("></p>")));
    for (std::size_t item = 1; item < 4; ++item) {
        EXPECT_TRUE(forms[item].fieldLines.first().startsWith(QLatin1String("        <input ")));
    }
}

TEST(ShoppingCartSample, PricesItsItemsFrom10_50To15_00) {
    const auto forms = formsOf(shoppingCartSample());
    QStringList prices;
    for (std::size_t item = 0; item < 4; ++item) {
        prices << valueOf(forms[item], "amount");
    }
    prices.sort();
    ASSERT_EQ(prices.size(), 4);
    EXPECT_EQ(prices.first(), QStringLiteral("10.50"));
    EXPECT_EQ(prices.last(), QStringLiteral("15.00"));
}

TEST(SubscriptionSample, IsTwoTablesEachWithThePlanOnTheSecondLineOfTheBoldName) {
    const QString sample = subscriptionSample();
    EXPECT_EQ(sample.count(QLatin1String("<table ")), 2);
    EXPECT_TRUE(sample.contains(QLatin1String("</table>\r\n<table ")));
    for (const char* plan : {"1 Month (Free)", "6 Month Subscription"}) {
        const QRegularExpression boldName(
            QStringLiteral(R"(\r\n    <td width="200"><b>[^<]+<br>\r\n      %1</b><br>\r\n)")
                .arg(QRegularExpression::escape(QString::fromLatin1(plan))));
        EXPECT_TRUE(boldName.match(sample).hasMatch()) << plan;
    }
    for (const Form& form : formsOf(sample)) {
        EXPECT_EQ(form.fieldLines.size(), 2);
    }
}

} // namespace
} // namespace ravelin::extras
