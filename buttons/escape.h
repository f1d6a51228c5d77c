// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one escaping of what the writers put into HTML: & < > become their entities, and inside
// an attribute value (always written between double quotes) the double quote as well.
#pragma once

#include <string>
#include <string_view>

namespace ravelin::buttons {

// Appends `text` as visible text: a double quote stays as it is.
void appendText(std::string& out, std::string_view text);

// Appends `value` as the value of an attribute written between double quotes.
void appendAttribute(std::string& out, std::string_view value);

} // namespace ravelin::buttons
