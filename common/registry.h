// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The registry: INI files whose keys keep the registry's names, e.g.
// "HKEY_CURRENT_USER/Software/Classes/CLSID/{...}/InprocServer32/@". A key's default value is
// the value named "@". Add-in libraries write their registration here; the page editor reads
// it to find them.
//
// There are two scopes. The user's registry is ravelin-registry.ini in the user's config
// directory ($XDG_CONFIG_HOME, ~/.config by default), its keys below HKEY_CURRENT_USER. The
// system registry, for every user of the machine, is ravelin-registry.ini in the system config
// directories ($XDG_CONFIG_DIRS, /etc/xdg by default), its keys below HKEY_LOCAL_MACHINE.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace ravelin::common {

inline constexpr const char* kDefaultValue = "@";

enum class RegistryScope { User, System };

// Where a scope registers classes and the editor's add-ins.
QString classesKey(RegistryScope scope);
QString editorAddinsKey(RegistryScope scope);

// The environment variable that asks for the scope registrations are written to: "system"
// for the system registry (regsvr --system sets it), anything else or nothing for the user's.
inline constexpr const char* kRegistryScopeVariable = "RAVELIN_REGISTRY_SCOPE";
RegistryScope requestedRegistryScope();

// Load behaviour value of an add-in loaded and connected when the host starts.
inline constexpr int kLoadAtStartup = 3;

// Where a scope's registry is written (read from the environment each time): the user's file,
// or the system file in the first of the system config directories.
QString registryFilePath(RegistryScope scope = RegistryScope::User);
// Every file a scope's registry is read from, most important first: the user's file, or the
// system file in each of the system config directories.
QStringList registryFilePaths(RegistryScope scope);

// Joins key names and a value name with "/".
QString registryPath(std::initializer_list<QString> parts);

class Registry {
public:
    // Opens the registry file a scope writes to, by default the current user's.
    explicit Registry(RegistryScope scope = RegistryScope::User);
    // Opens one of the scope's files to read from.
    Registry(RegistryScope scope, const QString& filePath);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    RegistryScope scope() const { return scope_; }

    // False when the file exists but cannot be read or parsed: such a file is never written.
    bool readable() const;

    // The value at a full path (key names and value name), or an invalid QVariant.
    QVariant value(const QString& path) const;
    // The names of the subkeys of a key.
    QStringList subkeys(const QString& key) const;
    // Every value path below a key, sorted.
    QStringList valuePaths(const QString& key = {}) const;

    void setValue(const QString& path, const QVariant& value);
    // Removes one value; a key without values and subkeys disappears with its last value.
    void removeValue(const QString& path);

    // Writes the changes; false with the reason in `error` when they could not be written.
    bool commit(QString* error = nullptr);

private:
    RegistryScope scope_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace ravelin::common
