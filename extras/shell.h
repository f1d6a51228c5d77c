// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The two shell operations every link uses. Both hand the address to the desktop and return
// at once: the user's browser or mail program opens outside the editor, and its success is not
// examined (the desktop shows its own message when nothing can open the address).
#pragma once

#include <QString>

namespace ravelin::extras {

// Opens the address, unchanged, with the user's default program for it, then lets the
// pending window events run once.
void OpenAddress(const QString& address);

// Starts a message to the address in the user's mail program: hands over "mailto:" + the
// address, with no subject or other fields.
void MailTo(const QString& address);

} // namespace ravelin::extras
