// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs the built ravelin-button as a user would and checks what it writes and how it exits.
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/tests/dialoganswers.h"
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "buttons/tests/tshirt.h"
#include "buttons/writers.h"
#include "cli/tests/command.h"
#include "ravelin/version.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <array>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ravelin::cli {
namespace {

TEST(BuildCode, OfTheReleaseIsTheWritersBuildCode) {
    EXPECT_EQ(version::kBuildCode,
              buttons::buildCode(version::kMajor, version::kMinor, version::kRevision));
}

TEST_F(Command, WritesTheWorkedExamplesAndTheirSummariesExactly) {
    buttons::forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        const buttons::Button expected = buttons::testing::exampleButton<Type>(kAccount, kBuild);
        const QString answers =
            file("answers.json", answersFile<Type>(buttons::workedExample<Type>()));
        const QStringList arguments = {QString::fromUtf8(Type::kName.data()), "--answers", answers,
                                       "--account", QString::fromStdString(kAccount)};
        const Outcome html = run(arguments);
        EXPECT_EQ(html.exitCode, 0);
        EXPECT_EQ(html.out, expected.html);
        EXPECT_EQ(html.err, exampleFindings<Type>());
        const Outcome summary = run(arguments + QStringList{"--summary"});
        EXPECT_EQ(summary.exitCode, 0);
        EXPECT_EQ(summary.out, expected.summary);
    });
}

// The wizard shows the writers' buttons for what was typed (wizard/tests/navigation_test.cpp);
// ravelin-button writes the same bytes for the same answers, in every kind of currency text.
TEST_F(Command, WritesTheWritersButtonForEveryKindOfCurrencyText) {
    for (const char* currency : {"Euro (EUR)", "EUR", "Swiss Franc (CHF)", "PLN", "Francs"}) {
        SCOPED_TRACE(currency);
        buttons::BuyNowAnswers answers;
        answers.txtItemNameBN = "T-shirt";
        answers.txtPriceBN = "12.50";
        answers.cmbCurrencyBN = currency;
        const QString file = this->file("answers.json", answersFile<buttons::BuyNow>(answers));
        const buttons::Context context{kAccount, kBuild, {}};
        for (const bool summary : {false, true}) {
            QStringList arguments = {"buy-now", "--answers", file, "--account",
                                     QString::fromStdString(kAccount)};
            if (summary) {
                arguments << "--summary";
            }
            const Outcome result = run(arguments);
            EXPECT_EQ(result.exitCode, 0);
            const buttons::Button expected = buttons::writeBuyNow(answers, context);
            EXPECT_EQ(result.out, summary ? expected.summary : expected.html);
        }
    }
}

// The answers of the wizard's Item options and Advanced variables dialogs, given as keys.
TEST_F(Command, WritesTheTShirtWithItsOptionsAndItsNotificationAddressExactly) {
    const QString answers =
        file("t-shirt.json", answersFile<buttons::BuyNow>(buttons::tShirtExample()));
    const QStringList arguments = {"buy-now", "--answers", answers, "--account",
                                   QString::fromStdString(kAccount)};
    const buttons::Button expected = buttons::testing::tShirtButton(kAccount, kBuild);
    const Outcome html = run(arguments);
    EXPECT_EQ(html.exitCode, 0);
    EXPECT_EQ(html.out, expected.html);
    EXPECT_EQ(html.err, "") << "PayPal reads every field as meant";
    EXPECT_EQ(run(arguments + QStringList{"--summary"}).out, expected.summary);
}

TEST_F(Command, WritesWhatTheWriterWritesForEveryAnswerOfTheDialogs) {
    buttons::forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        const auto answers = buttons::testing::withEveryDialogAnswer<Type>();
        const buttons::Button expected = Type::kWrite(answers, {kAccount, kBuild, {}});
        const QStringList arguments = {QString::fromUtf8(Type::kName.data()), "--answers",
                                       file("dialogs.json", answersFile<Type>(answers)),
                                       "--account", QString::fromStdString(kAccount)};
        const Outcome html = run(arguments);
        EXPECT_EQ(html.exitCode, 0);
        EXPECT_EQ(html.out, expected.html);
        EXPECT_EQ(run(arguments + QStringList{"--summary"}).out, expected.summary);
    });
}

// A browser posts the buyer's choices of two menus and the text typed into a text box under
// os0, os1 and os2, each after its name on0, on1 and on2.
TEST_F(Command, ABrowserPostsTheChosenOptionsAndTheTypedTextInOrder) {
    const std::string answers = R"json({"txtItemNameBN": "T-Shirt", "cmbCurrencyBN": "Euro (EUR)",
        "txtOption1NameBN": "Size", "txtOption1ChoicesBN": "Small = 10\nLarge = 12.50",
        "txtOption2NameBN": "Colour", "txtOption2ChoicesBN": "Red\nBlue",
        "txtText1NameBN": "Name to print"})json";
    const Outcome result =
        run({"buy-now", "--answers", "-", "--account", "seller@example.com"}, answers);
    ASSERT_EQ(result.exitCode, 0);
    const auto options = [](const Pairs& pairs) {
        Pairs out;
        for (const auto& pair : pairs) {
            if (pair.first.starts_with("on") || pair.first.starts_with("os") ||
                pair.first.starts_with("option_")) {
                out.push_back(pair);
            }
        }
        return out;
    };
    const Pairs prices = {{"option_select0", "Small"},
                          {"option_amount0", "10.00"},
                          {"option_select1", "Large"},
                          {"option_amount1", "12.50"},
                          {"option_index", "0"}};
    const Posted chosen = parsed(
        result.out, QJsonObject{{"os0", "Large"}, {"os1", "Blue"}, {"os2", "Ada \"Lovelace\""}});
    Pairs expected = prices;
    expected.insert(expected.end(), {{"on0", "Size"},
                                     {"os0", "Large"},
                                     {"on1", "Colour"},
                                     {"os1", "Blue"},
                                     {"on2", "Name to print"},
                                     {"os2", "Ada \"Lovelace\""}});
    EXPECT_EQ(options(chosen.posted), expected);
    EXPECT_EQ(chosen.forms, 1);

    // Left as the page shows it: each menu's first choice, nothing typed.
    const Posted untouched = parsed(result.out);
    expected = prices;
    expected.insert(expected.end(), {{"on0", "Size"},
                                     {"os0", "Small"},
                                     {"on1", "Colour"},
                                     {"os1", "Red"},
                                     {"on2", "Name to print"},
                                     {"os2", ""}});
    EXPECT_EQ(options(untouched.posted), expected);
}

TEST_F(Command, ReadsAnswersFromStandardInputForADash) {
    const Outcome result =
        run({"view-cart", "--answers", "-", "--account", "ACCOUNT"}, R"({"optVC": 1})");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              buttons::testing::exampleButton<buttons::ViewCart>("ACCOUNT", kBuild).html);
}

TEST_F(Command, ReadsAnswersFromAPipeNamedAsAFile) {
    QProcess shell;
    shell.setProcessEnvironment([&] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        return environment;
    }());
    shell.start("bash",
                {"-c", QStringLiteral(RAVELIN_BUTTON_PATH) +
                           " view-cart --account ACCOUNT --answers <(echo '{\"optVC\": 1}')"});
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_EQ(shell.readAllStandardOutput().toStdString(),
              buttons::testing::exampleButton<buttons::ViewCart>("ACCOUNT", kBuild).html);
}

TEST_F(Command, WithoutAnswersWritesTheWizardDefaults) {
    const Outcome result = run({"add-to-cart", "--account", "ACCOUNT"});
    EXPECT_EQ(result.exitCode, 0);
    buttons::Context context{"ACCOUNT", kBuild, {}};
    EXPECT_EQ(result.out, buttons::writeAddToCart({}, context).html);
}

TEST_F(Command, TakesTheAccountFromTheOptionThenTheAnswersThenTheStoredSetting) {
    const QString withEmail = file("email.json", R"({"txtEmail": "typed@example.com"})");
    EXPECT_EQ(run({"view-cart", "--summary"}).out, "PayPal Account: \r\n\r\n");
    storeAccount("stored@example.com");
    EXPECT_EQ(run({"view-cart", "--summary"}).out, "PayPal Account: stored@example.com\r\n\r\n");
    EXPECT_EQ(run({"view-cart", "--summary", "--answers", withEmail}).out,
              "PayPal Account: typed@example.com\r\n\r\n");
    EXPECT_EQ(
        run({"view-cart", "--summary", "--answers", withEmail, "--account=given@example.com"}).out,
        "PayPal Account: given@example.com\r\n\r\n");
}

TEST_F(Command, PostsToTheSandboxWhenAsked) {
    const Outcome result = run({"subscribe", "--sandbox"});
    EXPECT_EQ(result.exitCode, 0);
    const buttons::Endpoints sandbox = buttons::Endpoints::sandbox();
    EXPECT_TRUE(buttons::testing::contains(result.out, "<form action=\"" + sandbox.webscr + "\""));
    EXPECT_EQ(buttons::testing::imageSource(result.out),
              buttons::testing::picture("x-click-but20.gif", sandbox, true));
}

TEST_F(Command, PrintsTheReleaseForVersion) {
    const Outcome result = run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string(version::kRelease) + "\n");
}

TEST_F(Command, ListsEveryTypesAnswerKeysWithTheirDefaultsForHelp) {
    const Outcome result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    for (const char* expected : {
             "buy-now",
             "add-to-cart",
             "view-cart",
             "donate",
             "subscribe",
             R"x(default "US Dollar ($)")x",
             R"x(default "(optional instructions)")x",
             R"x(default "Months(s)")x",
             R"x(default "Day(s)")x",
             "txtEmail",
             "--strict",
             "--check",
             "--json",
             "3 with --strict or --check",
             "  CHF  Swiss Franc (CHF)\n",
             "man ravelin-button",
         }) {
        EXPECT_TRUE(buttons::testing::contains(result.out, expected)) << expected;
    }
    EXPECT_FALSE(buttons::testing::contains(result.out, "README"))
        << "an installed program has no README beside it";
    // The usage lines name every option.
    const std::string usage = result.out.substr(0, result.out.find("\n\n"));
    for (const char* option :
         {"--answers", "--account", "--summary", "--sandbox", "--strict", "--encrypt", "--cert-id",
          "--key ", "--cert ", "--service-cert", "--key-passphrase-file", "--check", "--json",
          "--help", "--version"}) {
        EXPECT_TRUE(buttons::testing::contains(usage, option)) << option;
    }
    const auto lineOf = [&](const std::string& key) {
        const std::size_t at = result.out.find("    " + key + " ");
        return at == std::string::npos ? std::string()
                                       : result.out.substr(at, result.out.find('\n', at) - at);
    };
    EXPECT_TRUE(lineOf("optBN").ends_with("default 5"));
    EXPECT_TRUE(lineOf("optExtraBN").ends_with("default 0"));
    EXPECT_TRUE(lineOf("optRecurSUB").ends_with("default 0"));
    EXPECT_TRUE(lineOf("cmbStopSUB").ends_with(R"(default "-")"));
    EXPECT_TRUE(lineOf("txtWebSiteSuccessBN").ends_with(R"(default "http://")"));
    EXPECT_TRUE(lineOf("txtButtonURLBN").ends_with(R"(default "https://")"));
    EXPECT_TRUE(buttons::testing::contains(lineOf("txtOption1ChoicesBN"), "text, one a line"));
    EXPECT_TRUE(buttons::testing::contains(lineOf("txtAdvancedVC"), "text, one a line"));
    EXPECT_TRUE(lineOf("txtText2NameSUB").ends_with(R"(default "")"));
}

TEST_F(Command, RefusesBadInputWithOneLineAndStatusTwo) {
    const QString goodFile = file("good.json", "{}");
    const QString badJson = file("bad.json", R"({"txtItemNameBN": )");
    struct Case {
        QStringList arguments;
        std::string input;
        std::string problem; // a part of the message
    };
    const std::string thirtyOne(31, 'x');
    const Case cases[] = {
        {{}, "", "no button type"},
        {{"buy-later"}, "", R"(unknown button type "buy-later")"},
        {{"buy-now", "--colour"}, "", R"(unknown option "--colour")"},
        {{"buy-now", "donate"}, "", R"(unexpected argument "donate")"},
        {{"buy-now", "--answers"}, "", "--answers needs a value"},
        {{"buy-now", "--account"}, "", "--account needs a value"},
        {{"buy-now", "--answers", config_.filePath("missing.json")}, "", "cannot read answers"},
        {{"buy-now", "--answers", config_.path()}, "", "cannot read answers"},
        {{"buy-now", "--answers", badJson}, "", "not valid JSON"},
        {{"buy-now", "--answers", "-"}, "", "not valid JSON"},
        {{"buy-now", "--answers", "-"}, "[1, 2]", "must be a JSON object"},
        {{"buy-now", "--answers", "-"},
         R"({"txtNoteATC": "x"})",
         R"(buy-now has no answer key "txtNoteATC")"},
        {{"donate", "--answers", "-"},
         R"({"txtLogoBN": ""})",
         R"(donate has no answer key "txtLogoBN")"},
        {{"subscribe", "--answers", "-"},
         R"({"txtLogoATC": ""})",
         R"(subscribe has no answer key "txtLogoATC")"},
        {{"buy-now", "--answers", "-"},
         R"({"txtItemNameBN": 5})",
         R"("txtItemNameBN" must be a string)"},
        {{"buy-now", "--answers", "-"},
         R"({"txtItemNameBN": null})",
         R"("txtItemNameBN" must be a string)"},
        {{"buy-now", "--answers", "-"}, R"({"txtEmail": ["a"]})", R"("txtEmail" must be a string)"},
        {{"buy-now", "--answers", "-"}, R"({"optBN": "5"})", R"("optBN" must be an option index)"},
        {{"buy-now", "--answers", "-"}, R"({"optBN": true})", R"("optBN" must be an option index)"},
        {{"buy-now", "--answers", "-"}, R"({"optBN": 2.5})", R"("optBN" must be an option index)"},
        {{"buy-now", "--answers", "-"},
         R"({"optBN": 9})",
         R"("optBN" is 9, outside its options 0 to 8)"},
        {{"buy-now", "--answers", "-"}, R"({"optBN": -1})", R"("optBN" is -1, outside)"},
        {{"buy-now", "--json"}, "", "--json goes with --check"},
        {{"buy-now", "--summary=yes"}, "", R"(unknown option "--summary=yes")"},
        // The first argument refused is told, though Qt's parser tells of the last.
        {{"buy-now", "--summary=yes", "--answers"}, "", R"(unknown option "--summary=yes")"},
        // Qt's reader would take "\x" as "x".
        {{"buy-now", "--answers", "-"},
         R"({"txtButtonURLBN": "C:\xampp"})",
         "the answers in standard input cannot be used: not valid JSON at offset 23"},
        // Thirty-two levels of nesting are read, and refused only as no string.
        {{"buy-now", "--answers", "-"},
         R"({"txtItemNameBN": )" + std::string(31, '[') + std::string(31, ']') + "}",
         R"("txtItemNameBN" must be a string)"},
        {{"view-cart", "--answers", "-"},
         R"({"optVC": 4})",
         R"("optVC" is 4, outside its options 0 to 3)"},
        {{"subscribe", "--answers", "-"}, R"({"optRecurSUB": 2})", R"("optRecurSUB" is 2)"},
        {{"add-to-cart", "--answers", "-"},
         R"({"txtNoteATC": ")" + thirtyOne + R"("})",
         R"("txtNoteATC" is 31 characters long; its box takes at most 30)"},
        // A text on the command line takes what a box takes, on one line; the button is never
        // written with it.
        {{"view-cart", "--account", "a\x1b[31m@b.com"},
         "",
         R"(--account "a\u001B[31m@b.com" holds a control character (U+001B), which cannot be )"
         "typed"},
        {{"view-cart", "--account", "a@b.com\r\nX"},
         "",
         R"(--account "a@b.com\r\nX" holds a line break (U+000D))"},
        {{"view-cart", "--account=a@b.com\n"}, "", R"(--account "a@b.com\n" holds a line break)"},
        {{"view-cart", "--account", QStringLiteral("a\u0085@b.com")},
         "",
         "a control character (U+0085)"},
        {{"buy-now", "--cert-id", "8Q4\x07"}, "", R"(--cert-id "8Q4\u0007" holds a control)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " < " + c.input);
        const Outcome result = run(c.arguments, c.input);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("ravelin-button: ")) << result.err;
        EXPECT_TRUE(buttons::testing::contains(result.err, c.problem)) << result.err;
        EXPECT_TRUE(result.err.ends_with("\n"));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

TEST_F(Command, NamesTheNearestKeyOfAnUnknownOne) {
    struct Case {
        const char* type;
        const char* key;
        std::string line;
    };
    const Case cases[] = {
        {"buy-now", "txtPrice",
         R"(buy-now has no answer key "txtPrice"; did you mean txtPriceBN?)"},
        {"buy-now", "TXTPRICEBN",
         R"(buy-now has no answer key "TXTPRICEBN"; did you mean txtPriceBN?)"},
        {"buy-now", "txtPriceATC",
         R"(buy-now has no answer key "txtPriceATC"; did you mean txtPriceBN?)"},
        {"subscribe", "txtPrice2",
         R"(subscribe has no answer key "txtPrice2"; did you mean txtPrice2SUB?)"},
        {"donate", "txtMail", R"(donate has no answer key "txtMail"; did you mean txtEmail?)"},
        {"view-cart", "optV", R"(view-cart has no answer key "optV"; did you mean optVC?)"},
        {"view-cart", "opt", R"(view-cart has no answer key "opt")"}, // too short to tell
        {"buy-now", "colour", R"(buy-now has no answer key "colour")"},
        {"buy-now", "txtLogoATC",
         R"(buy-now has no answer key "txtLogoATC"; did you mean txtLogoBN?)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const Outcome result =
            run({c.type, "--answers", "-"}, std::string(R"({")") + c.key + R"(": "1"})");
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, "ravelin-button: " + c.line + "\n");
    }
}

TEST_F(Command, NamesTheCurrenciesWhenACurrencyBoxHoldsNone) {
    using buttons::testing::contains;
    struct Case {
        const char* type;
        const char* key;
        const char* currency;
        bool named;
    };
    const Case cases[] = {
        {"buy-now", "cmbCurrencyBN", "Francs", true},
        {"subscribe", "cmbCurrencySUB", "eur", true},
        {"donate", "cmbCurrencyDON", "", true},
        {"add-to-cart", "cmbCurrencyATC", "EUR", false},
        {"buy-now", "cmbCurrencyBN", "Brazilian Real (BRL)", false}, // a warning of its own
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.currency);
        const Outcome result =
            run({c.type, "--check", "--answers", "-", "--account", "seller@example.com"},
                std::string(R"({")") + c.key + R"(": ")" + c.currency + R"("})");
        const std::size_t at = result.out.find(c.key);
        const std::string line =
            at == std::string::npos ? "" : result.out.substr(at, result.out.find('\n', at) - at);
        EXPECT_EQ(contains(line, R"x(The currencies are "US Dollar ($)", "British Pound)x"),
                  c.named)
            << line;
        EXPECT_EQ(contains(line, R"x("Thai Baht (THB)", or a code alone, such as "EUR".)x"),
                  c.named)
            << line;
    }
}

TEST_F(Command, RefusesAnAccountThatIsNotUtf8) {
    QProcess shell;
    shell.start("sh", {"-c", R"sh("$0" view-cart --account "$(printf 'caf\351@b.com')")sh",
                       RAVELIN_BUTTON_PATH});
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_EQ(shell.exitCode(), 2);
    EXPECT_EQ(shell.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(shell.readAllStandardError(),
              QByteArray(R"(ravelin-button: --account "caf\xE9@b.com" holds bytes that are not )"
                         "UTF-8 text, which cannot be typed\n"));
}

// A stream the command was started without is never taken by a file it opens: it refuses in one
// line instead, and writes nothing.
TEST_F(Command, RefusesWhenTheStreamItNeedsIsClosed) {
    struct Case {
        int closed;
        QStringList arguments;
        int exitCode;
        QByteArray errors;
    };
    const Case cases[] = {
        {STDOUT_FILENO,
         {"view-cart"},
         1,
         "ravelin-button: standard output is closed, so nothing can be written\n"},
        {STDOUT_FILENO,
         {"view-cart", "--check"},
         1,
         "ravelin-button: standard output is closed, so nothing can be written\n"},
        {STDIN_FILENO,
         {"view-cart", "--answers", "-"},
         2,
         "ravelin-button: cannot read answers from standard input: it is closed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        process.setProcessEnvironment(environment);
        process.setChildProcessModifier([fd = c.closed] { ::close(fd); });
        process.start(RAVELIN_BUTTON_PATH, c.arguments);
        ASSERT_TRUE(process.waitForFinished());
        EXPECT_EQ(process.exitCode(), c.exitCode);
        EXPECT_EQ(process.readAllStandardError(), c.errors);
    }
    // Closed standard input is no matter when the answers come from a file.
    QProcess process;
    process.setChildProcessModifier([] { ::close(STDIN_FILENO); });
    process.start(RAVELIN_BUTTON_PATH, {"view-cart", "--account", "a@b.com"});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().endsWith("</form>"));
}

TEST_F(Command, AcceptsNoteBoxesUpToTheirLimitCountedInCharacters) {
    std::string thirtyAccented;
    for (int i = 0; i < 30; ++i) {
        thirtyAccented += "é"; // 60 bytes, 30 characters
    }
    const Outcome atc = run({"add-to-cart", "--answers", "-"},
                            R"({"optNoteATC": 0, "txtNoteATC": ")" + thirtyAccented + R"("})");
    EXPECT_EQ(atc.exitCode, 0) << atc.err;
    EXPECT_TRUE(buttons::testing::contains(atc.out, thirtyAccented));
    const Outcome donate =
        run({"donate", "--answers", "-"},
            R"({"optNoteDON": 0, "txtNoteDON": ")" + std::string(100, 'x') + R"("})");
    EXPECT_EQ(donate.exitCode, 0) << donate.err;
}

TEST_F(Command, TakesNullForAnOptionGroupWithNothingSelected) {
    const Outcome result = run({"view-cart", "--answers", "-"}, R"({"optVC": null})");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.ends_with("value=\"1\" > \r\n</form>"));
}

// Answers with one error (the price) and one warning (a logo on plain http://).
const std::string kPriceErrorAndLogoWarning =
    R"({"txtItemNameBN": "Gnome", "txtPriceBN": "12,50", "txtLogoBN": "http://shop.example.com/logo.png"})";
const std::string kPriceErrorLine = "error: txtPriceBN: The price must be a number such as 12.50, "
                                    "with a point for decimals and no thousands separators.";
const std::string kLogoWarningLine = "warning: txtLogoBN: The logo address starts with http://, so "
                                     "secure pages may not show the picture; use https://.";
const std::string kLogoWarningOnly =
    R"({"txtItemNameBN": "Gnome", "txtPriceBN": "12.50", "txtLogoBN": "http://shop.example.com/logo.png"})";

buttons::BuyNowAnswers priceErrorAndLogoWarning(std::string price) {
    buttons::BuyNowAnswers a;
    a.txtItemNameBN = "Gnome";
    a.txtPriceBN = std::move(price);
    a.txtLogoBN = "http://shop.example.com/logo.png";
    return a;
}

TEST_F(Command, TellsFindingsOnStandardErrorAndStillWritesTheButton) {
    const buttons::Context context{kAccount, kBuild, {}};
    const Outcome withError = run({"buy-now", "--answers", "-", "--account", "seller@example.com"},
                                  kPriceErrorAndLogoWarning);
    EXPECT_EQ(withError.exitCode, 0);
    EXPECT_EQ(withError.out, buttons::writeBuyNow(priceErrorAndLogoWarning("12,50"), context).html);
    EXPECT_EQ(withError.err, "ravelin-button: " + kPriceErrorLine +
                                 "\nravelin-button: " + kLogoWarningLine + "\n");

    const Outcome withWarning =
        run({"buy-now", "--answers", "-", "--account", "seller@example.com", "--summary"},
            kLogoWarningOnly);
    EXPECT_EQ(withWarning.exitCode, 0);
    EXPECT_EQ(withWarning.out,
              buttons::writeBuyNow(priceErrorAndLogoWarning("12.50"), context).summary);
    EXPECT_EQ(withWarning.err, "ravelin-button: " + kLogoWarningLine + "\n");
}

TEST_F(Command, StrictWritesNothingAndExitsWithThreeWhenTheAnswersHaveErrors) {
    for (const QString& what : {QStringLiteral("--summary"), QStringLiteral("--sandbox")}) {
        SCOPED_TRACE(what.toStdString());
        const Outcome refused =
            run({"buy-now", "--strict", what, "--answers", "-", "--account", "seller@example.com"},
                kPriceErrorAndLogoWarning);
        EXPECT_EQ(refused.exitCode, 3);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "ravelin-button: " + kPriceErrorLine +
                                   "\nravelin-button: " + kLogoWarningLine + "\n");
    }
    const Outcome warned =
        run({"buy-now", "--strict", "--answers", "-", "--account", "seller@example.com"},
            kLogoWarningOnly);
    EXPECT_EQ(warned.exitCode, 0) << "warnings never stop the button";
    EXPECT_TRUE(warned.out.ends_with("</form>"));
    EXPECT_EQ(warned.err, "ravelin-button: " + kLogoWarningLine + "\n");
}

TEST_F(Command, CheckWritesOnlyTheFindingsOneALineAndExitsWithThreeForErrors) {
    const Outcome errors =
        run({"buy-now", "--check", "--answers", "-", "--account", "seller@example.com"},
            kPriceErrorAndLogoWarning);
    EXPECT_EQ(errors.exitCode, 3);
    EXPECT_EQ(errors.out, kPriceErrorLine + "\n" + kLogoWarningLine + "\n");
    EXPECT_EQ(errors.err, "");

    const Outcome warnings =
        run({"buy-now", "--check", "--answers", "-", "--account", "seller@example.com"},
            kLogoWarningOnly);
    EXPECT_EQ(warnings.exitCode, 0);
    EXPECT_EQ(warnings.out, kLogoWarningLine + "\n");

    const Outcome clean = run({"view-cart", "--check", "--account", "seller@example.com"});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.err, "");
}

TEST_F(Command, CheckWithJsonWritesAnArrayThatParses) {
    struct Case {
        QStringList arguments;
        std::string answers;
        int exitCode;
        std::vector<std::array<std::string, 3>> findings; // severity, control, message
    };
    const Case cases[] = {
        {{"view-cart", "--account", "seller@example.com"}, "{}", 0, {}},
        {{"buy-now", "--account", "seller@example.com"},
         kPriceErrorAndLogoWarning,
         3,
         {{"error", "txtPriceBN",
           "The price must be a number such as 12.50, with a point for decimals and no "
           "thousands separators."},
          {"warning", "txtLogoBN",
           "The logo address starts with http://, so secure pages may not show the picture; "
           "use https://."}}},
        // Quotes and backslashes in a message, and an account with a quote.
        {{"subscribe", "--account", "sel\"ler\\@example.com"},
         R"({"txtItemNameSUB": "News", "txtPriceSUB": "5", "optRecurSUB": 1})",
         3,
         {{"error", "txtEmail",
           "The PayPal account address contains a double quote, which ends the value early in "
           "the button's HTML."},
          {"error", "cmbStopSUB",
           "With \"Stop charging after\", the number of payments must be a whole number from 2 "
           "to 52."}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome result =
            run(c.arguments + QStringList{"--check", "--json", "--answers", "-"}, c.answers);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err, "");
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
        ASSERT_TRUE(document.isArray()) << result.out;
        const QJsonArray array = document.array();
        ASSERT_EQ(array.size(), static_cast<qsizetype>(c.findings.size())) << result.out;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QJsonObject object = array[i].toObject();
            EXPECT_EQ(object.size(), 3);
            EXPECT_EQ(object["severity"].toString().toStdString(), c.findings[i][0]);
            EXPECT_EQ(object["control"].toString().toStdString(), c.findings[i][1]);
            EXPECT_EQ(object["message"].toString().toStdString(), c.findings[i][2]);
        }
    }
}

// The one line on standard error, with no control character in it but its final line break.
void expectOneCleanLine(const Outcome& result) {
    EXPECT_TRUE(result.err.starts_with("ravelin-button: ")) << result.err;
    ASSERT_TRUE(result.err.ends_with("\n")) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    for (std::size_t i = 0; i + 1 < result.err.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result.err[i]);
        EXPECT_TRUE(byte >= 0x20 && byte != 0x7F)
            << "raw control byte " << int(byte) << " in " << result.err;
    }
}

TEST_F(Command, EchoedTextIsEscapedAndQtNeverAddsALineOfItsOwn) {
    struct Case {
        QStringList arguments;
        std::string problem;
    };
    const Case cases[] = {
        {{"--answers="}, "--answers needs a value"},
        {{"buy-now", "--answers="}, "--answers needs a value"},
        {{"buy\x1b[31mnow"}, R"(unknown button type "buy\u001B[31mnow")"},
        {{"buy-now\nsecond line"}, R"(unknown button type "buy-now\nsecond line")"},
        {{"buy-now", "--col\x7four"}, R"(unknown option "--col\u007Four")"},
        {{"buy-now", "x\xc2\x85y"}, R"(unexpected argument "x\u0085y")"},
        {{"buy-now", QString::fromLatin1("--answers=\x1b]0;title\x07")},
         "cannot read answers from"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        expectOneCleanLine(result);
        EXPECT_TRUE(buttons::testing::contains(result.err, c.problem)) << result.err;
    }
}

TEST_F(Command, RefusesAnswersThatCannotBeTypedNamingTheKey) {
    struct Case {
        const char* name;
        std::string input;
        std::string problem;
    };
    const Case cases[] = {
        {"RawNul", std::string("{\"txtItemNameBN\": \"a\0b\"}", 24),
         R"(answer "txtItemNameBN" holds a NUL character)"},
        {"EscapedNul", R"({"txtItemNameBN": "a\u0000b"})",
         R"(answer "txtItemNameBN" holds a NUL character)"},
        {"RawEscape", "{\"txtItemIDBN\": \"\x1b[2J\"}",
         R"(answer "txtItemIDBN" holds a control character (U+001B))"},
        {"Backspace", R"({"txtItemIDBN": "a\bb"})",
         R"(answer "txtItemIDBN" holds a control character (U+0008))"},
        {"Delete", R"({"txtLogoBN": "\u007f"})", R"(answer "txtLogoBN" holds a control character)"},
        {"NextLine", R"({"txtLogoBN": "\u0085"})",
         R"(answer "txtLogoBN" holds a control character)"},
        {"LoneHighSurrogate", R"({"txtItemNameBN": "\ud800"})",
         R"(answer "txtItemNameBN" holds half a surrogate pair (\uD800))"},
        {"HighSurrogateBeforeALetter", R"({"txtItemNameBN": "\ud800\u0041"})",
         R"(answer "txtItemNameBN" holds half a surrogate pair)"},
        {"LoneLowSurrogate", R"({"txtItemNameBN": "x\udc00"})",
         R"(answer "txtItemNameBN" holds half a surrogate pair (\uDC00))"},
        {"DuplicateKey", R"({"txtItemNameBN": "first", "txtPriceBN": "1", "txtItemNameBN": "x"})",
         R"(answer key "txtItemNameBN" is given twice)"},
        {"ControlCharacterInAKey", R"({"txtItem\u001bNameBN": "x"})",
         R"(answer key "txtItem\u001BNameBN" holds a control character)"},
        {"NotUtf8", "{\"txtItemNameBN\": \"caf\xe9\"}", "not"},
        {"DuplicateKeyWrittenWithAnEscape",
         R"({"txtItemNameBN": "first", "\u0074xtItemNameBN": "x"})",
         R"(answer key "txtItemNameBN" is given twice)"},
        {"DuplicateKeyInANestedObject", R"({"txtItemNameBN": [{"a": 1, "a": 2}]})",
         R"(answer key "txtItemNameBN" holds an object with the key "a" given twice)"},
        {"ControlCharacterInANestedText", R"({"txtItemNameBN": [{"a": "\u0001"}]})",
         R"(answer "txtItemNameBN" holds a control character (U+0001))"},
        {"NestedTooDeep",
         R"({"txtItemNameBN": )" + std::string(40, '[') + std::string(40, ']') + "}",
         "nested deeper than 32"},
        {"NestedOneLevelTooDeep",
         R"({"txtItemNameBN": )" + std::string(32, '[') + std::string(32, ']') + "}",
         R"(nested deeper than 32 levels in the answer "txtItemNameBN")"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome result = run({"buy-now", "--answers", "-"}, c.input);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        expectOneCleanLine(result);
        EXPECT_TRUE(buttons::testing::contains(result.err, c.problem)) << result.err;
    }
}

// What is named as the answers file and is no file is refused at once, named: a named pipe
// nothing is written to (the reader waited for a writer for ever), a device such as /dev/zero
// or a terminal, a folder, a socket.
TEST_F(Command, RefusesWhatIsNoFileNamingItWithoutWaiting) {
    const QString pipe = config_.filePath("pipe.json");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString socketPath = config_.filePath("socket.json");
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(socketPath).constData(),
                 sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const struct {
        QString name;
        std::string problem;
    } cases[] = {
        {pipe, "it is a named pipe, and nothing was written to it within 2 seconds"},
        {"/dev/zero", "it is a device, not a file"},
        {"/dev/null", "it is a device, not a file"},
        {config_.path(), "it is a folder, not a file"},
        {socketPath, "it is a socket, not a file"},
        {config_.filePath("missing.json"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const Outcome result = run({"view-cart", "--answers", c.name});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "ravelin-button: cannot read answers from \"" + c.name.toStdString() +
                                  "\": " + c.problem + "\n");
    }
    ::close(listening);
}

TEST_F(Command, ReadsANamedPipeToTheEndOfWhatItsWriterWrites) {
    const QString pipe = config_.filePath("pipe.json");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess process;
    process.start(RAVELIN_BUTTON_PATH, {"view-cart", "--account", "a@b.com", "--answers", pipe});
    ASSERT_TRUE(process.waitForStarted());
    {
        QFile writer(pipe); // opens once the command has the pipe open
        ASSERT_TRUE(writer.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        writer.write(R"({"optVC")");
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // it waits for the rest
        writer.write(R"(: 1})");
    }
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              buttons::testing::exampleButton<buttons::ViewCart>("a@b.com", kBuild).html);
}

TEST_F(Command, KeepsTabsLineBreaksAndCharactersBeyondTheBasicPlane) {
    const Outcome result = run({"buy-now", "--answers", "-", "--summary"},
                               R"({"txtItemNameBN": "a\tb\r\nc \ud83c\udf70 \u00e9"})");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(buttons::testing::contains(result.out, "a\tb\r\nc \xF0\x9F\x8D\xB0 \xC3\xA9"))
        << result.out;
}

TEST_F(Command, TakesAnswersUpToTheCapAndRefusesOneByteMore) {
    const std::size_t cap = std::size_t{4} * 1024 * 1024;
    const std::string answers = R"({"optVC": 1})";
    const std::string atCap = answers + std::string(cap - answers.size(), ' ');
    EXPECT_EQ(run({"view-cart", "--answers", file("cap.json", atCap)}).exitCode, 0);

    const Outcome over = run({"view-cart", "--answers", file("over.json", atCap + " ")});
    EXPECT_EQ(over.exitCode, 2);
    expectOneCleanLine(over);
    EXPECT_TRUE(buttons::testing::contains(over.err, "larger than 4 MiB")) << over.err;
}

TEST_F(Command, InputWithoutEndIsCutOffQuicklyWithOneLine) {
    const QString button = QStringLiteral(RAVELIN_BUTTON_PATH);
    const QStringList commands = {
        QStringLiteral("cat /dev/zero | ") + button + QStringLiteral(" buy-now --answers -"),
        QStringLiteral("yes '{' | ") + button + QStringLiteral(" buy-now --answers -"),
    };
    for (const QString& command : commands) {
        SCOPED_TRACE(command.toStdString());
        QProcess process;
        process.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
        ASSERT_TRUE(process.waitForFinished(10000)) << "still reading after 10 s";
        EXPECT_EQ(process.exitCode(), 2);
        const Outcome result{process.exitCode(), process.readAllStandardOutput().toStdString(),
                             process.readAllStandardError().toStdString()};
        EXPECT_EQ(result.out, "");
        expectOneCleanLine(result);
        EXPECT_TRUE(buttons::testing::contains(result.err, "larger than 4 MiB")) << result.err;
    }
}

} // namespace
} // namespace ravelin::cli
