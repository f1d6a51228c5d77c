// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/keys.h"

#include "crypto/handles.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <openssl/asn1.h>
#include <openssl/crypto.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ravelin::crypto {

SellerKeys::SellerKeys(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
SellerKeys::SellerKeys(SellerKeys&&) noexcept = default;
SellerKeys& SellerKeys::operator=(SellerKeys&&) noexcept = default;
SellerKeys::~SellerKeys() = default;

const std::vector<std::string>& SellerKeys::warnings() const {
    return parts_->warnings;
}

std::string takeOpenSslErrors() {
    std::string reasons;
    while (const unsigned long error = ERR_get_error()) {
        std::array<char, 256> text{};
        ERR_error_string_n(error, text.data(), text.size());
        reasons += reasons.empty() ? "" : "; ";
        reasons += text.data();
    }
    return reasons;
}

namespace {

std::string inQuotes(std::string_view path) {
    return "\"" + std::string(path) + "\"";
}

KeyFailure failure(KeyProblem problem, std::string message) {
    ERR_clear_error();
    return {problem, std::move(message)};
}

// The whole file, up to the bound, or why it cannot be had. `what` names the file for the user.
// Opened without waiting, so that a named pipe put in a file's place cannot hold the reader;
// what it is, is asked of the open file itself.
std::variant<std::string, KeyFailure> readFile(const std::string& path, std::string_view what) {
    if (path.empty()) {
        return failure(KeyProblem::MissingFile, "no " + std::string(what) + " was given");
    }
    // Closes the file when it goes.
    struct OpenFile {
        int fd;
        ~OpenFile() {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    } const file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0 && errno == ENOENT) {
        return failure(KeyProblem::MissingFile,
                       "the " + std::string(what) + " " + inQuotes(path) + " does not exist");
    }
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        const int cause = errno;
        return failure(KeyProblem::UnreadableFile, "cannot read the " + std::string(what) + " " +
                                                       inQuotes(path) + ": " +
                                                       std::strerror(cause));
    }
    if (!S_ISREG(status.st_mode)) {
        return failure(KeyProblem::UnreadableFile,
                       "the " + std::string(what) + " " + inQuotes(path) + " is not a file");
    }
    std::string bytes(kMaxKeyFileBytes + 1, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t now = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0) {
            const int cause = errno;
            return failure(KeyProblem::UnreadableFile, "cannot read the " + std::string(what) +
                                                           " " + inQuotes(path) + ": " +
                                                           std::strerror(cause));
        }
        if (now == 0) {
            break;
        }
        got += static_cast<std::size_t>(now);
    }
    if (got > kMaxKeyFileBytes) {
        return failure(KeyProblem::WrongFormat, "the " + std::string(what) + " " + inQuotes(path) +
                                                    " is too large to be a PEM file");
    }
    bytes.resize(got);
    return bytes;
}

// Where the first PEM block whose label ends with `labelEnd` starts ("PRIVATE KEY" finds the
// plain, the encrypted and the traditional RSA key), so that a file holding the certificate
// ahead of the key reads as well.
std::size_t findBlock(std::string_view text, std::string_view labelEnd) {
    constexpr std::string_view kBegin = "-----BEGIN ";
    for (std::size_t at = text.find(kBegin); at != std::string_view::npos;
         at = text.find(kBegin, at + 1)) {
        const std::size_t label = at + kBegin.size();
        const std::size_t end = text.find("-----", label);
        if (end != std::string_view::npos && text.substr(label, end - label).ends_with(labelEnd)) {
            return at;
        }
    }
    return std::string_view::npos;
}

bool holdsBlock(std::string_view text, std::string_view labelEnd) {
    return findBlock(text, labelEnd) != std::string_view::npos;
}

BioPtr memoryBio(std::string_view bytes) {
    return BioPtr(BIO_new_mem_buf(bytes.data(), static_cast<int>(bytes.size())));
}

// What the passphrase callback was asked and given.
struct PassphraseState {
    std::optional<std::string_view> passphrase;
    bool asked = false;
};

int passphraseCallback(char* buffer, int size, int /*rwflag*/, void* user) {
    auto* state = static_cast<PassphraseState*>(user);
    state->asked = true;
    if (!state->passphrase || size <= 0 ||
        state->passphrase->size() > static_cast<std::size_t>(size)) {
        return -1;
    }
    std::memcpy(buffer, state->passphrase->data(), state->passphrase->size());
    return static_cast<int>(state->passphrase->size());
}

// Never prompts: certificates carry no passphrase.
int noPassphrase(char* /*buffer*/, int /*size*/, int /*rwflag*/, void* /*user*/) {
    return -1;
}

std::variant<KeyPtr, KeyFailure> parseKey(const std::string& text, const std::string& path,
                                          std::optional<std::string_view> passphrase) {
    const std::size_t start = findBlock(text, "PRIVATE KEY");
    if (start == std::string::npos) {
        const bool isCertificate = holdsBlock(text, "CERTIFICATE");
        return failure(KeyProblem::WrongFormat,
                       "the private key file " + inQuotes(path) +
                           (isCertificate ? " holds a certificate, not a private key"
                                          : " does not hold a PEM private key"));
    }
    const BioPtr bio = memoryBio(std::string_view(text).substr(start));
    PassphraseState state{passphrase};
    KeyPtr key(PEM_read_bio_PrivateKey(bio.get(), nullptr, passphraseCallback, &state));
    if (key) {
        return key;
    }
    if (state.asked && !passphrase) {
        return failure(KeyProblem::PassphraseNeeded, "the private key in " + inQuotes(path) +
                                                         " is protected by a passphrase and "
                                                         "none was given");
    }
    if (state.asked) {
        return failure(KeyProblem::WrongPassphrase,
                       "the passphrase does not unlock the private key in " + inQuotes(path));
    }
    return failure(KeyProblem::WrongFormat,
                   "the private key file " + inQuotes(path) + " does not hold a PEM private key");
}

std::variant<CertPtr, KeyFailure> parseCertificate(const std::string& text, const std::string& path,
                                                   std::string_view what) {
    const BioPtr bio = memoryBio(text);
    CertPtr certificate(PEM_read_bio_X509(bio.get(), nullptr, noPassphrase, nullptr));
    if (certificate) {
        ERR_clear_error();
        return certificate;
    }
    const bool isKey = holdsBlock(text, "PRIVATE KEY") && !holdsBlock(text, "CERTIFICATE");
    return failure(KeyProblem::WrongFormat, "the " + std::string(what) + " " + inQuotes(path) +
                                                (isKey ? " holds a private key, not a certificate"
                                                       : " does not hold a PEM certificate"));
}

std::string dayOf(const ASN1_TIME* time) {
    std::tm parts{};
    std::array<char, 32> text{};
    if (ASN1_TIME_to_tm(time, &parts) != 1 ||
        std::strftime(text.data(), text.size(), "%Y-%m-%d", &parts) == 0) {
        return "an unreadable date";
    }
    return text.data();
}

// Why the certificate cannot be used at `now`, if it cannot. `owner` starts the message.
std::optional<KeyFailure> checkValidity(X509* certificate, std::time_t now,
                                        const std::string& owner, std::string_view renew) {
    const ASN1_TIME* notAfter = X509_get0_notAfter(certificate);
    const ASN1_TIME* notBefore = X509_get0_notBefore(certificate);
    if (X509_cmp_time(notAfter, &now) < 0) {
        return failure(KeyProblem::Expired,
                       owner + " expired on " + dayOf(notAfter) + "; " + std::string(renew));
    }
    if (X509_cmp_time(notBefore, &now) > 0) {
        return failure(KeyProblem::NotYetValid, owner + " is not valid before " + dayOf(notBefore));
    }
    return std::nullopt;
}

bool othersMayRead(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::perms perms = fs::status(path, error).permissions();
    return !error && (perms & (fs::perms::group_read | fs::perms::others_read)) != fs::perms::none;
}

} // namespace

LoadedKeys loadKeys(const KeyFiles& files, std::optional<std::string_view> passphrase,
                    std::time_t now) {
    ERR_clear_error();
    auto parts = std::make_unique<SellerKeys::Parts>();

    auto keyText = readFile(files.privateKey, "private key file");
    if (auto* problem = std::get_if<KeyFailure>(&keyText)) {
        return std::move(*problem);
    }
    auto key = parseKey(std::get<std::string>(keyText), files.privateKey, passphrase);
    OPENSSL_cleanse(std::get<std::string>(keyText).data(), std::get<std::string>(keyText).size());
    if (auto* problem = std::get_if<KeyFailure>(&key)) {
        return std::move(*problem);
    }
    parts->key = std::move(std::get<KeyPtr>(key));

    const struct {
        const std::string& path;
        std::string_view what;
        CertPtr& into;
    } certificates[] = {
        {files.certificate, "certificate file", parts->certificate},
        {files.serviceCertificate, "PayPal certificate file", parts->serviceCertificate},
    };
    for (const auto& wanted : certificates) {
        auto text = readFile(wanted.path, wanted.what);
        if (auto* problem = std::get_if<KeyFailure>(&text)) {
            return std::move(*problem);
        }
        auto certificate = parseCertificate(std::get<std::string>(text), wanted.path, wanted.what);
        if (auto* problem = std::get_if<KeyFailure>(&certificate)) {
            return std::move(*problem);
        }
        wanted.into = std::move(std::get<CertPtr>(certificate));
    }

    if (X509_check_private_key(parts->certificate.get(), parts->key.get()) != 1) {
        return failure(KeyProblem::KeyMismatch, "the private key in " + inQuotes(files.privateKey) +
                                                    " does not belong to the certificate in " +
                                                    inQuotes(files.certificate));
    }
    if (auto problem = checkValidity(parts->certificate.get(), now,
                                     "the certificate in " + inQuotes(files.certificate),
                                     "make a new one and upload it to PayPal")) {
        return std::move(*problem);
    }
    if (auto problem =
            checkValidity(parts->serviceCertificate.get(), now,
                          "PayPal's certificate in " + inQuotes(files.serviceCertificate),
                          "download the current one from PayPal")) {
        return std::move(*problem);
    }

    if (othersMayRead(files.privateKey)) {
        parts->warnings.push_back("the private key file " + inQuotes(files.privateKey) +
                                  " can be read by other users; chmod 600 makes it private");
    }
    ERR_clear_error();
    return SellerKeys(std::move(parts));
}

} // namespace ravelin::crypto
