// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The answer checker's findings in the wizard: the labels coloured when a page is left with
// Next, their tooltips, the colour going once the answer is fixed, and Insert HTML asking
// before it pastes a button with errors.
#include "buttons/buttontypes.h"
#include "buttons/examples.h"
#include "wizard/tests/windowtest.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <set>

namespace ravelin::wizard::testing {
namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkOrange(255, 140, 0);

class Findings : public WindowTest {
protected:
    const ButtonTab& tab(Tab t) { return *buttonTab(static_cast<int>(t)); }

    void next(const ButtonTab& t) {
        ASSERT_TRUE(driver::click(*window, "btnNext" + std::string(t.suffix)));
    }

    void toResult(const ButtonTab& t) {
        while (window->pageNumber() < t.resultPage) {
            next(t);
        }
    }

    QWidget* shownOn(std::string_view control) { return window->findingShownOn(control); }

    // The colour a finding paints: the text of a label, or of a box without one.
    QColor colourOf(std::string_view control) {
        QWidget* widget = shownOn(control);
        if (widget == nullptr) {
            return {};
        }
        return qobject_cast<QLabel*>(widget) != nullptr
                   ? widget->palette().color(QPalette::WindowText)
                   : widget->palette().color(QPalette::Text);
    }

    std::string nameOfFocus() const {
        const QWidget* focused = QApplication::focusWidget();
        // The line of an editable combo box goes by its box's name.
        if (focused != nullptr && focused->objectName().isEmpty()) {
            focused = focused->parentWidget();
        }
        return focused != nullptr ? focused->objectName().toStdString() : "(nothing)";
    }

    QString tipOf(std::string_view control) {
        QWidget* widget = shownOn(control);
        return widget != nullptr ? widget->toolTip() : QStringLiteral("<no control>");
    }

    // Answers every message with `answer` and keeps it.
    void answerMessagesWith(common::MessageAnswer answer) {
        common::setMessageHandler([this, answer](const common::Message& message) {
            messages.push_back(message);
            return answer;
        });
    }
};

TEST_F(Findings, NextWithABadPriceColoursItsLabelWithTheSentenceAndFixingItClearsBoth) {
    openWithAccount();
    const ButtonTab& buyNow = tab(Tab::BuyNow);
    selectTab(Tab::BuyNow);
    next(buyNow);
    QLabel* label = named<QLabel>("lblPriceBN");
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(shownOn("txtPriceBN"), label);
    const QColor before = label->palette().color(QPalette::WindowText);
    ASSERT_TRUE(driver::type(*window, "txtItemNameBN", QStringLiteral("Garden Gnome")));
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("12,50")));
    EXPECT_EQ(colourOf("txtPriceBN"), before) << "nothing shows before the page is left";

    next(buyNow);

    EXPECT_EQ(colourOf("txtPriceBN"), kRed);
    EXPECT_EQ(label->toolTip(), QStringLiteral("The price must be a number such as 12.50, with a "
                                               "point for decimals and no thousands separators."));
    EXPECT_EQ(text("txtPriceBN"), "12,50") << "the answer is never changed";
    EXPECT_TRUE(messages.empty());

    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("12.50")));

    EXPECT_EQ(colourOf("txtPriceBN"), before);
    EXPECT_EQ(label->toolTip(), QString());
}

TEST_F(Findings, AWarningIsDarkOrangeAndAnErrorInTheSameBoxTurnsItRed) {
    openWithAccount();
    const ButtonTab& buyNow = tab(Tab::BuyNow);
    selectTab(Tab::BuyNow);
    next(buyNow);
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("25")));
    next(buyNow); // the item name was left empty

    EXPECT_EQ(colourOf("txtItemNameBN"), kDarkOrange);
    EXPECT_EQ(tipOf("txtItemNameBN"),
              QStringLiteral("With no item name, the buyer is asked to type what they are "
                             "paying for."));
    EXPECT_EQ(tipOf("txtPriceBN"), QString()) << "a good price shows nothing";

    ASSERT_TRUE(driver::type(*window, "txtItemNameBN", QStringLiteral("12\" Pizza")));
    EXPECT_EQ(colourOf("txtItemNameBN"), kRed);
    EXPECT_TRUE(tipOf("txtItemNameBN").contains(QStringLiteral("double quote")));
}

TEST_F(Findings, ABoxWithoutALabelColoursItsOwnText) {
    openWithAccount();
    const ButtonTab& buyNow = tab(Tab::BuyNow);
    selectTab(Tab::BuyNow);
    next(buyNow);
    ASSERT_TRUE(driver::type(*window, "txtItemNameBN", QStringLiteral("Garden Gnome")));
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("25")));
    ASSERT_TRUE(driver::type(*window, "cmbCurrencyBN", QStringLiteral("Dollars")));
    next(buyNow);

    EXPECT_EQ(shownOn("cmbCurrencyBN"), named("cmbCurrencyBN"));
    EXPECT_EQ(colourOf("cmbCurrencyBN"), kRed);
    EXPECT_TRUE(tipOf("cmbCurrencyBN").startsWith(QStringLiteral("The currency must be one")));

    ASSERT_TRUE(driver::type(*window, "cmbCurrencyBN", QStringLiteral("Euro (EUR)")));
    EXPECT_NE(colourOf("cmbCurrencyBN"), kRed);
    EXPECT_EQ(tipOf("cmbCurrencyBN"), QString());
}

// Each answer box shows its findings on the label beside it on its page; these few have none.
TEST_F(Findings, EveryAnswerBoxHasALabelOnItsPageButTheCurrencyNoteAndUnitBoxes) {
    open();
    const std::set<std::string_view> unlabelled = {
        "cmbCurrencyBN", "cmbCurrencyATC", "cmbCurrencyDON", "txtNoteATC",
        "txtNoteDON",    "cmbTermSUB",     "cmbStopSUB",     "cmbTerm2SUB"};
    std::set<std::string_view> names = {buttons::kAccountControl};
    buttons::forEachButtonType([&]<typename Type>() {
        for (const auto& key : Type::kKeys) {
            if (key.text != nullptr) {
                names.insert(key.name);
            }
        }
    });
    for (std::string_view name : names) {
        SCOPED_TRACE(std::string(name));
        QWidget* control = named(name);
        QWidget* shown = shownOn(name);
        ASSERT_NE(shown, nullptr);
        if (unlabelled.contains(name)) {
            EXPECT_EQ(shown, control);
        } else {
            auto* label = qobject_cast<QLabel*>(shown);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->parentWidget(), control->parentWidget())
                << label->objectName().toStdString() << " is not beside it";
        }
    }
}

TEST_F(Findings, OnlyThePagesLeftAreMarkedAndANewTabSelectionClearsTheMarks) {
    openWithAccount();
    const ButtonTab& addToCart = tab(Tab::AddToCart);
    selectTab(Tab::AddToCart);
    ASSERT_TRUE(driver::type(*window, "txtLogoATC", QStringLiteral("http://")));
    next(addToCart);
    next(addToCart); // the item page, with no price, is left
    EXPECT_EQ(colourOf("txtPriceATC"), kRed);
    EXPECT_NE(colourOf("txtLogoATC"), kRed) << "the optional-settings page is not left yet";
    next(addToCart);
    EXPECT_EQ(colourOf("txtLogoATC"), kRed);

    selectTab(Tab::BuyNow);
    EXPECT_NE(colourOf("txtPriceATC"), kRed);
    EXPECT_EQ(tipOf("txtPriceATC"), QString());
    EXPECT_NE(colourOf("txtLogoATC"), kRed);
}

TEST_F(Findings, TheAccountAddressIsMarkedOnTheSetupPageUntilItIsFixed) {
    openWithAccount(QStringLiteral("my shop @example .com"));
    selectTab(Tab::ViewCart);
    next(tab(Tab::ViewCart));
    EXPECT_EQ(colourOf("txtEmail"), kRed);
    EXPECT_EQ(tipOf("txtEmail"),
              QStringLiteral("The PayPal account address must not contain blanks."));

    selectTab(Tab::Setup);
    EXPECT_EQ(colourOf("txtEmail"), kRed) << "still shown where the address is typed";
    ASSERT_TRUE(driver::type(*window, "txtEmail", QStringLiteral("shop@example.com")));
    EXPECT_NE(colourOf("txtEmail"), kRed);
    EXPECT_EQ(tipOf("txtEmail"), QString());
}

TEST_F(Findings, InsertWithAnErrorAsksOnceAndNoInsertsNothing) {
    openWithAccount();
    const ButtonTab& addToCart = tab(Tab::AddToCart);
    selectTab(Tab::AddToCart);
    ASSERT_TRUE(driver::type(*window, "txtItemNameATC", QStringLiteral("Blue Mug")));
    ASSERT_TRUE(driver::type(*window, "txtPriceATC", QStringLiteral("-5")));
    ASSERT_TRUE(driver::type(*window, "txtCancelATC", QStringLiteral("https://")));
    toResult(addToCart);
    const QString html = text(addToCart.htmlBox).c_str();
    answerMessagesWith(common::MessageAnswer::No);

    ASSERT_TRUE(driver::click(*window, "btnFinishATC"));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, common::MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(messages[0].prompt,
              QStringLiteral("PayPal will refuse or misread this button:\n"
                             "\n- Step 3: The price cannot be negative."
                             "\n- Step 4: The cancel address has no host name after https://, "
                             "such as www.example.com."
                             "\n\nInsert it anyway?"));
    EXPECT_EQ(messages[0].otherButton, QStringLiteral("Go to step 3"));
    EXPECT_EQ(page.pasteCount(), 0);
    EXPECT_TRUE(page.text().isEmpty());
    EXPECT_EQ(QString::fromStdString(text(addToCart.htmlBox)), html);
    EXPECT_EQ(window->pageNumber(), addToCart.resultPage);

    answerMessagesWith(common::MessageAnswer::Yes);
    ASSERT_TRUE(driver::click(*window, "btnFinishATC"));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(page.text(), html);
}

TEST_F(Findings, GoToStepOfTheInsertMessageShowsTheFirstStepWithAnErrorAndInsertsNothing) {
    openWithAccount();
    const ButtonTab& subscriptions = tab(Tab::Subscriptions);
    selectTab(Tab::Subscriptions);
    next(subscriptions);
    ASSERT_TRUE(driver::type(*window, "txtItemNameSUB", QStringLiteral("Newsletter")));
    next(subscriptions);
    ASSERT_TRUE(driver::type(*window, "txtPriceSUB", QStringLiteral("9.5")));
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_1")); // "Stop charging after" "-"
    toResult(subscriptions);
    answerMessagesWith(common::MessageAnswer::Other);

    ASSERT_TRUE(driver::click(*window, "btnFinishSUB"));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("\n- Step 4: With \"Stop charging")));
    EXPECT_EQ(messages[0].otherButton, QStringLiteral("Go to step 4"));
    EXPECT_EQ(page.pasteCount(), 0);
    EXPECT_EQ(window->pageNumber(), 3) << "the billing page, step 4";
    EXPECT_TRUE(shown("fmSUB_3"));
    EXPECT_FALSE(shown("fmBN_5"));
    EXPECT_TRUE(enabled("btnNextSUB"));
    EXPECT_FALSE(enabled("btnFinishSUB"));
    EXPECT_EQ(nameOfFocus(), "cmbStopSUB");
}

TEST_F(Findings, GoToStepOneOfTheInsertMessageShowsTheSetupPage) {
    openWithAccount(QStringLiteral("no address"));
    const ButtonTab& viewCart = tab(Tab::ViewCart);
    selectTab(Tab::ViewCart);
    toResult(viewCart);
    answerMessagesWith(common::MessageAnswer::Other);

    ASSERT_TRUE(driver::click(*window, "btnFinishVC"));
    driver::settle();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].prompt.contains(QStringLiteral("\n- Step 1: ")));
    EXPECT_EQ(messages[0].otherButton, QStringLiteral("Go to step 1"));
    EXPECT_TRUE(shown(kSetupPanel));
    EXPECT_EQ(page.pasteCount(), 0);
}

// --- Findings where they are made ------------------------------------------------------------

struct LeftWithAnError {
    const char* name;
    Tab tab;
    std::function<void(QWidget& window)> answer; // on the page left
    int leftPage;                                // its page number
    std::string line;                            // the line's start
    std::string control;                         // where Go to step puts the focus
};

void PrintTo(const LeftWithAnError& c, std::ostream* os) {
    *os << c.name;
}

class StepProblem : public Findings, public ::testing::WithParamInterface<LeftWithAnError> {
protected:
    QLabel* line() const { return named<QLabel>("lblStepProblem"); }
    QLabel* link() const { return named<QLabel>("lblGoToStep"); }

    void toPage(const ButtonTab& t, int page) {
        while (window->pageNumber() < page) {
            next(t);
        }
    }
};

TEST_P(StepProblem, TheNextPageSaysSoInOneLineAndTheLinkGoesBack) {
    const LeftWithAnError& c = GetParam();
    openWithAccount();
    const ButtonTab& t = tab(c.tab);
    selectTab(c.tab);
    toPage(t, c.leftPage);
    c.answer(*window);
    EXPECT_FALSE(line()->isVisible());

    next(t); // nothing blocks

    ASSERT_EQ(window->pageNumber(), c.leftPage + 1);
    ASSERT_TRUE(line()->isVisible());
    const QString full = line()->toolTip();
    EXPECT_TRUE(full.startsWith(QString::fromStdString(c.line))) << full.toStdString();
    EXPECT_LE(line()->fontMetrics().horizontalAdvance(line()->text()), line()->width())
        << "one line";
    EXPECT_TRUE(line()->text() == full || line()->text().endsWith(QChar(0x2026)))
        << "cut short with an ellipsis when it is longer";
    ASSERT_TRUE(link()->isVisible());
    EXPECT_EQ(link()->text(), QStringLiteral("Go to step %1").arg(c.leftPage + 1));

    ASSERT_TRUE(driver::click(*window, "lblGoToStep"));

    EXPECT_EQ(window->pageNumber(), c.leftPage);
    EXPECT_TRUE(shown(t.panels[c.leftPage - 1]));
    EXPECT_FALSE(line()->isVisible());
    EXPECT_FALSE(link()->isVisible());
    EXPECT_EQ(nameOfFocus(), c.control);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, StepProblem,
    ::testing::Values(
        LeftWithAnError{"StopChargingAfterLeftAtDash", Tab::Subscriptions,
                        [](QWidget& w) {
                            ASSERT_TRUE(driver::type(w, "txtPriceSUB", QStringLiteral("9.5")));
                            ASSERT_TRUE(driver::click(w, "optRecurSUB_1"));
                        },
                        3, "Step 4 has a problem: With \"Stop charging after\"", "cmbStopSUB"},
        LeftWithAnError{
            "DonationWithADecimalComma", Tab::Donate,
            [](QWidget& w) { ASSERT_TRUE(driver::type(w, "txtPriceDON", QStringLiteral("5,00"))); },
            2, "Step 3 has a problem: The donation amount must be a number", "txtPriceDON"},
        LeftWithAnError{"AddToCartWithoutAPrice", Tab::AddToCart, [](QWidget&) {}, 2,
                        "Step 3 has a problem: No price is given", "txtPriceATC"},
        LeftWithAnError{"OwnPictureWithoutAnAddress", Tab::BuyNow,
                        [](QWidget& w) {
                            ASSERT_TRUE(driver::click(w, "optBN_8"));
                            ASSERT_TRUE(driver::type(w, "txtButtonURLBN", QString()));
                        },
                        1, "Step 2 has a problem: No address is given for your own button",
                        "txtButtonURLBN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StepProblem, APageWithoutErrorsOrOnlyWarningsSaysNothingAndTheLineGoesWithThePage) {
    openWithAccount();
    const ButtonTab& buyNow = tab(Tab::BuyNow);
    selectTab(Tab::BuyNow);
    next(buyNow);
    EXPECT_FALSE(line()->isVisible());
    next(buyNow); // an empty item name and price: warnings only
    EXPECT_FALSE(line()->isVisible());

    const ButtonTab& addToCart = tab(Tab::AddToCart);
    selectTab(Tab::AddToCart);
    toPage(addToCart, 3); // left the item page without a price
    ASSERT_TRUE(line()->isVisible());
    ASSERT_TRUE(driver::click(*window, "btnPrevATC"));
    EXPECT_FALSE(line()->isVisible()) << "Previous";
    next(addToCart);
    ASSERT_TRUE(line()->isVisible());
    next(addToCart); // the optional-settings page has no error
    EXPECT_FALSE(line()->isVisible()) << "only the page just left";
    selectTab(Tab::ViewCart);
    EXPECT_FALSE(line()->isVisible()) << "another tab";
}

TEST_F(Findings, TheMessageBoxOfferedOnInsertHasNoAsItsDefaultButton) {
    openWithAccount();
    const ButtonTab& addToCart = tab(Tab::AddToCart);
    selectTab(Tab::AddToCart); // no price: an error
    toResult(addToCart);
    common::setMessageHandler({}); // the real box
    bool noIsDefault = false;
    bool found = false;
    QTimer poll;
    int tries = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr && ++tries < 500) {
            return;
        }
        poll.stop();
        if (box != nullptr) {
            found = true;
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            box->defaultButton()->click(); // as Enter would
        }
    });
    poll.start(10);

    ASSERT_TRUE(driver::click(*window, "btnFinishATC"));

    EXPECT_TRUE(found);
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(page.pasteCount(), 0);
}

TEST_F(Findings, InsertWithOnlyWarningsPastesWithoutAsking) {
    openWithAccount();
    const ButtonTab& buyNow = tab(Tab::BuyNow);
    selectTab(Tab::BuyNow); // no item name and no price: two warnings
    toResult(buyNow);
    EXPECT_EQ(colourOf("txtPriceBN"), kDarkOrange);
    answerMessagesWith(common::MessageAnswer::No);

    ASSERT_TRUE(driver::click(*window, "btnFinishBN"));

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(page.text(), QString::fromStdString(text(buyNow.htmlBox)));
}

// The worked examples, typed as ravelin-screens types them: no errors, so Insert HTML pastes
// without asking, and each warning of the checker shows dark orange on the result page.
template <typename Type> class WorkedExample : public Findings {};

using ButtonTypeList = ::testing::Types<buttons::AddToCart, buttons::ViewCart, buttons::BuyNow,
                                        buttons::Donate, buttons::Subscribe>;
struct ByTab {
    template <typename Type> static std::string GetName(int) { return std::string(Type::kSuffix); }
};
TYPED_TEST_SUITE(WorkedExample, ButtonTypeList, ByTab);

TYPED_TEST(WorkedExample, ShowsOnlyItsWarningsAndInsertsWithoutAsking) {
    using Type = TypeParam;
    this->openWithAccount();
    const ButtonTab& tab = tabOf<Type>();
    this->selectTab(tab.tab);
    const typename Type::Answers answers = buttons::workedExample<Type>();
    const common::Result<void> walked =
        driver::walk(*this->window, tab, driver::answersFor<Type>(answers));
    ASSERT_TRUE(walked) << walked.error().toStdString();
    const buttons::Findings findings = Type::kCheck(answers, kAccount.toStdString());
    ASSERT_FALSE(buttons::hasErrors(findings));
    for (const buttons::Finding& f : findings) {
        EXPECT_EQ(this->colourOf(f.control), kDarkOrange) << f.control;
    }
    this->answerMessagesWith(common::MessageAnswer::No);

    ASSERT_TRUE(driver::click(*this->window, "btnFinish" + std::string(tab.suffix)));

    EXPECT_TRUE(this->messages.empty());
    EXPECT_EQ(this->page.pasteCount(), 1);
}

} // namespace
} // namespace ravelin::wizard::testing
