// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Asks for the passphrase of the seller's private key. The passphrase lives only in memory:
// the dialog is gone, and its text wiped, when the answer is returned.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ravelin::wizard {

// The passphrase typed for the key in `keyFile`, or nothing when the seller cancelled.
std::optional<QString> askPassphrase(const QString& keyFile, QWidget* parent);

} // namespace ravelin::wizard
