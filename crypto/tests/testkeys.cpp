// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/tests/testkeys.h"

#include "crypto/handles.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <openssl/err.h>
#include <openssl/objects.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace ravelin::crypto::testing {

namespace {

namespace fs = std::filesystem;

// One RSA key per party, made the first time a test program needs it: making keys is the
// slow part.
EVP_PKEY* keyOf(Who who) {
    static std::array<KeyPtr, 3> keys;
    KeyPtr& key = keys[static_cast<std::size_t>(who)];
    if (!key) {
        key.reset(EVP_RSA_gen(2048));
        if (!key) {
            throw std::runtime_error("cannot make an RSA key: " + takeOpenSslErrors());
        }
    }
    return key.get();
}

const char* nameOf(Who who) {
    switch (who) {
    case Who::Seller:
        return "Test Seller";
    case Who::Service:
        return "Test Payment Service";
    case Who::Stranger:
        break;
    }
    return "Someone Else";
}

CertPtr makeCertificate(Who who, long fromDays, long toDays) {
    static long serial = 1;
    EVP_PKEY* key = keyOf(who);
    CertPtr certificate(X509_new());
    constexpr long kDay = 24L * 60 * 60;
    X509_NAME* name = X509_get_subject_name(certificate.get());
    const bool made =
        X509_set_version(certificate.get(), X509_VERSION_3) == 1 &&
        ASN1_INTEGER_set(X509_get_serialNumber(certificate.get()), serial++) == 1 &&
        X509_gmtime_adj(X509_getm_notBefore(certificate.get()), fromDays * kDay) != nullptr &&
        X509_gmtime_adj(X509_getm_notAfter(certificate.get()), toDays * kDay) != nullptr &&
        X509_set_pubkey(certificate.get(), key) == 1 &&
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char*>(nameOf(who)), -1, -1,
                                   0) == 1 &&
        X509_set_issuer_name(certificate.get(), name) == 1 &&
        X509_sign(certificate.get(), key, EVP_sha256()) > 0;
    if (!made) {
        throw std::runtime_error("cannot make a certificate: " + takeOpenSslErrors());
    }
    return certificate;
}

std::string pemOf(const std::function<int(BIO*)>& write) {
    const BioPtr bio(BIO_new(BIO_s_mem()));
    if (write(bio.get()) != 1) {
        throw std::runtime_error("cannot write PEM: " + takeOpenSslErrors());
    }
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

std::string certificatePem(Who who, long fromDays, long toDays) {
    const CertPtr certificate = makeCertificate(who, fromDays, toDays);
    return pemOf([&](BIO* bio) { return PEM_write_bio_X509(bio, certificate.get()); });
}

} // namespace

TestKeys::TestKeys() {
    std::string pattern = (fs::temp_directory_path() / "ravelin-keys-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder for test keys");
    }
    folder_ = pattern;
    writeKey("seller.key", Who::Seller);
    writeCertificate("seller.crt", Who::Seller, -1, 365);
    writeCertificate("service.crt", Who::Service, -1, 365);
}

TestKeys::~TestKeys() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

KeyFiles TestKeys::files() const {
    return {(folder_ / "seller.key").string(), (folder_ / "seller.crt").string(),
            (folder_ / "service.crt").string()};
}

std::string TestKeys::writeText(const std::string& name, std::string_view text) {
    const fs::path path = folder_ / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
    return path.string();
}

std::string TestKeys::writeKey(const std::string& name, Who who,
                               std::optional<std::string> passphrase, bool traditional,
                               fs::perms mode) {
    EVP_PKEY* key = keyOf(who);
    const EVP_CIPHER* cipher = passphrase ? EVP_aes_256_cbc() : nullptr;
    auto* secret = passphrase ? reinterpret_cast<unsigned char*>(passphrase->data()) : nullptr;
    const int length = passphrase ? static_cast<int>(passphrase->size()) : 0;
    const std::string pem = pemOf([&](BIO* bio) {
        return traditional
                   ? PEM_write_bio_PrivateKey_traditional(bio, key, cipher, secret, length, nullptr,
                                                          nullptr)
                   : PEM_write_bio_PrivateKey(bio, key, cipher, secret, length, nullptr, nullptr);
    });
    std::string path = writeText(name, pem);
    fs::permissions(path, mode);
    return path;
}

std::string TestKeys::writeCertificate(const std::string& name, Who who, long fromDays,
                                       long toDays) {
    return writeText(name, certificatePem(who, fromDays, toDays));
}

Opened TestKeys::open(std::string_view encrypted) const {
    Opened opened;
    constexpr std::string_view kBegin = "-----BEGIN PKCS7-----";
    constexpr std::string_view kEnd = "-----END PKCS7-----";
    if (!encrypted.starts_with(kBegin) || !encrypted.ends_with(kEnd)) {
        opened.error = "not PEM PKCS#7 on one line";
        return opened;
    }
    const std::string base64(
        encrypted.substr(kBegin.size(), encrypted.size() - kBegin.size() - kEnd.size()));
    std::vector<unsigned char> der(base64.size());
    const int decoded =
        EVP_DecodeBlock(der.data(), reinterpret_cast<const unsigned char*>(base64.data()),
                        static_cast<int>(base64.size()));
    if (decoded < 0) {
        opened.error = "not base64";
        return opened;
    }
    const unsigned char* at = der.data();
    const Pkcs7Ptr enveloped(d2i_PKCS7(nullptr, &at, decoded));
    if (!enveloped || !PKCS7_type_is_enveloped(enveloped.get())) {
        opened.error = "not an enveloped PKCS#7";
        return opened;
    }
    opened.cipher =
        OBJ_nid2sn(OBJ_obj2nid(enveloped.get()->d.enveloped->enc_data->algorithm->algorithm));

    const CertPtr serviceCertificate = [&] {
        const BioPtr in(BIO_new_file((folder_ / "service.crt").c_str(), "r"));
        return CertPtr(PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr));
    }();
    const BioPtr signedDer(BIO_new(BIO_s_mem()));
    if (PKCS7_decrypt(enveloped.get(), keyOf(Who::Service), serviceCertificate.get(),
                      signedDer.get(), 0) != 1) {
        opened.error = "cannot decrypt: " + takeOpenSslErrors();
        return opened;
    }
    const Pkcs7Ptr signedData(d2i_PKCS7_bio(signedDer.get(), nullptr));
    if (!signedData || !PKCS7_type_is_signed(signedData.get())) {
        opened.error = "the decrypted message is not signed data";
        return opened;
    }

    const CertPtr sellerCertificate = [&] {
        const BioPtr in(BIO_new_file((folder_ / "seller.crt").c_str(), "r"));
        return CertPtr(PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr));
    }();
    using Store = std::unique_ptr<X509_STORE, Freer<X509_STORE_free>>;
    const Store trusted(X509_STORE_new());
    X509_STORE_add_cert(trusted.get(), sellerCertificate.get());
    const BioPtr content(BIO_new(BIO_s_mem()));
    opened.signatureValid =
        PKCS7_verify(signedData.get(), nullptr, trusted.get(), nullptr, content.get(), 0) == 1;
    if (!opened.signatureValid) {
        opened.error = "the signature does not check out: " + takeOpenSslErrors();
    }
    char* data = nullptr;
    const long size = BIO_get_mem_data(content.get(), &data);
    opened.lines.assign(data, static_cast<std::size_t>(size));

    const CertStackPtr signers(PKCS7_get0_signers(signedData.get(), nullptr, 0));
    opened.signedBySeller = signers && sk_X509_num(signers.get()) == 1 &&
                            X509_cmp(sk_X509_value(signers.get(), 0), sellerCertificate.get()) == 0;
    ERR_clear_error();
    return opened;
}

} // namespace ravelin::crypto::testing
