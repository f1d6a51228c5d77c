// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/answerdialog.h"

#include "buttons/buttontypes.h"
#include "common/qstr.h"
#include "ui_frmadvanced.h"
#include "ui_frmoptions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace ravelin::wizard {

using common::qstr;

namespace {

// Builds the form of `kind` into `dialog`, with the Item options' limits of the type of
// `suffix`, and connects its OK and Cancel.
void setUp(QDialog& dialog, DialogKind kind, std::string_view suffix) {
    QDialogButtonBox* buttons = nullptr;
    if (kind == DialogKind::ItemOptions) {
        Ui::FrmOptions ui;
        ui.setupUi(&dialog);
        buttons = ui.bbxOptions;
        buttons::withButtonTypeOfSuffix(suffix, [&]<typename Type>() {
            if constexpr (buttons::HasItemOptions<Type>) {
                ui.lblOptionsIntro->setText(
                    ui.lblOptionsIntro->text().arg(Type::kItemOptions.mostOptions));
                ui.lblOptionsPrices->setVisible(Type::kItemOptions.pricedFirstMenu);
            }
        });
    } else {
        Ui::FrmAdvanced ui;
        ui.setupUi(&dialog);
        buttons = ui.bbxAdvanced;
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
}

} // namespace

std::string DialogPlace::name() const {
    return (kind == DialogKind::ItemOptions ? "frmOptions" : "frmAdvanced") + std::string(suffix);
}

const DialogPlace* dialogPlace(std::string_view opener, std::string_view suffix) {
    for (const DialogPlace& place : kAnswerDialogs) {
        if (place.opener == opener && place.suffix == suffix) {
            return &place;
        }
    }
    return nullptr;
}

AnswerDialog::AnswerDialog(const DialogPlace& place, QWidget* parent)
    : QDialog(parent), place_(place) {
    setUp(*this, place.kind, place.suffix);
    // The form's names, followed by the type's suffix: the type's control names.
    const QString suffix = qstr(place.suffix);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            widget->setObjectName(widget->objectName() + suffix);
        }
    }
    setObjectName(qstr(place.name()));
}

void AnswerDialog::open() {
    keepTexts();
    QDialog::open();
}

void AnswerDialog::reject() {
    for (auto it = kept_.cbegin(); it != kept_.cend(); ++it) {
        if (auto* line = qobject_cast<QLineEdit*>(it.key())) {
            line->setText(it.value());
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(it.key())) {
            box->setPlainText(it.value());
        }
    }
    QDialog::reject();
}

void AnswerDialog::keepTexts() {
    kept_.clear();
    for (QLineEdit* line : findChildren<QLineEdit*>()) {
        kept_.insert(line, line->text());
    }
    for (QPlainTextEdit* box : findChildren<QPlainTextEdit*>()) {
        kept_.insert(box, box->toPlainText());
    }
}

AnswerDialog* answerDialogOf(const QWidget& control) {
    return qobject_cast<AnswerDialog*>(control.window());
}

} // namespace ravelin::wizard
