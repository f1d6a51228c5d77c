// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The seller's private key and certificate and the payment service's public certificate, read
// from the PEM files a seller keeps and checked before any button is encrypted with them.
#pragma once

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ravelin::crypto {

// The three files, by path.
struct KeyFiles {
    std::string privateKey;         // the seller's private key, PEM, with or without passphrase
    std::string certificate;        // the seller's certificate, PEM, as uploaded to the service
    std::string serviceCertificate; // the payment service's public certificate, PEM
};

// Why the files cannot be used.
enum class KeyProblem {
    MissingFile,      // a file does not exist
    UnreadableFile,   // a file exists but cannot be read
    WrongFormat,      // a file does not hold what it should, in PEM
    PassphraseNeeded, // the private key is protected and no passphrase was given
    WrongPassphrase,  // the passphrase given does not unlock the private key
    KeyMismatch,      // the private key does not belong to the seller's certificate
    Expired,          // a certificate's validity has ended
    NotYetValid,      // a certificate's validity has not begun
};

struct KeyFailure {
    KeyProblem problem;
    std::string message; // one line for the seller, naming the file
};

// The key and the two certificates, read and checked. Move-only; frees the key when destroyed.
class SellerKeys {
public:
    struct Parts;

    explicit SellerKeys(std::unique_ptr<Parts> parts);
    SellerKeys(SellerKeys&&) noexcept;
    SellerKeys& operator=(SellerKeys&&) noexcept;
    ~SellerKeys();

    // Things the seller should know that do not stop the encryption, one line each.
    const std::vector<std::string>& warnings() const;

    const Parts& parts() const { return *parts_; }

private:
    std::unique_ptr<Parts> parts_;
};

using LoadedKeys = std::variant<SellerKeys, KeyFailure>;

// Reads and checks the three files: each must exist, be readable and hold one PEM item of its
// kind; the key must unlock with `passphrase` when it is protected and belong to the seller's
// certificate; both certificates must be valid at `now`. A key file that users other than its
// owner may read gives a warning. Each file is read up to a bound and never written.
LoadedKeys loadKeys(const KeyFiles& files, std::optional<std::string_view> passphrase,
                    std::time_t now);

// The largest key or certificate file read.
inline constexpr std::size_t kMaxKeyFileBytes = std::size_t{64} * 1024;

} // namespace ravelin::crypto
