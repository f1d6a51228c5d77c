// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/msgbox.h"

#include "common/qstr.h"
#include "ravelin/version.h"

#include <QMessageBox>
#include <QPushButton>

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
    return showMessage(Message{prompt, buttons, icon, title}, parent);
}

MessageAnswer showMessage(Message message, QWidget* parent) {
    if (message.title.isEmpty()) {
        message.title = qstr(version::kProductName);
    }
    if (handler()) {
        return handler()(message);
    }

    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.prompt);
    box.setIcon(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                         : QMessageBox::NoIcon);
    const QPushButton* other = message.otherButton.isEmpty()
                                   ? nullptr
                                   : box.addButton(message.otherButton, QMessageBox::ActionRole);
    if (message.buttons == MessageButtons::YesNo ||
        message.buttons == MessageButtons::YesNoDefaultNo) {
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.setDefaultButton(message.buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No
                                                                               : QMessageBox::Yes);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed != nullptr && pressed == other) {
        return MessageAnswer::Other;
    }
    switch (box.standardButton(pressed)) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
}

} // namespace ravelin::common
