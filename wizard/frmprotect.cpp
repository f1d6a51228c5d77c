// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmprotect.h"

#include "common/msgbox.h"
#include "ui_frmprotect.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

namespace ravelin::wizard {

FrmProtect::FrmProtect(const Protection& protection, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FrmProtect>()) {
    ui_->setupUi(this);
    ui_->chkEncrypt->setChecked(protection.encrypt);
    ui_->txtCertId->setText(protection.certificateId);
    ui_->txtKeyFile->setText(protection.privateKey);
    ui_->txtCertFile->setText(protection.certificate);
    ui_->txtServiceCertFile->setText(protection.serviceCertificate);

    connect(ui_->btnKeyFile, &QPushButton::clicked, this,
            [this] { choose(ui_->txtKeyFile, tr("Your Private Key")); });
    connect(ui_->btnCertFile, &QPushButton::clicked, this,
            [this] { choose(ui_->txtCertFile, tr("Your Certificate")); });
    connect(ui_->btnServiceCertFile, &QPushButton::clicked, this,
            [this] { choose(ui_->txtServiceCertFile, tr("PayPal's Certificate")); });
    connect(ui_->bbxProtect, &QDialogButtonBox::accepted, this, &FrmProtect::accept);
    connect(ui_->bbxProtect, &QDialogButtonBox::rejected, this, &FrmProtect::reject);
}

FrmProtect::~FrmProtect() = default;

Protection FrmProtect::protection() const {
    return {.encrypt = ui_->chkEncrypt->isChecked(),
            .certificateId = ui_->txtCertId->text().trimmed(),
            .privateKey = ui_->txtKeyFile->text(),
            .certificate = ui_->txtCertFile->text(),
            .serviceCertificate = ui_->txtServiceCertFile->text()};
}

void FrmProtect::accept() {
    if (const QString problem = protectionProblem(protection()); !problem.isEmpty()) {
        common::showMessage(problem, common::MessageButtons::Ok, common::MessageIcon::None, {},
                            this);
        return;
    }
    QDialog::accept();
}

void FrmProtect::choose(QLineEdit* box, const QString& title) {
    const QString chosen = QFileDialog::getOpenFileName(
        this, title, QFileInfo(box->text()).absolutePath(),
        tr("PEM files (*.pem *.crt *.cer *.key *.txt);;All files (*)"));
    if (!chosen.isEmpty()) {
        box->setText(chosen);
    }
}

} // namespace ravelin::wizard
