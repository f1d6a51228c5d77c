// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/examples.h"
#include "buttons/reader.h"
#include "cli/tests/command.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ravelin::cli {
namespace {

QString typeWord(std::string_view type) {
    return QString::fromUtf8(type.data(), static_cast<qsizetype>(type.size()));
}

QJsonArray jsonArray(const std::string& out) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out;
    EXPECT_TRUE(document.isArray()) << out;
    return document.array();
}

// Every button --from-html lists writes itself again through `TYPE --answers A --account
// ACCOUNT [--sandbox]`, byte for byte, at the lines it names.
TEST_F(Command, FromHtmlListsEveryButtonWithTheAnswersThatWriteItAgain) {
    std::vector<std::string> buttons;
    std::string page = "<html>\n<body>\n";
    buttons::forEachButtonType([&]<typename Type>() {
        for (const bool sandbox : {false, true}) {
            QStringList arguments = {typeWord(Type::kName), "--account", "seller@example.com",
                                     "--answers", "-"};
            if (sandbox) {
                arguments << "--sandbox";
            }
            const Outcome written =
                run(arguments, answersFile<Type>(buttons::workedExample<Type>()));
            buttons.push_back(written.out);
            page += "<p>" + written.out + "</p>\n";
        }
    });
    const std::string tShirt = run({"buy-now", "--account", "a&b@example.com", "--answers", "-"},
                                   answersFile<buttons::BuyNow>(buttons::tShirtExample()))
                                   .out;
    buttons.push_back(tShirt);
    page += tShirt + "\n</body>\n</html>\n";

    const Outcome listed = run({"--from-html", file("page.html", page)});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.err, "");
    const QJsonArray found = jsonArray(listed.out);
    ASSERT_EQ(found.size(), static_cast<qsizetype>(buttons.size()));
    std::size_t line = 3;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QJsonObject button = found[i].toObject();
        SCOPED_TRACE(button["type"].toString().toStdString());
        EXPECT_EQ(button["line"].toInt(), static_cast<int>(line));
        line += static_cast<std::size_t>(std::count(buttons[i].begin(), buttons[i].end(), '\n'));
        EXPECT_EQ(button["last_line"].toInt(), static_cast<int>(line));
        ++line;
        EXPECT_FALSE(button["encrypted"].toBool());
        EXPECT_EQ(button["notes"].toArray().size(), 0);
        QStringList again = {
            button["type"].toString(), "--answers",
            file("answers.json",
                 QJsonDocument(button["answers"].toObject()).toJson().toStdString()),
            "--account", button["account"].toString()};
        if (button["sandbox"].toBool()) {
            again << "--sandbox";
        }
        EXPECT_EQ(run(again).out, buttons[static_cast<std::size_t>(i)]);
    }
}

TEST_F(Command, FromHtmlReadsStandardInputAndWritesAnEmptyArrayForAPageWithoutButtons) {
    const Outcome none = run({"--from-html", "-"}, "<form action=\"/search\"></form>");
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "[]\n");
    const std::string unknown =
        R"(<form action="https://www.paypal.com/cgi-bin/webscr">)"
        R"(<input type="hidden" name="cmd" value="_s-xclick">)"
        R"(<input type="hidden" name="hosted_button_id" value="8X7"></form>)";
    const QJsonArray found = jsonArray(run({"--from-html", "-"}, unknown).out);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].toObject()["type"].isNull());
    EXPECT_TRUE(found[0].toObject()["answers"].isNull());
    EXPECT_EQ(found[0].toObject()["notes"].toArray().size(), 1);
}

TEST_F(Command, FromHtmlRefusesAPageOverItsLimitOrMissingInOneLine) {
    const std::string big(buttons::kMaxPageSize + 1, ' ');
    const Outcome tooBig = run({"--from-html", "-"}, big);
    EXPECT_EQ(tooBig.exitCode, 2);
    EXPECT_EQ(tooBig.out, "");
    EXPECT_EQ(tooBig.err,
              "ravelin-button: the page standard input is larger than 64 MiB, the most that is "
              "read\n");
    const Outcome missing = run({"--from-html", config_.filePath("none.html")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
    EXPECT_EQ(run({"buy-now", "--from-html", "-"}).exitCode, 2);
}

class Audit : public Command {
protected:
    // A site: two pages with buttons in folders, a page without, a text file with a button
    // that is no page, and a page too large to read.
    QString site() {
        QDir(config_.path()).mkpath("site/shop/b");
        const std::string buyNow =
            run({"buy-now", "--account", "seller@example.com", "--answers", "-"},
                answersFile<buttons::BuyNow>(buttons::workedExample<buttons::BuyNow>()))
                .out;
        const std::string donate =
            run({"donate", "--account", "seller@example.com", "--sandbox", "--answers", "-"},
                answersFile<buttons::Donate>(buttons::workedExample<buttons::Donate>()))
                .out;
        const std::string broken = run({"view-cart", "--account", "no address"}).out;
        file("site/shop/b/z.htm", "<p>\n" + donate + "\n" + broken);
        file("site/shop/a.html", "\n\n" + buyNow);
        file("site/index.HTML", "<p>Welcome</p>");
        file("site/notes.txt", buyNow);
        QFile large(config_.filePath("site/shop/large.html"));
        EXPECT_TRUE(large.open(QIODevice::WriteOnly));
        EXPECT_TRUE(large.resize(static_cast<qint64>(buttons::kMaxPageSize) + 1));
        return config_.filePath("site");
    }
};

TEST_F(Audit, WritesALineForEachButtonOfThePagesUnderEachPathInOrderAndGoesOnPastProblems) {
    const QString path = site();
    const std::string root = path.toStdString();
    const Outcome audit = run({"--audit", path, config_.filePath("missing")});
    EXPECT_EQ(audit.exitCode, 0);
    EXPECT_EQ(audit.out,
              root +
                  "/shop/a.html:3: buy-now \"Garden Gnome\" 25.00 EUR, legacy, 0 errors, 0 "
                  "warnings\n" +
                  root +
                  "/shop/b/z.htm:2: donate \"Roof Fund\" GBP, sandbox, 0 errors, 1 "
                  "warning\n" +
                  root + "/shop/b/z.htm:14: view-cart, 1 error, 0 warnings\n");
    EXPECT_EQ(audit.err, "ravelin-button: the page \"" + root +
                             "/shop/large.html\" is larger than 64 MiB, the most that is read\n"
                             "ravelin-button: cannot read \"" +
                             config_.filePath("missing").toStdString() +
                             "\": there is no such file or folder\n");
    EXPECT_EQ(run({"--audit", "--strict", path}).exitCode, 3);
    EXPECT_EQ(run({"--audit", "--strict", path + "/shop/a.html"}).exitCode, 0);
    EXPECT_EQ(run({"--audit"}).exitCode, 2);
}

TEST_F(Audit, WritesTheSameAsAJsonArray) {
    const QJsonArray found = jsonArray(run({"--audit", "--json", site()}).out);
    ASSERT_EQ(found.size(), 3);
    const QJsonObject first = found[0].toObject();
    EXPECT_TRUE(first["file"].toString().endsWith("/shop/a.html"));
    EXPECT_EQ(first["line"].toInt(), 3);
    EXPECT_EQ(first["type"].toString(), "buy-now");
    EXPECT_EQ(first["item_name"].toString(), "Garden Gnome");
    EXPECT_EQ(first["price"].toString(), "25.00");
    EXPECT_EQ(first["currency"].toString(), "EUR");
    EXPECT_TRUE(first["legacy"].toBool());
    EXPECT_FALSE(first["sandbox"].toBool());
    EXPECT_EQ(first["errors"].toInt(), 0);
    EXPECT_TRUE(found[1].toObject()["sandbox"].toBool());
    EXPECT_EQ(found[2].toObject()["errors"].toInt(), 1);
    EXPECT_EQ(run({"--audit", "--json", config_.filePath("none")}).out, "[]\n");
}

} // namespace
} // namespace ravelin::cli
