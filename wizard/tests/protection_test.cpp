// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Encrypted buttons and the sandbox in the wizard: the "Protect buttons from tampering"
// dialog, the passphrase asked once a session, what the result pages show, and what is stored.
#include "buttons/tests/expected.h"
#include "crypto/tests/testkeys.h"
#include "wizard/frmprotect.h"
#include "wizard/protection.h"
#include "wizard/tests/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

namespace ravelin::wizard::testing {
namespace {

using buttons::testing::fieldNames;
using buttons::testing::fieldValue;
using crypto::testing::TestKeys;
using crypto::testing::Who;

constexpr char kCertificateId[] = "WIZARD7ID";
const QString kPassphrase = QStringLiteral("a passphrase nobody types twice");

const std::array<Tab, 5> kButtonTypes = {Tab::AddToCart, Tab::ViewCart, Tab::BuyNow, Tab::Donate,
                                         Tab::Subscriptions};

// The hidden inputs of a plain button as the signed lines carry them.
std::string postedLines(const std::string& html) {
    std::string lines = std::string("cert_id=") + kCertificateId + "\n";
    for (const std::string& name : fieldNames(html)) {
        lines += name + "=" + fieldValue(html, name).value_or("?") + "\n";
    }
    return lines;
}

// What the seller types when the wizard asks for the key's passphrase: given the dialog's
// question, the passphrase, or nothing to cancel.
using PassphraseAnswer = std::function<std::optional<QString>(const QString& question)>;

// Answers the passphrase dialog whenever the wizard shows it, as the seller would.
class PassphraseTyper {
public:
    explicit PassphraseTyper(PassphraseAnswer answer) : answer_(std::move(answer)) {
        timer_.callOnTimeout([this] { answerShownDialog(); });
        timer_.start(5);
    }

private:
    void answerShownDialog() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog == nullptr || dialog->objectName() != QStringLiteral("frmPassphrase") ||
                !dialog->isVisible()) {
                continue;
            }
            const QString question =
                dialog->findChild<QLabel*>(QStringLiteral("lblPassphrase"))->text();
            const std::optional<QString> passphrase =
                answer_ ? answer_(question) : std::optional<QString>();
            if (!answer_) {
                ADD_FAILURE() << "asked for a passphrase: " << question.toStdString();
            }
            if (passphrase) {
                dialog->findChild<QLineEdit*>(QStringLiteral("txtPassphrase"))
                    ->setText(*passphrase);
                dialog->accept();
            } else {
                dialog->reject();
            }
        }
    }

    PassphraseAnswer answer_;
    QTimer timer_;
};

class ProtectionTest : public WindowTest {
protected:
    void TearDown() override {
        typer_.reset();
        WindowTest::TearDown();
    }

    void answerPassphrases(PassphraseAnswer answer) { typer_.emplace(std::move(answer)); }

    Protection protection(const crypto::KeyFiles& files) const {
        return {.encrypt = true,
                .certificateId = kCertificateId,
                .privateKey = QString::fromStdString(files.privateKey),
                .certificate = QString::fromStdString(files.certificate),
                .serviceCertificate = QString::fromStdString(files.serviceCertificate)};
    }

    FrmProtect* openDialog() {
        EXPECT_TRUE(driver::click(*window, "btnProtect"));
        auto* dialog = window->findChild<FrmProtect*>(QStringLiteral("frmProtect"));
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog != nullptr && dialog->isVisible());
        return dialog;
    }

    // Fills the dialog as the seller does and presses OK.
    void choose(const Protection& chosen) {
        FrmProtect* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        auto* encrypt = named<QCheckBox>("chkEncrypt");
        if (encrypt->isChecked() != chosen.encrypt) {
            ASSERT_TRUE(driver::click(*window, "chkEncrypt"));
        }
        ASSERT_TRUE(driver::type(*window, "txtCertId", chosen.certificateId));
        ASSERT_TRUE(driver::type(*window, "txtKeyFile", chosen.privateKey));
        ASSERT_TRUE(driver::type(*window, "txtCertFile", chosen.certificate));
        ASSERT_TRUE(driver::type(*window, "txtServiceCertFile", chosen.serviceCertificate));
        press(QDialogButtonBox::Ok);
    }

    void press(QDialogButtonBox::StandardButton which) {
        auto* buttons = named<QDialogButtonBox>("bbxProtect");
        ASSERT_NE(buttons, nullptr);
        buttons->button(which)->click();
        driver::settle();
    }

    // Steps a button type from its first page to its result page with its defaults.
    void walkToResult(Tab tab) {
        const ButtonTab& info = *buttonTab(static_cast<int>(tab));
        selectTab(tab);
        while (window->pageNumber() < info.resultPage) {
            ASSERT_TRUE(driver::click(*window, "btnNext" + std::string(info.suffix)));
        }
    }

    buttons::Button plainDefaults(Tab tab, const buttons::Context& with = context()) const {
        return mstartup::makeButton(*buttonTab(static_cast<int>(tab)), *window, with);
    }

    // Every file under the settings folder, as text.
    QString everythingStored() const {
        QString all;
        for (QDirIterator it(config.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            all += QString::fromUtf8(file.readAll());
        }
        return all;
    }

    TestKeys keys;

private:
    std::optional<PassphraseTyper> typer_;
};

TEST_F(ProtectionTest, EveryResultPageShowsTheEncryptedForm) {
    openWithAccount();
    choose(protection(keys.files()));
    for (Tab tab : kButtonTypes) {
        const ButtonTab& info = *buttonTab(static_cast<int>(tab));
        SCOPED_TRACE(info.suffix);
        walkToResult(tab);
        const buttons::Button plain = plainDefaults(tab);
        const std::string html = text(info.htmlBox);

        EXPECT_EQ(fieldNames(html), (std::vector<std::string>{"cmd", "encrypted"}));
        EXPECT_EQ(fieldValue(html, "cmd"), "_s-xclick");
        const crypto::testing::Opened opened =
            keys.open(fieldValue(html, "encrypted").value_or(""));
        EXPECT_EQ(opened.error, "");
        EXPECT_TRUE(opened.signedBySeller);
        EXPECT_EQ(opened.lines, postedLines(plain.html));
        EXPECT_EQ(buttons::testing::imageSource(html), buttons::testing::imageSource(plain.html));
        EXPECT_EQ(text(info.logBox),
                  plain.summary + "Encrypted: Yes (certificate ID WIZARD7ID)\r\n\r\n");
        EXPECT_TRUE(enabled("btnFinish" + std::string(info.suffix)));
    }
    EXPECT_TRUE(messages.empty());

    // The untouched Subscriptions tab has no price: Insert HTML asks first, and Yes inserts.
    common::setMessageHandler([this](const common::Message& message) {
        messages.push_back(message);
        return common::MessageAnswer::Yes;
    });
    ASSERT_TRUE(driver::click(*window, "btnFinishSUB"));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(page.text().contains(QStringLiteral("name=\"encrypted\"")));
}

TEST_F(ProtectionTest, UnusableKeyFilesLeaveTheResultEmptyAndSayWhy) {
    struct Case {
        const char* what;
        std::function<crypto::KeyFiles(TestKeys&)> files;
        PassphraseAnswer passphrase;
        QString message;
    };
    const auto with = [](auto change) {
        return [change](TestKeys& k) {
            crypto::KeyFiles files = k.files();
            change(k, files);
            return files;
        };
    };
    const auto wrong = [](const QString&) { return std::optional<QString>("open barley"); };
    const Case cases[] = {
        {"missing key file",
         with([](TestKeys&, crypto::KeyFiles& f) { f.privateKey += ".gone"; }),
         {},
         "The private key file \"%1/seller.key.gone\" does not exist."},
        {"key of another certificate",
         with([](TestKeys& k, crypto::KeyFiles& f) {
             f.privateKey = k.writeKey("other.key", Who::Stranger);
         }),
         {},
         "The private key in \"%1/other.key\" does not belong to the certificate in"},
        {"expired certificate",
         with([](TestKeys& k, crypto::KeyFiles& f) {
             f.certificate = k.writeCertificate("old.crt", Who::Seller, -30, -1);
         }),
         {},
         "The certificate in \"%1/old.crt\" expired on "},
        {"certificate in the wrong format",
         with([](TestKeys& k, crypto::KeyFiles& f) { f.certificate = k.writeText("c.crt", "x"); }),
         {},
         "The certificate file \"%1/c.crt\" does not hold a PEM certificate."},
        {"wrong passphrase", with([](TestKeys& k, crypto::KeyFiles& f) {
             f.privateKey = k.writeKey("locked.key", Who::Seller, "open sesame");
         }),
         wrong, "The passphrase does not unlock the private key in \"%1/locked.key\"."},
        {"no passphrase given", with([](TestKeys& k, crypto::KeyFiles& f) {
             f.privateKey = k.writeKey("locked.key", Who::Seller, "open sesame");
         }),
         [](const QString&) { return std::optional<QString>(); },
         "is protected by a passphrase and none was given."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        answerPassphrases(c.passphrase);
        openWithAccount();
        choose(protection(c.files(keys)));
        walkToResult(Tab::BuyNow);
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages[0].prompt.contains(c.message.arg(keys.folder().c_str())))
            << messages[0].prompt.toStdString();
        EXPECT_EQ(text("txtHTMLBN"), "");
        EXPECT_EQ(text("txtLogBN"), "");
        EXPECT_FALSE(enabled("btnFinishBN"));
        window.reset();
    }
}

TEST_F(ProtectionTest, AsksThePassphraseOnceAWindowAndNeverStoresIt) {
    crypto::KeyFiles files = keys.files();
    files.privateKey = keys.writeKey("locked.key", Who::Seller, kPassphrase.toStdString());
    std::vector<QString> asked;
    std::vector<QString> answers = {"wrong", kPassphrase, kPassphrase};
    answerPassphrases([&](const QString& question) {
        asked.push_back(question);
        return std::optional<QString>(answers.at(asked.size() - 1));
    });

    openWithAccount();
    choose(protection(files));
    walkToResult(Tab::ViewCart); // a wrong passphrase: no button, asked again next time
    EXPECT_EQ(text("txtHTMLVC"), "");
    ASSERT_EQ(messages.size(), 1U);
    walkToResult(Tab::ViewCart);
    walkToResult(Tab::Donate);
    walkToResult(Tab::AddToCart);
    const QString question =
        QStringLiteral("The private key in %1 is protected by a passphrase. Passphrase:")
            .arg(QString::fromStdString(files.privateKey));
    EXPECT_EQ(asked, (std::vector<QString>{question, question}));
    EXPECT_EQ(fieldNames(text("txtHTMLATC")), (std::vector<std::string>{"cmd", "encrypted"}));
    EXPECT_EQ(messages.size(), 1U);

    window.reset(); // a new session asks again
    openWithAccount();
    walkToResult(Tab::BuyNow);
    EXPECT_EQ(asked.size(), 3U);
    EXPECT_EQ(fieldNames(text("txtHTMLBN")), (std::vector<std::string>{"cmd", "encrypted"}));
    window.reset();

    const QString stored = everythingStored();
    EXPECT_FALSE(stored.contains(kPassphrase));
    EXPECT_FALSE(stored.contains(QStringLiteral("PRIVATE KEY")));
    EXPECT_FALSE(stored.contains(QStringLiteral("CERTIFICATE")));
}

TEST_F(ProtectionTest, WarnsOnceWhenOthersMayReadTheKey) {
    namespace fs = std::filesystem;
    crypto::KeyFiles files = keys.files();
    files.privateKey =
        keys.writeKey("shared.key", Who::Seller, std::nullopt, false,
                      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    openWithAccount();
    choose(protection(files));
    walkToResult(Tab::BuyNow);
    walkToResult(Tab::AddToCart);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].prompt, QString("The private key file \"%1\" can be read by other users; "
                                          "chmod 600 makes it private.")
                                      .arg(QString::fromStdString(files.privateKey)));
    EXPECT_EQ(fieldNames(text("txtHTMLBN")), (std::vector<std::string>{"cmd", "encrypted"}));
    EXPECT_TRUE(enabled("btnFinishATC"));
}

TEST_F(ProtectionTest, TheDialogsChoicesSurviveClosingAndReopeningTheWizard) {
    const Protection chosen = protection(keys.files());
    openWithAccount();
    EXPECT_EQ(named<QLabel>("lblProtect")->text(), "");
    choose(chosen);
    EXPECT_EQ(named<QLabel>("lblProtect")->text(), "Encrypted with ID WIZARD7ID");
    window.reset();

    EXPECT_EQ(storedProtection(), chosen);
    open();
    EXPECT_EQ(named<QLabel>("lblProtect")->text(), "Encrypted with ID WIZARD7ID");
    FrmProtect* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->protection(), chosen);
    EXPECT_TRUE(named<QCheckBox>("chkEncrypt")->isChecked());
    EXPECT_EQ(named<QLineEdit>("txtCertId")->text(), kCertificateId);
    EXPECT_EQ(named<QLineEdit>("txtKeyFile")->text(), chosen.privateKey);

    // Turned off, the files stay named for the next time.
    ASSERT_TRUE(driver::click(*window, "chkEncrypt"));
    press(QDialogButtonBox::Ok);
    Protection off = chosen;
    off.encrypt = false;
    EXPECT_EQ(storedProtection(), off);
    EXPECT_EQ(named<QLabel>("lblProtect")->text(), "");

    const QString stored = everythingStored();
    EXPECT_TRUE(stored.contains(chosen.privateKey));
    EXPECT_TRUE(stored.contains(kCertificateId));
    EXPECT_FALSE(stored.contains(QStringLiteral("PRIVATE KEY")));
}

TEST_F(ProtectionTest, TheDialogKeepsNothingWhenCancelledOrIncomplete) {
    openWithAccount();
    choose(protection(keys.files()));
    const Protection before = storedProtection();

    // The dialog deletes itself once closed.
    const QPointer<FrmProtect> dialog = openDialog();
    ASSERT_TRUE(driver::type(*window, "txtCertId", "OTHER1"));
    press(QDialogButtonBox::Cancel);
    EXPECT_FALSE(dialog != nullptr && dialog->isVisible());
    EXPECT_EQ(storedProtection(), before);

    struct Case {
        const char* what;
        std::function<void(Protection&)> change;
        QString message;
    };
    const Case cases[] = {
        {"no certificate ID", [](Protection& p) { p.certificateId.clear(); },
         "No certificate ID was given"},
        {"an ID PayPal does not give", [](Protection& p) { p.certificateId = "AB-12"; },
         "is not one PayPal gives"},
        {"no key file", [](Protection& p) { p.privateKey.clear(); },
         "Please choose the file of your private key."},
        {"no certificate", [](Protection& p) { p.certificate.clear(); },
         "Please choose the file of your certificate."},
        {"no PayPal certificate", [](Protection& p) { p.serviceCertificate.clear(); },
         "Please choose the file of PayPal's certificate."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        Protection incomplete = before;
        c.change(incomplete);
        choose(incomplete);
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages[0].prompt.contains(c.message)) << messages[0].prompt.toStdString();
        auto* open = window->findChild<FrmProtect*>(QStringLiteral("frmProtect"));
        ASSERT_NE(open, nullptr);
        EXPECT_TRUE(open->isVisible());
        EXPECT_EQ(storedProtection(), before);
        press(QDialogButtonBox::Cancel);
    }
}

TEST_F(ProtectionTest, TheSandboxChoiceMovesTheFormAndIsKeptPerUser) {
    openWithAccount();
    EXPECT_FALSE(named<QCheckBox>("chkSandbox")->isChecked());
    walkToResult(Tab::BuyNow);
    EXPECT_EQ(text("txtHTMLBN"), plainDefaults(Tab::BuyNow).html);

    selectTab(Tab::Setup);
    ASSERT_TRUE(driver::click(*window, "chkSandbox"));
    EXPECT_EQ(common::readSetting("RAVELIN", "Program Settings", "Sandbox"), "1");
    window.reset();

    openWithAccount();
    EXPECT_TRUE(named<QCheckBox>("chkSandbox")->isChecked());
    buttons::Context sandbox = context();
    sandbox.endpoints = buttons::Endpoints::sandbox();
    for (Tab tab : kButtonTypes) {
        const ButtonTab& info = *buttonTab(static_cast<int>(tab));
        SCOPED_TRACE(info.suffix);
        walkToResult(tab);
        const buttons::Button expected = plainDefaults(tab, sandbox);
        EXPECT_EQ(text(info.htmlBox), expected.html);
        EXPECT_EQ(text(info.logBox), expected.summary);
        EXPECT_TRUE(text(info.logBox).starts_with("Sandbox: Yes\r\n\r\nPayPal Account: "));
        EXPECT_TRUE(buttons::testing::contains(
            text(info.htmlBox), R"(<form action="https://www.sandbox.paypal.com/cgi-bin/webscr")"));
    }

    // Encrypted in the sandbox: the encrypted form posts there too.
    choose(protection(keys.files()));
    walkToResult(Tab::Donate);
    EXPECT_TRUE(buttons::testing::contains(
        text("txtHTMLATC"), R"(<form action="https://www.sandbox.paypal.com/cgi-bin/webscr")"));
    EXPECT_EQ(fieldNames(text("txtHTMLATC")), (std::vector<std::string>{"cmd", "encrypted"}));
}

TEST_F(ProtectionTest, NewControlsAreNamedForAssistiveTechnologyAndReachedByTab) {
    openWithAccount();
    const FrmProtect* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    for (std::string_view name :
         {"chkSandbox", "btnProtect", "chkEncrypt", "txtCertId", "txtKeyFile", "btnKeyFile",
          "txtCertFile", "btnCertFile", "txtServiceCertFile", "btnServiceCertFile"}) {
        SCOPED_TRACE(name);
        QWidget* control = named(name);
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->accessibleName().isEmpty());
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus);
    }
    // The dialog's controls in the order Tab visits them.
    std::vector<QString> order;
    QWidget* at = named("chkEncrypt");
    for (int i = 0; i < 8; ++i, at = at->nextInFocusChain()) {
        while (!(at->focusPolicy() & Qt::TabFocus)) {
            at = at->nextInFocusChain();
        }
        order.push_back(at->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"chkEncrypt", "txtCertId", "txtKeyFile", "btnKeyFile",
                                           "txtCertFile", "btnCertFile", "txtServiceCertFile",
                                           "btnServiceCertFile"}));
}

} // namespace
} // namespace ravelin::wizard::testing
