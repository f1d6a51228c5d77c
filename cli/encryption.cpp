// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encryption.h"

#include "crypto/encrypt.h"
#include "crypto/keys.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string.h> // explicit_bzero
#include <utility>
#include <variant>

namespace ravelin::cli {

namespace {

constexpr std::size_t kMaxPassphraseFileBytes = 4096;

// The passphrase text, wiped when it goes.
struct Secret {
    std::string text;
    Secret() = default;
    Secret(const Secret&) = delete;
    Secret& operator=(const Secret&) = delete;
    ~Secret() { explicit_bzero(text.data(), text.size()); }
};

// The first line of the passphrase file, or why it cannot be had.
std::optional<std::string> readPassphrase(const std::string& path, Secret& secret) {
    const std::string shown = "\"" + path + "\"";
    const auto close = [](std::FILE* file) { std::fclose(file); };
    const std::unique_ptr<std::FILE, decltype(close)> file(std::fopen(path.c_str(), "rb"), close);
    if (!file) {
        const int cause = errno;
        return "cannot read the passphrase file " + shown + ": " + std::strerror(cause);
    }
    secret.text.assign(kMaxPassphraseFileBytes + 1, '\0');
    const std::size_t got = std::fread(secret.text.data(), 1, secret.text.size(), file.get());
    if (std::ferror(file.get())) {
        return "cannot read the passphrase file " + shown;
    }
    if (got > kMaxPassphraseFileBytes) {
        return "the passphrase file " + shown + " is larger than " +
               std::to_string(kMaxPassphraseFileBytes) + " bytes";
    }
    const std::size_t end = secret.text.find_first_of("\r\n");
    std::fill(secret.text.begin() + static_cast<std::ptrdiff_t>(std::min(end, got)),
              secret.text.end(), '\0');
    secret.text.resize(std::min(end, got));
    if (secret.text.empty()) {
        return "the passphrase file " + shown + " holds no passphrase on its first line";
    }
    return std::nullopt;
}

} // namespace

bool isPassphraseArgument(std::string_view argument) {
    const auto isOption = [&](std::string_view name) {
        return argument == name || argument.starts_with(std::string(name) + "=");
    };
    return isOption("--key-passphrase") || isOption("--passphrase") || isOption("--pass");
}

std::optional<std::string> encryptOptionsProblem(const EncryptOptions& options) {
    const std::pair<const char*, const std::optional<std::string>*> needed[] = {
        {"--cert-id", &options.certificateId},
        {"--key", &options.key},
        {"--cert", &options.certificate},
        {"--service-cert", &options.serviceCertificate},
    };
    std::string missing;
    for (const auto& [name, value] : needed) {
        if (options.encrypt && !value->has_value()) {
            missing += missing.empty() ? "" : ", ";
            missing += name;
        }
        if (!options.encrypt && value->has_value()) {
            return std::string(name) + " is only used with --encrypt";
        }
    }
    if (!options.encrypt && options.passphraseFile) {
        return "--key-passphrase-file is only used with --encrypt";
    }
    if (!missing.empty()) {
        return "--encrypt also needs " + missing;
    }
    return std::nullopt;
}

Encryption encrypt(const buttons::Button& plain, const EncryptOptions& options,
                   const char* environmentPassphrase) {
    Encryption result;
    Secret secret;
    std::optional<std::string_view> passphrase;
    if (options.passphraseFile) {
        if (auto problem = readPassphrase(*options.passphraseFile, secret)) {
            result.problem = std::move(*problem);
            return result;
        }
        passphrase = secret.text;
    } else if (environmentPassphrase != nullptr && *environmentPassphrase != '\0') {
        passphrase = environmentPassphrase;
    }

    const crypto::KeyFiles files{*options.key, *options.certificate, *options.serviceCertificate};
    crypto::LoadedKeys loaded = crypto::loadKeys(files, passphrase, std::time(nullptr));
    if (const auto* failure = std::get_if<crypto::KeyFailure>(&loaded)) {
        result.problem = failure->message;
        if (failure->problem == crypto::KeyProblem::PassphraseNeeded) {
            result.problem += std::string("; put it in ") + kPassphraseVariable +
                              " or in a file named by --key-passphrase-file";
        }
        return result;
    }
    const crypto::SellerKeys& keys = std::get<crypto::SellerKeys>(loaded);
    result.warnings = keys.warnings();

    crypto::EncryptedButton encrypted = crypto::encryptButton(plain, keys, *options.certificateId);
    if (auto* failure = std::get_if<crypto::EncryptFailure>(&encrypted)) {
        result.problem = std::move(failure->message);
        return result;
    }
    result.button = std::move(std::get<buttons::Button>(encrypted));
    return result;
}

} // namespace ravelin::cli
