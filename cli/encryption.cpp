// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encryption.h"

#include "cli/answerfile.h"
#include "cli/failure.h"
#include "common/files.h"
#include "crypto/encrypt.h"
#include "crypto/keys.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <string.h> // explicit_bzero
#include <unistd.h>
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

// Reads the first line of the passphrase file into `secret`: a file, or a pipe such as
// <(pass show key), read without ever waiting for a writer that does not come.
common::Result<void> readPassphrase(const std::string& path, Secret& secret) {
    const std::string shown = jsonQuoted(path);
    const common::Result<common::Descriptor> file =
        common::openToRead(QByteArray::fromStdString(path));
    if (!file) {
        return failure("cannot read the passphrase file " + shown + ": " +
                       file.error().toStdString());
    }
    secret.text.assign(kMaxPassphraseFileBytes + 1, '\0');
    std::size_t got = 0;
    while (got < secret.text.size()) {
        const ssize_t now = ::read(file->get(), secret.text.data() + got, secret.text.size() - got);
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0) {
            const int cause = errno;
            return failure("cannot read the passphrase file " + shown + ": " +
                           std::strerror(cause));
        }
        if (now == 0) {
            break;
        }
        got += static_cast<std::size_t>(now);
    }
    if (got > kMaxPassphraseFileBytes) {
        return failure("the passphrase file " + shown + " is larger than " +
                       std::to_string(kMaxPassphraseFileBytes) + " bytes");
    }
    const std::size_t end = secret.text.find_first_of("\r\n");
    std::fill(secret.text.begin() + static_cast<std::ptrdiff_t>(std::min(end, got)),
              secret.text.end(), '\0');
    secret.text.resize(std::min(end, got));
    if (secret.text.empty()) {
        return failure("the passphrase file " + shown + " holds no passphrase on its first line");
    }
    return {};
}

} // namespace

common::Result<void> checkEncryptOptions(const EncryptOptions& options) {
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
            return failure(std::string(name) + " is only used with --encrypt");
        }
    }
    if (!options.encrypt && options.passphraseFile) {
        return failure("--key-passphrase-file is only used with --encrypt");
    }
    if (!missing.empty()) {
        return failure("--encrypt also needs " + missing);
    }
    return {};
}

Encryption encrypt(const buttons::Button& plain, const EncryptOptions& options,
                   const char* environmentPassphrase) {
    Secret secret;
    std::optional<std::string_view> passphrase;
    if (options.passphraseFile) {
        if (common::Result<void> read = readPassphrase(*options.passphraseFile, secret); !read) {
            return {common::Failure{read.error()}, {}};
        }
        passphrase = secret.text;
    } else if (environmentPassphrase != nullptr && *environmentPassphrase != '\0') {
        passphrase = environmentPassphrase;
    }

    const crypto::KeyFiles files{*options.key, *options.certificate, *options.serviceCertificate};
    crypto::LoadedKeys loaded = crypto::loadKeys(files, passphrase, std::time(nullptr));
    if (const auto* failed = std::get_if<crypto::KeyFailure>(&loaded)) {
        std::string problem = failed->message;
        if (failed->problem == crypto::KeyProblem::PassphraseNeeded) {
            problem += std::string("; put it in ") + kPassphraseVariable +
                       " or in a file named by --key-passphrase-file";
        }
        return {failure(problem), {}};
    }
    const crypto::SellerKeys& keys = std::get<crypto::SellerKeys>(loaded);
    crypto::EncryptedButton encrypted = crypto::encryptButton(plain, keys, *options.certificateId);
    if (const auto* failed = std::get_if<crypto::EncryptFailure>(&encrypted)) {
        return {failure(failed->message), keys.warnings()};
    }
    return {std::move(std::get<buttons::Button>(encrypted)), keys.warnings()};
}

} // namespace ravelin::cli
