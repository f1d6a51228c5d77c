// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmpaymentlink.h"

#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "buttons/pieces.h"
#include "buttons/writers.h"
#include "ui_frmpaymentlink.h"
#include "wizard/mstartup.h"
#include "wizard/pictures.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>

namespace ravelin::wizard {

using Link = buttons::PaymentLink;

namespace {

// The picture box: its first entry is no picture, then the standard pictures by option index,
// then the seller's own; each entry's data is its option index, none for no picture.
QComboBox* pictureBox(const QWidget& dialog) {
    return qobject_cast<QComboBox*>(mstartup::control(dialog, buttons::pictureKey<Link>().name));
}

QLineEdit* textBox(const QWidget& dialog, std::string_view name) {
    return qobject_cast<QLineEdit*>(mstartup::control(dialog, name));
}

} // namespace

FrmPaymentLink::FrmPaymentLink(const buttons::PaymentLinkAnswers& start, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::FrmPaymentLink>()), marks_(*this) {
    ui_->setupUi(this);
    fillPictures();
    for (const auto& key : Link::kKeys) {
        if (key.text != nullptr) {
            if (QLineEdit* box = textBox(*this, key.name)) {
                box->setText(QString::fromStdString(start.*key.text));
                connect(box, &QLineEdit::textChanged, this, &FrmPaymentLink::answersChanged);
            }
        } else if (QComboBox* pictures = pictureBox(*this)) {
            const buttons::OptionIndex chosen = start.*key.option;
            pictures->setCurrentIndex(
                std::max(0, pictures->findData(chosen ? QVariant(*chosen) : QVariant())));
            connect(pictures, &QComboBox::currentIndexChanged, this,
                    &FrmPaymentLink::answersChanged);
        }
    }
    connect(ui_->btnCopyPL, &QAbstractButton::clicked, this, &FrmPaymentLink::copyClicked);
    connect(ui_->btnFinishPL, &QAbstractButton::clicked, this, &FrmPaymentLink::insertClicked);
    connect(ui_->btnCloseLink, &QAbstractButton::clicked, this, &QDialog::reject);
    ui_->lblCopiedPL->hide();
    answersChanged();
    // It opens on the address, the one answer every link needs.
    ui_->txtLinkURLPL->setFocus();
}

FrmPaymentLink::~FrmPaymentLink() = default;

void FrmPaymentLink::fillPictures() {
    QComboBox* pictures = pictureBox(*this);
    if (pictures == nullptr) {
        return;
    }
    pictures->addItem(tr("None: the link text alone"), QVariant());
    for (std::size_t i = 0; i < Link::kPictures.size(); ++i) {
        pictures->addItem(QIcon(buttonPicture(Link::kPictures[i])),
                          pictureDescription(Link::kPictures[i]), static_cast<int>(i));
    }
    pictures->addItem(tr("My own picture, at the address below"),
                      static_cast<int>(Link::kPictures.size()));
    pictures->setIconSize(buttonPicture(Link::kPictures[0]).size());
}

buttons::PaymentLinkAnswers FrmPaymentLink::answers() const {
    buttons::PaymentLinkAnswers answers;
    for (const auto& key : Link::kKeys) {
        if (key.text != nullptr) {
            answers.*key.text = mstartup::controlText(*this, key.name).toStdString();
        } else if (const QComboBox* pictures = pictureBox(*this)) {
            const QVariant chosen = pictures->currentData();
            answers.*key.option =
                chosen.isValid() ? buttons::OptionIndex(chosen.toInt()) : std::nullopt;
        }
    }
    return answers;
}

QString FrmPaymentLink::html() const {
    return QString::fromStdString(buttons::writePaymentLink(answers()).html);
}

void FrmPaymentLink::answersChanged() {
    const buttons::PaymentLinkAnswers now = answers();
    // The own picture's address box is there while the own picture is chosen.
    ui_->txtButtonURLPL->setEnabled(buttons::pictureChoice(now.optPL, Link::kPictures.size()) ==
                                    buttons::PictureChoice::Custom);

    const buttons::Findings findings = buttons::checkPaymentLink(now);
    marks_.mark(findings, [](const QWidget&) { return true; });
    QStringList sentences;
    for (const buttons::Finding& finding : findings) {
        sentences << findingText(finding);
    }
    ui_->lblLinkFindings->setText(sentences.join('\n'));
    ui_->lblLinkFindings->setVisible(!findings.empty());
    QPalette palette = ui_->lblLinkFindings->palette();
    palette.setColor(QPalette::WindowText, FindingMarks::colour(buttons::hasErrors(findings)
                                                                    ? buttons::Severity::Error
                                                                    : buttons::Severity::Warning));
    ui_->lblLinkFindings->setPalette(palette);

    // A link PayPal would not take is not handed on.
    const bool usable = !buttons::hasErrors(findings);
    ui_->btnCopyPL->setEnabled(usable);
    ui_->btnFinishPL->setEnabled(usable);
    mstartup::setBoxText(*ui_->txtHTMLPL, html());
    ui_->lblCopiedPL->hide();
}

void FrmPaymentLink::copyClicked() {
    QGuiApplication::clipboard()->setText(mstartup::boxText(*ui_->txtHTMLPL));
    ui_->lblCopiedPL->setText(tr("Copied to the clipboard."));
    ui_->lblCopiedPL->show();
}

void FrmPaymentLink::insertClicked() {
    if (!ui_->btnFinishPL->isEnabled()) {
        return;
    }
    emit insertHtml(mstartup::boxText(*ui_->txtHTMLPL));
    accept();
}

} // namespace ravelin::wizard
