// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings.h"

#include "common/files.h"
#include "common/inifile.h"

namespace ravelin::common {

QString settingsFilePath(const QString& appName) {
    return configHome() + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& fallback) {
    QString problem;
    const std::optional<IniFile> file = readIniFile(settingsFilePath(appName), &problem);
    const std::optional<QString> value =
        file ? file->value(section + QLatin1Char('/') + key) : std::nullopt;
    return value ? *value : fallback;
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value, QString* error) {
    QString reason;
    const bool written = updateIniFile(
        settingsFilePath(appName),
        [&](IniFile& file) { return file.setValue(section + QLatin1Char('/') + key, value); },
        &reason);
    if (!written && error != nullptr) {
        *error = reason;
    }
    return written;
}

} // namespace ravelin::common
