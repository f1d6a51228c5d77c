// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The PayPal payment link dialog: the address PayPal gives for a payment link or button made in
// the seller's account, the link's text and its picture, the checker's findings on them as the
// wizard's pages show findings, and the link's HTML with Copy HTML and Insert HTML. Its boxes
// carry the payment link's answer keys as names, so that it reads them through the key table as
// the wizard reads its pages; what the link says is the payment link writer's alone.
#pragma once

#include "buttons/answers.h"
#include "wizard/findingmarks.h"

#include <QDialog>
#include <QString>
#include <memory>

namespace Ui {
class FrmPaymentLink;
}

namespace ravelin::wizard {

class FrmPaymentLink : public QDialog {
    Q_OBJECT
public:
    // Opens with `start` in its boxes. The Setup page's push button starts a new link from the
    // answers' defaults. Opened on a button of the page, the dialog is the place for "Replace
    // with a PayPal payment link…": the caller gives the button's words as the link text and its
    // own window title, and the host's paste of insertHtml replaces the selected button as it
    // replaces a button the wizard was opened on; nothing in the dialog changes for it.
    explicit FrmPaymentLink(const buttons::PaymentLinkAnswers& start, QWidget* parent = nullptr);
    ~FrmPaymentLink() override;

    // The answers as the boxes hold them.
    buttons::PaymentLinkAnswers answers() const;
    // The HTML of the link the boxes describe.
    QString html() const;

signals:
    // Insert HTML: the link's HTML, for the host to paste at the page's selection point. The
    // dialog closes after it.
    void insertHtml(const QString& html);

private:
    void fillPictures();
    void answersChanged();
    void copyClicked();
    void insertClicked();

    std::unique_ptr<Ui::FrmPaymentLink> ui_;
    FindingMarks marks_;
};

} // namespace ravelin::wizard
