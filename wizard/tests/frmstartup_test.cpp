// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The window's load, its three display states, the tab selection with the address check, and
// where its elements lie.
#include "common/placement.h"
#include "common/tests/environment.h"
#include "extras/maker.h"
#include "extras/updateschedule.h"
#include "ravelin/version.h"
#include "wizard/layout.h"
#include "wizard/tests/windowtest.h"
#include "wizard/twips.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace ravelin::wizard::testing {
namespace {

const QString kProduct = QString::fromUtf8(version::kProductName.data());

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class FrmStartupTest : public WindowTest {
protected:
    void storeAccount(const QString& account) {
        ASSERT_TRUE(common::writeSetting(QStringLiteral("RAVELIN"),
                                         QStringLiteral("Program Settings"),
                                         QStringLiteral("EmailAddress"), account));
    }

    std::vector<std::string_view> shownPanels() const {
        std::vector<std::string_view> panels;
        for (std::string_view name : kResetPanels) {
            if (shown(name)) {
                panels.push_back(name);
            }
        }
        return panels;
    }

    QColor labelColour(std::string_view name) const {
        QWidget* label = named(name);
        return label->palette().color(label->foregroundRole());
    }
};

TEST_F(FrmStartupTest, LoadingSetsTheCaptionsTheBuildCodeAndTheStoredAddress) {
    storeAccount(QStringLiteral("shop@example.com"));
    open();

    EXPECT_EQ(window->windowTitle(), kProduct);
    EXPECT_EQ(named<QLabel>("lblTitle")->text(), kProduct);
    EXPECT_EQ(named<QLabel>("Label26")->text(), QStringLiteral("for Microsoft FrontPage"));
    EXPECT_EQ(window->buildCode(), version::kBuildCode);
    EXPECT_EQ(window->writerContext().account, "shop@example.com");
    EXPECT_EQ(window->pageNumber(), 0);
    EXPECT_EQ(text("txtEmail"), "") << "the address box is filled by Start, not by the load";
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmStartup"));
}

// The window's one update-check timer.
QTimer* updateTimer(const FrmStartup& window) {
    const auto timers = window.findChildren<QTimer*>(QStringLiteral("tmCheckVersion"));
    EXPECT_EQ(timers.size(), 1);
    return timers.value(0);
}

TEST_F(FrmStartupTest, TheUpdateCheckTimerFiresOnceAQuarterSecondAfterTheLoad) {
    const common::testing::ScopedEnvironment checkOn(extras::kUpdateCheckVariable, std::nullopt);
    window = std::make_unique<FrmStartup>(&editor);
    QTimer* timer = updateTimer(*window);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->parent(), window.get());
    EXPECT_EQ(timer->isActive(), bool(RAVELIN_UPDATE_CHECK)) << "built without the check: off";
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 250);
}

TEST_F(FrmStartupTest, TheUpdateCheckSwitchedOffInTheEnvironmentLeavesTheTimerOff) {
    const common::testing::ScopedEnvironment checkOff(extras::kUpdateCheckVariable, "off");
    window = std::make_unique<FrmStartup>(&editor);
    QTimer* timer = updateTimer(*window);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 250);
}

struct BadSettings {
    const char* name;
    QByteArray bytes;  // empty: a folder stands where the file should be
    bool link = false; // a link to a missing file stands there
    const char* why;   // a part of the message that the address could not be stored
};

void PrintTo(const BadSettings& c, std::ostream* os) {
    *os << c.name;
}

class UnreadableSettings : public FrmStartupTest,
                           public ::testing::WithParamInterface<BadSettings> {
protected:
    void spoil() {
        if (GetParam().link) {
            ASSERT_TRUE(
                QFile::link(config.filePath(QStringLiteral("gone/RAVELIN.ini")), settingsFile()));
        } else if (GetParam().bytes.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(settingsFile()));
        } else {
            writeFile(settingsFile(), GetParam().bytes);
        }
    }
};

TEST_P(UnreadableSettings, ReadAsNoStoredAddress) {
    spoil();
    open();
    EXPECT_EQ(window->writerContext().account, "");
}

TEST_P(UnreadableSettings, SayWhyOnceAndLeaveTheWindowWorkingWhenTheAddressCannotBeStored) {
    spoil();
    openWithAccount();
    selectTab(Tab::BuyNow);
    selectTab(Tab::Setup);
    selectTab(Tab::BuyNow);

    ASSERT_EQ(messages.size(), 1U) << "told once, not at every tab";
    EXPECT_TRUE(messages[0].prompt.startsWith(QStringLiteral("The account address could not be "
                                                             "kept for the next time: ")))
        << messages[0].prompt.toStdString();
    EXPECT_TRUE(messages[0].prompt.contains(QString::fromUtf8(GetParam().why)))
        << messages[0].prompt.toStdString();
    EXPECT_TRUE(shown("fmBN_1"));
    EXPECT_EQ(window->pageNumber(), 1);
    EXPECT_EQ(window->writerContext().account, kAccount.toStdString());
    for (int page = 1; page < 5; ++page) {
        ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    }
    EXPECT_EQ(text("txtHTMLBN"), buttons::writeBuyNow({}, context()).html);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableSettings,
    ::testing::Values(
        BadSettings{"AnUnclosedSectionHeader", "[Program Settings\nEmailAddress=old@example.com\n",
                    false, "RAVELIN.ini, line 1: a section header without its closing"},
        BadSettings{"AFolderInPlaceOfTheFile", {}, false, "is a folder"},
        BadSettings{
            "ALinkToAMissingFile", {}, true, "RAVELIN.ini: it is a link to a missing file: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrmStartupTest, OpensOnTheWelcomePanelWithNothingBelowTheStartButtonsButTheAdvertising) {
    open();
    EXPECT_TRUE(shown("frmMain"));
    EXPECT_TRUE(shown("btnFirstTime"));
    EXPECT_TRUE(shown("btnStart"));
    EXPECT_TRUE(shown("grpPage_0"));
    EXPECT_FALSE(shown("TabStrip1"));
    EXPECT_FALSE(shown("frmExamples"));
    EXPECT_TRUE(shownPanels().empty());
    for (std::string_view name :
         {"btnPleaseDonate", "btnAbout", "btnOther", "lblTitle", "Label26", "Image1"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
}

TEST_F(FrmStartupTest, StartShowsTheTabStripWithTheSetupPageAndTheStoredAddress) {
    storeAccount(QStringLiteral("shop@example.com"));
    open();
    ASSERT_TRUE(driver::click(*window, "btnFirstTime"));
    ASSERT_TRUE(driver::click(*window, "btnStart"));

    EXPECT_FALSE(shown("frmExamples"));
    EXPECT_TRUE(shown("TabStrip1"));
    EXPECT_EQ(shownPanels(), std::vector<std::string_view>{"grpSTART_1"});
    EXPECT_EQ(toTwips(named("grpSTART_1")->geometry()),
              (TwipsRect{layout::kPageLeft, layout::kPageTop, 7035, 4095}));
    EXPECT_EQ(text("txtEmail"), "shop@example.com");
    EXPECT_EQ(window->pageNumber(), 0) << "Start leaves the page number alone";
}

TEST_F(FrmStartupTest, FirstTimeUserShowsTheExamplesAndHidesTheTabStripAndEveryPage) {
    openWithAccount();
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    ASSERT_TRUE(driver::click(*window, "btnFirstTime"));

    EXPECT_FALSE(shown("TabStrip1"));
    EXPECT_TRUE(shownPanels().empty());
    EXPECT_TRUE(shown("frmExamples"));
    EXPECT_EQ(toTwips(named("frmExamples")->geometry()),
              (TwipsRect{0, 2475, twips(window->width()), 3345}));
    EXPECT_TRUE(shown("btnStart")) << "the start buttons stay usable in every state";
}

TEST_F(FrmStartupTest, StartAfterTheExamplesShowsTheSetupPageWhicheverTabTheStripHasSelected) {
    openWithAccount();
    selectTab(Tab::Donate);
    ASSERT_TRUE(driver::click(*window, "btnFirstTime"));
    ASSERT_TRUE(driver::click(*window, "btnStart"));

    EXPECT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1, static_cast<int>(Tab::Donate));
    EXPECT_EQ(shownPanels(), std::vector<std::string_view>{"grpSTART_1"});
}

TEST_F(FrmStartupTest, TheTabStripHasTheSixTabsInOrder) {
    open();
    auto* strip = named<QTabWidget>("TabStrip1");
    ASSERT_EQ(strip->count(), kTabCount);
    const QStringList captions = {"Setup",   "Add to Cart", "View Cart",
                                  "Buy Now", "Donate",      "Subscriptions"};
    for (int i = 0; i < kTabCount; ++i) {
        EXPECT_EQ(strip->tabText(i), captions[i]);
    }
}

// The address check, for every button-type tab and the texts that pass or fail it.
struct AddressCase {
    const char* name;
    QString typed;
    bool passes;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << c.name;
}

class AddressCheck : public FrmStartupTest,
                     public ::testing::WithParamInterface<std::tuple<Tab, AddressCase>> {};

TEST_P(AddressCheck, LetsOnlyANonEmptyAddressThroughAndStoresItAsTyped) {
    const auto& [tab, address] = GetParam();
    openWithAccount(address.typed);
    selectTab(tab);
    const ButtonTab& info = *buttonTab(static_cast<int>(tab));

    EXPECT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1, static_cast<int>(tab))
        << "the clicked tab stays selected";
    EXPECT_EQ(window->writerContext().account, address.typed.toStdString());
    if (address.passes) {
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(storedAccount(), address.typed);
        EXPECT_EQ(shownPanels(), std::vector<std::string_view>{info.panels[0]});
        EXPECT_EQ(window->pageNumber(), 1);
        EXPECT_NE(labelColour("lblEmail"), QColor(255, 0, 0));
    } else {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt,
                  QStringLiteral("Please enter your PayPal payment email address."));
        EXPECT_EQ(messages[0].buttons, common::MessageButtons::Ok);
        EXPECT_EQ(messages[0].icon, common::MessageIcon::None);
        EXPECT_EQ(messages[0].title, kProduct);
        EXPECT_EQ(labelColour("lblEmail"), QColor(255, 0, 0));
        EXPECT_EQ(window->focusWidget(), named("txtEmail"));
        EXPECT_EQ(storedAccount(), QStringLiteral("<none>")) << "nothing is written";
        EXPECT_EQ(shownPanels(), std::vector<std::string_view>{"grpSTART_1"});
        EXPECT_EQ(window->pageNumber(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, AddressCheck,
    ::testing::Combine(::testing::Values(Tab::AddToCart, Tab::ViewCart, Tab::BuyNow, Tab::Donate,
                                         Tab::Subscriptions),
                       ::testing::Values(AddressCase{"Empty", {}, false},
                                         AddressCase{"OneBlank", QStringLiteral(" "), true},
                                         AddressCase{"AnAddress", kAccount, true})),
    [](const auto& info) {
        const ButtonTab& tab = *buttonTab(static_cast<int>(std::get<0>(info.param)));
        return std::string(tab.suffix) + std::get<1>(info.param).name;
    });

TEST_F(FrmStartupTest, TheLabelStaysRedAfterAFailedCheckEvenOnceAnAddressIsGiven) {
    openWithAccount(QString());
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::type(*window, "txtEmail", kAccount));
    selectTab(Tab::ViewCart);

    EXPECT_TRUE(shown("fmVC_1"));
    EXPECT_EQ(labelColour("lblEmail"), QColor(255, 0, 0));
}

TEST_F(FrmStartupTest, ClickingTheSameTabAgainAfterAFailedCheckChecksAgain) {
    openWithAccount(QString());
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::type(*window, "txtEmail", kAccount));
    selectTab(Tab::BuyNow);

    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(shown("fmBN_1"));
    EXPECT_EQ(storedAccount(), kAccount);
}

TEST_F(FrmStartupTest, TheSetupTabStoresTheAddressHeldNotTheOneBeingTyped) {
    storeAccount(QStringLiteral("old@example.com"));
    open();
    ASSERT_TRUE(driver::click(*window, "btnStart"));
    ASSERT_TRUE(driver::type(*window, "txtEmail", QStringLiteral("new@example.com")));
    selectTab(Tab::Setup);

    EXPECT_EQ(storedAccount(), QStringLiteral("old@example.com"));
    EXPECT_EQ(shownPanels(), std::vector<std::string_view>{"grpSTART_1"});
    EXPECT_EQ(window->pageNumber(), 1);
    EXPECT_TRUE(messages.empty()) << "the Setup tab checks nothing";

    selectTab(Tab::AddToCart);
    EXPECT_EQ(storedAccount(), QStringLiteral("new@example.com"));
}

TEST_F(FrmStartupTest, TheSetupTabAfterAFailedCheckStoresTheEmptyAddress) {
    storeAccount(QStringLiteral("old@example.com"));
    open();
    ASSERT_TRUE(driver::click(*window, "btnStart"));
    ASSERT_TRUE(driver::type(*window, "txtEmail", QString()));
    selectTab(Tab::BuyNow);
    selectTab(Tab::Setup);

    EXPECT_EQ(storedAccount(), QString());
}

TEST_F(FrmStartupTest, AnAddressTypedOnceIsUsedByEveryButtonAndReadAgainByTheNextWindow) {
    openWithAccount(QStringLiteral("first@example.com"));
    selectTab(Tab::ViewCart);
    ASSERT_TRUE(driver::click(*window, "btnNextVC"));
    EXPECT_EQ(text("txtHTMLVC"), buttons::writeViewCart({}, context("first@example.com")).html);

    window.reset();
    open();
    EXPECT_EQ(window->writerContext().account, "first@example.com");
}

// Where the window's elements lie, in twips, each relative to its parent.
struct Placement {
    const char* name;
    TwipsRect rect;
};

void PrintTo(const Placement& c, std::ostream* os) {
    *os << c.name;
}

class Geometry : public FrmStartupTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(Geometry, EachMainElementLiesWhereTheLayoutPutsIt) {
    openWithAccount();
    selectTab(Tab::BuyNow);
    EXPECT_EQ(toTwips(named(GetParam().name)->geometry()), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(Elements, Geometry,
                         ::testing::Values(Placement{"lblTitle", {1890, 45, 5280, 375}},
                                           Placement{"Label26", {5355, 405, 1770, 285}},
                                           Placement{"Image1", {0, 90, 1665, 555}},
                                           Placement{"frmMain", {0, 990, 7845, 4920}},
                                           Placement{"btnFirstTime", {945, 0, 2400, 1140}},
                                           Placement{"btnStart", {3735, 0, 2400, 1140}},
                                           Placement{"grpPage_0", {0, 1530, 6990, 3420}},
                                           Placement{"TabStrip1", {45, 2475, 7215, 4650}},
                                           Placement{"fmBN_1", {135, 2880, 7035, 4095}},
                                           Placement{"btnPrevBN", {3105, 3690, 1275, 375}},
                                           Placement{"btnNextBN", {4410, 3690, 1275, 375}},
                                           Placement{"btnFinishBN", {5715, 3690, 1275, 375}},
                                           Placement{"btnPleaseDonate", {45, 7155, 2295, 240}},
                                           Placement{"btnAbout", {2385, 7155, 2295, 240}},
                                           Placement{"btnOther", {4815, 7155, 2295, 240}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrmStartupTest, TheOuterSizeIsTheClientAreaAndAFixedSingleFrame) {
    open();
    const int outerWidth = twips(window->width()) + 2 * layout::kBorder;
    const int outerHeight = twips(window->height()) + layout::kCaption + 2 * layout::kBorder;
    EXPECT_EQ(outerWidth, 7350);
    EXPECT_NEAR(outerHeight, 7900, kTwipsPerPixel);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is not resizable";
    // The bottom row and the tab strip lie inside the client area.
    EXPECT_LE(7155 + 240, twips(window->height()));
    EXPECT_LE(45 + 7215, twips(window->width()));
}

TEST_F(FrmStartupTest, TheFixedSizeWindowShowsNoMaximizeButtonAlsoOverAnEditor) {
    open();
    QWidget editorWindow;
    editorWindow.show();
    for (const char* where : {"alone", "over an editor"}) {
        SCOPED_TRACE(where);
        for (const Qt::WindowFlags flags :
             {window->windowFlags(), window->windowHandle()->flags()}) {
            EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
            EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << "the hints are its own";
            EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
            EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        }
        window->hide();
        common::placeOver(window.get(), &editorWindow);
        window->show();
    }
}

TEST_F(FrmStartupTest, LaterPagesLieOverTheFirstPagePagesOverTheTabStripAndItOverTheWelcome) {
    open();
    const QObjectList& order = window->children(); // bottom to top
    auto position = [&](std::string_view name) { return order.indexOf(named(name)); };
    EXPECT_LT(position("frmMain"), position("TabStrip1"));
    EXPECT_LT(position("TabStrip1"), position("frmExamples"));
    EXPECT_LT(position("TabStrip1"), position("grpSTART_1"));
    for (const ButtonTab& tab : kButtonTabs) {
        EXPECT_LT(position("TabStrip1"), position(tab.panels[0]));
        for (int page = 2; page <= tab.resultPage; ++page) {
            EXPECT_LT(position(tab.panels[0]), position(tab.panels[page - 1]))
                << tab.panels[page - 1] << " over " << tab.panels[0];
        }
    }
}

} // namespace
} // namespace ravelin::wizard::testing
