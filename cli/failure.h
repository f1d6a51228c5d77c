// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command words its failures in UTF-8, as the writers and the encryption word theirs, and
// hands them back as the Qt layers do, in a common::Result.
#pragma once

#include "common/result.h"

#include <QString>
#include <string>

namespace ravelin::cli {

inline common::Failure failure(const std::string& message) {
    return {QString::fromStdString(message)};
}

} // namespace ravelin::cli
