// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "addin/registration.h"

#include "addin/addinids.h"
#include "common/registry.h"

namespace ravelin::addin {

using common::registryPath;

std::vector<RegistryValue> registrationValues(const QString& libraryPath,
                                              common::RegistryScope scope) {
    const QString addin =
        common::registryPath({common::editorAddinsKey(scope), QString::fromLatin1(kProgId)});
    const QString classes = common::classesKey(scope);
    const QString defaultValue = QString::fromLatin1(common::kDefaultValue);
    return {
        {common::registryPath({addin, QStringLiteral("FriendlyName")}),
         QString::fromUtf8(kFriendlyName)},
        {common::registryPath({addin, QStringLiteral("Description")}),
         QString::fromUtf8(kDescription)},
        {common::registryPath({addin, QStringLiteral("LoadBehavior")}), common::kLoadAtStartup},
        {common::registryPath(
             {classes, QString::fromLatin1(kProgId), QStringLiteral("CLSID"), defaultValue}),
         QString::fromLatin1(kClsid)},
        {common::registryPath({classes, QStringLiteral("CLSID"), QString::fromLatin1(kClsid),
                               QStringLiteral("InprocServer32"), defaultValue}),
         libraryPath},
    };
}

common::Result<void> writeRegistration(const QString& libraryPath, common::RegistryScope scope) {
    common::Registry registry(scope);
    for (const RegistryValue& value : registrationValues(libraryPath, scope)) {
        registry.setValue(value.path, value.value);
    }
    return registry.commit();
}

common::Result<void> removeRegistration(common::RegistryScope scope) {
    common::Registry registry(scope);
    for (const RegistryValue& value : registrationValues({}, scope)) {
        registry.removeValue(value.path);
    }
    return registry.commit();
}

} // namespace ravelin::addin
