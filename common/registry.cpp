// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"

#include "common/files.h"

#include <QDir>

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
        return {QDir(configHome()).filePath(kFileName)};
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
    : scope_(scope), path_(filePath), file_(readIniFile(path_)) {}

bool Registry::readable() const {
    return file_.has_value();
}

QString Registry::problem() const {
    return file_ ? QString() : file_.error();
}

QVariant Registry::value(const QString& path) const {
    if (!file_) {
        return {};
    }
    const std::optional<QString> text = file_->value(path);
    return text ? QVariant(*text) : QVariant();
}

QStringList Registry::subkeys(const QString& key) const {
    const qsizetype skip = key.isEmpty() ? 0 : key.size() + 1;
    QStringList names;
    for (const QString& path : valuePaths(key)) {
        const qsizetype slash = path.indexOf(QLatin1Char('/'), skip);
        if (slash >= 0) {
            names.append(path.sliced(skip, slash - skip));
        }
    }
    names.removeDuplicates();
    return names;
}

QStringList Registry::valuePaths(const QString& key) const {
    if (!file_) {
        return {};
    }
    QStringList paths = file_->keys();
    if (!key.isEmpty()) {
        const QString prefix = key + QLatin1Char('/');
        paths.removeIf([&](const QString& path) { return !path.startsWith(prefix); });
    }
    return paths;
}

void Registry::setValue(const QString& path, const QVariant& value) {
    if (file_ && file_->setValue(path, value.toString())) {
        changes_.emplace_back(path, value.toString());
    }
}

void Registry::removeValue(const QString& path) {
    if (file_ && file_->value(path)) {
        file_->remove(path);
        changes_.emplace_back(path, std::nullopt);
    }
}

Result<void> Registry::commit() {
    if (!file_) {
        return Failure{file_.error() + QStringLiteral("; the registry was left as it was")};
    }
    if (changes_.empty()) {
        return {};
    }
    // The file is read again under its lock: what another program wrote meanwhile stays.
    Result<void> written = updateIniFile(path_, [this](IniFile& file) {
        for (const auto& [path, value] : changes_) {
            if (value) {
                if (!file.setValue(path, *value)) {
                    return false;
                }
            } else {
                file.remove(path);
            }
        }
        return true;
    });
    if (written) {
        changes_.clear();
    }
    return written;
}

} // namespace ravelin::common
