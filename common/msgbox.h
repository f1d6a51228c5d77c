// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The message box of the add-in's windows: a modal box with a prompt, its buttons, an optional
// icon and an optional title. Every message the add-in shows goes through showMessage, so that
// tests can answer it without a modal loop.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ravelin::common {

// YesNoDefaultNo: Yes and No with No as the default button, for questions whose safe answer
// is No.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageIcon { None, Information };
// The button pressed; Other: the further button the message names.
enum class MessageAnswer { Ok, Yes, No, Other };

// A message as the box shows it.
struct Message {
    QString prompt;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString title; // the product name when the caller gave none
    // The caption of a further button beside the others, such as "Go to step 4"; none when
    // empty.
    QString otherButton = {};
};

// Shows the box and returns the button pressed. Without a title the product name is shown.
MessageAnswer showMessage(const QString& prompt, MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None, const QString& title = {},
                          QWidget* parent = nullptr);

// The same for a message given whole; its title, when empty, is the product name.
MessageAnswer showMessage(Message message, QWidget* parent = nullptr);

// Replaces the box for tests: the handler receives the message as it would be shown and
// returns the button "pressed". An empty handler restores the real box.
using MessageHandler = std::function<MessageAnswer(const Message& message)>;
void setMessageHandler(MessageHandler handler);

} // namespace ravelin::common
