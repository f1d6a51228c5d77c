// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/registration.h"

#include "host/addinids.h"
#include "platform/registry.h"

namespace ravelin::host {

using platform::registryPath;

std::vector<RegistryValue> registrationValues(const QString& libraryPath) {
    const QString addin = registryPath(
        {QString::fromLatin1(platform::kEditorAddinsKey), QString::fromLatin1(kProgId)});
    const QString classes = QString::fromLatin1(platform::kClassesKey);
    const QString defaultValue = QString::fromLatin1(platform::kDefaultValue);
    return {
        {registryPath({addin, QStringLiteral("FriendlyName")}), QString::fromUtf8(kFriendlyName)},
        {registryPath({addin, QStringLiteral("Description")}), QString::fromUtf8(kDescription)},
        {registryPath({addin, QStringLiteral("LoadBehavior")}), platform::kLoadAtStartup},
        {registryPath(
             {classes, QString::fromLatin1(kProgId), QStringLiteral("CLSID"), defaultValue}),
         QString::fromLatin1(kClsid)},
        {registryPath({classes, QStringLiteral("CLSID"), QString::fromLatin1(kClsid),
                       QStringLiteral("InprocServer32"), defaultValue}),
         libraryPath},
    };
}

platform::HRESULT registerServer(const QString& libraryPath) {
    platform::Registry registry;
    if (!registry.readable()) {
        return platform::SELFREG_E_CLASS;
    }
    for (const RegistryValue& value : registrationValues(libraryPath)) {
        registry.setValue(value.path, value.value);
    }
    return registry.commit() ? platform::S_OK : platform::SELFREG_E_CLASS;
}

platform::HRESULT unregisterServer() {
    platform::Registry registry;
    if (!registry.readable()) {
        return platform::SELFREG_E_CLASS;
    }
    for (const RegistryValue& value : registrationValues({})) {
        registry.removeValue(value.path);
    }
    return registry.commit() ? platform::S_OK : platform::SELFREG_E_CLASS;
}

} // namespace ravelin::host
