// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Encrypted buttons: the hidden fields of a plain button, signed with the seller's key and
// encrypted for the payment service, so that no buyer can change a price in the page.
//
// The service reads the `encrypted` field as PKCS#7: the lines "name=value", each ending with a
// line feed, "cert_id" first and then every hidden field of the plain button in its order, are
// signed (binary, the seller's certificate included), and the signed DER is enveloped for the
// service's certificate with triple DES in CBC mode, the cipher the service's own description
// of encrypted buttons uses. The form then posts only `cmd` = "_s-xclick" and `encrypted`, the
// PEM text on one line, with `charset` beside them when the values need it; the description
// lines, the picture the buyer clicks and the summary stay as for the plain button.
#pragma once

#include "buttons/form.h"
#include "buttons/writers.h"
#include "crypto/keys.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ravelin::crypto {

// Why a button could not be encrypted, in one line for the seller.
struct EncryptFailure {
    std::string message;
};

using EncryptedButton = std::variant<buttons::Button, EncryptFailure>;

// The encrypted button for `plain`, a writer's result, signed with the seller's keys and
// carrying `certificateId`, the ID the service gave the seller's certificate. The summary
// gains the entry "Encrypted: Yes (certificate ID " + ID + ")".
EncryptedButton encryptButton(const buttons::Button& plain, const SellerKeys& keys,
                              std::string_view certificateId);

// The text that is signed: "cert_id=" + ID, then "name=value" for each field in order, every
// line ending with a line feed.
std::string signedLines(const std::vector<buttons::HiddenField>& fields,
                        std::string_view certificateId);

// Why `certificateId` cannot be a certificate ID, if it cannot: the service's IDs are letters
// and digits.
std::optional<std::string> certificateIdProblem(std::string_view certificateId);

} // namespace ravelin::crypto
