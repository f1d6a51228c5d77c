// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard by keyboard alone: typed text kept as typed, Tab only through what the user sees
// and in the order the eye reads, the focus on each page's first field, the keys every window
// answers, and a name for assistive technology on every control that takes the focus.
#include "buttons/writers.h"
#include "wizard/focus.h"
#include "wizard/pictures.h"
#include "wizard/tests/windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

namespace ravelin::wizard::testing {
namespace {

// One state of the window a keyboard user can be in.
struct PageState {
    std::string name;
    Tab tab = Tab::Setup; // Setup: the welcome panel, the examples or the Setup page
    int page = 0;         // of a button type; 0 for the states before any type
    const char* panel;    // what is shown below the start buttons
};

void PrintTo(const PageState& s, std::ostream* os) {
    *os << s.name;
}

std::vector<PageState> pageStates() {
    std::vector<PageState> states = {{"Welcome", Tab::Setup, 0, "grpPage_0"},
                                     {"Examples", Tab::Setup, 0, "frmExamples"},
                                     {"Setup", Tab::Setup, 0, "grpSTART_1"}};
    for (const ButtonTab& tab : kButtonTabs) {
        std::string type = "fm" + std::string(tab.suffix);
        for (int page = 1; page <= tab.resultPage; ++page) {
            states.push_back({type.substr(2) + "Page" + std::to_string(page), tab.tab, page,
                              tab.panels[page - 1].data()});
        }
    }
    return states;
}

std::string nameOf(const QWidget* widget) {
    // The line of an editable combo box and the bar of the tab strip go by their owner's name.
    while (widget != nullptr && (widget->objectName().isEmpty() ||
                                 widget->objectName().startsWith(QLatin1String("qt_")))) {
        widget = widget->parentWidget();
    }
    return widget == nullptr ? std::string("(nothing)") : widget->objectName().toStdString();
}

// Whether `a` comes before `b` as the eye reads the window: rows top to bottom, and within a
// row (each reaching the other's middle height) left to right.
bool readBefore(const QRect& a, const QRect& b) {
    const bool sameRow = (a.top() <= b.center().y() && b.center().y() <= a.bottom()) ||
                         (b.top() <= a.center().y() && a.center().y() <= b.bottom());
    return sameRow ? a.center().x() < b.center().x() : a.center().y() < b.center().y();
}

class KeyboardTest : public WindowTest {
protected:
    // Opens the window and makes it the active one, so that the keys go to it.
    void openActive(const QString& account = kAccount) {
        openWithAccount(account);
        activate();
    }

    void activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Opens the window and goes to `state` as a user would.
    void go(const PageState& state) {
        if (state.name == "Welcome") {
            open();
            activate();
            return;
        }
        openActive();
        if (state.name == "Examples") {
            ASSERT_TRUE(driver::click(*window, "btnFirstTime"));
            return;
        }
        if (state.page == 0) {
            return; // the Setup page
        }
        selectTab(state.tab);
        const ButtonTab& tab = *buttonTab(static_cast<int>(state.tab));
        for (int page = 1; page < state.page; ++page) {
            ASSERT_TRUE(driver::click(*window, "btnNext" + std::string(tab.suffix)));
        }
        ASSERT_EQ(window->pageNumber(), state.page);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }
    std::string focusName() const { return nameOf(focused()); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = focused() != nullptr ? focused() : window.get();
        QTest::keyClick(target, key, modifiers);
        driver::settle();
    }

    // The parts of the window the user sees in `state`: what lies within them may take the
    // focus, nothing else.
    static std::set<std::string> seenParts(const PageState& state) {
        std::set<std::string> parts = {"Image1",          "Label26",  "btnFirstTime", "btnStart",
                                       "btnPleaseDonate", "btnAbout", "btnOther",     state.panel};
        if (state.name != "Welcome" && state.name != "Examples") {
            parts.insert("TabStrip1");
        }
        if (state.page > 0) {
            const std::string suffix(buttonTab(static_cast<int>(state.tab))->suffix);
            for (const char* button : {"btnCopy", "btnPrev", "btnNext", "btnFinish"}) {
                parts.insert(button + suffix);
            }
            parts.insert("lblGoToStep"); // the way back to a step left with an error
        }
        return parts;
    }

    static bool within(const QWidget* widget, const std::set<std::string>& parts) {
        for (; widget != nullptr; widget = widget->parentWidget()) {
            if (parts.contains(widget->objectName().toStdString())) {
                return true;
            }
        }
        return false;
    }

    // Every stop Tab reaches from the focus until it comes round again.
    std::vector<QWidget*> tabCycle(bool forward = true) {
        std::vector<QWidget*> stops;
        for (int i = 0; i < 200; ++i) {
            press(forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
            QWidget* now = focused();
            if (now == nullptr || (!stops.empty() && now == stops.front())) {
                break;
            }
            stops.push_back(now);
        }
        return stops;
    }

    QRect inWindow(const QWidget* widget) const {
        return {widget->mapTo(window.get(), QPoint()), widget->size()};
    }

    // The answers of the window as the writers read them, by control, leaving out those within
    // `except`.
    std::map<std::string, std::string> answers(const QWidget* except) const {
        std::map<std::string, std::string> all;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (except != nullptr && except->isAncestorOf(w)) {
                continue;
            }
            const std::string name = w->objectName().toStdString();
            if (auto* option = qobject_cast<QRadioButton*>(w)) {
                all[name] = option->isChecked() ? "selected" : "";
            } else if ((qobject_cast<QLineEdit*>(w) != nullptr && !name.empty()) ||
                       qobject_cast<QComboBox*>(w) != nullptr) {
                all[name] = text(name);
            }
        }
        return all;
    }
};

// --- Editable combo boxes keep what was typed -------------------------------------------------

struct TypedCase {
    const char* combo;
    Tab tab;
    int page;
    QString typed;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.combo << " <- " << c.typed.toStdString();
}

class TypedIntoACombo : public KeyboardTest, public ::testing::WithParamInterface<TypedCase> {
protected:
    QComboBox* typeInto(const TypedCase& c) {
        go({"", c.tab, c.page, ""});
        if (std::string_view(c.combo) == "cmbStopSUB") {
            EXPECT_TRUE(driver::click(*window, "optRecurSUB_1"));
        }
        auto* combo = named<QComboBox>(c.combo);
        EXPECT_TRUE(combo->isEnabled());
        combo->lineEdit()->setFocus(Qt::TabFocusReason);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), c.typed);
        driver::settle();
        return combo;
    }
};

TEST_P(TypedIntoACombo, ReadsBackExactlyAfterTab) {
    const TypedCase& c = GetParam();
    QComboBox* combo = typeInto(c);
    const int items = combo->count();
    press(Qt::Key_Tab);

    EXPECT_NE(focused(), combo->lineEdit()) << "Tab moved on";
    EXPECT_EQ(text(c.combo), c.typed.toStdString());
    EXPECT_EQ(combo->count(), items);
}

TEST_P(TypedIntoACombo, ReadsBackExactlyAfterEnterWithoutJoiningTheList) {
    const TypedCase& c = GetParam();
    QComboBox* combo = typeInto(c);
    const int items = combo->count();
    press(Qt::Key_Return);

    EXPECT_EQ(text(c.combo), c.typed.toStdString());
    EXPECT_EQ(combo->count(), items) << "the list stays as designed";
}

// Each text is the start of a list item of another case or length, which completion would turn
// into that item.
INSTANTIATE_TEST_SUITE_P(
    AllNine, TypedIntoACombo,
    ::testing::Values(TypedCase{"cmbCurrencyBN", Tab::BuyNow, 2, QStringLiteral("e")},
                      TypedCase{"cmbCurrencyATC", Tab::AddToCart, 2, QStringLiteral("us")},
                      TypedCase{"cmbCurrencyDON", Tab::Donate, 2, QStringLiteral("Euro")},
                      TypedCase{"cmbCurrencySUB", Tab::Subscriptions, 2, QStringLiteral("c")},
                      TypedCase{"cmbNumberSUB", Tab::Subscriptions, 3, QStringLiteral("1")},
                      TypedCase{"cmbTermSUB", Tab::Subscriptions, 3, QStringLiteral("d")},
                      TypedCase{"cmbStopSUB", Tab::Subscriptions, 3, QStringLiteral("1")},
                      TypedCase{"cmbNumber2SUB", Tab::Subscriptions, 3, QStringLiteral("2")},
                      TypedCase{"cmbTerm2SUB", Tab::Subscriptions, 3, QStringLiteral("m")}),
    [](const auto& info) { return std::string(info.param.combo); });

TEST_F(KeyboardTest, TheWriterGetsTheNumberOfPaymentsAsTyped) {
    go({"", Tab::Subscriptions, 3, ""});
    ASSERT_TRUE(driver::click(*window, "optRecurSUB_1"));
    auto* stop = named<QComboBox>("cmbStopSUB");
    stop->lineEdit()->setFocus(Qt::TabFocusReason);
    stop->lineEdit()->selectAll();
    QTest::keyClicks(stop->lineEdit(), QStringLiteral("1"));
    press(Qt::Key_Tab);
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));
    ASSERT_TRUE(driver::click(*window, "btnNextSUB"));

    buttons::SubscribeAnswers expected;
    expected.optRecurSUB = 1;
    expected.cmbStopSUB = "1";
    EXPECT_EQ(text("txtHTMLBN"), buttons::writeSubscribe(expected, context()).html);
    EXPECT_EQ(text("txtLogBN"), buttons::writeSubscribe(expected, context()).summary);
    EXPECT_NE(text("txtHTMLBN").find(R"(name="srt" value="1")"), std::string::npos);
}

// --- Tab goes only where the user sees, in reading order ------------------------------------

class EveryPageState : public KeyboardTest, public ::testing::WithParamInterface<PageState> {};

TEST_P(EveryPageState, TabReachesOnlyVisibleEnabledControlsOfWhatIsShown) {
    const PageState& state = GetParam();
    go(state);
    const auto parts = seenParts(state);
    for (bool forward : {true, false}) {
        SCOPED_TRACE(forward ? "Tab" : "Shift+Tab");
        const std::vector<QWidget*> stops = tabCycle(forward);
        ASSERT_GT(stops.size(), 5U);
        for (QWidget* stop : stops) {
            EXPECT_TRUE(stop->isVisible()) << nameOf(stop);
            EXPECT_TRUE(stop->isEnabled()) << nameOf(stop);
            EXPECT_TRUE(within(stop, parts)) << nameOf(stop) << " lies under what is shown";
        }
    }
}

TEST_P(EveryPageState, TabFollowsTheReadingOrder) {
    const PageState& state = GetParam();
    go(state);
    std::vector<QWidget*> stops = tabCycle();
    const auto logo = std::find(stops.begin(), stops.end(), named("Image1"));
    ASSERT_NE(logo, stops.end()) << "the logo link is a stop";
    std::rotate(stops.begin(), logo, stops.end());
    std::vector<std::string> names;
    names.reserve(stops.size());
    for (QWidget* stop : stops) {
        names.push_back(nameOf(stop));
    }
    SCOPED_TRACE(::testing::PrintToString(names));
    for (std::size_t i = 1; i < stops.size(); ++i) {
        EXPECT_TRUE(readBefore(inWindow(stops[i - 1]), inWindow(stops[i])))
            << names[i - 1] << " before " << names[i];
    }
    // Shift+Tab goes the same way back.
    std::vector<QWidget*> back = tabCycle(false);
    std::reverse(back.begin(), back.end());
    std::rotate(back.begin(), std::find(back.begin(), back.end(), named("Image1")), back.end());
    EXPECT_EQ(back, stops);
}

TEST_P(EveryPageState, ArrowKeysAfterTabNeverChangeAnAnswerOutOfSight) {
    const PageState& state = GetParam();
    go(state);
    const QWidget* shownPage = named(state.panel);
    const auto before = answers(shownPage);
    const int page = window->pageNumber();
    const int tab = named<QTabWidget>("TabStrip1")->currentIndex();
    auto onTabBar = [this] { return qobject_cast<QTabBar*>(focused()) != nullptr; };
    for (int stop = 0; stop < 40; ++stop) {
        press(Qt::Key_Tab);
        // On the tab bar the arrows select tabs, as a click on them does.
        for (Qt::Key arrow :
             {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}) {
            if (onTabBar()) {
                break;
            }
            press(arrow);
        }
        if (onTabBar()) {
            continue;
        }
        ASSERT_EQ(window->pageNumber(), page) << "after " << stop + 1 << " Tabs";
        ASSERT_EQ(named<QTabWidget>("TabStrip1")->currentIndex(), tab);
        ASSERT_EQ(answers(shownPage), before) << "after " << stop + 1 << " Tabs";
    }
}

TEST_P(EveryPageState, EveryControlThatTakesTheFocusHasANameForAssistiveTechnology) {
    const PageState& state = GetParam();
    go(state);
    const auto parts = seenParts(state);
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisible() || !within(w, parts)) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(accessible, nullptr) << nameOf(w);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
            << nameOf(w) << " (" << w->metaObject()->className() << ") has no name";
        ++checked;
    }
    EXPECT_GT(checked, 5);
}

INSTANTIATE_TEST_SUITE_P(States, EveryPageState, ::testing::ValuesIn(pageStates()),
                         [](const auto& info) { return info.param.name; });

// The user's own steps from the issue that found the fault: on the Subscriptions item page,
// Tab until nothing seemed to have the focus, Right twice, Previous.
TEST_F(KeyboardTest, ArrowsOnTheItemPageLeaveTheChosenPictureAlone) {
    go({"", Tab::Subscriptions, 2, ""});
    for (int i = 0; i < 30; ++i) {
        press(Qt::Key_Tab);
        if (qobject_cast<QTabBar*>(focused()) == nullptr) {
            press(Qt::Key_Right);
            press(Qt::Key_Right);
        }
    }
    ASSERT_TRUE(driver::click(*window, "btnPrevSUB"));
    EXPECT_EQ(mstartup::selectedOption(*window, "optSUB", 9), 0);
}

// --- Showing a page focuses its first field ---------------------------------------------------

struct FirstFields {
    Tab tab;
    std::vector<const char*> byPage; // the focus on pages 1, 2, ...
};

void PrintTo(const FirstFields& f, std::ostream* os) {
    PrintTo(f.tab, os);
}

class ShowingAPage : public KeyboardTest, public ::testing::WithParamInterface<FirstFields> {};

TEST_P(ShowingAPage, PutsTheFocusOnItsFirstFieldByNextPreviousOrTab) {
    const FirstFields& f = GetParam();
    const std::string suffix(buttonTab(static_cast<int>(f.tab))->suffix);
    openActive();
    selectTab(f.tab);
    EXPECT_EQ(focusName(), f.byPage[0]) << "page 1";
    for (std::size_t page = 2; page <= f.byPage.size(); ++page) {
        ASSERT_TRUE(driver::click(*window, "btnNext" + suffix));
        EXPECT_EQ(focusName(), f.byPage[page - 1]) << "page " << page << " by Next";
    }
    for (std::size_t page = f.byPage.size() - 1; page >= 1; --page) {
        ASSERT_TRUE(driver::click(*window, "btnPrev" + suffix));
        EXPECT_EQ(focusName(), f.byPage[page - 1]) << "page " << page << " by Previous";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, ShowingAPage,
    ::testing::Values(
        FirstFields{Tab::AddToCart,
                    {"optImageButtonATC_0", "txtItemNameATC", "txtLogoATC", "txtLogATC"}},
        FirstFields{Tab::ViewCart, {"optVC_0", "txtLogVC"}},
        FirstFields{Tab::BuyNow,
                    {"optBN_5", "txtItemNameBN", "txtBaseShippingBN", "txtLogoBN", "txtLogBN"}},
        FirstFields{Tab::Donate, {"optDON_0", "txtItemNameDON", "txtLogoATC", "txtLogATC"}},
        FirstFields{Tab::Subscriptions,
                    {"optSUB_0", "txtItemNameSUB", "txtPriceSUB", "txtLogoBN", "txtLogBN"}}),
    [](const auto& info) {
        return std::string(buttonTab(static_cast<int>(info.param.tab))->suffix);
    });

TEST_F(KeyboardTest, StartPutsTheFocusInTheAddressBoxAndTheExamplesOnTheirFirstButton) {
    open();
    activate();
    EXPECT_EQ(focusName(), "btnStart") << "the window opens on the way to building buttons";
    ASSERT_TRUE(driver::click(*window, "btnStart"));
    EXPECT_EQ(focusName(), "txtEmail");
    ASSERT_TRUE(driver::click(*window, "btnFirstTime"));
    EXPECT_EQ(focusName(), "btnBuyNow");
}

TEST_F(KeyboardTest, ThePicturePageFocusesThePictureChosenLast) {
    openActive();
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::click(*window, "imgBN_2"));
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    ASSERT_TRUE(driver::click(*window, "btnPrevBN"));
    EXPECT_EQ(focusName(), "optBN_2");
    // The options are one stop: Tab leaves them for Next (the address box and Previous are
    // disabled); the arrows go from option to option.
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "btnNextBN");
}

TEST_F(KeyboardTest, TabComesToAGroupOfOptionsAtTheSelectedOne) {
    go({"", Tab::AddToCart, 2, ""});
    named<QComboBox>("cmbCurrencyATC")->lineEdit()->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "optNoteATC_1") << "No, the selected option";
    press(Qt::Key_Left);
    EXPECT_EQ(focusName(), "optNoteATC_0");
    EXPECT_TRUE(enabled("txtNoteATC")) << "the arrow selected Yes";
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "txtNoteATC");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "optNoteATC_0");
}

TEST_F(KeyboardTest, APictureShowsTheFocusOfItsOption) {
    openActive();
    selectTab(Tab::BuyNow);
    QWidget* five = named("imgBN_5");
    QWidget* six = named("imgBN_6");
    const QImage fiveFocused = five->grab().toImage();
    const QImage sixPlain = six->grab().toImage();
    press(Qt::Key_Right);
    ASSERT_EQ(focusName(), "optBN_6");
    EXPECT_NE(five->grab().toImage(), fiveFocused);
    EXPECT_NE(six->grab().toImage(), sixPlain);
}

// --- Keys every window answers -----------------------------------------------------------------

struct FocusAt {
    PageState state;
    const char* control;
};

void PrintTo(const FocusAt& f, std::ostream* os) {
    *os << f.state.name << ":" << f.control;
}

std::vector<FocusAt> focusPlaces() {
    return {{{"Welcome", Tab::Setup, 0, "grpPage_0"}, "btnStart"},
            {{"Welcome", Tab::Setup, 0, "grpPage_0"}, "Label20"},
            {{"Setup", Tab::Setup, 0, "grpSTART_1"}, "txtEmail"},
            {{"Setup", Tab::Setup, 0, "grpSTART_1"}, "TabStrip1"},
            {{"BN1", Tab::BuyNow, 1, "fmBN_1"}, "optBN_5"},
            {{"BN2", Tab::BuyNow, 2, "fmBN_2"}, "cmbCurrencyBN"},
            {{"BN5", Tab::BuyNow, 5, "fmBN_5"}, "txtLogBN"},
            {{"VC2", Tab::ViewCart, 2, "fmVC_2"}, "txtHTMLVC"}};
}

class KeysAt : public KeyboardTest, public ::testing::WithParamInterface<FocusAt> {
protected:
    void goAndFocus() {
        go(GetParam().state);
        QWidget* control = named(GetParam().control);
        if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
            control = tabs->tabBar();
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            control = combo->lineEdit();
        }
        control->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusName(), GetParam().control);
    }
};

TEST_P(KeysAt, EscapeClosesTheWindow) {
    goAndFocus();
    // A closed window deletes itself.
    QPointer<FrmStartup> closing = window.release();
    press(Qt::Key_Escape);
    EXPECT_TRUE(closing.isNull() || !closing->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    delete closing.data();
}

TEST_P(KeysAt, CtrlTabSelectsTheNextTabAsAClickDoesWhereverTheFocusIs) {
    goAndFocus();
    auto* tabs = named<QTabWidget>("TabStrip1");
    const int before = tabs->currentIndex();
    press(Qt::Key_Tab, Qt::ControlModifier);
    if (GetParam().state.name == "Welcome") {
        EXPECT_FALSE(tabs->isVisible()) << "no tab to select while the strip is hidden";
        EXPECT_EQ(tabs->currentIndex(), before);
        return;
    }
    const int next = (before + 1) % kTabCount;
    EXPECT_EQ(tabs->currentIndex(), next);
    EXPECT_EQ(window->pageNumber(), 1);
    const ButtonTab* tab = buttonTab(next + 1);
    EXPECT_TRUE(shown(tab != nullptr ? tab->panels[0] : kSetupPanel));
}

TEST_P(KeysAt, TabAndShiftTabLeaveTheControl) {
    goAndFocus();
    QWidget* control = named(GetParam().control);
    const bool box = qobject_cast<QLineEdit*>(control) != nullptr ||
                     qobject_cast<QComboBox*>(control) != nullptr ||
                     qobject_cast<QPlainTextEdit*>(control) != nullptr;
    const std::string before = box ? text(GetParam().control) : std::string();
    QWidget* start = focused();
    press(Qt::Key_Tab);
    EXPECT_NE(focused(), start);
    start->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focused(), start);
    if (box) {
        EXPECT_EQ(text(GetParam().control), before) << "no tab character typed";
    }
}

INSTANTIATE_TEST_SUITE_P(Places, KeysAt, ::testing::ValuesIn(focusPlaces()), [](const auto& info) {
    return info.param.state.name + "_" + info.param.control;
});

struct EnterCase {
    PageState state;
    const char* button;
    Qt::Key key;
    std::function<bool(KeyboardTest&)> pressed;
};

void PrintTo(const EnterCase& c, std::ostream* os) {
    *os << c.button;
}

class EnterPresses : public KeyboardTest, public ::testing::WithParamInterface<EnterCase> {
public:
    bool isShown(std::string_view name) const { return shown(name); }
    int pageShown() const { return window->pageNumber(); }
    int pastes() const { return page.pasteCount(); }
};

TEST_P(EnterPresses, TheFocusedButton) {
    const EnterCase& c = GetParam();
    go(c.state);
    named(c.button)->setFocus(Qt::TabFocusReason);
    press(c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_TRUE(c.pressed(*this));
    EXPECT_TRUE(window->isVisible());
}

const PageState kWelcome{"Welcome", Tab::Setup, 0, "grpPage_0"};

INSTANTIATE_TEST_SUITE_P(
    Buttons, EnterPresses,
    ::testing::Values(
        EnterCase{
            kWelcome, "btnStart", Qt::Key_Return,
            [](KeyboardTest& t) { return static_cast<EnterPresses&>(t).isShown("grpSTART_1"); }},
        EnterCase{
            kWelcome, "btnFirstTime", Qt::Key_Enter,
            [](KeyboardTest& t) { return static_cast<EnterPresses&>(t).isShown("frmExamples"); }},
        EnterCase{{"BN1", Tab::BuyNow, 1, "fmBN_1"},
                  "btnNextBN",
                  Qt::Key_Return,
                  [](KeyboardTest& t) { return static_cast<EnterPresses&>(t).pageShown() == 2; }},
        EnterCase{{"DON3", Tab::Donate, 3, "fmATC_3"},
                  "btnPrevDON",
                  Qt::Key_Return,
                  [](KeyboardTest& t) { return static_cast<EnterPresses&>(t).pageShown() == 2; }},
        EnterCase{{"VC2", Tab::ViewCart, 2, "fmVC_2"},
                  "btnFinishVC",
                  Qt::Key_Enter,
                  [](KeyboardTest& t) { return static_cast<EnterPresses&>(t).pastes() == 1; }}),
    [](const auto& info) { return std::string(info.param.button); });

// --- Enter in a box presses the page's way on --------------------------------------------------

struct EnterInABox {
    PageState state;
    const char* box;
    int page;   // the page number after Enter
    int pastes; // Insert HTML pressed
};

void PrintTo(const EnterInABox& c, std::ostream* os) {
    *os << c.state.name << ":" << c.box;
}

class EnterIn : public KeyboardTest, public ::testing::WithParamInterface<EnterInABox> {};

TEST_P(EnterIn, AOneLineBoxPressesNextOrInsertHtmlAndAMultiLineBoxTypesALineBreak) {
    const EnterInABox& c = GetParam();
    go(c.state);
    if (std::string_view(c.box) == "txtButtonURLBN") {
        ASSERT_TRUE(driver::click(*window, "optBN_8"));
    }
    QWidget* box = named(c.box);
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        box = combo->lineEdit();
    }
    box->setFocus(Qt::TabFocusReason);
    const bool typed =
        qobject_cast<QLineEdit*>(box) != nullptr || qobject_cast<QPlainTextEdit*>(box) != nullptr;
    const std::string before = typed ? text(c.box) : std::string();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Return" : "Enter");
        if (window->pageNumber() != c.state.page) {
            ASSERT_TRUE(driver::click(
                *window,
                "btnPrev" + std::string(buttonTab(static_cast<int>(c.state.tab))->suffix)));
            box->setFocus(Qt::TabFocusReason);
        }
        press(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(window->pageNumber(), c.page);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(page.pasteCount(), c.pastes);
    if (!typed) {
        EXPECT_TRUE(static_cast<QRadioButton*>(box)->isChecked()) << "the option stays chosen";
    } else if (qobject_cast<QPlainTextEdit*>(box) == nullptr) {
        EXPECT_EQ(text(c.box), before) << "a one-line box keeps its text";
    } else {
        EXPECT_NE(text(c.box), before) << "a multi-line box takes the line breaks";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EnterIn,
    ::testing::Values(EnterInABox{{"BN1", Tab::BuyNow, 1, "fmBN_1"}, "txtButtonURLBN", 2, 0},
                      EnterInABox{{"BN1", Tab::BuyNow, 1, "fmBN_1"}, "optBN_5", 2, 0},
                      EnterInABox{{"BN2", Tab::BuyNow, 2, "fmBN_2"}, "optExtraBN_0", 3, 0},
                      EnterInABox{{"BN2", Tab::BuyNow, 2, "fmBN_2"}, "txtItemNameBN", 3, 0},
                      EnterInABox{{"BN2", Tab::BuyNow, 2, "fmBN_2"}, "txtPriceBN", 3, 0},
                      EnterInABox{{"BN2", Tab::BuyNow, 2, "fmBN_2"}, "cmbCurrencyBN", 3, 0},
                      EnterInABox{{"ATC3", Tab::AddToCart, 3, "fmATC_3"}, "txtCancelATC", 4, 0},
                      EnterInABox{{"SUB3", Tab::Subscriptions, 3, "fmSUB_3"}, "cmbNumberSUB", 4, 0},
                      EnterInABox{{"Setup", Tab::Setup, 0, "grpSTART_1"}, "txtEmail", 0, 0},
                      EnterInABox{{"BN5", Tab::BuyNow, 5, "fmBN_5"}, "txtLogBN", 5, 0},
                      EnterInABox{{"VC2", Tab::ViewCart, 2, "fmVC_2"}, "txtHTMLVC", 2, 0}),
    [](const auto& info) { return info.param.state.name + "_" + info.param.box; });

TEST_F(KeyboardTest, TheWayOnIsTheDefaultButtonNextOrInsertHtml) {
    openActive();
    selectTab(Tab::ViewCart);
    auto* next = named<QPushButton>("btnNextVC");
    auto* finish = named<QPushButton>("btnFinishVC");
    EXPECT_TRUE(next->isDefault());
    EXPECT_FALSE(finish->isDefault());
    ASSERT_TRUE(driver::click(*window, "btnNextVC"));
    EXPECT_FALSE(next->isDefault());
    EXPECT_TRUE(finish->isDefault()) << "on the result page";
}

// --- A key never types into an answer ----------------------------------------------------------

// Every access key of the window: the character after each single "&" of a button's caption.
std::set<QChar> accessKeys(const QWidget& window) {
    std::set<QChar> keys;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (!mnemonic.isEmpty()) {
            keys.insert(mnemonic.toString().back().toLower());
        }
    }
    return keys;
}

class EveryPageKeys : public KeyboardTest, public ::testing::WithParamInterface<PageState> {
protected:
    // Every answer and result box of the window, by name.
    std::map<std::string, std::string> boxes() const {
        auto all = answers(nullptr);
        for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
            all[box->objectName().toStdString()] = box->toPlainText().toStdString();
        }
        return all;
    }

    // The boxes a user can type into on the page shown.
    std::vector<QWidget*> boxesInSight() const {
        std::vector<QWidget*> found;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool typed = (qobject_cast<QLineEdit*>(w) != nullptr &&
                                !static_cast<QLineEdit*>(w)->isReadOnly()) ||
                               (qobject_cast<QPlainTextEdit*>(w) != nullptr &&
                                !static_cast<QPlainTextEdit*>(w)->isReadOnly());
            if (typed && w->isEnabled() && focus::inSight(*w)) {
                found.push_back(w);
            }
        }
        return found;
    }
};

TEST_P(EveryPageKeys, AnAccessKeyWhoseButtonIsDisabledOrHiddenTypesNothing) {
    const PageState& state = GetParam();
    go(state);
    if (state.page == 1) {
        // The own picture's address box takes typing while its option is chosen.
        buttons::withButtonTypeOfSuffix(
            buttonTab(static_cast<int>(state.tab))->suffix, [this]<typename Type>() {
                ASSERT_TRUE(driver::click(*window, std::string(buttons::pictureKey<Type>().name) +
                                                       "_" +
                                                       std::to_string(Type::kPictures.size())));
            });
    }
    const std::set<QChar> keys = accessKeys(*window);
    ASSERT_GE(keys.size(), 5U);
    // Every button with an access key disabled; those of other pages are hidden besides.
    int clicks = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!QKeySequence::mnemonic(button->text()).isEmpty()) {
            button->setEnabled(false);
            QObject::connect(button, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        }
    }
    const std::vector<QWidget*> inSight = boxesInSight();
    if (state.name != "Welcome" && state.name != "Examples") {
        ASSERT_FALSE(inSight.empty());
    }
    const auto before = boxes();
    const int pageBefore = window->pageNumber();
    for (QWidget* box : inSight) {
        SCOPED_TRACE(nameOf(box));
        box->setFocus(Qt::TabFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            line->selectAll(); // as the focus left it: a typed key would replace the whole text
        }
        // The access keys of the window, and every other letter and digit.
        std::set<QChar> pressed = keys;
        for (char c = 'a'; c <= 'z'; ++c) {
            pressed.insert(QChar::fromLatin1(c));
        }
        for (char c = '0'; c <= '9'; ++c) {
            pressed.insert(QChar::fromLatin1(c));
        }
        for (QChar c : pressed) {
            QTest::keyClick(box, c.toLatin1(), Qt::AltModifier);
        }
        driver::settle();
        ASSERT_EQ(boxes(), before) << "a box changed";
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(window->pageNumber(), pageBefore);
    EXPECT_EQ(page.pasteCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(States, EveryPageKeys, ::testing::ValuesIn(pageStates()),
                         [](const auto& info) { return info.param.name; });

TEST_F(KeyboardTest, AnEnabledAccessKeyStillPressesItsButtonAndTypesNothing) {
    go({"", Tab::BuyNow, 2, ""});
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("12.50")));
    auto* price = named<QLineEdit>("txtPriceBN");
    price->setFocus(Qt::TabFocusReason);
    price->selectAll();
    QTest::keyClick(price, 'i', Qt::AltModifier); // Insert HTML is disabled here
    EXPECT_EQ(text("txtPriceBN"), "12.50");
    EXPECT_EQ(page.pasteCount(), 0);
    QTest::keyClick(price, 'n', Qt::AltModifier);
    // An access key presses its button as a click seen on the screen: a moment later.
    for (int waited = 0; window->pageNumber() == 2 && waited < 2000; waited += 50) {
        QTest::qWait(50);
    }
    EXPECT_EQ(window->pageNumber(), 3) << "Alt+N pressed Next";
    EXPECT_EQ(text("txtPriceBN"), "12.50");
}

// A new seller's first two buttons, a Buy Now button in euros and a monthly subscription, made
// with the keyboard alone; the HTML copied on the way.
TEST_F(KeyboardTest, ASellerMakesAEuroButtonAndAMonthlySubscriptionWithTheKeyboardAlone) {
    open();
    activate();
    const auto typeText = [this](const QString& text) { QTest::keyClicks(focused(), text); };
    const auto waitForPastes = [this](int pastes) {
        for (int waited = 0; page.pasteCount() < pastes && waited < 2000; waited += 50) {
            QTest::qWait(50); // an access key presses its button a moment later
        }
    };
    press(Qt::Key_Return); // Start Building Buttons
    ASSERT_EQ(focusName(), "txtEmail");
    typeText(QStringLiteral("seller@example.com"));
    for (int i = 0; i < 3; ++i) {
        press(Qt::Key_Tab, Qt::ControlModifier);
    }
    ASSERT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1, static_cast<int>(Tab::BuyNow));
    press(Qt::Key_Return); // the picture chosen
    ASSERT_EQ(focusName(), "txtItemNameBN");
    typeText(QStringLiteral("T-shirt"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "txtPriceBN");
    typeText(QStringLiteral("12.50"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "cmbCurrencyBN");
    typeText(QStringLiteral("EUR"));
    for (int step = 0; step < 3; ++step) {
        press(Qt::Key_Return); // the shipping and optional pages as they are
    }
    ASSERT_EQ(window->pageNumber(), 5);
    const std::string html = text("txtHTMLBN");
    EXPECT_NE(html.find("Price: €12.50<br>"), std::string::npos) << html;
    EXPECT_NE(html.find(R"(name="currency_code" value="EUR")"), std::string::npos);

    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), html);
    QTest::keyClick(focused(), 'i', Qt::AltModifier); // Insert HTML
    waitForPastes(1);
    ASSERT_EQ(page.pasteCount(), 1);
    EXPECT_TRUE(page.text().contains(QStringLiteral("Price: €12.50<br>")));

    press(Qt::Key_Tab, Qt::ControlModifier);
    press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1,
              static_cast<int>(Tab::Subscriptions));
    press(Qt::Key_Return);
    ASSERT_EQ(focusName(), "txtItemNameSUB");
    typeText(QStringLiteral("Newsletter"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "cmbCurrencySUB");
    typeText(QStringLiteral("EUR"));
    press(Qt::Key_Return);
    ASSERT_EQ(focusName(), "txtPriceSUB");
    typeText(QStringLiteral("9.50")); // every 1 month(s), until cancelled: as the page has it
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    ASSERT_EQ(window->pageNumber(), 5);
    QTest::keyClick(focused(), 'i', Qt::AltModifier);
    waitForPastes(2);
    ASSERT_EQ(page.pasteCount(), 2);
    for (const char* field : {R"(name="cmd" value="_xclick-subscriptions")",
                              R"(name="a3" value="9.50")", R"(name="p3" value="1")",
                              R"(name="t3" value="M")", R"(name="currency_code" value="EUR")"}) {
        EXPECT_TRUE(page.text().contains(QString::fromUtf8(field))) << field;
    }
    EXPECT_TRUE(messages.empty()) << "no error asked about";
}

TEST_F(KeyboardTest, TheWizardsDialogsTypeNoStrayAccessKeyEither) {
    openActive();
    ASSERT_TRUE(driver::click(*window, "btnProtect"));
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("frmProtect"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    auto* id = dialog->findChild<QLineEdit*>(QStringLiteral("txtCertId"));
    ASSERT_NE(id, nullptr);
    id->setText(QStringLiteral("ABC"));
    id->setFocus(Qt::TabFocusReason);
    id->selectAll();
    for (char c = 'a'; c <= 'z'; ++c) {
        QTest::keyClick(id, c, Qt::AltModifier);
    }
    EXPECT_EQ(id->text(), QStringLiteral("ABC"));
    QTest::keyClicks(id, QStringLiteral("Z"));
    EXPECT_EQ(id->text(), QStringLiteral("Z")) << "plain typing still types";
    dialog->reject();
}

struct TabKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int step;
};

class TabKeys : public KeyboardTest, public ::testing::WithParamInterface<TabKey> {};

TEST_P(TabKeys, MoveToTheNeighbouringTabAsAClickDoes) {
    const TabKey& k = GetParam();
    openActive();
    selectTab(Tab::BuyNow);
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    press(k.key, k.modifiers);
    const int expected = static_cast<int>(Tab::BuyNow) + k.step;
    EXPECT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1, expected);
    EXPECT_EQ(window->pageNumber(), 1);
    EXPECT_TRUE(shown(buttonTab(expected)->panels[0]));
    EXPECT_EQ(focusName(), "opt" + std::string(buttonTab(expected)->suffix) + "_0");
    // Round the strip: the Setup tab follows the last tab, and the reverse.
    for (int i = 0; i < kTabCount; ++i) {
        press(k.key, k.modifiers);
    }
    EXPECT_EQ(named<QTabWidget>("TabStrip1")->currentIndex() + 1, expected);
    EXPECT_EQ(window->pageNumber(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TabKeys,
    ::testing::Values(TabKey{"CtrlTab", Qt::Key_Tab, Qt::ControlModifier, 1},
                      TabKey{"CtrlShiftTab", Qt::Key_Backtab,
                             Qt::ControlModifier | Qt::ShiftModifier, -1},
                      TabKey{"CtrlPageDown", Qt::Key_PageDown, Qt::ControlModifier, 1},
                      TabKey{"CtrlPageUp", Qt::Key_PageUp, Qt::ControlModifier, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// What the window shows and holds after a tab selection.
struct Outcome {
    std::vector<std::string> prompts;
    int currentTab;
    std::vector<std::string> shownPanels;
    int page;
    std::string focus;
    std::string account;
    QColor emailLabel;

    bool operator==(const Outcome&) const = default;
};

class AddressCheck : public KeyboardTest {
protected:
    Outcome outcome() {
        Outcome o;
        for (const Message& m : messages) {
            o.prompts.push_back(m.prompt.toStdString());
        }
        o.currentTab = named<QTabWidget>("TabStrip1")->currentIndex();
        for (std::string_view panel : kResetPanels) {
            if (shown(panel)) {
                o.shownPanels.emplace_back(panel);
            }
        }
        o.page = window->pageNumber();
        o.focus = focusName();
        o.account = window->writerContext().account;
        QWidget* label = named("lblEmail");
        o.emailLabel = label->palette().color(label->foregroundRole());
        return o;
    }
};

TEST_F(AddressCheck, CtrlTabOntoAButtonTypeWithoutAnAddressAsksForItAsAClickDoes) {
    openActive(QString());
    ASSERT_TRUE(driver::selectTab(*window, static_cast<int>(Tab::AddToCart)));
    const Outcome clicked = outcome();

    messages.clear();
    window.reset();
    openActive(QString());
    press(Qt::Key_Tab, Qt::ControlModifier);
    const Outcome keyed = outcome();

    EXPECT_EQ(keyed, clicked);
    EXPECT_EQ(keyed.prompts,
              std::vector<std::string>{"Please enter your PayPal payment email address."});
    EXPECT_EQ(keyed.focus, "txtEmail");
    EXPECT_EQ(keyed.emailLabel, QColor(255, 0, 0));
}

// --- Names and descriptions of the pictures ---------------------------------------------------

struct PictureCase {
    const char* option;
    const char* description;
};

class PictureOption : public KeyboardTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureOption, DescribesItsPictureToAssistiveTechnology) {
    open();
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(named(GetParam().option));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description).toStdString(), GetParam().description);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureOption,
    ::testing::Values(
        PictureCase{"optBN_5", "Buy Now button, large, with card logos (73 \u00d7 34 pixels)"},
        PictureCase{"optBN_1", "Buy Now button, small, with rounded ends (66 \u00d7 22 pixels)"},
        PictureCase{"optImageButtonATC_2", "Add to Cart button, medium (106 \u00d7 24 pixels)"},
        PictureCase{"optVC_0", "View Cart button, large (130 \u00d7 32 pixels)"},
        PictureCase{"optDON_3", "Donate button, large, with card logos (80 \u00d7 34 pixels)"},
        PictureCase{"optSUB_4", "Buy Now button, large, with card logos (73 \u00d7 34 pixels)"},
        PictureCase{"optSUB_6",
                    "Subscribe button, small, with rounded ends (76 \u00d7 21 pixels)"}),
    [](const auto& info) { return std::string(info.param.option); });

TEST_F(KeyboardTest, EveryPictureOptionOfAPageIsDescribedApartFromTheOthers) {
    open();
    for (const auto& [group, count] :
         {std::pair{"optBN", 8}, std::pair{"optImageButtonATC", 5}, std::pair{"optVC", 3},
          std::pair{"optDON", 4}, std::pair{"optSUB", 8}}) {
        std::set<QString> descriptions;
        std::set<QString> names;
        for (int i = 0; i < count; ++i) {
            QWidget* option = named(std::string(group) + "_" + std::to_string(i));
            descriptions.insert(option->accessibleDescription());
            names.insert(option->accessibleName());
        }
        EXPECT_EQ(descriptions.size(), static_cast<std::size_t>(count)) << group;
        EXPECT_EQ(names.size(), static_cast<std::size_t>(count)) << group;
        EXPECT_FALSE(descriptions.contains(QString())) << group;
    }
}

} // namespace
} // namespace ravelin::wizard::testing
