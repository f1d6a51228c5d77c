// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings.h"

#include "common/files.h"
#include "common/inifile.h"

namespace ravelin::common {

QString settingsFilePath(const QString& appName) {
    return configHome() + QLatin1Char('/') + appName + QStringLiteral(".ini");
}

QString readSetting(const QString& appName, const QString& section, const QString& key,
                    const QString& fallback) {
    const Result<IniFile> file = readIniFile(settingsFilePath(appName));
    const std::optional<QString> value =
        file ? file->value(section + QLatin1Char('/') + key) : std::nullopt;
    return value ? *value : fallback;
}

Result<void> writeSetting(const QString& appName, const QString& section, const QString& key,
                          const QString& value) {
    return updateIniFile(settingsFilePath(appName), [&](IniFile& file) {
        return file.setValue(section + QLatin1Char('/') + key, value);
    });
}

} // namespace ravelin::common
