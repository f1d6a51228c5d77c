// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The per-user registry: one INI file in the user's XDG config directory whose keys keep the
// registry's names, e.g. "HKEY_CURRENT_USER/Software/Classes/CLSID/{...}/InprocServer32/@".
// A key's default value is the value named "@". Add-in libraries write their registration
// here; the page editor reads it to find them.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace ravelin::common {

inline constexpr const char* kDefaultValue = "@";
inline constexpr const char* kClassesKey = "HKEY_CURRENT_USER/Software/Classes";
inline constexpr const char* kEditorAddinsKey =
    "HKEY_CURRENT_USER/Software/Microsoft/Office/FrontPage/Addins";

// Load behaviour value of an add-in loaded and connected when the host starts.
inline constexpr int kLoadAtStartup = 3;

// Where the registry is kept (read from the environment each time).
QString registryFilePath();

// Joins key names and a value name with "/".
QString registryPath(std::initializer_list<QString> parts);

class Registry {
public:
    // Opens the registry file of the current user.
    Registry();
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

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
    std::unique_ptr<QSettings> settings_;
};

} // namespace ravelin::common
