// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard in German and French: every page speaks the language, every text fits its place,
// the findings are translated, and the buttons written are the English wizard's, byte for byte.
#include "buttons/examples.h"
#include "common/translation.h"
#include "wizard/answerdialog.h"
#include "wizard/startbutton.h"
#include "wizard/tests/windowtest.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace ravelin::wizard::testing {
namespace {

struct Language {
    const char* name;
    QLocale locale;
};

void PrintTo(const Language& language, std::ostream* os) {
    *os << language.name;
}

const std::vector<Language> kLanguages = {{"German", QLocale(QLocale::German, QLocale::Germany)},
                                          {"French", QLocale(QLocale::French, QLocale::France)}};

// Texts that are the same in English and the language: names and words the languages share.
const std::set<QString> kSameEverywhere = {QStringLiteral("Ravelin Website Payments"),
                                           QStringLiteral("URL:"),
                                           QStringLiteral("Status:"),
                                           QStringLiteral("Web:"),
                                           QStringLiteral("E-Mail:"),
                                           QStringLiteral("PayPal"),
                                           QStringLiteral("https://developer.paypal.com/")};

// The visible texts of the window's labels and buttons, by control name.
std::map<QString, QString> shownTexts(const QWidget& window) {
    std::map<QString, QString> texts;
    const auto add = [&](const QWidget& widget, const QString& text) {
        if (widget.isVisible() && text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) {
            texts[widget.objectName()] = text;
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        add(*label, label->text());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        add(*button, button->text());
    }
    return texts;
}

// The labels and buttons whose text does not fit: wider than a label that does not wrap, taller
// than one that does, wider than a button.
std::vector<std::string> cutOff(const QWidget& window) {
    std::vector<std::string> out;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->pixmap().isNull() == false) {
            continue;
        }
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        if (!fits) {
            out.push_back(label->objectName().toStdString() + " \"" + label->text().toStdString() +
                          "\" in " + std::to_string(label->width()) + "x" +
                          std::to_string(label->height()) + (label->wordWrap() ? " wrapping" : ""));
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) {
            continue;
        }
        // A start button wraps its caption onto as many lines as it needs.
        const QStyleOptionButton option = [&] {
            QStyleOptionButton o;
            o.initFrom(button);
            return o;
        }();
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        const QRect area = button->rect().adjusted(margin, margin, -margin, -margin);
        const bool fits = qobject_cast<const StartButton*>(button) != nullptr
                              ? area.contains(button->fontMetrics().boundingRect(
                                    area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                                    button->text()))
                              : button->sizeHint().width() <= button->width();
        if (!fits) {
            out.push_back(button->objectName().toStdString() + " \"" +
                          button->text().toStdString() + "\" in " +
                          std::to_string(button->width()) + " wide");
        }
    }
    return out;
}

// Where a control lies in its window or dialog, and whether it is a text label, which may grow
// from the corner its text is aligned to.
struct Place {
    QRect rect;
    bool textLabel = false;
    Qt::Alignment alignment;
};

// The root the visit looks at: the answer dialog open over the window, or the window.
const QWidget& visited(const QWidget& window) {
    for (const AnswerDialog* dialog : window.findChildren<AnswerDialog*>()) {
        if (dialog->isVisible()) {
            return *dialog;
        }
    }
    return window;
}

// The places of the visible named controls of the window or of its open dialog, by name; a
// dialog's standard buttons by their box and role.
std::map<QString, Place> placesOn(const QWidget& window) {
    const QWidget& root = visited(window);
    std::map<QString, Place> places;
    const auto add = [&](const QWidget& widget, const QString& name) {
        Place place{.rect = QRect(widget.mapTo(&root, QPoint()), widget.size()),
                    .textLabel = false,
                    .alignment = {}};
        if (const auto* label = qobject_cast<const QLabel*>(&widget);
            label != nullptr && label->pixmap().isNull()) {
            place.textLabel = true;
            place.alignment = label->alignment();
        }
        places[name] = place;
    };
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (widget->isVisible() && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"))) {
            add(*widget, name);
        }
    }
    for (const QDialogButtonBox* box : root.findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->isVisible()) {
                add(*button, box->objectName() + ' ' +
                                 QString::number(static_cast<int>(box->standardButton(button))));
            }
        }
    }
    return places;
}

// How a control differs from its English place, or nothing when it stays. A text label keeps
// the corner its text is aligned to and may grow from there; every other control keeps its
// place and size.
std::optional<std::string> moved(const Place& english, const Place& translated) {
    const QRect& e = english.rect;
    const QRect& t = translated.rect;
    const auto show = [](const QRect& r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
               std::to_string(r.width()) + "x" + std::to_string(r.height());
    };
    const std::string change = "lies at " + show(t) + " instead of " + show(e);
    if (!english.textLabel) {
        return t == e ? std::nullopt : std::optional(change);
    }
    const Qt::Alignment horizontal = english.alignment & Qt::AlignHorizontal_Mask;
    const bool anchored =
        t.top() == e.top() &&
        (horizontal & Qt::AlignRight     ? t.right() == e.right()
         : horizontal & Qt::AlignHCenter ? std::abs(t.center().x() - e.center().x()) <= 1
                                         : t.left() == e.left());
    return anchored ? std::nullopt : std::optional(change);
}

// The controls whose forms still let the layouts follow the length of the texts, so that they
// move in German or French by a few pixels; each group leaves the list when its form is pinned.
const std::vector<QRegularExpression> kNotYetPinned = [] {
    std::vector<QRegularExpression> list;
    for (const char* pattern : {
             // The yes and no options and the note box beside them.
             "opt(Extra|Note)(BN|ATC|DON)_\\d|txtNote(ATC|DON)",
             // fmsub_3.ui: the rows of amounts and terms.
             "cmb(Number2?SUB|Term2?SUB|StopSUB)|txtPrice2?SUB",
             "lbl(Every|First)SUB|optRecurSUB_1",
         }) {
        list.emplace_back(QStringLiteral("^(%1)$").arg(QString::fromLatin1(pattern)));
    }
    return list;
}();

bool notYetPinned(const QString& name) {
    return std::ranges::any_of(kNotYetPinned, [&](const QRegularExpression& pattern) {
        return pattern.match(name).hasMatch();
    });
}

class Translated : public WindowTest, public ::testing::WithParamInterface<Language> {
protected:
    void translate() {
        translation = std::make_unique<common::Translation>(GetParam().locale);
        ASSERT_TRUE(translation->loaded()) << "no translation found beside the tests";
    }

    // Goes through the setup page and every page of every tab, calling `visit` on each.
    void everyPage(const std::function<void(const std::string& page)>& visit) {
        open();
        visit("start");
        ASSERT_TRUE(driver::click(*window, "btnStart"));
        visit("setup");
        ASSERT_TRUE(driver::type(*window, "txtEmail", kAccount));
        for (const ButtonTab& tab : kButtonTabs) {
            selectTab(tab.tab);
            for (int page = 1; page <= tab.resultPage; ++page) {
                if (page > 1) {
                    ASSERT_TRUE(driver::click(*window, "btnNext" + std::string(tab.suffix)));
                }
                const std::string name = std::string(tab.suffix) + " page " + std::to_string(page);
                visit(name);
                visitDialogs(tab, name, visit);
            }
        }
    }

    // Opens each answer dialog of the tab whose push button the page shows, visits it, and
    // closes it.
    void visitDialogs(const ButtonTab& tab, const std::string& page,
                      const std::function<void(const std::string& page)>& visit) {
        for (const DialogPlace& place : kAnswerDialogs) {
            if (place.suffix == tab.suffix && shown(place.opener)) {
                ASSERT_TRUE(driver::click(*window, place.opener));
                visit(page + ", " + place.name());
                ASSERT_TRUE(driver::closeDialog(*named(place.name()), false));
            }
        }
    }

    void TearDown() override {
        WindowTest::TearDown();
        translation.reset();
    }

    std::unique_ptr<common::Translation> translation;
};

TEST_P(Translated, EveryPageShowsTheLanguage) {
    std::map<std::string, std::map<QString, QString>> english;
    everyPage([&](const std::string& page) { english[page] = shownTexts(*window); });
    window.reset();
    translate();
    everyPage([&](const std::string& page) {
        for (const auto& [name, text] : shownTexts(*window)) {
            const auto before = english[page].find(name);
            if (before != english[page].end() && before->second == text &&
                !kSameEverywhere.contains(text)) {
                ADD_FAILURE() << page << ": " << name.toStdString() << " still reads \""
                              << text.toStdString() << "\"";
            }
        }
    });
}

TEST_P(Translated, NoTextIsCutOff) {
    translate();
    everyPage([&](const std::string& page) {
        for (const std::string& control : cutOff(*window)) {
            ADD_FAILURE() << page << ": " << control << " does not fit";
        }
    });
}

// A longer text wraps or grows into free space; no control moves or changes size, and no label
// leaves the corner its text starts from.
TEST_P(Translated, EveryControlKeepsItsEnglishPlace) {
    std::map<std::string, std::map<QString, Place>> english;
    everyPage([&](const std::string& page) { english[page] = placesOn(*window); });
    window.reset();
    translate();
    everyPage([&](const std::string& page) {
        const std::map<QString, Place> translated = placesOn(*window);
        for (const auto& [name, place] : english[page]) {
            if (notYetPinned(name)) {
                continue;
            }
            const auto there = translated.find(name);
            if (there == translated.end()) {
                ADD_FAILURE() << page << ": " << name.toStdString() << " is not shown";
            } else if (const auto change = moved(place, there->second)) {
                ADD_FAILURE() << page << ": " << name.toStdString() << " " << *change;
            }
        }
    });
}

// The writers read the boxes' texts and the combo boxes' choices, which stay English.
TEST_P(Translated, WritesTheEnglishWizardsButtons) {
    translate();
    openWithAccount();
    const auto walk = [&]<typename Type>(const typename Type::Answers& answers) {
        const ButtonTab& tab = tabOf<Type>();
        selectTab(tab.tab);
        const common::Result<void> walked =
            driver::walk(*window, tab, driver::answersFor<Type>(answers), {});
        ASSERT_TRUE(walked) << walked.error().toStdString();
        const buttons::Button expected = Type::kWrite(answers, context());
        EXPECT_EQ(text(tab.htmlBox), expected.html) << Type::kTitle;
        EXPECT_EQ(text(tab.logBox), expected.summary) << Type::kTitle;
    };
    using namespace buttons;
    walk.operator()<BuyNow>(workedExample<BuyNow>());
    walk.operator()<AddToCart>(workedExample<AddToCart>());
    walk.operator()<ViewCart>(workedExample<ViewCart>());
    walk.operator()<Donate>(workedExample<Donate>());
    SubscribeAnswers weekly = workedExample<Subscribe>();
    weekly.cmbTermSUB = "Weeks(s)";
    weekly.optRecurSUB = 1;
    weekly.cmbStopSUB = "12";
    walk.operator()<Subscribe>(weekly);
}

TEST_P(Translated, TheFindingsSpeakTheLanguage) {
    translate();
    openWithAccount();
    const ButtonTab& tab = tabOf<buttons::BuyNow>();
    selectTab(tab.tab);
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    ASSERT_TRUE(driver::type(*window, "txtPriceBN", QStringLiteral("12,50")));
    ASSERT_TRUE(driver::click(*window, "btnNextBN"));
    QWidget* marked = window->findingShownOn("txtPriceBN");
    ASSERT_NE(marked, nullptr);
    const QString expected =
        GetParam().locale.language() == QLocale::German
            ? QStringLiteral("Der Preis muss eine Zahl wie 12.50 sein, mit einem Punkt vor den "
                             "Nachkommastellen und ohne Tausendertrennzeichen.")
            : QStringLiteral("Le prix doit être un nombre comme 12.50, avec un point pour les "
                             "décimales et sans séparateur de milliers.");
    EXPECT_EQ(marked->toolTip(), expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, Translated, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ravelin::wizard::testing
