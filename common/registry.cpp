// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ravelin::common {

QString registryFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ravelin-registry.ini");
}

QString registryPath(std::initializer_list<QString> parts) {
    return QStringList(parts).join(QLatin1Char('/'));
}

Registry::Registry()
    : settings_(std::make_unique<QSettings>(registryFilePath(), QSettings::IniFormat)) {}

Registry::~Registry() = default;

bool Registry::readable() const {
    return settings_->status() == QSettings::NoError;
}

QVariant Registry::value(const QString& path) const {
    return settings_->value(path);
}

QStringList Registry::subkeys(const QString& key) const {
    settings_->beginGroup(key);
    QStringList names = settings_->childGroups();
    settings_->endGroup();
    return names;
}

QStringList Registry::valuePaths(const QString& key) const {
    settings_->beginGroup(key);
    QStringList paths = settings_->allKeys();
    settings_->endGroup();
    if (!key.isEmpty()) {
        for (QString& path : paths) {
            path.prepend(key + QLatin1Char('/'));
        }
    }
    paths.sort();
    return paths;
}

void Registry::setValue(const QString& path, const QVariant& value) {
    if (readable()) { // QSettings writes pending changes on destruction: keep none for a bad file
        settings_->setValue(path, value);
    }
}

void Registry::removeValue(const QString& path) {
    // QSettings::remove also removes subkeys of the same name; a value path never has any
    // here, since values and keys are told apart by the caller's names.
    if (readable() && settings_->contains(path)) {
        settings_->remove(path);
    }
}

bool Registry::commit(QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    if (!readable()) {
        return fail(QStringLiteral("the registry file %1 cannot be read")
                        .arg(QDir::toNativeSeparators(settings_->fileName())));
    }
    QDir().mkpath(QFileInfo(settings_->fileName()).absolutePath());
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        return fail(QStringLiteral("the registry file %1 cannot be written")
                        .arg(QDir::toNativeSeparators(settings_->fileName())));
    }
    return true;
}

} // namespace ravelin::common
