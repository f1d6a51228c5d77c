// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The command's encrypted buttons: its options, where the key's passphrase comes from, and the
// encryption of the button the writer produced.
#pragma once

#include "buttons/writers.h"
#include "common/result.h"

#include <optional>
#include <string>
#include <vector>

namespace ravelin::cli {

// The environment variable that may hold the private key's passphrase.
inline constexpr char kPassphraseVariable[] = "RAVELIN_KEY_PASSPHRASE";

struct EncryptOptions {
    bool encrypt = false;
    std::optional<std::string> certificateId;
    std::optional<std::string> key;
    std::optional<std::string> certificate;
    std::optional<std::string> serviceCertificate;
    std::optional<std::string> passphraseFile;
};

// Checks the options as given, before any file is read: fails for --encrypt without all four
// of its options, or for one of them without --encrypt.
common::Result<void> checkEncryptOptions(const EncryptOptions& options);

struct Encryption {
    common::Result<buttons::Button> button; // the encrypted button, or why not in one line
    std::vector<std::string> warnings;      // one line each; told even when it failed
};

// Encrypts `plain` with the files the options name. The passphrase is read from the options'
// passphrase file when one is given, else taken from `environmentPassphrase` when that is set
// and not empty.
Encryption encrypt(const buttons::Button& plain, const EncryptOptions& options,
                   const char* environmentPassphrase);

} // namespace ravelin::cli
