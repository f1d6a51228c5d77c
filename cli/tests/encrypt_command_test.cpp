// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-button --encrypt as a seller runs it, with keys made for the test; what the form
// posts is read back with Python's HTML parser, as a browser would read it.
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/tests/examples.h"
#include "buttons/tests/expected.h"
#include "cli/tests/command.h"
#include "crypto/tests/testkeys.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ravelin::cli {
namespace {

using buttons::testing::contains;
using crypto::testing::TestKeys;
using crypto::testing::Who;

constexpr char kCertificateId[] = "SELLER42";
constexpr char kPassphrase[] = "correct horse battery";

class EncryptCommand : public Command {
protected:
    // Every run has an account, so the answer checker has nothing to say of it.
    void SetUp() override { storeAccount(kAccount); }

    QStringList encryptArguments(const crypto::KeyFiles& files) const {
        return {"--encrypt",
                "--cert-id",
                kCertificateId,
                "--key",
                QString::fromStdString(files.privateKey),
                "--cert",
                QString::fromStdString(files.certificate),
                "--service-cert",
                QString::fromStdString(files.serviceCertificate)};
    }
    QStringList encryptArguments() const { return encryptArguments(keys_.files()); }

    static QProcessEnvironment passphraseVariable(const QString& passphrase) {
        QProcessEnvironment environment;
        environment.insert("RAVELIN_KEY_PASSPHRASE", passphrase);
        return environment;
    }

    TestKeys keys_;
};

TEST_F(EncryptCommand, EncryptsEachWorkedExampleToItsPlainFields) {
    buttons::forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        const buttons::Button expected = buttons::testing::exampleButton<Type>(kAccount, kBuild);
        const QString answers =
            file("answers.json", answersFile<Type>(buttons::workedExample<Type>()));
        const QStringList plainArguments = {QString::fromUtf8(Type::kName.data()), "--answers",
                                            answers, "--account", QString::fromStdString(kAccount)};
        const Outcome encrypted = run(plainArguments + encryptArguments());
        ASSERT_EQ(encrypted.exitCode, 0) << encrypted.err;
        EXPECT_EQ(encrypted.err, exampleFindings<Type>());

        const Posted plain = parsed(expected.html);
        const Posted posted = parsed(encrypted.out);
        EXPECT_EQ(posted.forms, 1);
        EXPECT_EQ(posted.action, plain.action);
        EXPECT_EQ(posted.names(), (std::vector<std::string>{"cmd", "encrypted"}));
        EXPECT_EQ(posted.value("cmd"), "_s-xclick");
        EXPECT_EQ(posted.images, plain.images);
        EXPECT_EQ(posted.images.size(), 1U);

        const crypto::testing::Opened opened = keys_.open(posted.value("encrypted"));
        EXPECT_EQ(opened.error, "");
        EXPECT_TRUE(opened.signedBySeller);
        std::string lines = std::string("cert_id=") + kCertificateId + "\n";
        for (const auto& [name, value] : plain.hidden) {
            lines += name + "=" + value + "\n";
        }
        EXPECT_EQ(opened.lines, lines);

        const Outcome summary = run(plainArguments + encryptArguments() + QStringList{"--summary"});
        EXPECT_EQ(summary.exitCode, 0);
        EXPECT_EQ(summary.out,
                  expected.summary + "Encrypted: Yes (certificate ID SELLER42)\r\n\r\n");
    });
}

// The buyer's choices post beside the encrypted block, and PayPal reads the prices inside it.
TEST_F(EncryptCommand, ABrowserPostsTheChosenOptionsBesideTheEncryptedBlock) {
    const QString answers =
        file("t-shirt.json", answersFile<buttons::BuyNow>(buttons::tShirtExample()));
    const Outcome result = run(QStringList{"buy-now", "--answers", answers} + encryptArguments());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Posted posted = parsed(result.out, QJsonObject{{"os0", "Large"}, {"os2", "Ada"}});
    ASSERT_EQ(posted.posted.size(), 8U);
    EXPECT_EQ(posted.posted[0], (std::pair<std::string, std::string>{"cmd", "_s-xclick"}));
    EXPECT_EQ(posted.posted[1].first, "encrypted");
    EXPECT_EQ(Pairs(posted.posted.begin() + 2, posted.posted.end()),
              (Pairs{{"on0", "Size"},
                     {"os0", "Large"},
                     {"on1", "Colour"},
                     {"os1", "Red"},
                     {"on2", "Name to print"},
                     {"os2", "Ada"}}));
    const crypto::testing::Opened opened = keys_.open(posted.value("encrypted"));
    EXPECT_TRUE(opened.signedBySeller);
    EXPECT_TRUE(contains(opened.lines, "\noption_select2=Large\noption_amount2=12.50\n"));
    EXPECT_FALSE(contains(opened.lines, "\non0="));
}

TEST_F(EncryptCommand, InTheSandboxPostsToTheSandboxHost) {
    const Outcome result = run(QStringList{"buy-now", "--sandbox"} + encryptArguments());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Posted posted = parsed(result.out);
    const buttons::Endpoints sandbox = buttons::Endpoints::sandbox();
    EXPECT_EQ(posted.action, sandbox.webscr);
    EXPECT_EQ(posted.images,
              std::vector<std::string>{buttons::testing::picture("x-click-butcc.gif", sandbox)});
    EXPECT_EQ(posted.names(), (std::vector<std::string>{"cmd", "encrypted"}));
}

TEST_F(EncryptCommand, TakesThePassphraseFromItsFileOrTheEnvironmentOnly) {
    crypto::KeyFiles locked = keys_.files();
    locked.privateKey = keys_.writeKey("locked.key", Who::Seller, kPassphrase);
    const QString goodFile = file("pass.txt", std::string(kPassphrase) + "\n");
    const QString crlfFile = file("pass-crlf.txt", std::string(kPassphrase) + "\r\nmore\n");
    const QString wrongFile = file("wrong.txt", "open sesame\n");
    const QString emptyFile = file("empty.txt", "\n");
    struct Case {
        const char* what;
        QStringList extra;
        QProcessEnvironment environment;
        std::string problem;    // empty when the button is written
        std::string input = {}; // on standard input
    };
    const QString pipe = config_.filePath("pass.pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Case cases[] = {
        {"from the environment", {}, passphraseVariable(kPassphrase), ""},
        {"from a file", {"--key-passphrase-file", goodFile}, {}, ""},
        {"from the first line of a CRLF file", {"--key-passphrase-file", crlfFile}, {}, ""},
        {"the file before the environment",
         {"--key-passphrase-file", goodFile},
         passphraseVariable("open sesame"),
         ""},
        {"none",
         {},
         {},
         "is protected by a passphrase and none was given; put it in "
         "RAVELIN_KEY_PASSPHRASE or in a file named by --key-passphrase-file"},
        {"an empty variable", {}, passphraseVariable(""), "none was given"},
        {"a wrong one", {}, passphraseVariable("open sesame"), "does not unlock the private key"},
        {"a wrong one in a file",
         {"--key-passphrase-file", wrongFile},
         {},
         "does not unlock the private key"},
        {"an empty file", {"--key-passphrase-file", emptyFile}, {}, "holds no passphrase"},
        {"a missing file",
         {"--key-passphrase-file", config_.filePath("none.txt")},
         {},
         "cannot read the passphrase file"},
        {"from a pipe",
         {"--key-passphrase-file", "/dev/stdin"},
         {},
         "",
         std::string(kPassphrase) + "\n"},
        // The reader once waited for a writer for ever.
        {"a named pipe nothing is written to",
         {"--key-passphrase-file", pipe},
         {},
         "\": it is a named pipe, and nothing was written to it within 2 seconds"},
        {"a folder", {"--key-passphrase-file", config_.path()}, {}, "it is a folder, not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome result =
            run(QStringList{"donate"} + encryptArguments(locked) + c.extra, c.input, c.environment);
        if (c.problem.empty()) {
            EXPECT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(result.err, "");
            EXPECT_TRUE(contains(result.out, R"(name="encrypted" value="-----BEGIN PKCS7-----)"));
        } else {
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_EQ(result.out, "");
            EXPECT_TRUE(contains(result.err, c.problem)) << result.err;
            EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
        EXPECT_FALSE(contains(result.out + result.err, kPassphrase));
    }
    // Nothing the command wrote holds the passphrase.
    for (QDirIterator it(config_.path(), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile written(it.next());
        if (written.fileName().endsWith(".txt")) {
            continue; // the passphrase files the test wrote
        }
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_FALSE(written.readAll().contains(kPassphrase)) << written.fileName().toStdString();
    }
}

TEST_F(EncryptCommand, RefusesBadEncryptionInputWithOneLineAndStatusTwo) {
    const crypto::KeyFiles good = keys_.files();
    crypto::KeyFiles expired = good;
    expired.certificate = keys_.writeCertificate("old.crt", Who::Seller, -100, -2);
    crypto::KeyFiles mismatched = good;
    mismatched.privateKey = keys_.writeKey("other.key", Who::Stranger);
    crypto::KeyFiles missing = good;
    missing.serviceCertificate += ".gone";
    crypto::KeyFiles swapped = good;
    std::swap(swapped.privateKey, swapped.certificate);
    crypto::KeyFiles locked = good;
    locked.privateKey = keys_.writeKey("locked.key", Who::Seller, kPassphrase);

    struct Case {
        QStringList arguments;
        QProcessEnvironment environment;
        std::string problem;
    };
    const Case cases[] = {
        {{"buy-now", "--encrypt"},
         {},
         "--encrypt also needs --cert-id, --key, --cert, --service-cert"},
        {{"buy-now", "--encrypt", "--cert-id", "X1", "--key", "k.pem"},
         {},
         "--encrypt also needs --cert, --service-cert"},
        {{"buy-now", "--cert-id", "X1"}, {}, "--cert-id is only used with --encrypt"},
        {{"buy-now", "--key-passphrase-file", "p.txt"},
         {},
         "--key-passphrase-file is only used with --encrypt"},
        {{"buy-now", "--cert"}, {}, "--cert needs a value"},
        {{"buy-now", "--key-passphrase", kPassphrase},
         {},
         "a passphrase is never given as an argument; put it in RAVELIN_KEY_PASSPHRASE"},
        {{"buy-now", QString("--key-passphrase=") + kPassphrase},
         {},
         "a passphrase is never given as an argument"},
        {{"buy-now", QString("-key-passphrase=") + kPassphrase},
         {},
         "a passphrase is never given as an argument"},
        {QStringList{"buy-now"} + encryptArguments(missing),
         {},
         "service.crt.gone\" does not exist"},
        {QStringList{"buy-now"} + encryptArguments(swapped),
         {},
         "holds a certificate, not a private key"},
        {QStringList{"buy-now"} + encryptArguments(mismatched),
         {},
         "does not belong to the certificate"},
        {QStringList{"buy-now"} + encryptArguments(expired), {}, "old.crt\" expired on "},
        {QStringList{"buy-now"} + encryptArguments(locked), passphraseVariable("nope"),
         "the passphrase does not unlock the private key"},
        {QStringList{"buy-now", "--answers", "-"} + encryptArguments(),
         {},
         "\"item_name\" holds a line break"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome result =
            run(c.arguments, R"({"txtItemNameBN": "Mug\namount=0.01"})", c.environment);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("ravelin-button: ")) << result.err;
        EXPECT_TRUE(contains(result.err, c.problem)) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_FALSE(contains(result.err, kPassphrase));
    }
}

TEST_F(EncryptCommand, WarnsWhenOthersMayReadTheKeyAndStillWritesTheButton) {
    namespace fs = std::filesystem;
    crypto::KeyFiles shared = keys_.files();
    shared.privateKey = keys_.writeKey("shared.key", Who::Seller, std::nullopt, false,
                                       fs::perms::owner_read | fs::perms::owner_write |
                                           fs::perms::group_read | fs::perms::others_read);
    const Outcome result = run(QStringList{"view-cart"} + encryptArguments(shared));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "ravelin-button: warning: the private key file \"" + shared.privateKey +
                              "\" can be read by other users; chmod 600 makes it private\n");
    EXPECT_TRUE(contains(result.out, R"(name="encrypted")"));
}

TEST_F(EncryptCommand, ExplainsTheEncryptionOptionsInItsHelp) {
    const Outcome result = run({"--help"});
    for (const char* expected :
         {"--encrypt", "--cert-id ID", "--key FILE", "--cert FILE", "--service-cert FILE",
          "--key-passphrase-file FILE", "RAVELIN_KEY_PASSPHRASE"}) {
        EXPECT_TRUE(contains(result.out, expected)) << expected;
    }
}

} // namespace
} // namespace ravelin::cli
