// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The add-in's registration for the editor, under the current user or for every user (the
// registry scope): the editor's add-in entry (display name, description, load behaviour), the
// programmatic identifier's class and the class's library.
#pragma once

#include "common/registry.h"
#include "common/result.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace ravelin::addin {

struct RegistryValue {
    QString path; // key names and value name, joined with "/"
    QVariant value;
};

// Every value the registration writes in a scope, for the library at `libraryPath`.
std::vector<RegistryValue>
registrationValues(const QString& libraryPath,
                   common::RegistryScope scope = common::RegistryScope::User);

// Writes the registration, or says why the registry could not be read or written.
common::Result<void> writeRegistration(const QString& libraryPath,
                                       common::RegistryScope scope = common::RegistryScope::User);
// Removes exactly the registration's values, and nothing else.
common::Result<void> removeRegistration(common::RegistryScope scope = common::RegistryScope::User);

} // namespace ravelin::addin
