// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/clicklabel.h"
#include "extras/frmabout.h"
#include "extras/links.h"
#include "extras/maker.h"
#include "extras/samples.h"
#include "extras/tests/support.h"
#include "objectmodel/tests/memorypage.h"
#include "wizard/attach.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace ravelin::extras {
namespace {

using common::ClickLabel;
using testing::OpenedAddresses;

constexpr char kPolicy[] =
    "http://www.paypal.com/cgi-bin/webscr?cmd=p/gen/ua/policy_privacy-outside";
constexpr char kWebsitePayments[] = "http://www.paypal.com/cgi-bin/webscr?cmd=p/web/index-outside";
constexpr char kAuctionPayments[] = "http://www.paypal.com/cgi-bin/webscr?cmd=p/auc/index-outside";
constexpr char kDevelopers[] = "http://www.paypal.com/pdn";

// The wizard window's controls that the extras wire, by name, in panels as the window has
// them; nothing else.
class StandInWizard {
public:
    StandInWizard() {
        window.resize(490, 527);
        label("Label26", &window);
        // The title logo is a plain picture in the wizard.
        auto* logo = new QLabel(QStringLiteral("logo"), &window);
        logo->setObjectName(QStringLiteral("Image1"));
        logo->setGeometry(0, 6, 111, 37);
        auto* advertising = frame("grpPage_0", &window);
        label("Label20", advertising, kWebsitePayments);
        label("Image3", advertising, kWebsitePayments);
        label("Label21", advertising, kAuctionPayments);
        label("Image4", advertising, kAuctionPayments);
        label("Label23", advertising, kDevelopers);
        label("lblPolicy", frame("grpSTART_1", &window), kPolicy);
        auto* examples = frame("frmExamples", &window);
        for (const char* name : {"btnBuyNow", "btnShoppingCart", "btnSubscriptions"}) {
            button(name, examples);
        }
        for (const char* name : {"btnPleaseDonate", "btnAbout", "btnOther"}) {
            button(name, &window);
        }
        window.show();
    }

    QWidget* operator[](const char* name) {
        return window.findChild<QWidget*>(QLatin1String(name));
    }

    QWidget window;

private:
    static QFrame* frame(const char* name, QWidget* parent) {
        auto* panel = new QFrame(parent);
        panel->setObjectName(QLatin1String(name));
        panel->resize(400, 200);
        return panel;
    }
    static void label(const char* name, QWidget* parent, const char* tag = nullptr) {
        auto* link = new ClickLabel(parent);
        link->setObjectName(QLatin1String(name));
        link->setText(QLatin1String(name));
        link->resize(80, 20);
        if (tag != nullptr) {
            link->setProperty("Tag", QString::fromLatin1(tag));
        }
    }
    static void button(const char* name, QWidget* parent) {
        auto* push = new QPushButton(QLatin1String(name), parent);
        push->setObjectName(QLatin1String(name));
        push->resize(80, 20);
    }
};

struct LinkCase {
    const char* control;
    std::function<QString()> address;
};

class AttachedLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(AttachedLink, OpensItsAddressOnEachClick) {
    StandInWizard wizard;
    attach(&wizard.window, nullptr);
    OpenedAddresses::instance().clear();
    QTest::mouseClick(wizard[GetParam().control], Qt::LeftButton);
    QTest::mouseClick(wizard[GetParam().control], Qt::LeftButton);
    EXPECT_EQ(OpenedAddresses::instance().addresses(),
              QStringList({GetParam().address(), GetParam().address()}));
}

QString fixed(const char* address) {
    return QString::fromLatin1(address);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AttachedLink,
    ::testing::Values(
        LinkCase{"Image1", [] { return QString::fromUtf8(maker::kWebSite); }},
        LinkCase{"btnOther", [] { return QString::fromUtf8(maker::kWebSite) + "/"; }},
        LinkCase{"btnAbout",
                 [] {
                     return "https://www.paypal.com/mrb/pal=" +
                            QString::fromUtf8(maker::kReferralId);
                 }},
        LinkCase{"btnPleaseDonate",
                 [] {
                     const QString site = QString::fromUtf8(
                         QUrl::toPercentEncoding(QString::fromUtf8(maker::kWebSite)));
                     return "https://www.paypal.com/cgi-bin/webscr?bn=&cmd=_xclick&business=" +
                            QString::fromUtf8(maker::kSalesEmail) +
                            "&item_name=" + QString::fromUtf8(maker::kDonationItemName) +
                            "&item_number=0000&amount=5.00&currency_code=USD"
                            "&undefined_quantity=1&image_url=&return=" +
                            site + "&cancel_return=" + site + "&submit.x=47&submit.y=20";
                 }},
        LinkCase{"lblPolicy", [] { return fixed(kPolicy); }},
        LinkCase{"Label20", [] { return fixed(kWebsitePayments); }},
        LinkCase{"Image3", [] { return fixed(kWebsitePayments); }},
        LinkCase{"Label21", [] { return fixed(kAuctionPayments); }},
        LinkCase{"Image4", [] { return fixed(kAuctionPayments); }},
        LinkCase{"Label23", [] { return fixed(kDevelopers); }}),
    [](const auto& info) { return std::string(info.param.control); });

TEST(AttachedTagLink, OpensTheTagAsItIsAtTheMomentOfTheClick) {
    StandInWizard wizard;
    attach(&wizard.window, nullptr);
    wizard["Label23"]->setProperty("Tag", QStringLiteral("http://www.paypal.com/pdn/new"));
    OpenedAddresses::instance().clear();
    QTest::mouseClick(wizard["Label23"], Qt::LeftButton);
    EXPECT_EQ(OpenedAddresses::instance().addresses(),
              QStringList{QStringLiteral("http://www.paypal.com/pdn/new")});
}

TEST(AttachedTagLink, OpensNothingWithoutATag) {
    StandInWizard wizard;
    wizard["Image4"]->setProperty("Tag", QVariant());
    attach(&wizard.window, nullptr);
    OpenedAddresses::instance().clear();
    QTest::mouseClick(wizard["Image4"], Qt::LeftButton);
    EXPECT_TRUE(OpenedAddresses::instance().addresses().isEmpty());
}

class AttachedPointer : public ::testing::TestWithParam<const char*> {};

TEST_P(AttachedPointer, IsThePointingHandOverALink) {
    StandInWizard wizard;
    attach(&wizard.window, nullptr);
    EXPECT_EQ(wizard[GetParam()]->cursor().shape(), Qt::PointingHandCursor);
}

INSTANTIATE_TEST_SUITE_P(Links, AttachedPointer,
                         ::testing::Values("Label26", "lblPolicy", "Label20", "Image3", "Label21",
                                           "Image4", "Label23"));

QList<FrmAbout*> aboutWindows() {
    QList<FrmAbout*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<FrmAbout*>(widget)) {
            windows << about;
        }
    }
    return windows;
}

TEST(AttachedSubtitle, ShowsOneAboutWindowHoweverOftenClickedUntilItIsClosed) {
    StandInWizard wizard;
    attach(&wizard.window, nullptr);
    QTest::mouseClick(wizard["Label26"], Qt::LeftButton);
    QTest::mouseClick(wizard["Label26"], Qt::LeftButton);
    ASSERT_EQ(aboutWindows().size(), 1);
    QPointer<FrmAbout> first = aboutWindows().first();
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());

    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 2000));
    EXPECT_TRUE(aboutWindows().isEmpty());

    QTest::mouseClick(wizard["Label26"], Qt::LeftButton);
    ASSERT_EQ(aboutWindows().size(), 1);
    EXPECT_TRUE(aboutWindows().first()->isVisible());
}

TEST(AttachedSubtitle, TheAboutWindowGoesWithTheWizard) {
    {
        StandInWizard wizard;
        attach(&wizard.window, nullptr);
        QTest::mouseClick(wizard["Label26"], Qt::LeftButton);
        ASSERT_EQ(aboutWindows().size(), 1);
    }
    EXPECT_TRUE(aboutWindows().isEmpty());
}

struct SampleCase {
    const char* button;
    QString (*sample)();
};

class AttachedSampleButton : public ::testing::TestWithParam<SampleCase> {};

TEST_P(AttachedSampleButton, PastesItsSampleOncePerClick) {
    objectmodel::testing::MemoryPage page(QStringLiteral("<p>before</p>"));
    objectmodel::testing::MemoryEditor editor(&page);
    StandInWizard wizard;
    attach(&wizard.window, &editor);

    QTest::mouseClick(wizard[GetParam().button], Qt::LeftButton);
    QTest::mouseClick(wizard[GetParam().button], Qt::LeftButton);
    EXPECT_EQ(page.pasteCount(), 2);
    EXPECT_EQ(page.text(),
              QStringLiteral("<p>before</p>") + GetParam().sample() + GetParam().sample());
}

INSTANTIATE_TEST_SUITE_P(Examples, AttachedSampleButton,
                         ::testing::Values(SampleCase{"btnBuyNow", &buyNowSample},
                                           SampleCase{"btnShoppingCart", &shoppingCartSample},
                                           SampleCase{"btnSubscriptions", &subscriptionSample}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST(Attach, WiresAWindowOnlyOnceHoweverOftenCalled) {
    objectmodel::testing::MemoryPage page;
    objectmodel::testing::MemoryEditor editor(&page);
    StandInWizard wizard;
    attach(&wizard.window, &editor);
    attach(&wizard.window, &editor);
    OpenedAddresses::instance().clear();
    QTest::mouseClick(wizard["btnOther"], Qt::LeftButton);
    QTest::mouseClick(wizard["btnBuyNow"], Qt::LeftButton);
    EXPECT_EQ(OpenedAddresses::instance().addresses().size(), 1);
    EXPECT_EQ(page.pasteCount(), 1);
}

TEST(Attach, SkipsControlsTheWindowLacks) {
    QWidget empty;
    attach(&empty, nullptr);
    EXPECT_NE(empty.findChild<QObject*>(QStringLiteral("extrasWiring")), nullptr);
}

} // namespace
} // namespace ravelin::extras
