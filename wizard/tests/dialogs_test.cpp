// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Item options and Advanced variables dialogs: which push button opens which, on the tab in
// use; the type's control names on their boxes; OK and Cancel; the keyboard; and the checker's
// findings on their boxes.
#include "buttons/buttontypes.h"
#include "wizard/answerdialog.h"
#include "wizard/tests/windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <set>

namespace ravelin::wizard::testing {
namespace {

const QColor kRed(255, 0, 0);

class Dialogs : public WindowTest {
protected:
    // Opens the window on page `page` of the tab `tab`.
    void goTo(Tab tab, int page) {
        openWithAccount();
        selectTab(tab);
        const std::string suffix(buttonTab(static_cast<int>(tab))->suffix);
        for (int p = 1; p < page; ++p) {
            ASSERT_TRUE(driver::click(*window, "btnNext" + suffix));
        }
        ASSERT_EQ(window->pageNumber(), page);
    }

    std::vector<std::string> shownDialogs() const {
        std::vector<std::string> names;
        for (const DialogPlace& place : kAnswerDialogs) {
            if (shown(place.name())) {
                names.push_back(place.name());
            }
        }
        return names;
    }
};

struct Opening {
    Tab tab;
    int page;
    const char* opener;
    const char* dialog;
};

void PrintTo(const Opening& o, std::ostream* os) {
    *os << o.dialog;
}

class OpenerOf : public Dialogs, public ::testing::WithParamInterface<Opening> {};

// The Donate and Subscriptions tabs show the Add to Cart and Buy Now optional-settings pages:
// the push button there opens the dialog of the tab in use.
TEST_P(OpenerOf, OpensTheDialogOfTheTabInUseAndNoOther) {
    const Opening& o = GetParam();
    goTo(o.tab, o.page);
    EXPECT_TRUE(shown(o.opener));
    EXPECT_TRUE(shownDialogs().empty());
    ASSERT_TRUE(driver::click(*window, o.opener));
    EXPECT_EQ(shownDialogs(), std::vector<std::string>{o.dialog});
    EXPECT_TRUE(named<QDialog>(o.dialog)->isModal());
    ASSERT_TRUE(driver::closeDialog(*named(o.dialog), true));
    EXPECT_TRUE(shownDialogs().empty());
    EXPECT_EQ(window->pageNumber(), o.page) << "the page stays";
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, OpenerOf,
    ::testing::Values(Opening{Tab::BuyNow, 2, "btnOptionsBN", "frmOptionsBN"},
                      Opening{Tab::AddToCart, 2, "btnOptionsATC", "frmOptionsATC"},
                      Opening{Tab::Subscriptions, 2, "btnOptionsSUB", "frmOptionsSUB"},
                      Opening{Tab::BuyNow, 4, "btnAdvancedBN", "frmAdvancedBN"},
                      Opening{Tab::AddToCart, 3, "btnAdvancedATC", "frmAdvancedATC"},
                      Opening{Tab::ViewCart, 1, "btnAdvancedVC", "frmAdvancedVC"},
                      Opening{Tab::Donate, 3, "btnAdvancedATC", "frmAdvancedDON"},
                      Opening{Tab::Subscriptions, 4, "btnAdvancedBN", "frmAdvancedSUB"}),
    [](const auto& info) { return std::string(info.param.dialog); });

// Item options from the item page, Advanced variables from the last answer page, one of each
// kind for every type that takes it.
TEST_F(Dialogs, EachTypeHasItsDialogsOpenedFromItsItemPageAndItsLastAnswerPage) {
    open();
    buttons::forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        const ButtonTab& tab = tabOf<Type>();
        std::vector<DialogKind> kinds;
        for (const DialogPlace& place : kAnswerDialogs) {
            if (place.suffix != Type::kSuffix) {
                continue;
            }
            kinds.push_back(place.kind);
            const std::string_view page = place.kind == DialogKind::ItemOptions
                                              ? tab.panels[1]
                                              : tab.panels[tab.resultPage - 2];
            EXPECT_TRUE(named(page)->isAncestorOf(named(place.opener))) << place.opener;
            EXPECT_NE(named<AnswerDialog>(place.name()), nullptr);
        }
        std::vector<DialogKind> expected = {DialogKind::AdvancedVariables};
        if constexpr (buttons::HasItemOptions<Type>) {
            expected.insert(expected.begin(), DialogKind::ItemOptions);
        }
        EXPECT_EQ(kinds, expected);
    });
}

// The boxes of each dialog are the type's dialog answers, named as its key table names them.
TEST_F(Dialogs, TheirBoxesCarryTheControlNamesOfTheTypesDialogAnswers) {
    open();
    buttons::forEachButtonType([&]<typename Type>() {
        SCOPED_TRACE(Type::kName);
        std::set<std::string> boxes;
        for (const DialogPlace& place : kAnswerDialogs) {
            if (place.suffix == Type::kSuffix) {
                for (QWidget* w : named(place.name())->findChildren<QWidget*>()) {
                    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
                        boxes.insert(w->objectName().toStdString());
                    }
                }
            }
        }
        std::set<std::string> keys = {std::string(buttons::controlName<Type>(Type::kAdvanced))};
        if constexpr (buttons::HasItemOptions<Type>) {
            const auto& options = Type::kItemOptions;
            for (std::size_t i = 0; i < buttons::kMenuCount; ++i) {
                keys.insert(std::string(buttons::controlName<Type>(options.menuNames[i])));
                keys.insert(std::string(buttons::controlName<Type>(options.menuChoices[i])));
            }
            for (const auto name : options.textBoxNames) {
                keys.insert(std::string(buttons::controlName<Type>(name)));
            }
        }
        EXPECT_EQ(boxes, keys);
        for (const auto& key : Type::kKeys) {
            if (key.lines) {
                EXPECT_NE(named<QPlainTextEdit>(key.name), nullptr) << key.name;
            }
        }
    });
}

TEST_F(Dialogs, OkKeepsWhatWasTypedAndCancelPutsBackWhatTheBoxesHeld) {
    goTo(Tab::BuyNow, 2);
    ASSERT_TRUE(driver::click(*window, "btnOptionsBN"));
    ASSERT_TRUE(driver::type(*window, "txtOption1NameBN", QStringLiteral("Size")));
    ASSERT_TRUE(driver::type(*window, "txtOption1ChoicesBN", QStringLiteral("S = 1\nM = 2")));
    ASSERT_TRUE(driver::closeDialog(*named("frmOptionsBN"), true));
    EXPECT_EQ(text("txtOption1NameBN"), "Size");

    ASSERT_TRUE(driver::click(*window, "btnOptionsBN"));
    ASSERT_TRUE(driver::type(*window, "txtOption1NameBN", QStringLiteral("Colour")));
    ASSERT_TRUE(driver::type(*window, "txtOption1ChoicesBN", QStringLiteral("Red")));
    ASSERT_TRUE(driver::type(*window, "txtText1NameBN", QStringLiteral("Name")));
    ASSERT_TRUE(driver::closeDialog(*named("frmOptionsBN"), false));
    EXPECT_EQ(text("txtOption1NameBN"), "Size");
    EXPECT_EQ(text("txtOption1ChoicesBN"), "S = 1\r\nM = 2");
    EXPECT_EQ(text("txtText1NameBN"), "");

    // Escape is Cancel.
    ASSERT_TRUE(driver::click(*window, "btnOptionsBN"));
    ASSERT_TRUE(driver::type(*window, "txtOption1NameBN", QStringLiteral("Colour")));
    QTest::keyClick(named("txtOption1NameBN"), Qt::Key_Escape);
    driver::settle();
    EXPECT_FALSE(shown("frmOptionsBN"));
    EXPECT_EQ(text("txtOption1NameBN"), "Size");
}

TEST_F(Dialogs, TheOptionsDialogTellsEachTypesLimitAndOnlyBuyNowAndAddToCartOfPrices) {
    open();
    for (const auto& [suffix, most, prices] :
         {std::tuple{"BN", 7, true}, std::tuple{"ATC", 7, true}, std::tuple{"SUB", 6, false}}) {
        SCOPED_TRACE(suffix);
        const std::string s(suffix);
        EXPECT_TRUE(
            named<QLabel>("lblOptionsIntro" + s)
                ->text()
                .endsWith(QStringLiteral("PayPal takes at most %1 of them together.").arg(most)));
        EXPECT_EQ(named("lblOptionsPrices" + s)->isVisibleTo(named("frmOptions" + s)), prices);
    }
}

// --- The keyboard ------------------------------------------------------------------------------

struct DialogKeys {
    Tab tab;
    int page;
    const char* opener;
    const char* dialog;
    std::vector<std::string> order; // the boxes Tab goes through, then OK and Cancel
};

void PrintTo(const DialogKeys& k, std::ostream* os) {
    *os << k.dialog;
}

class DialogKeyboard : public Dialogs, public ::testing::WithParamInterface<DialogKeys> {
protected:
    void SetUp() override {
        Dialogs::SetUp();
        const DialogKeys& k = GetParam();
        goTo(k.tab, k.page);
        window->activateWindow();
        ASSERT_TRUE(driver::click(*window, k.opener));
        dialog = named<QDialog>(k.dialog);
        ASSERT_TRUE(dialog->isVisible());
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    std::string focusName() const {
        const QWidget* w = QApplication::focusWidget();
        if (auto* button = qobject_cast<const QPushButton*>(w);
            button != nullptr && button->objectName().isEmpty()) {
            return button->text().remove('&').toStdString();
        }
        return w != nullptr ? w->objectName().toStdString() : "(nothing)";
    }

    QDialog* dialog = nullptr;
};

TEST_P(DialogKeyboard, OpensOnItsFirstBoxAndTabGoesThroughEveryControlInReadingOrder) {
    const DialogKeys& k = GetParam();
    EXPECT_EQ(focusName(), k.order.front());
    std::vector<std::string> stops = {focusName()};
    for (std::size_t i = 1; i < k.order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(focusName());
    }
    EXPECT_EQ(stops, k.order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), k.order.front()) << "and comes round again";
    for (const std::string& box : k.order) {
        if (box.starts_with("txt")) {
            EXPECT_EQ(text(box), "") << "no tab character typed into " << box;
        }
    }
}

TEST_P(DialogKeyboard, EveryControlHasANameForAssistiveTechnologyAndEveryTextIsWhole) {
    int checked = 0;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        if (w->focusPolicy() != Qt::NoFocus) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << w->objectName().toStdString() << " has no name";
            ++checked;
        }
        EXPECT_TRUE(dialog->rect().contains(QRect(w->mapTo(dialog, QPoint()), w->size())))
            << w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            EXPECT_LE(needed, label->height()) << label->objectName().toStdString();
            EXPECT_LE(label->wordWrap() ? 0 : label->sizeHint().width(), label->width())
                << label->objectName().toStdString();
        }
    }
    EXPECT_EQ(checked, static_cast<int>(GetParam().order.size()));
}

TEST_P(DialogKeyboard, EnterInAOneLineBoxPressesOkAndInAChoicesBoxStartsANewLine) {
    const DialogKeys& k = GetParam();
    QWidget* box = named(k.order.front());
    if (qobject_cast<QPlainTextEdit*>(box) != nullptr) {
        QTest::keyClicks(box, QStringLiteral("a"));
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, QStringLiteral("b"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(text(k.order.front()), "a\r\nb");
    } else {
        QTest::keyClicks(box, QStringLiteral("Size"));
        QTest::keyClick(box, Qt::Key_Return);
        driver::settle();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(text(k.order.front()), "Size");
    }
}

std::vector<std::string> optionsOrder(const std::string& suffix) {
    std::vector<std::string> order;
    for (int i = 1; i <= 5; ++i) {
        order.push_back("txtOption" + std::to_string(i) + "Name" + suffix);
        order.push_back("txtOption" + std::to_string(i) + "Choices" + suffix);
    }
    order.insert(order.end(), {"txtText1Name" + suffix, "txtText2Name" + suffix, "OK", "Cancel"});
    return order;
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogKeyboard,
    ::testing::Values(
        DialogKeys{Tab::BuyNow, 2, "btnOptionsBN", "frmOptionsBN", optionsOrder("BN")},
        DialogKeys{Tab::Subscriptions, 2, "btnOptionsSUB", "frmOptionsSUB", optionsOrder("SUB")},
        DialogKeys{
            Tab::Donate, 3, "btnAdvancedATC", "frmAdvancedDON", {"txtAdvancedDON", "OK", "Cancel"}},
        DialogKeys{
            Tab::ViewCart, 1, "btnAdvancedVC", "frmAdvancedVC", {"txtAdvancedVC", "OK", "Cancel"}}),
    [](const auto& info) { return std::string(info.param.dialog); });

// --- Findings ----------------------------------------------------------------------------------

TEST_F(Dialogs, AFindingInADialogShowsOnItsLabelAndItsButtonOnceTheirPageIsLeft) {
    goTo(Tab::BuyNow, 2);
    ASSERT_TRUE(driver::type(*window, "txtItemNameBN", QStringLiteral("T-Shirt")));
    ASSERT_TRUE(driver::click(*window, "btnOptionsBN"));
    ASSERT_TRUE(driver::type(*window, "txtOption1NameBN", QStringLiteral("Size")));
    ASSERT_TRUE(driver::type(*window, "txtOption1ChoicesBN", QStringLiteral("Small = ten")));
    ASSERT_TRUE(driver::closeDialog(*named("frmOptionsBN"), true));
    auto* label = named<QLabel>("lblOption1ChoicesBN");
    ASSERT_EQ(window->findingShownOn("txtOption1ChoicesBN"), label);
    EXPECT_NE(label->palette().color(QPalette::WindowText), kRed) << "the page is not left yet";

    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), kRed);
    const QString sentence =
        QStringLiteral("The price of \"Small\" must be a number such as 12.50.");
    EXPECT_EQ(label->toolTip(), sentence);
    // The push button tells of it on the page.
    auto* opener = named<QPushButton>("btnOptionsBN");
    EXPECT_EQ(window->findingShownOn("btnOptionsBN"), opener);
    EXPECT_EQ(opener->palette().color(QPalette::ButtonText), kRed);
    EXPECT_EQ(opener->toolTip(), sentence);

    ASSERT_TRUE(driver::click(*window, "btnPrevBN"));
    ASSERT_TRUE(driver::click(*window, "btnOptionsBN"));
    ASSERT_TRUE(driver::type(*window, "txtOption1ChoicesBN", QStringLiteral("Small = 10")));
    EXPECT_NE(label->palette().color(QPalette::WindowText), kRed) << "fixed as it is typed";
    EXPECT_EQ(label->toolTip(), QString());
    EXPECT_NE(opener->palette().color(QPalette::ButtonText), kRed);
    EXPECT_EQ(opener->toolTip(), QString());
    ASSERT_TRUE(driver::closeDialog(*named("frmOptionsBN"), true));
}

TEST_F(Dialogs, InsertHtmlListsTheErrorsOfTheDialogs) {
    goTo(Tab::ViewCart, 1);
    ASSERT_TRUE(driver::click(*window, "btnAdvancedVC"));
    ASSERT_TRUE(driver::type(*window, "txtAdvancedVC", QStringLiteral("cmd=_xclick")));
    ASSERT_TRUE(driver::closeDialog(*named("frmAdvancedVC"), true));
    ASSERT_TRUE(driver::click(*window, "btnNextVC"));
    common::setMessageHandler([this](const common::Message& message) {
        messages.push_back(message);
        return common::MessageAnswer::No;
    });
    ASSERT_TRUE(driver::click(*window, "btnFinishVC"));
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].prompt.contains(
        QStringLiteral("The wizard already writes cmd for this button from its pages")));
    EXPECT_EQ(page.pasteCount(), 0);
}

} // namespace
} // namespace ravelin::wizard::testing
