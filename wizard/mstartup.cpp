// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/mstartup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace ravelin::wizard::mstartup {

namespace {

// The dynamic property of a result box that keeps the text last put into it.
constexpr char kWrittenText[] = "ravelinWrittenText";

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text as a text document holds it: every line break one block separator.
QString asBlocks(QString text) {
    text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    text.replace(QChar('\r'), QChar::ParagraphSeparator);
    text.replace(QChar('\n'), QChar::ParagraphSeparator);
    return text;
}

std::string text(const QWidget& window, std::string_view name) {
    return controlText(window, name).toStdString();
}

} // namespace

QWidget* control(const QWidget& window, std::string_view name) {
    return window.findChild<QWidget*>(qstr(name));
}

QString controlText(const QWidget& window, std::string_view name) {
    QWidget* widget = control(window, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        return boxText(*box);
    }
    qWarning("ravelin: no text box named %s", qstr(name).toUtf8().constData());
    return {};
}

buttons::OptionIndex selectedOption(const QWidget& window, std::string_view group, int count) {
    for (int i = 0; i < count; ++i) {
        const QString name = qstr(group) + '_' + QString::number(i);
        auto* option = window.findChild<QAbstractButton*>(name);
        if (option == nullptr) {
            qWarning("ravelin: no option named %s", name.toUtf8().constData());
        } else if (option->isChecked()) {
            return i;
        }
    }
    return std::nullopt;
}

buttons::BuyNowAnswers readBuyNow(const QWidget& w) {
    buttons::BuyNowAnswers a;
    a.optBN = selectedOption(w, "optBN", 9);
    a.txtButtonURLBN = text(w, "txtButtonURLBN");
    a.txtItemNameBN = text(w, "txtItemNameBN");
    a.txtItemIDBN = text(w, "txtItemIDBN");
    a.txtPriceBN = text(w, "txtPriceBN");
    a.cmbCurrencyBN = text(w, "cmbCurrencyBN");
    a.optExtraBN = selectedOption(w, "optExtraBN", 2);
    a.txtBaseShippingBN = text(w, "txtBaseShippingBN");
    a.txtExtraShippingBN = text(w, "txtExtraShippingBN");
    a.txtHandlingBN = text(w, "txtHandlingBN");
    a.txtLogoBN = text(w, "txtLogoBN");
    a.txtWebSiteSuccessBN = text(w, "txtWebSiteSuccessBN");
    a.txtCancelBN = text(w, "txtCancelBN");
    return a;
}

buttons::AddToCartAnswers readAddToCart(const QWidget& w) {
    buttons::AddToCartAnswers a;
    a.optImageButtonATC = selectedOption(w, "optImageButtonATC", 6);
    a.txtButtonURLATC = text(w, "txtButtonURLATC");
    a.txtItemNameATC = text(w, "txtItemNameATC");
    a.txtItemIDATC = text(w, "txtItemIDATC");
    a.txtPriceATC = text(w, "txtPriceATC");
    a.cmbCurrencyATC = text(w, "cmbCurrencyATC");
    a.optNoteATC = selectedOption(w, "optNoteATC", 2);
    a.txtNoteATC = text(w, "txtNoteATC");
    a.txtLogoATC = text(w, "txtLogoATC");
    a.txtWebSiteSuccessATC = text(w, "txtWebSiteSuccessATC");
    a.txtCancelATC = text(w, "txtCancelATC");
    return a;
}

buttons::ViewCartAnswers readViewCart(const QWidget& w) {
    buttons::ViewCartAnswers a;
    a.optVC = selectedOption(w, "optVC", 4);
    a.txtButtonURLVC = text(w, "txtButtonURLVC");
    return a;
}

buttons::DonateAnswers readDonate(const QWidget& w) {
    buttons::DonateAnswers a;
    a.optDON = selectedOption(w, "optDON", 5);
    a.txtButtonURLDON = text(w, "txtButtonURLDON");
    a.txtItemNameDON = text(w, "txtItemNameDON");
    a.txtItemIDDON = text(w, "txtItemIDDON");
    a.txtPriceDON = text(w, "txtPriceDON");
    a.cmbCurrencyDON = text(w, "cmbCurrencyDON");
    a.optNoteDON = selectedOption(w, "optNoteDON", 2);
    a.txtNoteDON = text(w, "txtNoteDON");
    a.txtLogoATC = text(w, "txtLogoATC");
    a.txtWebSiteSuccessATC = text(w, "txtWebSiteSuccessATC");
    a.txtCancelATC = text(w, "txtCancelATC");
    return a;
}

buttons::SubscribeAnswers readSubscribe(const QWidget& w) {
    buttons::SubscribeAnswers a;
    a.optSUB = selectedOption(w, "optSUB", 9);
    a.txtButtonURLSUB = text(w, "txtButtonURLSUB");
    a.txtItemNameSUB = text(w, "txtItemNameSUB");
    a.txtItemIDSUB = text(w, "txtItemIDSUB");
    a.cmbCurrencySUB = text(w, "cmbCurrencySUB");
    a.txtPriceSUB = text(w, "txtPriceSUB");
    a.cmbNumberSUB = text(w, "cmbNumberSUB");
    a.cmbTermSUB = text(w, "cmbTermSUB");
    a.optRecurSUB = selectedOption(w, "optRecurSUB", 2);
    a.cmbStopSUB = text(w, "cmbStopSUB");
    a.txtPrice2SUB = text(w, "txtPrice2SUB");
    a.cmbNumber2SUB = text(w, "cmbNumber2SUB");
    a.cmbTerm2SUB = text(w, "cmbTerm2SUB");
    a.txtLogoBN = text(w, "txtLogoBN");
    a.txtWebSiteSuccessBN = text(w, "txtWebSiteSuccessBN");
    a.txtCancelBN = text(w, "txtCancelBN");
    return a;
}

namespace {

void fill(QWidget& window, std::string_view name, const std::string& text) {
    auto* box = qobject_cast<QPlainTextEdit*>(control(window, name));
    if (box == nullptr) {
        qWarning("ravelin: no result box named %s", qstr(name).toUtf8().constData());
        return;
    }
    setBoxText(*box, QString::fromStdString(text));
}

} // namespace

void writeButton(Tab tab, QWidget& window, const buttons::Context& context) {
    const ButtonTab* info = buttonTab(static_cast<int>(tab));
    if (info == nullptr) {
        return;
    }
    buttons::Button button;
    switch (tab) {
    case Tab::AddToCart:
        button = buttons::writeAddToCart(readAddToCart(window), context);
        break;
    case Tab::ViewCart:
        button = buttons::writeViewCart(readViewCart(window), context);
        fill(window, info->logBox, button.summary);
        fill(window, info->htmlBox, button.html);
        return;
    case Tab::BuyNow:
        button = buttons::writeBuyNow(readBuyNow(window), context);
        break;
    case Tab::Donate:
        button = buttons::writeDonate(readDonate(window), context);
        break;
    case Tab::Subscriptions:
        button = buttons::writeSubscribe(readSubscribe(window), context);
        break;
    case Tab::Setup:
        return;
    }
    fill(window, info->htmlBox, button.html);
    fill(window, info->logBox, button.summary);
}

void pageReset(QWidget& window) {
    for (std::string_view name : kResetPanels) {
        if (QWidget* panel = control(window, name)) {
            panel->hide();
        }
    }
}

void setBoxText(QPlainTextEdit& box, const QString& text) {
    box.setPlainText(text);
    box.document()->setModified(false);
    box.setProperty(kWrittenText, text);
}

QString boxText(const QPlainTextEdit& box) {
    const QTextDocument* document = box.document();
    // The document keeps each line as a block; a block separator reads as one CR LF.
    QString shown = document->toRawText();
    const QVariant written = box.property(kWrittenText);
    if (!document->isModified() && written.isValid()) {
        QString text = written.toString();
        if (asBlocks(text) == shown) {
            return text;
        }
    }
    shown.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return shown;
}

} // namespace ravelin::wizard::mstartup
