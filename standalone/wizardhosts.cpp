// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "standalone/wizardhosts.h"

#include "common/msgbox.h"
#include "standalone/filter.h"
#include "wizard/frmstartup.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace ravelin::standalone {

namespace {

QWidget* openWizard(objectmodel::Application* document) {
    // Escape ends the wizard as its close box does: the window answers it itself.
    auto* window = new wizard::FrmStartup(document);
    window->show();
    window->openOnSelectedButton();
    return window;
}

void copyToClipboard(const QString& html) {
    auto* data = new QMimeData;
    data->setText(html);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

QString clipboardNotice() {
    return QApplication::translate("ravelin::standalone",
                                   "The button's HTML is on the clipboard: paste it into your "
                                   "page where the button belongs.");
}

ClipboardWizard::ClipboardWizard()
    : document_([this](const QString& html) {
          copyToClipboard(html);
          common::showMessage(clipboardNotice(), common::MessageButtons::Ok,
                              common::MessageIcon::Information, {}, window_.data());
      }),
      window_(openWizard(&document_)) {}

ClipboardWizard::~ClipboardWizard() {
    delete window_.data();
}

FilterWizard::FilterWizard(FilterSession& session)
    : document_([&session](const QString& html) { session.insert(html); },
                session.selectionText().value_or(QString()),
                [&session](qsizetype start, qsizetype end, const QString& html) {
                    session.replace(start, end, html);
                }),
      window_(openWizard(&document_)) {
    QObject::connect(window_.data(), &QObject::destroyed, &session, &FilterSession::giveBack);
}

FilterWizard::~FilterWizard() {
    delete window_.data();
}

} // namespace ravelin::standalone
