// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An environment variable set, or unset, for one scope of a test and put back as it was.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace ravelin::common::testing {

class ScopedEnvironment {
public:
    // Sets `name` to `value` for this scope, or unsets it when `value` is empty.
    ScopedEnvironment(const char* name, const std::optional<QByteArray>& value)
        : name_(name),
          saved_(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                 : std::nullopt) {
        put(value);
    }
    ~ScopedEnvironment() { put(saved_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void put(const std::optional<QByteArray>& value) const {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }

    const char* name_;
    std::optional<QByteArray> saved_;
};

} // namespace ravelin::common::testing
