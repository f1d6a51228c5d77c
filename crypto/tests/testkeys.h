// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Throw-away keys and certificates for the tests, made with OpenSSL when a test runs and
// written to a private folder as a seller keeps them; and the service's side of an encrypted
// button: decrypting it and checking its signature.
#pragma once

#include "crypto/keys.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ravelin::crypto::testing {

// Whose key: the seller's, the payment service's, or someone else's.
enum class Who { Seller, Service, Stranger };

// What the service finds in an encrypted button's `encrypted` value.
struct Opened {
    std::string error;           // empty when it could be decrypted and its signature read
    std::string lines;           // the signed text
    std::string cipher;          // the short name of the cipher of the envelope
    bool signatureValid = false; // the signature checks out against the seller's certificate
    bool signedBySeller =
        false; // its one signer, found in the message, is the seller's certificate
};

class TestKeys {
public:
    // A new private folder holding seller.key (mode 0600), seller.crt and service.crt, the
    // certificates valid from yesterday for a year.
    TestKeys();
    ~TestKeys();
    TestKeys(const TestKeys&) = delete;
    TestKeys& operator=(const TestKeys&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    KeyFiles files() const;

    // Writes `who`'s private key to `name` in the folder with the given mode, protected by
    // `passphrase` when one is given, in the PKCS#8 form or the traditional RSA form.
    std::string writeKey(const std::string& name, Who who,
                         std::optional<std::string> passphrase = std::nullopt,
                         bool traditional = false,
                         std::filesystem::perms mode = std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_write);
    // Writes a certificate for `who`'s key, valid from `fromDays` to `toDays` days from now.
    std::string writeCertificate(const std::string& name, Who who, long fromDays, long toDays);
    // Writes any text.
    std::string writeText(const std::string& name, std::string_view text);

    // Decrypts an `encrypted` value with the service's key and checks its signature.
    Opened open(std::string_view encrypted) const;

private:
    std::filesystem::path folder_;
};

} // namespace ravelin::crypto::testing
