// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The money format of the price fields. Prices are decimal texts typed by the user; they are
// rounded by exact decimal arithmetic on the digits as typed, never through binary floating
// point, and may be of any length.
#pragma once

#include <string>
#include <string_view>

namespace ravelin::buttons {

// The money format of an amount in the currency `currencyCode` (buttons/currency.h; the empty
// code for none). For a currency with two decimals, and for none, the "#.00" pattern: the whole
// part without leading zeros (nothing at all when it is zero), ".", and exactly two decimals,
// rounded half away from zero: "10" gives "10.00", "0.5" gives ".50", "2.675" gives "2.68",
// "-1.234" gives "-1.23". A currency without decimals (the Japanese yen, the Hungarian forint,
// the New Taiwan dollar) is rounded half away from zero to a whole number with no decimal
// separator ("1000.5" gives "1001", "0.4" gives "0"). A result of zero carries no sign.
//
// A price text is a number when, after optional leading and trailing blanks, it is an optional
// sign and digits with at most one "." and at least one digit ("5.", ".5", "+3", "007"). The
// empty text stays empty and any other text ("12,50", "$5", "1e3") is returned as typed.
std::string formatAmount(std::string_view price, std::string_view currencyCode);

} // namespace ravelin::buttons
