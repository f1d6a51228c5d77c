// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The PayPal payment link dialog of the Setup page, by keyboard as a user works it.
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "buttons/writers.h"
#include "ravelin/version.h"
#include "wizard/findingmarks.h"
#include "wizard/frmpaymentlink.h"
#include "wizard/tests/windowtest.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QTest>

namespace ravelin::wizard::testing {
namespace {

const QString kLink = QStringLiteral("https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE");

class PaymentLinkDialog : public WindowTest {
protected:
    // Starts building and opens the dialog with Alt+L, as the Setup page's push button says.
    void openDialog() {
        page = objectmodel::testing::MemoryPage(QStringLiteral("<body>\r\n</body>"));
        page.setCaret(8);
        openWithAccount();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        auto* email = named<QLineEdit>("txtEmail");
        email->setFocus(Qt::TabFocusReason);
        QTest::keyClick(email, 'l', Qt::AltModifier);
        for (int waited = 0; dialog() == nullptr || !dialog()->isVisible(); waited += 50) {
            ASSERT_LT(waited, 2000) << "Alt+L opened no dialog";
            QTest::qWait(50);
        }
        dialog()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog()));
        for (int waited = 0; focused() == nullptr; waited += 50) {
            ASSERT_LT(waited, 2000) << "the dialog has no focus";
            QTest::qWait(50);
        }
    }

    FrmPaymentLink* dialog() const {
        return window->findChild<FrmPaymentLink*>(QStringLiteral("frmPaymentLink"));
    }

    // Access keys go to the active window only, and offscreen the window system may hand the
    // activation back to the wizard window for a moment.
    void activateDialog() {
        dialog()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog()));
    }

    // The control of the dialog with the keyboard focus. Asked of the dialog, not of the
    // application: offscreen, the window system may hand the activation back to the wizard
    // window for a moment.
    QWidget* focused() const { return dialog()->focusWidget(); }

    std::string focusName() const {
        const QWidget* w = focused();
        return w != nullptr ? w->objectName().toStdString() : "(nothing)";
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    }

    // Tabs on to the control `name`, at most once round the dialog.
    void tabTo(std::string_view name) {
        for (int i = 0; i < 12 && focusName() != name; ++i) {
            press(Qt::Key_Tab);
        }
        EXPECT_EQ(focusName(), name);
    }

    // Presses an access key that should do nothing, and waits as long as its click would take.
    void pressIdleAccessKey(char key) {
        activateDialog();
        QTest::keyClick(focused(), key, Qt::AltModifier);
        QTest::qWait(350);
        driver::settle();
    }
};

TEST_F(PaymentLinkDialog, ByKeyboardPastesTheWritersLinkAtTheCaretAndCloses) {
    openDialog();
    EXPECT_EQ(focusName(), "txtLinkURLPL");
    QTest::keyClicks(focused(), kLink);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "txtLinkTextPL");
    QTest::keyClicks(focused(), QStringLiteral("Jetzt & \"bezahlen\""));
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "optPL");
    press(Qt::Key_Down); // from no picture over the first Buy Now picture to the second
    press(Qt::Key_Down);

    buttons::PaymentLinkAnswers expected;
    expected.txtLinkURLPL = kLink.toStdString();
    expected.txtLinkTextPL = "Jetzt & \"bezahlen\"";
    expected.optPL = 1;
    const std::string html = buttons::writePaymentLink(expected).html;
    EXPECT_EQ(text("txtHTMLPL"), html);

    // Enter in a box presses Insert HTML, the dialog's default button.
    press(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "txtLinkTextPL");
    press(Qt::Key_Return);
    driver::settle();
    EXPECT_EQ(page.text().toStdString(), "<body>\r\n" + html + "</body>");
    EXPECT_EQ(page.pasteCount(), 1);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(messages.empty());

    // Opened again, it keeps what was typed.
    ASSERT_TRUE(driver::click(*window, "btnPaymentLink"));
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(mstartup::controlText(*dialog(), "txtLinkURLPL"), kLink);
}

TEST_F(PaymentLinkDialog, OpenedOnAButtonItReplacesTheButtonWithTheLink) {
    buttons::BuyNowAnswers gnome = buttons::workedExample<buttons::BuyNow>();
    const std::string button =
        buttons::BuyNow::kWrite(gnome, {.account = kAccount.toStdString(),
                                        .buildCode = std::string(version::kBuildCode),
                                        .endpoints = {}})
            .html;
    const QString before = QStringLiteral("<body>\r\n<p>Gnomes</p>\r\n");
    const QString after = QStringLiteral("\r\n</body>");
    page = objectmodel::testing::MemoryPage(before + QString::fromStdString(button) + after);
    page.setCaret(before.size() + 3);
    openWithAccount();
    const QRect protect = named<QWidget>("btnProtect")->geometry();
    window->openOnSelectedButton();
    EXPECT_EQ(named<QAbstractButton>("btnPaymentLink")->text(),
              QStringLiteral("&Replace with a PayPal payment link…"));
    selectTab(Tab::Setup);
    EXPECT_EQ(named<QWidget>("btnProtect")->geometry(), protect) << "the longer caption moved it";
    for (const char* name : {"btnPaymentLink", "btnProtect"}) {
        const auto* pushButton = named<QAbstractButton>(name);
        EXPECT_LE(pushButton->sizeHint().width(), pushButton->width()) << name << " is cut off";
    }

    ASSERT_TRUE(driver::click(*window, "btnPaymentLink"));
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(mstartup::controlText(*dialog(), "txtLinkTextPL"), "Garden Gnome");
    ASSERT_TRUE(driver::type(*dialog(), "txtLinkURLPL", kLink));
    ASSERT_TRUE(driver::click(*dialog(), "btnFinishPL"));

    buttons::PaymentLinkAnswers link;
    link.txtLinkURLPL = kLink.toStdString();
    link.txtLinkTextPL = "Garden Gnome";
    EXPECT_EQ(page.text(),
              before + QString::fromStdString(buttons::writePaymentLink(link).html) + after);
}

TEST_F(PaymentLinkDialog, CopyHtmlPutsTheWholeLinkOnTheClipboardAndStaysOpen) {
    openDialog();
    QTest::keyClicks(focused(), kLink);
    press(Qt::Key_Tab);
    QTest::keyClicks(focused(), QStringLiteral("Pay"));
    tabTo("btnCopyPL");
    press(Qt::Key_Space);
    driver::settle();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("<a href=\"https://www.paypal.com/ncp/payment/ABC123?locale.x=de_DE\">"
                             "Pay</a>"));
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(shown("lblCopiedPL"));
    EXPECT_EQ(page.pasteCount(), 0);
}

TEST_F(PaymentLinkDialog, AnAddressThatIsNotPayPalsIsMarkedToldAndNeverHandedOn) {
    openDialog();
    struct Case {
        QString address;
        QString text;
        std::string_view marked; // the label in red
    };
    const Case cases[] = {
        {QStringLiteral("https://www.paypal.com.evil.example/ncp/payment/ABC123"),
         QStringLiteral("Pay"), "lblLinkURL"},
        {QStringLiteral("http://www.paypal.com/ncp/payment/ABC123"), QStringLiteral("Pay"),
         "lblLinkURL"},
        {kLink, QString(), "lblLinkText"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        ASSERT_TRUE(driver::type(*dialog(), "txtLinkURLPL", c.address));
        ASSERT_TRUE(driver::type(*dialog(), "txtLinkTextPL", c.text));
        const buttons::Findings findings = buttons::checkPaymentLink(dialog()->answers());
        ASSERT_EQ(findings.size(), 1u);
        auto* said = dialog()->findChild<QLabel*>(QStringLiteral("lblLinkFindings"));
        ASSERT_NE(said, nullptr);
        EXPECT_TRUE(said->isVisible());
        EXPECT_EQ(said->text().toStdString(), findings[0].message);
        auto* label = dialog()->findChild<QLabel*>(QString::fromUtf8(c.marked.data()));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  FindingMarks::colour(buttons::Severity::Error));
        EXPECT_FALSE(dialog()->findChild<QWidget*>(QStringLiteral("btnFinishPL"))->isEnabled());
        EXPECT_FALSE(dialog()->findChild<QWidget*>(QStringLiteral("btnCopyPL"))->isEnabled());

        named<QLineEdit>("txtLinkURLPL")->setFocus();
        pressIdleAccessKey('i');
        press(Qt::Key_Return);
        driver::settle();
        EXPECT_EQ(page.pasteCount(), 0);
        EXPECT_TRUE(dialog()->isVisible());
    }
    // Put right, the marks go and Enter in a box inserts.
    ASSERT_TRUE(driver::type(*dialog(), "txtLinkURLPL", kLink));
    ASSERT_TRUE(driver::type(*dialog(), "txtLinkTextPL", QStringLiteral("Pay")));
    EXPECT_FALSE(dialog()->findChild<QWidget*>(QStringLiteral("lblLinkFindings"))->isVisible());
    named<QLineEdit>("txtLinkTextPL")->setFocus();
    press(Qt::Key_Return);
    driver::settle();
    EXPECT_EQ(page.pasteCount(), 1);
}

TEST_F(PaymentLinkDialog, TabGoesRoundEveryControlAndEachHasANameForAssistiveTechnology) {
    openDialog();
    // With the own picture chosen every box is there; the findings line tells of the address.
    auto* pictures = named<QComboBox>("optPL");
    pictures->setCurrentIndex(pictures->count() - 1);
    named<QLineEdit>("txtLinkURLPL")->setFocus(Qt::TabFocusReason);
    const std::vector<std::string> order = {"txtLinkURLPL",   "txtLinkTextPL",   "optPL",
                                            "txtButtonURLPL", "lblLinkFindings", "txtHTMLPL",
                                            "btnCloseLink"};
    std::vector<std::string> stops = {focusName()};
    for (std::size_t i = 1; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        stops.push_back(focusName());
    }
    EXPECT_EQ(stops, order) << "Copy and Insert are disabled while the address is missing";
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), order.front());
    for (const std::string& name : order) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(named(name));
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << name;
    }
}

TEST_F(PaymentLinkDialog, TheSetupPagesOtherControlsStayWhereTheyAreWithout) {
    open();
    ASSERT_TRUE(driver::click(*window, "btnStart"));
    QWidget* link = named("btnPaymentLink");
    QWidget* setup = named(kSetupPanel);
    ASSERT_TRUE(link->isVisible());
    EXPECT_TRUE(setup->rect().contains(QRect(link->mapTo(setup, QPoint()), link->size())));
    const auto places = [&] {
        std::vector<std::pair<std::string, QRect>> all;
        for (QWidget* w : setup->findChildren<QWidget*>()) {
            if (w != link && w->isVisible()) {
                all.emplace_back(w->objectName().toStdString(),
                                 QRect(w->mapTo(setup, QPoint()), w->size()));
            }
        }
        return all;
    };
    const auto with = places();
    link->hide();
    setup->layout()->activate();
    const auto without = places();
    ASSERT_EQ(with.size(), without.size());
    for (std::size_t i = 0; i < with.size() && i < without.size(); ++i) {
        const QRect a = with[i].second;
        const QRect b = without[i].second;
        EXPECT_EQ(with[i].first, without[i].first);
        EXPECT_EQ(a, b) << with[i].first << " " << a.x() << "," << a.y() << " " << a.width() << "x"
                        << a.height() << " / " << b.x() << "," << b.y() << " " << b.width() << "x"
                        << b.height();
    }
}

} // namespace
} // namespace ravelin::wizard::testing
