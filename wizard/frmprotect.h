// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The "Protect buttons from tampering" dialog: the certificate ID, the seller's private key
// and certificate and the payment service's certificate, each chosen with a file picker, and
// whether buttons are encrypted with them. It gathers the choices; storing them is the
// wizard's.
#pragma once

#include "wizard/protection.h"

#include <QDialog>
#include <memory>

class QLineEdit;
namespace Ui {
class FrmProtect;
}

namespace ravelin::wizard {

class FrmProtect : public QDialog {
    Q_OBJECT
public:
    explicit FrmProtect(const Protection& protection, QWidget* parent = nullptr);
    ~FrmProtect() override;

    // The choices as the dialog shows them.
    Protection protection() const;

    // Keeps the choices and closes, unless protectionProblem() has something to say: then the
    // problem is shown and the dialog stays open.
    void accept() override;

private:
    void choose(QLineEdit* box, const QString& title);

    std::unique_ptr<Ui::FrmProtect> ui_;
};

} // namespace ravelin::wizard
