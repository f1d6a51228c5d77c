// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The extras in the real wizard window, as a new user meets them.
#include "extras/frmabout.h"
#include "extras/links.h"
#include "extras/samples.h"
#include "extras/tests/support.h"
#include "objectmodel/tests/memorypage.h"
#include "wizard/driver.h"
#include "wizard/frmstartup.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace ravelin::extras {
namespace {

using testing::OpenedAddresses;

class InTheWizard : public ::testing::Test {
protected:
    void SetUp() override {
        window = new wizard::FrmStartup(&editor);
        window->show();
        OpenedAddresses::instance().clear();
    }
    void TearDown() override { delete window.data(); }

    QStringList opened() const { return OpenedAddresses::instance().addresses(); }

    objectmodel::testing::MemoryPage page;
    objectmodel::testing::MemoryEditor editor{&page};
    QPointer<wizard::FrmStartup> window;
};

struct LinkCase {
    const char* control;
    bool onSetupPage;
    QString (*address)();
};

class WizardLink : public InTheWizard, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(WizardLink, OpensItsPage) {
    if (GetParam().onSetupPage) {
        ASSERT_TRUE(wizard::driver::click(*window, "btnStart"));
        OpenedAddresses::instance().clear();
    }
    ASSERT_TRUE(wizard::driver::click(*window, GetParam().control));
    EXPECT_EQ(opened(), QStringList{GetParam().address()});
}

// Every link and button of the window takes the keyboard focus, shows it, and opens its page by
// Enter, Return or Space.
TEST_P(WizardLink, OpensItsPageFromTheKeyboard) {
    if (GetParam().onSetupPage) {
        ASSERT_TRUE(wizard::driver::click(*window, "btnStart"));
    }
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* control = window->findChild<QWidget*>(QLatin1String(GetParam().control));
    ASSERT_NE(control, nullptr);
    const QImage unfocused = control->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    EXPECT_NE(control->grab().toImage(), unfocused) << "the focus shows";

    OpenedAddresses::instance().clear();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(control, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    EXPECT_EQ(opened(), QStringList(3, GetParam().address()));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, WizardLink,
    ::testing::Values(
        LinkCase{"Image1", false, &makerHomePage}, LinkCase{"btnOther", false, &otherSoftwarePage},
        LinkCase{"btnAbout", false, &merchantSignupPage},
        LinkCase{"btnPleaseDonate", false, &makerDonationRequest},
        LinkCase{"lblPolicy", true,
                 [] {
                     return QStringLiteral("http://www.paypal.com/cgi-bin/"
                                           "webscr?cmd=p/gen/ua/policy_privacy-outside");
                 }},
        LinkCase{"Label20", false,
                 [] {
                     return QStringLiteral(
                         "http://www.paypal.com/cgi-bin/webscr?cmd=p/web/index-outside");
                 }},
        LinkCase{"Image3", false,
                 [] {
                     return QStringLiteral(
                         "http://www.paypal.com/cgi-bin/webscr?cmd=p/web/index-outside");
                 }},
        LinkCase{"Label21", false,
                 [] {
                     return QStringLiteral(
                         "http://www.paypal.com/cgi-bin/webscr?cmd=p/auc/index-outside");
                 }},
        LinkCase{"Image4", false,
                 [] {
                     return QStringLiteral(
                         "http://www.paypal.com/cgi-bin/webscr?cmd=p/auc/index-outside");
                 }},
        LinkCase{"Label23", false, [] { return QStringLiteral("http://www.paypal.com/pdn"); }}),
    [](const auto& info) { return std::string(info.param.control); });

TEST_F(InTheWizard, TheSubtitleShowsOneAboutWindowBesideTheWizard) {
    ASSERT_TRUE(wizard::driver::click(*window, "Label26"));
    ASSERT_TRUE(wizard::driver::click(*window, "Label26"));
    const auto windows = window->findChildren<FrmAbout*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isVisible());
    EXPECT_TRUE(windows.first()->isWindow());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(InTheWizard, TheAboutWindowOpensCentredOverTheWizardAndEscapeClosesIt) {
    window->move(140, 60);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* subtitle = window->findChild<QWidget*>(QStringLiteral("Label26"));
    subtitle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(subtitle, Qt::Key_Space);
    const auto windows = window->findChildren<FrmAbout*>();
    ASSERT_EQ(windows.size(), 1);
    QPointer<FrmAbout> about = windows.first();
    const QPoint offset = about->frameGeometry().center() - window->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << ", " << offset.y();
    ASSERT_NE(about->windowHandle(), nullptr);
    EXPECT_EQ(about->windowHandle()->transientParent(), window->windowHandle());

    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }, 2000));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
    EXPECT_TRUE(window->isVisible()) << "Escape in About closes only About";
}

struct ExampleCase {
    const char* button;
    QString (*sample)();
};

class WizardExample : public InTheWizard, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(WizardExample, PastesItsSampleIntoThePage) {
    ASSERT_TRUE(wizard::driver::click(*window, "btnFirstTime"));
    ASSERT_TRUE(wizard::driver::click(*window, GetParam().button));
    EXPECT_EQ(page.text(), GetParam().sample());
}

INSTANTIATE_TEST_SUITE_P(Examples, WizardExample,
                         ::testing::Values(ExampleCase{"btnBuyNow", &buyNowSample},
                                           ExampleCase{"btnShoppingCart", &shoppingCartSample},
                                           ExampleCase{"btnSubscriptions", &subscriptionSample}),
                         [](const auto& info) { return std::string(info.param.button); });

} // namespace
} // namespace ravelin::extras
