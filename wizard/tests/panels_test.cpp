// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wizard's panels as a user meets them: every control by name with its kind and design
// default, the fixed texts, the pictures and their image names, the combo box lists, the
// panel sizes, and no text cut off at 96 dots per inch.
#include "buttons/answers.h"
#include "buttons/buttontypes.h"
#include "buttons/writers.h"
#include "common/clicklabel.h"
#include "common/qstr.h"
#include "wizard/panels.h"
#include "wizard/pictures.h"
#include "wizard/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ravelin::wizard {

using common::qstr;
namespace {

using common::ClickLabel;

std::string str(const QString& text) {
    return text.toStdString();
}

// Every panel, created once under one host as the window would hold them, and shown so
// that their layouts have run.
class PanelForms : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new QWidget;
        host_->resize(600, 600);
        for (std::string_view name : panelNames()) {
            QFrame* panel = createPanel(name, host_);
            ASSERT_NE(panel, nullptr) << name;
            panels_[std::string(name)] = panel;
        }
        host_->show();
        QApplication::processEvents();
    }
    static void TearDownTestSuite() {
        delete host_;
        host_ = nullptr;
        panels_.clear();
    }

    static QFrame* panel(const std::string& name) { return panels_.at(name); }

    // The one widget of this name in the whole window; fails when there is none or more.
    static QWidget* control(const std::string& name) {
        const auto found = host_->findChildren<QWidget*>(qstr(name));
        EXPECT_EQ(found.size(), 1) << name;
        return found.isEmpty() ? nullptr : found.front();
    }

    static std::string panelOf(QWidget* widget) {
        for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
            if (w->parentWidget() == host_) {
                return str(w->objectName());
            }
        }
        return {};
    }

    static inline QWidget* host_ = nullptr;
    static inline std::map<std::string, QFrame*> panels_;
};

TEST(PanelFactory, AnUnknownNameGivesNoPanel) {
    QWidget host;
    EXPECT_EQ(createPanel("fmBN_6", &host), nullptr);
    EXPECT_EQ(createPanel("", &host), nullptr);
    EXPECT_TRUE(host.children().isEmpty());
}

struct PanelSize {
    const char* name;
    int width;
    int height;
};

// Sizes in twips: the Setup page and each type's first page carry the navigation strip,
// the later pages lie over the rest of the first page.
const std::vector<PanelSize> kPanelSizes = {
    {"grpPage_0", 6990, 3420}, {"grpSTART_1", 7035, 4095}, {"frmExamples", 7350, 3345},
    {"fmBN_1", 7035, 4095},    {"fmBN_2", 7035, 3555},     {"fmBN_3", 7035, 3555},
    {"fmBN_4", 7035, 3555},    {"fmBN_5", 7035, 3555},     {"fmATC_1", 7035, 4095},
    {"fmATC_2", 7035, 3555},   {"fmATC_3", 7035, 3555},    {"fmATC_4", 7035, 3555},
    {"fmVC_1", 7035, 4095},    {"fmVC_2", 7035, 3555},     {"fmDON_1", 7035, 4095},
    {"fmDON_2", 7035, 3555},   {"fmSUB_1", 7035, 4095},    {"fmSUB_2", 7035, 3555},
    {"fmSUB_3", 7035, 3555},
};

TEST_F(PanelForms, EveryPanelIsCreatedUnderItsNameAtItsSizeInTwips) {
    ASSERT_EQ(panelNames().size(), kPanelSizes.size());
    for (const PanelSize& expected : kPanelSizes) {
        SCOPED_TRACE(expected.name);
        QFrame* frame = panel(expected.name);
        EXPECT_EQ(str(frame->objectName()), expected.name);
        EXPECT_EQ(frame->parentWidget(), host_);
        EXPECT_EQ(twips(frame->width()), expected.width);
        EXPECT_EQ(twips(frame->height()), expected.height);
    }
}

enum class Kind { Label, Link, Picture, Edit, Combo, Option, Button, ResultBox };

const char* className(Kind kind) {
    switch (kind) {
    case Kind::Label:
        return "QLabel";
    case Kind::Link:
    case Kind::Picture:
        return "ravelin::common::ClickLabel";
    case Kind::Edit:
        return "QLineEdit";
    case Kind::Combo:
        return "QComboBox";
    case Kind::Option:
        return "QRadioButton";
    case Kind::Button:
        return "QPushButton";
    case Kind::ResultBox:
        return "QPlainTextEdit";
    }
    return "";
}

struct Control {
    const char* panel;
    std::string name;
    Kind kind;
    std::optional<std::string> text = {}; // caption or initial text
    bool enabled = true;
    bool checked = false;
    int maxLength = 32767; // a text box's limit; 32767 is none
};

const std::string kCustom =
    "Yes, I would like to create my own custom button (HTTPS/Secured recommended).";
const std::string kCustomATC =
    "Yes, I would like to use my own button (HTTPS/Secured recommended).";
const std::string kNote = "(optional instructions)";
const std::string kItemOptions = "I&tem options\u2026";
const std::string kAdvanced = "A&dvanced variables\u2026";

// A button-image page: its options (standard ones without caption, the selected one, the
// custom one), its pictures, its address box and its navigation buttons.
void addImagePage(std::vector<Control>& table, const char* panel, const std::string& suffix,
                  const std::string& options, const std::string& images, int standard, int selected,
                  const std::string& custom) {
    for (int i = 0; i < standard; ++i) {
        table.push_back(
            {panel, options + "_" + std::to_string(i), Kind::Option, "", true, i == selected});
        table.push_back({panel, images + "_" + std::to_string(i), Kind::Picture});
    }
    table.push_back({panel, options + "_" + std::to_string(standard), Kind::Option, custom});
    table.push_back({panel, "txtButtonURL" + suffix, Kind::Edit, "https://", false});
    table.push_back({panel, "btnPrev" + suffix, Kind::Button, "<- Previous", false});
    table.push_back({panel, "btnNext" + suffix, Kind::Button, "&Next ->", true});
    table.push_back({panel, "btnFinish" + suffix, Kind::Button, "&Insert HTML", false});
    // Shown on the result page only, in the free space of the strip.
    table.push_back({panel, "btnCopy" + suffix, Kind::Button, "&Copy HTML", true});
    table.push_back({panel, "lblCopied" + suffix, Kind::Label, ""});
}

std::vector<Control> controlTable() {
    std::vector<Control> t = {
        {"grpPage_0", "Label20", Kind::Link, "Website Payments"},
        {"grpPage_0", "Label21", Kind::Link, "Auction Payments"},
        {"grpPage_0", "Label23", Kind::Link, "Click here for the PayPal Developers Network"},
        {"grpPage_0", "Image3", Kind::Link},
        {"grpPage_0", "Image4", Kind::Link},
        {"grpSTART_1", "lblEmail", Kind::Label, "PayPal Account:"},
        {"grpSTART_1", "txtEmail", Kind::Edit, ""},
        {"grpSTART_1", "lblPolicy", Kind::Link, "PayPal Privacy Policy"},
        {"frmExamples", "btnBuyNow", Kind::Button, "Buy Now Example"},
        {"frmExamples", "btnShoppingCart", Kind::Button, "Shopping Cart Example"},
        {"frmExamples", "btnSubscriptions", Kind::Button, "Subscription Example"},
        // Buy Now
        {"fmBN_2", "txtItemNameBN", Kind::Edit, ""},
        {"fmBN_2", "txtItemIDBN", Kind::Edit, ""},
        {"fmBN_2", "txtPriceBN", Kind::Edit, ""},
        {"fmBN_2", "cmbCurrencyBN", Kind::Combo, "US Dollar ($)"},
        {"fmBN_2", "optExtraBN_0", Kind::Option, "Yes", true, true},
        {"fmBN_2", "optExtraBN_1", Kind::Option, "No"},
        {"fmBN_2", "btnOptionsBN", Kind::Button, kItemOptions},
        {"fmBN_3", "txtBaseShippingBN", Kind::Edit, ""},
        {"fmBN_3", "txtExtraShippingBN", Kind::Edit, ""},
        {"fmBN_3", "txtHandlingBN", Kind::Edit, ""},
        {"fmBN_4", "txtLogoBN", Kind::Edit, ""},
        {"fmBN_4", "txtWebSiteSuccessBN", Kind::Edit, "http://"},
        {"fmBN_4", "txtCancelBN", Kind::Edit, "http://"},
        {"fmBN_4", "btnAdvancedBN", Kind::Button, kAdvanced},
        {"fmBN_5", "txtLogBN", Kind::ResultBox, ""},
        {"fmBN_5", "txtHTMLBN", Kind::ResultBox, "", false},
        // Add to Cart
        {"fmATC_2", "txtItemNameATC", Kind::Edit, ""},
        {"fmATC_2", "txtItemIDATC", Kind::Edit, ""},
        {"fmATC_2", "txtPriceATC", Kind::Edit, ""},
        {"fmATC_2", "cmbCurrencyATC", Kind::Combo, "US Dollar ($)"},
        {"fmATC_2", "optNoteATC_0", Kind::Option, "Yes"},
        {"fmATC_2", "optNoteATC_1", Kind::Option, "No", true, true},
        {"fmATC_2", "txtNoteATC", Kind::Edit, kNote, false, false, 30},
        {"fmATC_2", "btnOptionsATC", Kind::Button, kItemOptions},
        {"fmATC_3", "txtLogoATC", Kind::Edit, ""},
        {"fmATC_3", "txtWebSiteSuccessATC", Kind::Edit, "http://"},
        {"fmATC_3", "txtCancelATC", Kind::Edit, "http://"},
        {"fmATC_3", "btnAdvancedATC", Kind::Button, kAdvanced},
        {"fmATC_4", "txtLogATC", Kind::ResultBox, ""},
        {"fmATC_4", "txtHTMLATC", Kind::ResultBox, "", false},
        // View Cart: its HTML box stays editable
        {"fmVC_1", "btnAdvancedVC", Kind::Button, kAdvanced},
        {"fmVC_2", "txtLogVC", Kind::ResultBox, ""},
        {"fmVC_2", "txtHTMLVC", Kind::ResultBox, "", true},
        // Donations: the note box has no length limit
        {"fmDON_2", "txtItemNameDON", Kind::Edit, ""},
        {"fmDON_2", "txtItemIDDON", Kind::Edit, ""},
        {"fmDON_2", "txtPriceDON", Kind::Edit, ""},
        {"fmDON_2", "cmbCurrencyDON", Kind::Combo, "US Dollar ($)"},
        {"fmDON_2", "optNoteDON_0", Kind::Option, "Yes"},
        {"fmDON_2", "optNoteDON_1", Kind::Option, "No", true, true},
        {"fmDON_2", "txtNoteDON", Kind::Edit, kNote, false},
        // Subscriptions
        {"fmSUB_2", "txtItemNameSUB", Kind::Edit, ""},
        {"fmSUB_2", "txtItemIDSUB", Kind::Edit, ""},
        {"fmSUB_2", "cmbCurrencySUB", Kind::Combo, "US Dollar ($)"},
        {"fmSUB_2", "btnOptionsSUB", Kind::Button, kItemOptions},
        {"fmSUB_3", "txtPriceSUB", Kind::Edit, ""},
        {"fmSUB_3", "cmbNumberSUB", Kind::Combo, "1"},
        {"fmSUB_3", "cmbTermSUB", Kind::Combo, "Months(s)"},
        {"fmSUB_3", "optRecurSUB_0", Kind::Option,
         "Keep charging customers regularly, or until they cancel", true, true},
        {"fmSUB_3", "optRecurSUB_1", Kind::Option, "Stop charging after"},
        {"fmSUB_3", "cmbStopSUB", Kind::Combo, "-", false},
        {"fmSUB_3", "txtPrice2SUB", Kind::Edit, ""},
        {"fmSUB_3", "cmbNumber2SUB", Kind::Combo, "1"},
        {"fmSUB_3", "cmbTerm2SUB", Kind::Combo, "Day(s)"},
    };
    addImagePage(t, "fmBN_1", "BN", "optBN", "imgBN", 8, 5, kCustom);
    addImagePage(t, "fmATC_1", "ATC", "optImageButtonATC", "imgImageButtonATC", 5, 0, kCustomATC);
    addImagePage(t, "fmVC_1", "VC", "optVC", "imgVC", 3, 0, kCustom);
    addImagePage(t, "fmDON_1", "DON", "optDON", "imgDON", 4, 0, kCustom);
    addImagePage(t, "fmSUB_1", "SUB", "optSUB", "imgSUB", 8, 0, kCustom);
    return t;
}

// A caption as the user reads it: a line break the layout needed reads as a blank.
std::string shown(const QString& caption) {
    QString text = caption;
    return str(text.replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

TEST_F(PanelForms, EveryControlExistsOnceOnItsPanelWithItsKindAndDesignDefault) {
    for (const Control& c : controlTable()) {
        SCOPED_TRACE(c.name);
        QWidget* w = control(c.name);
        if (w == nullptr) {
            continue;
        }
        EXPECT_EQ(panelOf(w), c.panel);
        EXPECT_STREQ(w->metaObject()->className(), className(c.kind));
        EXPECT_EQ(w->isEnabled(), c.enabled);
        switch (c.kind) {
        case Kind::Label:
        case Kind::Link:
            if (c.text) {
                EXPECT_EQ(str(static_cast<QLabel*>(w)->text()), *c.text);
            }
            break;
        case Kind::Picture:
            break;
        case Kind::Edit: {
            auto* edit = static_cast<QLineEdit*>(w);
            EXPECT_EQ(str(edit->text()), *c.text);
            EXPECT_EQ(edit->maxLength(), c.maxLength);
            break;
        }
        case Kind::Combo: {
            auto* combo = static_cast<QComboBox*>(w);
            EXPECT_EQ(str(combo->currentText()), *c.text);
            EXPECT_TRUE(combo->isEditable()) << "the user may type any text";
            break;
        }
        case Kind::Option: {
            auto* option = static_cast<QRadioButton*>(w);
            EXPECT_EQ(shown(option->text()), *c.text);
            EXPECT_EQ(option->isChecked(), c.checked);
            break;
        }
        case Kind::Button:
            EXPECT_EQ(str(static_cast<QPushButton*>(w)->text()), *c.text);
            break;
        case Kind::ResultBox: {
            auto* box = static_cast<QPlainTextEdit*>(w);
            EXPECT_TRUE(box->toPlainText().isEmpty());
            EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            break;
        }
        }
    }
}

TEST_F(PanelForms, NoTwoWidgetsOfTheWindowShareAName) {
    std::set<QString> seen;
    for (QWidget* w : host_->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue; // Qt's own inner widgets
        }
        EXPECT_TRUE(seen.insert(name).second) << str(name);
    }
}

// The design defaults are the defaults of the writers' answers, so a window that was never
// touched writes the same button as the answers' defaults.
struct OptionDefault {
    std::string group;
    int count;
    buttons::OptionIndex selected;
};

struct TextDefault {
    std::string name;
    std::string text;
};

TEST_F(PanelForms, DesignDefaultsEqualTheDefaultsOfTheWritersAnswers) {
    const buttons::BuyNowAnswers bn;
    const buttons::AddToCartAnswers atc;
    const buttons::ViewCartAnswers vc;
    const buttons::DonateAnswers don;
    const buttons::SubscribeAnswers sub;
    const std::vector<OptionDefault> options = {
        {"optBN", 9, bn.optBN},
        {"optExtraBN", 2, bn.optExtraBN},
        {"optImageButtonATC", 6, atc.optImageButtonATC},
        {"optNoteATC", 2, atc.optNoteATC},
        {"optVC", 4, vc.optVC},
        {"optDON", 5, don.optDON},
        {"optNoteDON", 2, don.optNoteDON},
        {"optSUB", 9, sub.optSUB},
        {"optRecurSUB", 2, sub.optRecurSUB},
    };
    for (const OptionDefault& o : options) {
        SCOPED_TRACE(o.group);
        for (int i = 0; i < o.count; ++i) {
            auto* option = qobject_cast<QRadioButton*>(control(o.group + "_" + std::to_string(i)));
            ASSERT_NE(option, nullptr) << i;
            EXPECT_EQ(option->isChecked(), o.selected == i) << i;
        }
    }
    const std::vector<TextDefault> texts = {
        {"txtButtonURLBN", bn.txtButtonURLBN},
        {"txtItemNameBN", bn.txtItemNameBN},
        {"txtItemIDBN", bn.txtItemIDBN},
        {"txtPriceBN", bn.txtPriceBN},
        {"cmbCurrencyBN", bn.cmbCurrencyBN},
        {"txtBaseShippingBN", bn.txtBaseShippingBN},
        {"txtExtraShippingBN", bn.txtExtraShippingBN},
        {"txtHandlingBN", bn.txtHandlingBN},
        {"txtLogoBN", bn.txtLogoBN},
        {"txtWebSiteSuccessBN", bn.txtWebSiteSuccessBN},
        {"txtCancelBN", bn.txtCancelBN},
        {"txtButtonURLATC", atc.txtButtonURLATC},
        {"txtItemNameATC", atc.txtItemNameATC},
        {"txtItemIDATC", atc.txtItemIDATC},
        {"txtPriceATC", atc.txtPriceATC},
        {"cmbCurrencyATC", atc.cmbCurrencyATC},
        {"txtNoteATC", atc.txtNoteATC},
        {"txtLogoATC", atc.txtLogoATC},
        {"txtWebSiteSuccessATC", atc.txtWebSiteSuccessATC},
        {"txtCancelATC", atc.txtCancelATC},
        {"txtButtonURLVC", vc.txtButtonURLVC},
        {"txtButtonURLDON", don.txtButtonURLDON},
        {"txtItemNameDON", don.txtItemNameDON},
        {"txtItemIDDON", don.txtItemIDDON},
        {"txtPriceDON", don.txtPriceDON},
        {"cmbCurrencyDON", don.cmbCurrencyDON},
        {"txtNoteDON", don.txtNoteDON},
        {"txtButtonURLSUB", sub.txtButtonURLSUB},
        {"txtItemNameSUB", sub.txtItemNameSUB},
        {"txtItemIDSUB", sub.txtItemIDSUB},
        {"cmbCurrencySUB", sub.cmbCurrencySUB},
        {"txtPriceSUB", sub.txtPriceSUB},
        {"cmbNumberSUB", sub.cmbNumberSUB},
        {"cmbTermSUB", sub.cmbTermSUB},
        {"cmbStopSUB", sub.cmbStopSUB},
        {"txtPrice2SUB", sub.txtPrice2SUB},
        {"cmbNumber2SUB", sub.cmbNumber2SUB},
        {"cmbTerm2SUB", sub.cmbTerm2SUB},
    };
    for (const TextDefault& d : texts) {
        SCOPED_TRACE(d.name);
        QWidget* w = control(d.name);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(str(edit->text()), d.text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            EXPECT_EQ(str(combo->currentText()), d.text);
        } else {
            ADD_FAILURE() << "neither a text box nor a combo box";
        }
    }
}

// Options of one group exclude each other, and no option of another group.
TEST_F(PanelForms, SelectingAnOptionClearsOnlyItsOwnGroup) {
    control("optBN_8")->setProperty("checked", true);
    EXPECT_FALSE(control("optBN_5")->property("checked").toBool());
    EXPECT_TRUE(control("optExtraBN_0")->property("checked").toBool());
    EXPECT_TRUE(control("optSUB_0")->property("checked").toBool());
    control("optBN_5")->setProperty("checked", true);
    EXPECT_FALSE(control("optBN_8")->property("checked").toBool());
}

struct PictureGroup {
    std::string prefix;
    std::span<const std::string_view> names;
    const char* caption;
};

TEST_F(PanelForms, EachPictureShowsTheButtonOfTheImageNameInItsTag) {
    const std::vector<PictureGroup> groups = {
        {"imgBN", buttons::BuyNow::kPictures, "Buy Now"},
        {"imgImageButtonATC", buttons::AddToCart::kPictures, "Add to Cart"},
        {"imgVC", buttons::ViewCart::kPictures, "View Cart"},
        {"imgDON", buttons::Donate::kPictures, "Donate"},
        {"imgSUB", buttons::Subscribe::kPictures, "Subscribe"},
    };
    for (const PictureGroup& g : groups) {
        for (std::size_t i = 0; i < g.names.size(); ++i) {
            const std::string name = g.prefix + "_" + std::to_string(i);
            SCOPED_TRACE(name);
            auto* picture = qobject_cast<ClickLabel*>(control(name));
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(str(picture->property("Tag").toString()), std::string(g.names[i]));
            const ButtonLook look = buttonLook(g.names[i]);
            EXPECT_EQ(picture->pixmap().size(), QSize(look.width, look.height));
            // The card button of Buy Now is offered on the Subscriptions page too.
            const std::string caption = g.names[i] == "x-click-butcc.gif" ? "Buy Now" : g.caption;
            EXPECT_EQ(str(look.caption), caption);
            if (g.names[i].find("butcc") != std::string_view::npos) {
                EXPECT_TRUE(look.cards) << "a card button shows its card marks";
            }
        }
    }
}

TEST_F(PanelForms, LinksShowThePointingHandAndCarryTheirAddressInTheirTag) {
    const std::string webscr = "http://www.paypal.com/cgi-bin/webscr?cmd=";
    const std::vector<TextDefault> links = {
        {"lblPolicy", webscr + "p/gen/ua/policy_privacy-outside"},
        {"Label20", webscr + "p/web/index-outside"},
        {"Image3", webscr + "p/web/index-outside"},
        {"Label21", webscr + "p/auc/index-outside"},
        {"Image4", webscr + "p/auc/index-outside"},
        {"Label23", "http://www.paypal.com/pdn"},
    };
    for (const TextDefault& l : links) {
        SCOPED_TRACE(l.name);
        QWidget* link = control(l.name);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(str(link->property("Tag").toString()), l.text);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_FALSE(qobject_cast<QLabel*>(control("Image3"))->pixmap().isNull());
    EXPECT_FALSE(qobject_cast<QLabel*>(control("Image4"))->pixmap().isNull());
    // Pictures that are only choices keep the ordinary arrow.
    EXPECT_NE(control("imgBN_0")->cursor().shape(), Qt::PointingHandCursor);
}

QStringList numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n) {
        list << QString::number(n);
    }
    return list;
}

TEST_F(PanelForms, ComboBoxesOfferTheirFixedLists) {
    // The five captions of old in their order, then PayPal's other currencies.
    const QStringList currencies = {"US Dollar ($)",
                                    "British Pound Sterling (\u00a3)",
                                    "Euro (EUR)",
                                    "Canadian Dollar (C$)",
                                    "Japanese Yen (\u00a5)",
                                    "Australian Dollar (AUD)",
                                    "Brazilian Real (BRL)",
                                    "Chinese Renminbi (CNY)",
                                    "Czech Koruna (CZK)",
                                    "Danish Krone (DKK)",
                                    "Hong Kong Dollar (HKD)",
                                    "Hungarian Forint (HUF)",
                                    "Israeli New Shekel (ILS)",
                                    "Malaysian Ringgit (MYR)",
                                    "Mexican Peso (MXN)",
                                    "New Zealand Dollar (NZD)",
                                    "Norwegian Krone (NOK)",
                                    "Philippine Peso (PHP)",
                                    "Polish Zloty (PLN)",
                                    "Singapore Dollar (SGD)",
                                    "Swedish Krona (SEK)",
                                    "Swiss Franc (CHF)",
                                    "New Taiwan Dollar (TWD)",
                                    "Thai Baht (THB)"};
    const QStringList units = {"Day(s)", "Weeks(s)", "Months(s)", "Years(s)"};
    const std::vector<std::pair<std::string, QStringList>> lists = {
        {"cmbCurrencyBN", currencies},
        {"cmbCurrencyATC", currencies},
        {"cmbCurrencyDON", currencies},
        {"cmbCurrencySUB", currencies},
        {"cmbNumberSUB", numbers(1, 30)},
        {"cmbStopSUB", QStringList{"-"} + numbers(2, 30)},
        {"cmbNumber2SUB", QStringList{"-"} + numbers(1, 30)},
        {"cmbTermSUB", units},
        {"cmbTerm2SUB", units},
    };
    for (const auto& [name, expected] : lists) {
        SCOPED_TRACE(name);
        auto* combo = qobject_cast<QComboBox*>(control(name));
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        EXPECT_EQ(items, expected);
    }
    EXPECT_EQ(currencies.size(), 24);
    EXPECT_EQ(numbers(2, 30).size() + 1, 30) << "the stop list has no 1";
}

struct PageCaption {
    const char* panel;
    int number; // N of lblCurrentPage_N and lblTotalPages_N
    int page;   // the page shown, the Setup page being page 1
    int count;  // the type's page count
};

TEST_F(PanelForms, EveryPageShowsItsPageNumberAndTheTypesPageCount) {
    const std::vector<PageCaption> captions = {
        {"fmBN_1", 1, 2, 6},   {"fmBN_2", 2, 3, 6},   {"fmBN_3", 3, 4, 6},   {"fmBN_4", 4, 5, 6},
        {"fmBN_5", 5, 6, 6},   {"fmATC_1", 6, 2, 5},  {"fmATC_2", 7, 3, 5},  {"fmATC_3", 8, 4, 5},
        {"fmATC_4", 9, 5, 5},  {"fmVC_1", 10, 2, 3},  {"fmVC_2", 11, 3, 3},  {"fmDON_1", 12, 2, 5},
        {"fmDON_2", 13, 3, 5}, {"fmSUB_1", 14, 2, 6}, {"fmSUB_2", 15, 3, 6}, {"fmSUB_3", 16, 4, 6},
    };
    for (const PageCaption& c : captions) {
        SCOPED_TRACE(c.panel);
        const std::string n = std::to_string(c.number);
        auto* current = qobject_cast<QLabel*>(control("lblCurrentPage_" + n));
        auto* total = qobject_cast<QLabel*>(control("lblTotalPages_" + n));
        auto* of = qobject_cast<QLabel*>(control("lblOfWord_" + n));
        ASSERT_TRUE(current && total && of);
        EXPECT_EQ(panelOf(current), c.panel);
        EXPECT_EQ(panelOf(total), c.panel);
        EXPECT_EQ(current->text().toInt(), c.page);
        EXPECT_EQ(total->text().toInt(), c.count);
        EXPECT_EQ(of->text(), "of");
        EXPECT_LT(current->x(), of->x());
        EXPECT_LT(of->x(), total->x());
    }
    auto* setup = qobject_cast<QLabel*>(control("lblCurrentPage_0"));
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(panelOf(setup), "grpSTART_1");
    EXPECT_EQ(setup->text(), "1");
}

struct FixedText {
    const char* panel;
    std::string text;
};

const std::string kCreate =
    "Create a custom button.  Just enter the exact URL of any image on your website.";
const std::string kItemPage = "On this page you will enter the details of the item you wish to "
                              "sell. ";
const std::string kResult =
    "Here is a summary of what you have selected for this PayPal Add to Cart button. Use the "
    "\"Previous\" button to make any changes or press the \"Insert HTML\" button to complete "
    "the wizard. The button will be placed at the bottom of your HTML document.";
const std::string kPdn = "For additional information on PayPal parameters, please visit the "
                         "PayPal Developer Network.";
const std::string kPrice = "Price of Item/Service you want to sell (>$1,000 see PayPal Policies)";
const std::string kLogo = "Display your logo on your customers payment pages by entering the URL "
                          "of the image.  The required size of the image is 150x50 pixels.";
const std::string kSuccess = "Successful Payment URL - This is where your customers will be sent "
                             "after they complete payment to you";
const std::string kCancel = "Cancel Payment URL - If the buyer does not complete payment for any "
                            "reason, they will be returned to this URL.";

std::vector<FixedText> fixedTexts() {
    std::vector<FixedText> t = {
        {"grpPage_0", "Accept instant, secure payments from anyone with a credit card or "
                      "checking account! "},
        {"grpPage_0", "Sell via auctions, websites, market places or email "},
        {"grpPage_0", "No set up or monthly fees "},
        {"grpPage_0", "Low transaction fees (as low as 2.2% + $0.30 per transaction) "},
        {"grpPage_0", "Instant availability of funds "},
        {"grpPage_0", "Proven fraud and chargeback protection "},
        {"grpPage_0", "Reliable customer service "},
        {"grpPage_0", "Accept international payments from 38 countries "},
        {"grpPage_0", "Trusted by over 2 million businesses "},
        {"grpSTART_1", "OK, let's get started.  This wizard will allow you to pick the options "
                       "you wish for your PayPal purchase buttons. "},
        {"grpSTART_1", "1. Your PayPal Account is the email address you use to register your "
                       "account with PayPal.  If you don't have a PayPal account yet, just enter "
                       "your primary email address for now."},
        {"grpSTART_1", "(email)"},
        {"grpSTART_1", "2. Click the TAB above of Purchase Button you would like to provide to "
                       "your customers."},
        {"grpSTART_1", "Step"},
        {"frmExamples", "Click on the buttons below to see some examples of the different kind "
                        "of payment buttons you can create for your web site."},
        {"frmExamples", "Make sure you have a blank page open in FrontPage"},
        {"fmBN_1", "Sell individual items on your website by creating a customized payment "
                   "button. Your buyers will be able to make their purchases quickly and "
                   "securely on PayPal hosted payment pages."},
        {"fmATC_1", "Add a PayPay Shopping Cart to your site and your buyers will be able to "
                    "make their purchases quickly and securely on PayPal hosted payment pages. "
                    "Your customers will use the image you select below to add items to their "
                    "shopping cart before they checkout."},
        {"fmVC_1", "Select a \"View Cart\" button so that your users can view the contents of "
                   "their shopping cart and/or check out."},
        {"fmDON_1", "PayPal Donations makes it easy for you to collect secure donations from "
                    "your website. After inserting simple HTML code, you can collect your "
                    "donations via secure PayPal payment pages."},
        {"fmSUB_1", "PayPal Subscriptions lets you accept recurring payments for your service. "
                    "Your subscribers will be able to subscribe quickly and securely from "
                    "PayPal hosted payment pages where they can make initial payments (if "
                    "necessary) and set up any future payments for the subscription."},
        {"fmBN_2", "Item Name/Service"},
        {"fmBN_2", "Item ID/Number (optional)"},
        {"fmBN_2", kPrice},
        {"fmBN_2", "Would you like to allow your buyers to purchase more than one of this item "
                   "or service?"},
        // A label without a buddy shows every ampersand it holds.
        {"fmBN_3", "Additional Shipping & Handling Fees (optional)"},
        {"fmBN_3", "Base Shipping: (Enter the shipping amount you wish to charge when only 1 "
                   "item is purchased)"},
        {"fmBN_3", "Extra Shipping: (Enter the shipping amount you wish to charge for each "
                   "additional item purchased, when more than 1 quantity of the same item is "
                   "ordered)"},
        {"fmBN_3", "Handling: (Enter the handling amount you wish to charge. Handling is "
                   "calculated once per order as a flat fee)"},
        {"fmBN_3", "NOTE: If you would like to setup a generic method of calculating shipping "
                   "and tax calculations cost for all items you sell, please login to your "
                   "PayPal account and go to the Profile section, where you can edit Selling "
                   "Preferences for Shipping Calculations."},
        {"fmATC_2", "Item Name/Service"},
        {"fmATC_2", "Item ID/Number (optional)"},
        {"fmATC_2", kPrice},
        {"fmATC_2", "Would you like your customers to have the option of including a note with "
                    "their payments?"},
        {"fmDON_2", "Donation Name/Service (optional)"},
        {"fmDON_2", "Donation ID/Number (optional)"},
        {"fmDON_2", "Donation Amount"},
        {"fmDON_2", "If you are requesting a specific donation amount, please enter it below. "
                    "Otherwise, leave this field blank to allow your donators to enter their own "
                    "amount. (leave it blank)"},
        {"fmDON_2", "Would you like your donators to have the option of including a note with "
                    "their donation?"},
        {"fmSUB_2", "Subscription Name:"},
        {"fmSUB_2", "Reference Item Number (optional)"},
        {"fmSUB_2", "Currency"},
        {"fmSUB_3", "Billing and Payment Plan"},
        {"fmSUB_3", "Charge Customers:"},
        {"fmSUB_3", "every"},
        {"fmSUB_3", "Trial Period or Setup Fee (Optional)"},
        {"fmSUB_3", "for the first"},
        {"fmSUB_3", "* Hint 1: Try $0 for the first month if you want to offer a free trial "
                    "period."},
        {"fmSUB_3", "* Hint 2: Try $20 for the first 1 day if you want to charge a setup fee."},
        {"fmVC_2", "Here is a summary of what you have selected for this PayPal Add to Cart "
                   "button. Use the \"Back\" button to make any changes or press the \"Insert "
                   "HTML\" button to complete the wizard. The button will be placed at the bottom "
                   "of your HTML document."},
    };
    for (const char* panel : {"fmBN_1", "fmATC_1", "fmVC_1", "fmDON_1", "fmSUB_1"}) {
        t.push_back({panel, "- OR -"});
        t.push_back({panel, kCreate});
        t.push_back({panel, "URL:"});
    }
    for (const char* panel : {"fmBN_2", "fmATC_2", "fmDON_2", "fmSUB_2"}) {
        t.push_back({panel, kItemPage});
    }
    for (const char* panel : {"fmBN_4", "fmATC_3"}) {
        t.push_back({panel, kLogo});
        t.push_back({panel, "Recommend https:// but http:// will work too"});
        t.push_back({panel, "Note: This option is only recommended if your logo is hosted on a "
                            "secure server."});
        t.push_back({panel, kSuccess});
        t.push_back({panel, kCancel});
        t.push_back({panel, "URL:"});
    }
    for (const char* panel : {"fmBN_5", "fmATC_4", "fmVC_2"}) {
        t.push_back({panel, "Item Detail"});
        t.push_back({panel, "HTML (not editable)"});
        t.push_back({panel, kPdn});
        t.push_back({panel, "https://developer.paypal.com/"});
    }
    t.push_back({"fmBN_5", kResult});
    t.push_back({"fmATC_4", kResult});
    return t;
}

// The texts a user reads on a panel: labels and group titles.
std::vector<std::string> textsOn(QFrame* panel) {
    std::vector<std::string> texts;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        texts.push_back(shown(label->text()));
    }
    for (QGroupBox* group : panel->findChildren<QGroupBox*>()) {
        texts.push_back(str(group->title()));
    }
    return texts;
}

TEST_F(PanelForms, EveryFixedTextIsShownOnItsPanelCharacterForCharacter) {
    for (const FixedText& f : fixedTexts()) {
        SCOPED_TRACE(f.text);
        const auto texts = textsOn(panel(f.panel));
        EXPECT_NE(std::find(texts.begin(), texts.end(), f.text), texts.end()) << f.panel;
    }
    // Each selling point stands behind its own bullet.
    for (int i = 0; i < 9; ++i) {
        auto* bullet = qobject_cast<QLabel*>(control("lblDot_" + std::to_string(i)));
        ASSERT_NE(bullet, nullptr);
        EXPECT_EQ(bullet->text(), QString(QChar(0x00B7)));
    }
}

TEST_F(PanelForms, TheDeveloperPagesAddressIsPlainText) {
    for (const char* name : {"lblPdnAddressBN", "lblPdnAddressATC", "lblPdnAddressVC"}) {
        SCOPED_TRACE(name);
        auto* address = qobject_cast<QLabel*>(control(name));
        ASSERT_NE(address, nullptr);
        EXPECT_STREQ(address->metaObject()->className(), "QLabel");
        EXPECT_FALSE(address->openExternalLinks());
        EXPECT_EQ(address->textFormat(), Qt::AutoText);
        EXPECT_FALSE(Qt::mightBeRichText(address->text()));
    }
}

QRect inTwips(const QRect& r) {
    return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())};
}

TEST_F(PanelForms, NavigationButtonsLieAlongTheBottomOfEachFirstPage) {
    const std::vector<std::pair<std::string, std::array<int, 3>>> lefts = {
        {"BN", {3105, 4410, 5715}},  {"ATC", {3015, 4320, 5625}}, {"VC", {3105, 4410, 5715}},
        {"DON", {3060, 4365, 5670}}, {"SUB", {3015, 4320, 5625}},
    };
    for (const auto& [suffix, left] : lefts) {
        QFrame* first = panel("fm" + suffix + "_1");
        const std::array<std::string, 3> names = {"btnPrev" + suffix, "btnNext" + suffix,
                                                  "btnFinish" + suffix};
        for (std::size_t i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(names[i]);
            QWidget* button = control(names[i]);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(panelOf(button), str(first->objectName()));
            EXPECT_EQ(inTwips(QRect(button->mapTo(first, QPoint()), button->size())),
                      QRect(left[i], 3690, 1275, 375));
        }
        // Copy HTML and its word go into the free space before Previous.
        QWidget* copy = control("btnCopy" + suffix);
        QWidget* copied = control("lblCopied" + suffix);
        ASSERT_NE(copy, nullptr);
        ASSERT_NE(copied, nullptr);
        EXPECT_EQ(inTwips(QRect(copy->mapTo(first, QPoint()), copy->size())),
                  QRect(left[0] - 1305, 3690, 1275, 375));
        for (QWidget* w : first->findChildren<QWidget*>()) {
            if (w == copy || w == copied || w->parentWidget() != first) {
                continue;
            }
            const QRect other(w->mapTo(first, QPoint()), w->size());
            EXPECT_FALSE(other.intersects(copy->geometry())) << str(w->objectName());
            EXPECT_FALSE(other.intersects(copied->geometry())) << str(w->objectName());
        }
        EXPECT_FALSE(copy->geometry().intersects(copied->geometry()));
    }
}

// The later pages lie over the first page from its top down to 3555 twips; whatever of the
// first page reached below that line would show through under them.
TEST_F(PanelForms, FirstPagesKeepEverythingButTheirButtonsAboveTheLaterPages) {
    for (const char* suffix : {"BN", "ATC", "VC", "DON", "SUB"}) {
        QFrame* first = panel(std::string("fm") + suffix + "_1");
        for (QWidget* w : first->findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(w) != nullptr || !w->isVisibleTo(first)) {
                continue;
            }
            const QRect r(w->mapTo(first, QPoint()), w->size());
            EXPECT_LE(twips(r.bottom() + 1), 3555) << str(w->objectName());
        }
    }
}

// Whether the widget's text or picture has the room it asks for.
std::string clipping(QWidget* w) {
    // A group box asks for room for its title and for what its boxes need at the least.
    const QSize hint = qobject_cast<QGroupBox*>(w) ? w->minimumSizeHint() : w->sizeHint();
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        return needed <= label->height() ? std::string()
                                         : "needs " + std::to_string(needed) + " pixels high";
    }
    if (hint.width() > w->width() || hint.height() > w->height()) {
        return "needs " + std::to_string(hint.width()) + "x" + std::to_string(hint.height()) +
               ", has " + std::to_string(w->width()) + "x" + std::to_string(w->height());
    }
    return {};
}

class EveryPanel : public PanelForms, public ::testing::WithParamInterface<std::string> {};

TEST_P(EveryPanel, ShowsEveryTextWholeAndInsideThePanel) {
    QFrame* p = panel(GetParam());
    int checked = 0;
    for (QWidget* w : p->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(p)) {
            continue;
        }
        const bool hasText = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w);
        const QRect r(w->mapTo(p, QPoint()), w->size());
        EXPECT_TRUE(p->rect().contains(r)) << str(w->objectName()) << " lies outside the panel";
        if (!hasText) {
            continue;
        }
        ++checked;
        EXPECT_EQ(clipping(w), "") << str(w->objectName());
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(PanelForms, EveryPanel, ::testing::ValuesIn([] {
                             std::vector<std::string> names;
                             for (std::string_view n : panelNames()) {
                                 names.emplace_back(n);
                             }
                             return names;
                         }()),
                         [](const auto& info) { return info.param; });

TEST(DrawnPictures, TheLogoHasTheSizeOfItsPlaceInTheWindow) {
    const QPixmap logo = logoPicture();
    EXPECT_EQ(twips(logo.width()), 1665);
    EXPECT_EQ(twips(logo.height()), 555);
}

TEST(DrawnPictures, AnUnknownImageNameStillGetsAButton) {
    const QPixmap picture = buttonPicture("no-such-button.gif");
    EXPECT_FALSE(picture.isNull());
    EXPECT_EQ(str(buttonLook("no-such-button.gif").caption), "Buy Now");
}

TEST(DrawnPictures, ButtonsAreDrawnAndNotEmpty) {
    const QImage image = buttonPicture("x-click-butcc.gif").toImage();
    // The middle of the button is painted, the corner outside its rounding is not.
    EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 200);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

} // namespace
} // namespace ravelin::wizard
