// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Owning handles for the OpenSSL objects the library uses, and what SellerKeys holds. Only the
// library's own sources include this header.
#pragma once

#include "crypto/keys.h"

#include <memory>
#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pkcs7.h>
#include <openssl/x509.h>
#include <string>
#include <vector>

namespace ravelin::crypto {

template <auto Free> struct Freer {
    template <typename T> void operator()(T* object) const { Free(object); }
};

using BioPtr = std::unique_ptr<BIO, Freer<BIO_free_all>>;
using KeyPtr = std::unique_ptr<EVP_PKEY, Freer<EVP_PKEY_free>>;
using CertPtr = std::unique_ptr<X509, Freer<X509_free>>;
using Pkcs7Ptr = std::unique_ptr<PKCS7, Freer<PKCS7_free>>;

// A stack of certificates it does not own (sk_X509_free is a macro, so no Freer).
struct CertStackFree {
    void operator()(STACK_OF(X509) * stack) const { sk_X509_free(stack); }
};
using CertStackPtr = std::unique_ptr<STACK_OF(X509), CertStackFree>;

struct SellerKeys::Parts {
    KeyPtr key;
    CertPtr certificate;
    CertPtr serviceCertificate;
    std::vector<std::string> warnings;
};

// The reasons of the errors OpenSSL has queued, joined by "; ", and the queue emptied.
std::string takeOpenSslErrors();

} // namespace ravelin::crypto
