// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/protection.h"

#include "common/settings.h"
#include "crypto/encrypt.h"

#include <QByteArray>
#include <QCoreApplication>
#include <utility>
#include <variant>

namespace ravelin::wizard {

namespace {

QString stored(const char* key) {
    return common::readSetting(common::kAccountSettingApp, common::kAccountSettingSection, key);
}

common::Result<void> store(const char* key, const QString& value) {
    return common::writeSetting(common::kAccountSettingApp, common::kAccountSettingSection, key,
                                value);
}

QString onOff(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A message of the encryption library as a sentence of a message box.
QString sentence(const std::string& message) {
    QString text = QString::fromStdString(message);
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
        text += '.';
    }
    return text;
}

} // namespace

Protection storedProtection() {
    return {.encrypt = stored(common::kEncryptSettingKey) == QLatin1String("1"),
            .certificateId = stored(common::kCertificateIdSettingKey),
            .privateKey = stored(common::kPrivateKeyFileSettingKey),
            .certificate = stored(common::kCertificateFileSettingKey),
            .serviceCertificate = stored(common::kServiceCertificateFileSettingKey)};
}

common::Result<void> storeProtection(const Protection& protection) {
    const std::pair<const char*, QString> settings[] = {
        {common::kEncryptSettingKey, onOff(protection.encrypt)},
        {common::kCertificateIdSettingKey, protection.certificateId},
        {common::kPrivateKeyFileSettingKey, protection.privateKey},
        {common::kCertificateFileSettingKey, protection.certificate},
        {common::kServiceCertificateFileSettingKey, protection.serviceCertificate},
    };
    for (const auto& [key, value] : settings) {
        if (common::Result<void> stored = store(key, value); !stored) {
            return stored;
        }
    }
    return {};
}

bool storedSandbox() {
    return stored(common::kSandboxSettingKey) == QLatin1String("1");
}

common::Result<void> storeSandbox(bool sandbox) {
    return store(common::kSandboxSettingKey, onOff(sandbox));
}

QString protectionProblem(const Protection& protection) {
    if (!protection.encrypt) {
        return {};
    }
    if (auto problem = crypto::certificateIdProblem(protection.certificateId.toStdString())) {
        return sentence(*problem);
    }
    if (protection.privateKey.isEmpty()) {
        return QCoreApplication::translate("ravelin::wizard::Protection",
                                           "Please choose the file of your private key.");
    }
    if (protection.certificate.isEmpty()) {
        return QCoreApplication::translate("ravelin::wizard::Protection",
                                           "Please choose the file of your certificate.");
    }
    if (protection.serviceCertificate.isEmpty()) {
        return QCoreApplication::translate("ravelin::wizard::Protection",
                                           "Please choose the file of PayPal's certificate.");
    }
    return {};
}

Sealed seal(const buttons::Button& plain, const Protection& protection,
            const std::optional<QString>& passphrase, std::time_t now) {
    Sealed sealed;
    if (!protection.encrypt) {
        sealed.button = plain;
        return sealed;
    }
    QByteArray secret = passphrase ? passphrase->toUtf8() : QByteArray();
    const crypto::KeyFiles files{protection.privateKey.toStdString(),
                                 protection.certificate.toStdString(),
                                 protection.serviceCertificate.toStdString()};
    crypto::LoadedKeys loaded = crypto::loadKeys(
        files,
        passphrase
            ? std::optional<std::string_view>(std::string_view(secret.constData(), secret.size()))
            : std::nullopt,
        now);
    secret.fill('\0');
    if (const auto* failure = std::get_if<crypto::KeyFailure>(&loaded)) {
        sealed.problem = sentence(failure->message);
        sealed.keyProblem = failure->problem;
        return sealed;
    }
    const crypto::SellerKeys& keys = std::get<crypto::SellerKeys>(loaded);
    for (const std::string& warning : keys.warnings()) {
        sealed.warnings << sentence(warning);
    }
    crypto::EncryptedButton encrypted =
        crypto::encryptButton(plain, keys, protection.certificateId.toStdString());
    if (auto* failure = std::get_if<crypto::EncryptFailure>(&encrypted)) {
        sealed.problem = sentence(failure->message);
        return sealed;
    }
    sealed.button = std::move(std::get<buttons::Button>(encrypted));
    return sealed;
}

} // namespace ravelin::wizard
