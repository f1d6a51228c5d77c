// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "crypto/encrypt.h"

#include "crypto/handles.h"

#include <algorithm>
#include <openssl/buffer.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <utility>

namespace ravelin::crypto {

namespace {

constexpr std::size_t kMaxCertificateIdLength = 64;

bool isLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

EncryptFailure openSslFailure(std::string_view step) {
    std::string message = "could not " + std::string(step);
    if (const std::string reasons = takeOpenSslErrors(); !reasons.empty()) {
        message += ": " + reasons;
    }
    return {message};
}

std::string_view contents(BIO* bio) {
    BUF_MEM* memory = nullptr;
    BIO_get_mem_ptr(bio, &memory);
    return memory ? std::string_view(memory->data, memory->length) : std::string_view();
}

// The signed and enveloped PKCS#7 of `lines` as PEM text without line breaks, or why not.
std::variant<std::string, EncryptFailure> sealLines(const std::string& lines,
                                                    const SellerKeys::Parts& keys) {
    const BioPtr plain(BIO_new_mem_buf(lines.data(), static_cast<int>(lines.size())));
    const Pkcs7Ptr signedData(
        PKCS7_sign(keys.certificate.get(), keys.key.get(), nullptr, plain.get(), PKCS7_BINARY));
    if (!signedData) {
        return openSslFailure("sign the button with your private key");
    }
    const BioPtr der(BIO_new(BIO_s_mem()));
    if (!der || i2d_PKCS7_bio(der.get(), signedData.get()) != 1) {
        return openSslFailure("write the signed button");
    }

    const CertStackPtr recipients(sk_X509_new_null());
    if (!recipients || sk_X509_push(recipients.get(), keys.serviceCertificate.get()) <= 0) {
        return openSslFailure("prepare PayPal's certificate");
    }
    const Pkcs7Ptr enveloped(
        PKCS7_encrypt(recipients.get(), der.get(), EVP_des_ede3_cbc(), PKCS7_BINARY));
    if (!enveloped) {
        return openSslFailure("encrypt the button for PayPal's certificate");
    }
    const BioPtr pem(BIO_new(BIO_s_mem()));
    if (!pem || PEM_write_bio_PKCS7(pem.get(), enveloped.get()) != 1) {
        return openSslFailure("write the encrypted button");
    }
    std::string text(contents(pem.get()));
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return text;
}

} // namespace

std::optional<std::string> certificateIdProblem(std::string_view certificateId) {
    if (certificateId.empty()) {
        return "no certificate ID was given; PayPal shows it beside your uploaded certificate";
    }
    if (certificateId.size() > kMaxCertificateIdLength ||
        !std::ranges::all_of(certificateId, isLetterOrDigit)) {
        return "the certificate ID \"" + std::string(certificateId) +
               "\" is not one PayPal gives: those are letters and digits only";
    }
    return std::nullopt;
}

std::string signedLines(const std::vector<buttons::HiddenField>& fields,
                        std::string_view certificateId) {
    std::string lines = "cert_id=";
    lines += certificateId;
    lines += '\n';
    for (const buttons::HiddenField& field : fields) {
        lines += field.name;
        lines += '=';
        lines += field.value;
        lines += '\n';
    }
    return lines;
}

EncryptedButton encryptButton(const buttons::Button& plain, const SellerKeys& keys,
                              std::string_view certificateId) {
    if (auto problem = certificateIdProblem(certificateId)) {
        return EncryptFailure{std::move(*problem)};
    }
    const std::vector<buttons::HiddenField> fields = plain.form.hiddenFields();
    for (const buttons::HiddenField& field : fields) {
        if (holdsLineBreak(field.name) || holdsLineBreak(field.value)) {
            return EncryptFailure{"the value of \"" + field.name +
                                  "\" holds a line break, which an encrypted button cannot carry"};
        }
    }

    ERR_clear_error();
    auto sealed = sealLines(signedLines(fields, certificateId), keys.parts());
    if (auto* problem = std::get_if<EncryptFailure>(&sealed)) {
        return std::move(*problem);
    }

    std::vector<buttons::HiddenField> posted = {
        {"cmd", "_s-xclick", false},
        {"encrypted", std::move(std::get<std::string>(sealed)), false},
    };
    // The service reads the decrypted values in the encoding this field names.
    const auto charset = std::ranges::find(fields, "charset", &buttons::HiddenField::name);
    if (charset != fields.end()) {
        posted.push_back(*charset);
    }

    buttons::Button button;
    button.form = plain.form.withHiddenFields(std::move(posted));
    button.action = plain.action;
    button.html = button.form.render(button.action);
    button.summary = plain.summary;
    button.summary += "Encrypted: Yes (certificate ID ";
    button.summary += certificateId;
    button.summary += ")\r\n\r\n";
    return button;
}

} // namespace ravelin::crypto
