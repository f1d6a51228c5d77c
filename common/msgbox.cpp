// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/msgbox.h"

#include "common/qstr.h"
#include "ravelin/version.h"

#include <QMessageBox>

namespace ravelin::common {

namespace {

MessageHandler& handler() {
    static MessageHandler instance;
    return instance;
}

} // namespace

void setMessageHandler(MessageHandler replacement) {
    handler() = std::move(replacement);
}

MessageAnswer showMessage(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                          const QString& title, QWidget* parent) {
    const Message message{prompt, buttons, icon,
                          title.isEmpty() ? qstr(version::kProductName) : title};
    if (handler()) {
        return handler()(message);
    }

    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.prompt);
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No
                                                                       : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

} // namespace ravelin::common
