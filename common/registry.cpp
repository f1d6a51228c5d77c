// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ravelin::common {

namespace {

const QString kFileName = QStringLiteral("ravelin-registry.ini");

// $XDG_CONFIG_DIRS, most important first; relative entries are ignored, and /etc/xdg stands in
// when none is left.
QStringList systemConfigDirectories() {
    QStringList directories;
    for (const QString& directory :
         qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(directory)) {
            directories.append(QDir::cleanPath(directory));
        }
    }
    if (directories.isEmpty()) {
        directories.append(QStringLiteral("/etc/xdg"));
    }
    return directories;
}

QString rootKey(RegistryScope scope) {
    return scope == RegistryScope::System ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                          : QStringLiteral("HKEY_CURRENT_USER");
}

} // namespace

QString classesKey(RegistryScope scope) {
    return rootKey(scope) + QStringLiteral("/Software/Classes");
}

QString editorAddinsKey(RegistryScope scope) {
    return rootKey(scope) + QStringLiteral("/Software/Microsoft/Office/FrontPage/Addins");
}

RegistryScope requestedRegistryScope() {
    return qEnvironmentVariable(kRegistryScopeVariable) == QLatin1String("system")
               ? RegistryScope::System
               : RegistryScope::User;
}

QString registryFilePath(RegistryScope scope) {
    return registryFilePaths(scope).front();
}

QStringList registryFilePaths(RegistryScope scope) {
    if (scope == RegistryScope::User) {
        return {QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                    .filePath(kFileName)};
    }
    QStringList paths = systemConfigDirectories();
    for (QString& path : paths) {
        path = QDir(path).filePath(kFileName);
    }
    return paths;
}

QString registryPath(std::initializer_list<QString> parts) {
    return QStringList(parts).join(QLatin1Char('/'));
}

Registry::Registry(RegistryScope scope) : Registry(scope, registryFilePath(scope)) {}

Registry::Registry(RegistryScope scope, const QString& filePath)
    : scope_(scope), settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

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
