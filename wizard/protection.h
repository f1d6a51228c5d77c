// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// How the seller wants buttons written beyond their answers: encrypted with the seller's key
// files, and posting to the payment service's sandbox. Both are stored per user beside the
// account address; the key files are named, never copied, and no passphrase is ever stored.
#pragma once

#include "buttons/writers.h"
#include "common/result.h"
#include "crypto/keys.h"

#include <QString>
#include <QStringList>
#include <ctime>
#include <optional>

namespace ravelin::wizard {

// The choices of the "Protect buttons from tampering" dialog.
struct Protection {
    bool encrypt = false;
    QString certificateId;
    QString privateKey;
    QString certificate;
    QString serviceCertificate;

    bool operator==(const Protection&) const = default;
};

// The stored choices; all off and empty when none are stored.
Protection storedProtection();
// Stores the choices, or says why they could not be written.
common::Result<void> storeProtection(const Protection& protection);

// Whether buttons post to the payment service's sandbox; off when nothing is stored.
bool storedSandbox();
common::Result<void> storeSandbox(bool sandbox);

// What the seller is told is wrong with the dialog's choices before they are kept: with
// encryption on, a certificate ID and the three files are needed. Empty when nothing is.
QString protectionProblem(const Protection& protection);

// A result page's button as the seller asked for it.
struct Sealed {
    std::optional<buttons::Button> button;        // nothing when no button may be written
    QString problem;                              // why not, for the seller
    std::optional<crypto::KeyProblem> keyProblem; // when the key files were the reason
    QStringList warnings;                         // to tell the seller; the button is written
};

// `plain` itself when encryption is off; otherwise `plain` encrypted with the seller's files,
// the key unlocked with `passphrase` when it needs one, the certificates checked at `now`.
Sealed seal(const buttons::Button& plain, const Protection& protection,
            const std::optional<QString>& passphrase, std::time_t now);

} // namespace ravelin::wizard
