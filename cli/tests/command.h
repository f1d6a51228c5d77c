// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs the built ravelin-button as a user would, with a private settings folder.
#pragma once

#include "buttons/buttontypes.h"
#include "ravelin/version.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace ravelin::cli {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A private settings folder, so that no test reads or writes the user's own settings. The
// passphrase variable is never passed on from the test's own environment.
class Command : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments, const std::string& input = {},
                const QProcessEnvironment& extra = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        environment.remove("RAVELIN_KEY_PASSPHRASE");
        environment.insert(extra);
        process.setProcessEnvironment(environment);
        process.start(RAVELIN_BUTTON_PATH, arguments);
        EXPECT_TRUE(process.waitForStarted());
        process.write(input.data(), static_cast<qint64>(input.size()));
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return {process.exitCode(), process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }

    // Writes a file in the private folder and gives its path.
    QString file(const QString& name, const std::string& contents) {
        QFile out(config_.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents.data(), static_cast<qint64>(contents.size()));
        return out.fileName();
    }

    void storeAccount(const std::string& address) {
        file("RAVELIN.ini", "[Program%20Settings]\nEmailAddress=" + address + "\n");
    }

    QTemporaryDir config_;
};

inline const std::string kBuild(version::kBuildCode);

// A real-looking address, so that the account gives no finding.
inline const std::string kAccount = "seller@example.com";

// What the checker says of the worked example of `Type` on standard error: the Add to Cart and
// Donations examples return to "thanks.htm", which is not a full address.
template <typename Type> std::string exampleFindings() {
    if constexpr (std::is_same_v<Type, buttons::AddToCart> ||
                  std::is_same_v<Type, buttons::Donate>) {
        return "ravelin-button: warning: txtWebSiteSuccessATC: The return address is not a full "
               "address starting with https:// or http://, so it may not be found.\n";
    }
    return {};
}

// An answers file giving every answer key of `Type` its value in `answers`.
template <typename Type> std::string answersFile(const typename Type::Answers& answers) {
    QJsonObject object;
    for (const auto& key : Type::kKeys) {
        const QString name = QString::fromUtf8(key.name.data(), qsizetype(key.name.size()));
        if (key.text != nullptr) {
            object.insert(name, QString::fromStdString(answers.*key.text));
        } else if (const auto& option = answers.*key.option) {
            object.insert(name, *option);
        } else {
            object.insert(name, QJsonValue::Null);
        }
    }
    return QJsonDocument(object).toJson().toStdString();
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

// What a browser posts for a button: its one form's action, the hidden name=value pairs in
// order, the whole form data set in order (the hidden fields, the chosen options and the typed
// texts), and the picture inputs.
struct Posted {
    int forms = 0;
    std::string action;
    Pairs hidden;
    Pairs posted;
    std::vector<std::string> images;

    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& field : hidden) {
            names.push_back(field.first);
        }
        return names;
    }
    std::string value(const std::string& name) const {
        const auto at =
            std::ranges::find(hidden, name, &std::pair<std::string, std::string>::first);
        return at == hidden.end() ? std::string() : at->second;
    }
};

// The button read by cli/tests/parse_form.py, with the buyer's `choices` by control name
// ({"os0": "Large"}); a menu not named posts its first option.
inline Posted parsed(const std::string& html, const QJsonObject& choices = {}) {
    QProcess python;
    python.start("python3",
                 {PARSE_FORM_PATH, "--posted",
                  QString::fromUtf8(QJsonDocument(choices).toJson(QJsonDocument::Compact))});
    EXPECT_TRUE(python.waitForStarted());
    python.write(html.data(), static_cast<qint64>(html.size()));
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished());
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    Posted posted;
    posted.forms = json["forms"].toInt();
    posted.action = json["action"].toString().toStdString();
    for (const QJsonValue field : json["hidden"].toArray()) {
        posted.hidden.emplace_back(field[0].toString().toStdString(),
                                   field[1].toString().toStdString());
    }
    for (const QJsonValue field : json["posted"].toArray()) {
        posted.posted.emplace_back(field[0].toString().toStdString(),
                                   field[1].toString().toStdString());
    }
    for (const QJsonValue image : json["images"].toArray()) {
        posted.images.push_back(image.toString().toStdString());
    }
    return posted;
}

} // namespace ravelin::cli
