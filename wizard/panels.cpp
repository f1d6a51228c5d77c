// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/panels.h"

#include "buttons/currency.h"
#include "common/clicklabel.h"
#include "common/qstr.h"
#include "ui_fmatc_1.h"
#include "ui_fmatc_2.h"
#include "ui_fmatc_3.h"
#include "ui_fmatc_4.h"
#include "ui_fmbn_1.h"
#include "ui_fmbn_2.h"
#include "ui_fmbn_3.h"
#include "ui_fmbn_4.h"
#include "ui_fmbn_5.h"
#include "ui_fmdon_1.h"
#include "ui_fmdon_2.h"
#include "ui_fmsub_1.h"
#include "ui_fmsub_2.h"
#include "ui_fmsub_3.h"
#include "ui_fmvc_1.h"
#include "ui_fmvc_2.h"
#include "ui_frmexamples.h"
#include "ui_grppage_0.h"
#include "ui_grpstart_1.h"
#include "wizard/choices.h"
#include "wizard/layout.h"
#include "wizard/pictures.h"
#include "wizard/twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace ravelin::wizard {

using common::qstr;
namespace {

using common::ClickLabel;

// The form's widgets are owned by the frame; the Ui object is only needed while building.
template <class Ui> void setUp(QFrame* frame) {
    Ui ui;
    ui.setupUi(frame);
}

struct PanelEntry {
    std::string_view name;
    void (*build)(QFrame*);
    int widthTwips;
    int heightTwips;
};

// A button type's first page carries its navigation strip; its later pages lie over its
// upper part, so they are shorter.
constexpr int kPageWidth = 7035;
constexpr int kFirstPageHeight = 4095;
constexpr int kLaterPageHeight = 3555;

constexpr std::array kPanels = {
    PanelEntry{"grpPage_0", setUp<Ui::grpPage_0>, layout::kAdvertising.width,
               layout::kAdvertising.height},
    PanelEntry{"grpSTART_1", setUp<Ui::grpSTART_1>, kPageWidth, kFirstPageHeight},
    // As wide as the window; the window sets the width again when it shows the panel.
    PanelEntry{"frmExamples", setUp<Ui::frmExamples>, layout::kOuterWidth, layout::kExamplesHeight},
    PanelEntry{"fmBN_1", setUp<Ui::fmBN_1>, kPageWidth, kFirstPageHeight},
    PanelEntry{"fmBN_2", setUp<Ui::fmBN_2>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmBN_3", setUp<Ui::fmBN_3>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmBN_4", setUp<Ui::fmBN_4>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmBN_5", setUp<Ui::fmBN_5>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmATC_1", setUp<Ui::fmATC_1>, kPageWidth, kFirstPageHeight},
    PanelEntry{"fmATC_2", setUp<Ui::fmATC_2>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmATC_3", setUp<Ui::fmATC_3>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmATC_4", setUp<Ui::fmATC_4>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmVC_1", setUp<Ui::fmVC_1>, kPageWidth, kFirstPageHeight},
    PanelEntry{"fmVC_2", setUp<Ui::fmVC_2>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmDON_1", setUp<Ui::fmDON_1>, kPageWidth, kFirstPageHeight},
    PanelEntry{"fmDON_2", setUp<Ui::fmDON_2>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmSUB_1", setUp<Ui::fmSUB_1>, kPageWidth, kFirstPageHeight},
    PanelEntry{"fmSUB_2", setUp<Ui::fmSUB_2>, kPageWidth, kLaterPageHeight},
    PanelEntry{"fmSUB_3", setUp<Ui::fmSUB_3>, kPageWidth, kLaterPageHeight},
};

constexpr auto kPanelNames = [] {
    std::array<std::string_view, kPanels.size()> names{};
    for (std::size_t i = 0; i < kPanels.size(); ++i) {
        names[i] = kPanels[i].name;
    }
    return names;
}();

void setUpImages(QFrame* frame) {
    for (const ImageGroup& group : kImageGroups) {
        for (std::size_t i = 0; i < group.imageNames.size(); ++i) {
            auto* image =
                frame->findChild<ClickLabel*>(qstr(group.images()) + '_' + QString::number(i));
            if (image == nullptr) {
                continue; // the group lives on another panel
            }
            image->setProperty("Tag", qstr(group.imageNames[i]));
            image->setPixmap(buttonPicture(group.imageNames[i]));
            // The option drawn as this picture says in words what the picture shows; the
            // picture shows the option's focus, and a click on it puts the focus there.
            const QString description = pictureDescription(group.imageNames[i]);
            image->setAccessibleName(description);
            if (auto* option = frame->findChild<QAbstractButton*>(qstr(group.options) + '_' +
                                                                  QString::number(i))) {
                option->setAccessibleName(
                    QCoreApplication::translate("ravelin::wizard", "Button picture %1").arg(i + 1));
                option->setAccessibleDescription(description);
                image->standFor(option);
            }
        }
    }
    if (auto* picture = frame->findChild<ClickLabel*>(QStringLiteral("Image3"))) {
        picture->setPixmap(websitePaymentsPicture());
    }
    if (auto* picture = frame->findChild<ClickLabel*>(QStringLiteral("Image4"))) {
        picture->setPixmap(auctionPaymentsPicture());
    }
}

// The links open their Tag address; the window connects their clicks.
void setUpLinks(QFrame* frame) {
    for (const char* name : {"lblPolicy", "Label20", "Label21", "Label23", "Image3", "Image4"}) {
        if (auto* link = frame->findChild<ClickLabel*>(QString::fromLatin1(name))) {
            link->setLink(true);
        }
    }
}

QStringList numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n) {
        list << QString::number(n);
    }
    return list;
}

// The combo box lists are values the writers read (the currency captions are compared with
// the currency table, a unit's first letter is its code), so they are not translated.
struct ComboList {
    const char* name;
    QStringList items;
    QString initial;
};

std::vector<ComboList> comboLists() {
    QStringList currencies;
    for (const buttons::Currency& currency : buttons::kCurrencies) {
        currencies << qstr(currency.caption);
    }
    const QStringList units = {QStringLiteral("Day(s)"), QStringLiteral("Weeks(s)"),
                               QStringLiteral("Months(s)"), QStringLiteral("Years(s)")};
    const QString dash = QStringLiteral("-");
    return {
        {"cmbCurrencyBN", currencies, currencies.front()},
        {"cmbCurrencyATC", currencies, currencies.front()},
        {"cmbCurrencyDON", currencies, currencies.front()},
        {"cmbCurrencySUB", currencies, currencies.front()},
        {"cmbNumberSUB", numbers(1, 30), QStringLiteral("1")},
        {"cmbTermSUB", units, QStringLiteral("Months(s)")},
        {"cmbStopSUB", QStringList{dash} + numbers(2, 30), dash},
        {"cmbNumber2SUB", QStringList{dash} + numbers(1, 30), QStringLiteral("1")},
        {"cmbTerm2SUB", units, QStringLiteral("Day(s)")},
    };
}

// The name assistive technology gives a control: its own, or the text of the label that names
// it (its buddy) without the access-key mark.
QString accessibleNameOf(const QFrame& frame, const QWidget& control) {
    if (!control.accessibleName().isEmpty()) {
        return control.accessibleName();
    }
    for (const QLabel* label : frame.findChildren<QLabel*>()) {
        if (label->buddy() == &control) {
            QString text = label->text();
            return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        }
    }
    return {};
}

// The user may type any text into the combo boxes, and what is typed stays as typed: no
// completion to a list item, and Enter does not add the text to the list.
void setUpCombos(QFrame* frame) {
    for (const ComboList& list : comboLists()) {
        if (auto* box = frame->findChild<QComboBox*>(QString::fromLatin1(list.name))) {
            box->clear();
            box->addItems(list.items);
            box->setCurrentIndex(static_cast<int>(list.items.indexOf(list.initial)));
        }
    }
    for (QComboBox* box : frame->findChildren<QComboBox*>()) {
        if (!box->isEditable()) {
            continue;
        }
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        // The typing goes into the box's line, which takes the focus in its place.
        box->lineEdit()->setAccessibleName(accessibleNameOf(*frame, *box));
    }
}

} // namespace

QFrame* createPanel(std::string_view name, QWidget* parent) {
    for (const PanelEntry& entry : kPanels) {
        if (entry.name != name) {
            continue;
        }
        auto* frame = new QFrame(parent);
        entry.build(frame);
        frame->resize(pixels(entry.widthTwips), pixels(entry.heightTwips));
        setUpImages(frame);
        setUpLinks(frame);
        setUpCombos(frame);
        return frame;
    }
    return nullptr;
}

std::span<const std::string_view> panelNames() {
    return kPanelNames;
}

} // namespace ravelin::wizard
