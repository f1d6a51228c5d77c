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
