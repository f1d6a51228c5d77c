// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Asks for the passphrase of the seller's private key. The passphrase lives only in memory:
// the dialog is gone, and its text wiped, when the answer is returned.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace ravelin::wizard {

// The passphrase typed for the key in `keyFile`, or nothing when the seller cancelled.
std::optional<QString> askPassphrase(const QString& keyFile, QWidget* parent);

// Replaces the dialog for tests: the handler receives the key file and answers as the seller
// would. An empty handler restores the dialog.
using PassphraseHandler = std::function<std::optional<QString>(const QString& keyFile)>;
void setPassphraseHandler(PassphraseHandler handler);

} // namespace ravelin::wizard
