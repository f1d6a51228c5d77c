// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/tests/tshirt.h"
#include "buttons/writers.h"
#include "crypto/encrypt.h"
#include "crypto/keys.h"
#include "crypto/tests/testkeys.h"

#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace ravelin::crypto {
namespace {

using buttons::Button;
using buttons::testing::contains;
using buttons::testing::exampleContext;
using buttons::testing::fieldNames;
using buttons::testing::fieldValue;
using buttons::testing::imageSource;
using buttons::testing::splitLines;
using testing::TestKeys;

constexpr std::string_view kCertificateId = "ABCD1234EFGH5";

// The keys are made once for all the tests here.
class Encrypt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { keys_ = new TestKeys(); }
    static void TearDownTestSuite() {
        delete keys_;
        keys_ = nullptr;
    }

    static SellerKeys sellerKeys() {
        LoadedKeys loaded = loadKeys(keys_->files(), std::nullopt, std::time(nullptr));
        if (auto* failure = std::get_if<KeyFailure>(&loaded)) {
            ADD_FAILURE() << failure->message;
        }
        return std::move(std::get<SellerKeys>(loaded));
    }

    static Button encrypted(const Button& plain, std::string_view id = kCertificateId) {
        EncryptedButton result = encryptButton(plain, sellerKeys(), id);
        if (auto* failure = std::get_if<EncryptFailure>(&result)) {
            ADD_FAILURE() << failure->message;
            return {};
        }
        return std::move(std::get<Button>(result));
    }

    static TestKeys* keys_;
};

TestKeys* Encrypt::keys_ = nullptr;

// The hidden inputs of rendered HTML as name=value lines, in order, as the service would post
// them (the worked examples hold nothing the renderer escapes).
std::string postedLines(const std::string& html) {
    std::string lines;
    for (const std::string& name : fieldNames(html)) {
        lines += name + "=" + fieldValue(html, name).value_or("?") + "\n";
    }
    return lines;
}

struct Example {
    std::string_view name;
    Button plain;
};

// The worked example of each button type, written plain.
std::vector<Example> workedExamples() {
    std::vector<Example> examples;
    buttons::forEachButtonType([&]<typename Type>() {
        examples.push_back(
            {Type::kName, Type::kWrite(buttons::workedExample<Type>(), exampleContext())});
    });
    return examples;
}

TEST_F(Encrypt, EachWorkedExampleOpensToThePlainFieldsSignedByTheSeller) {
    for (const Example& example : workedExamples()) {
        SCOPED_TRACE(example.name);
        const Button& plain = example.plain;
        const Button button = encrypted(plain);

        const testing::Opened opened =
            keys_->open(fieldValue(button.html, "encrypted").value_or(""));
        EXPECT_EQ(opened.error, "");
        EXPECT_TRUE(opened.signatureValid);
        EXPECT_TRUE(opened.signedBySeller);
        EXPECT_EQ(opened.cipher, "DES-EDE3-CBC");
        EXPECT_EQ(opened.lines,
                  "cert_id=" + std::string(kCertificateId) + "\n" + postedLines(plain.html));
    }
}

TEST_F(Encrypt, EachWorkedExamplePostsOnlyTheCommandAndTheEncryptedBlock) {
    for (const Example& example : workedExamples()) {
        SCOPED_TRACE(example.name);
        const Button& plain = example.plain;
        const Button button = encrypted(plain);

        // The plain HTML with its hidden inputs replaced by the two of the encrypted button.
        std::vector<std::string> expected;
        bool replaced = false;
        for (const std::string& line : splitLines(plain.html)) {
            if (!line.starts_with(R"(<input type="hidden")")) {
                expected.push_back(line);
            } else if (!std::exchange(replaced, true)) {
                expected.push_back(R"(<input type="hidden" name="cmd" value="_s-xclick">)");
                expected.push_back(R"(<input type="hidden" name="encrypted" value=")" +
                                   fieldValue(button.html, "encrypted").value_or("") + R"(">)");
            }
        }
        EXPECT_EQ(splitLines(button.html), expected);
        EXPECT_EQ(fieldNames(button.html), (std::vector<std::string>{"cmd", "encrypted"}));
        EXPECT_EQ(imageSource(button.html), imageSource(plain.html));
        EXPECT_EQ(button.summary, plain.summary + "Encrypted: Yes (certificate ID " +
                                      std::string(kCertificateId) + ")\r\n\r\n");
        EXPECT_EQ(button.action, plain.action);
    }
}

TEST_F(Encrypt, TheBlockIsPemOnOneLine) {
    const Button button = encrypted(
        buttons::writeBuyNow(buttons::workedExample<buttons::BuyNow>(), exampleContext()));
    const std::string value = fieldValue(button.html, "encrypted").value_or("");
    ASSERT_TRUE(value.starts_with("-----BEGIN PKCS7-----MII")) << value;
    ASSERT_TRUE(value.ends_with("-----END PKCS7-----")) << value;
    const std::string_view body = std::string_view(value).substr(21, value.size() - 21 - 19);
    EXPECT_EQ(body.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                     "0123456789+/="),
              std::string_view::npos)
        << body;
}

TEST_F(Encrypt, SignsValuesAsTypedAndKeepsTheCharsetBesideTheBlock) {
    buttons::BuyNowAnswers answers;
    answers.txtItemNameBN = R"(Größe 5 "Gnome" <b>&</b>)";
    const Button plain = buttons::writeBuyNow(answers, exampleContext());
    const Button button = encrypted(plain);

    EXPECT_EQ(fieldNames(button.html), (std::vector<std::string>{"cmd", "encrypted", "charset"}));
    EXPECT_EQ(fieldValue(button.html, "charset"), "utf-8");
    const testing::Opened opened = keys_->open(fieldValue(button.html, "encrypted").value_or(""));
    EXPECT_TRUE(opened.signatureValid);
    EXPECT_TRUE(contains(opened.lines, "\ncharset=utf-8\n"));
    EXPECT_TRUE(contains(opened.lines, "\nitem_name=Größe 5 \"Gnome\" <b>&</b>\n"));
    EXPECT_TRUE(
        button.html.starts_with("Item Name: Größe 5 \"Gnome\" &lt;b&gt;&amp;&lt;/b&gt;<br>"));
}

TEST_F(Encrypt, RefusesWhatTheLinesCannotCarry) {
    struct Case {
        const char* what;
        std::string certificateId;
        std::string itemName;
        std::string message;
    };
    const Case cases[] = {
        {"no certificate ID", "", "Mug", "no certificate ID was given"},
        {"a blank in the ID", "ABC 123", "Mug", "is not one PayPal gives"},
        {"an equals sign in the ID", "ABC=123", "Mug", "is not one PayPal gives"},
        {"a line break in the ID", "ABC\n123", "Mug", "is not one PayPal gives"},
        {"an ID too long", std::string(65, 'A'), "Mug", "is not one PayPal gives"},
        {"a line feed in a value", "ABC123", "Mug\namount=0.01",
         "\"item_name\" holds a line break"},
        {"a carriage return in a value", "ABC123", "Mug\r", "\"item_name\" holds a line break"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        buttons::BuyNowAnswers answers;
        answers.txtItemNameBN = c.itemName;
        const EncryptedButton result = encryptButton(
            buttons::writeBuyNow(answers, exampleContext()), sellerKeys(), c.certificateId);
        ASSERT_TRUE(std::holds_alternative<EncryptFailure>(result));
        EXPECT_TRUE(contains(std::get<EncryptFailure>(result).message, c.message))
            << std::get<EncryptFailure>(result).message;
    }
}

TEST_F(Encrypt, InTheSandboxPostsToTheSandboxAndSaysSo) {
    buttons::Context context = exampleContext();
    context.endpoints = buttons::Endpoints::sandbox();
    const Button plain = buttons::writeDonate(buttons::workedExample<buttons::Donate>(), context);
    const Button button = encrypted(plain);
    EXPECT_TRUE(contains(button.html, "<form action=\"" + context.endpoints.webscr + "\""));
    EXPECT_EQ(imageSource(button.html),
              buttons::testing::picture("x-click-butcc-donate.gif", context.endpoints));
    EXPECT_TRUE(button.summary.starts_with("Sandbox: Yes\r\n\r\nPayPal Account: ACCOUNT\r\n"));
    EXPECT_TRUE(button.summary.ends_with("Encrypted: Yes (certificate ID ABCD1234EFGH5)\r\n\r\n"));
}

// The menus and the text box are the buyer's to set, so they post beside the encrypted block;
// the prices of the choices, the notification address and everything else are inside it.
TEST_F(Encrypt, KeepsTheMenusAndTextBoxesOutsideTheBlockAndEverythingElseInside) {
    const Button plain = buttons::writeBuyNow(buttons::tShirtExample(), exampleContext());
    const Button button = encrypted(plain);

    const testing::Opened opened = keys_->open(fieldValue(button.html, "encrypted").value_or(""));
    EXPECT_TRUE(opened.signatureValid);
    EXPECT_EQ(opened.lines, "cert_id=ABCD1234EFGH5\n"
                            "bn=BUILD\n"
                            "cmd=_xclick\n"
                            "business=ACCOUNT\n"
                            "item_name=T-Shirt\n"
                            "item_number=TS-1\n"
                            "currency_code=CHF\n"
                            "undefined_quantity=1\n"
                            "option_select0=Small\n"
                            "option_amount0=10.00\n"
                            "option_select1=Medium\n"
                            "option_amount1=11.50\n"
                            "option_select2=Large\n"
                            "option_amount2=12.50\n"
                            "option_index=0\n"
                            "notify_url=https://shop.example.com/ipn\n");

    // The plain HTML with its hidden fields but the options' names replaced by the two of the
    // encrypted button: the options stay as they are, above the picture.
    std::vector<std::string> expected;
    bool replaced = false;
    for (const std::string& line : splitLines(plain.html)) {
        if (!line.starts_with(R"(<input type="hidden")") ||
            line.starts_with(R"(<input type="hidden" name="on)")) {
            expected.push_back(line);
        } else if (!std::exchange(replaced, true)) {
            expected.push_back(R"(<input type="hidden" name="cmd" value="_s-xclick">)");
            expected.push_back(R"(<input type="hidden" name="encrypted" value=")" +
                               fieldValue(button.html, "encrypted").value_or("") + R"(">)");
        }
    }
    EXPECT_EQ(splitLines(button.html), expected);
    EXPECT_EQ(fieldNames(button.html),
              (std::vector<std::string>{"cmd", "encrypted", "on0", "on1", "on2"}));
    EXPECT_TRUE(contains(button.html, R"(<select name="os0">)"));
    EXPECT_TRUE(contains(button.html, R"(<input type="text" name="os2" maxlength="200">)"));
}

TEST_F(Encrypt, KeepsTheCharsetBesideTheBlockWhenOnlyAnOptionNeedsIt) {
    buttons::BuyNowAnswers answers;
    answers.txtOption1NameBN = "Größe";
    answers.txtOption1ChoicesBN = "S\nM";
    const Button button = encrypted(buttons::writeBuyNow(answers, exampleContext()));
    EXPECT_EQ(fieldNames(button.html),
              (std::vector<std::string>{"cmd", "encrypted", "charset", "on0"}));
    EXPECT_EQ(fieldValue(button.html, "on0"), "Größe");
}

TEST(SignedLines, PutTheCertificateIdFirstAndEndEveryLineWithALineFeed) {
    EXPECT_EQ(
        signedLines(
            {{"cmd", "_xclick", false}, {"business", "a@b.example", true}, {"amount", "", false}},
            "X1"),
        "cert_id=X1\ncmd=_xclick\nbusiness=a@b.example\namount=\n");
    EXPECT_EQ(signedLines({}, "X1"), "cert_id=X1\n");
}

} // namespace
} // namespace ravelin::crypto
