// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The per-user settings store: one text value by application, section and key. Each
// application keeps one INI file in the user's XDG config directory (APP.ini, in the form
// QSettings writes), shared by the wizard and ravelin-button. The file is read strictly
// (common/inifile.h): one that does not parse reads as holding nothing and is never written.
#pragma once

#include "common/result.h"

#include <QString>

namespace ravelin::common {

// Where the seller's account address is kept: the wizard stores it, ravelin-button reads it.
inline constexpr char kAccountSettingApp[] = "RAVELIN";
inline constexpr char kAccountSettingSection[] = "Program Settings";
inline constexpr char kAccountSettingKey[] = "EmailAddress";

// Beside it, under the same application and section: the seller's encrypted-button setup ("1"
// when on; the certificate ID; the paths of the private key, the certificate and the payment
// service's certificate) and whether buttons post to the service's sandbox ("1" when they do).
// Paths and the ID only: never a key's contents or its passphrase.
inline constexpr char kEncryptSettingKey[] = "EncryptButtons";
inline constexpr char kCertificateIdSettingKey[] = "CertificateID";
inline constexpr char kPrivateKeyFileSettingKey[] = "PrivateKeyFile";
inline constexpr char kCertificateFileSettingKey[] = "CertificateFile";
inline constexpr char kServiceCertificateFileSettingKey[] = "PayPalCertificateFile";
inline constexpr char kSandboxSettingKey[] = "Sandbox";

// The stored value, or `fallback` when there is none or the file cannot be read or parsed.
QString readSetting(const QString& appName, const QString& section, const QString& key,
                    const QString& fallback = {});

// Stores the value, or says why it could not be written (a sentence naming the file, and the
// line when the file does not parse). A failed write leaves the file byte for byte as it was.
Result<void> writeSetting(const QString& appName, const QString& section, const QString& key,
                          const QString& value);

// Where the settings of `appName` are kept.
QString settingsFilePath(const QString& appName);

} // namespace ravelin::common
