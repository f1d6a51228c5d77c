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
// Relative directories in either variable are ignored, as the XDG rules say.
//
// The files are read strictly (common/inifile.h): one that does not parse is reported with its
// line and never written.
#pragma once

#include "common/inifile.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

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

// Load behaviour values of an editor's add-in entry: when the host loads and connects it.
inline constexpr int kLoadAtStartup = 3;
inline constexpr int kLoadOnDemand = 9;
inline constexpr int kLoadAtNextStartupOnly = 16;

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

    RegistryScope scope() const { return scope_; }

    // False when the file exists but cannot be read or parsed: such a file is never written.
    bool readable() const;
    // Why the file cannot be read: a sentence naming the file, and the line when it does not
    // parse. Empty when it can.
    QString problem() const;

    // The value at a full path (key names and value name), or an invalid QVariant.
    QVariant value(const QString& path) const;
    // The names of the subkeys of a key.
    QStringList subkeys(const QString& key) const;

    // Values are kept as text; the changes are written by commit().
    void setValue(const QString& path, const QVariant& value);
    // Removes one value; a key without values and subkeys disappears with its last value.
    void removeValue(const QString& path);

    // Writes the changes (none written when there are none): the file is read again under its
    // lock, changed and replaced atomically. When they could not be written, says why; the file
    // is then left byte for byte as it was.
    Result<void> commit();

private:
    // Every value path below a key, sorted.
    QStringList valuePaths(const QString& key = {}) const;

    RegistryScope scope_;
    QString path_;
    Result<IniFile> file_;
    std::vector<std::pair<QString, std::optional<QString>>> changes_; // path, value or removal
};

} // namespace ravelin::common
