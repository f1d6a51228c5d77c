// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmpassphrase.h"

#include "ui_frmpassphrase.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>

namespace ravelin::wizard {

std::optional<QString> askPassphrase(const QString& keyFile, QWidget* parent) {
    QDialog dialog(parent);
    Ui::FrmPassphrase ui;
    ui.setupUi(&dialog);
    ui.lblPassphrase->setText(
        QCoreApplication::translate("ravelin::wizard::FrmPassphrase",
                                    "The private key in %1 is protected by a passphrase. "
                                    "Passphrase:")
            .arg(keyFile));
    const bool given = dialog.exec() == QDialog::Accepted;
    std::optional<QString> passphrase;
    if (given) {
        passphrase = ui.txtPassphrase->text();
    }
    ui.txtPassphrase->clear();
    return passphrase;
}

} // namespace ravelin::wizard
