// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/settings.h"

#include <QSettings>
#include <memory>

namespace ravelin::common {

namespace {

// One INI file per application in the user's config directory, no organization folder.
std::unique_ptr<QSettings> open(const QString& appName) {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, appName);
}

} // namespace

QString settingsFilePath(const QString& appName) {
    return open(appName)->fileName();
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& fallback) {
    const auto settings = open(appName);
    if (settings->status() != QSettings::NoError) {
        return fallback;
    }
    const QVariant value = settings->value(section + '/' + key);
    return value.isValid() ? value.toString() : fallback;
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    const auto settings = open(appName);
    if (settings->status() != QSettings::NoError) {
        return false; // never overwrite a file that could not be read
    }
    settings->setValue(section + '/' + key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace ravelin::common
