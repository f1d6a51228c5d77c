// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The three sample catalogue pages the examples panel pastes for first-time users: small
// tables of sample items, each with a working payment form. Every text is ready to paste:
// double quotes only, CR LF between lines and none after the last.
#pragma once

#include <QString>

namespace ravelin::extras {

// One music CD with a Buy Now button; ends with "</table>".
QString buyNowSample();

// Four clothing items with Add to Cart buttons in a two-row table, then a View Cart form;
// ends with that form's "</form>".
QString shoppingCartSample();

// One newsletter offered twice, with a free first month and as a plain six-month plan, each
// in its own table with a Subscribe button; ends with "</table>".
QString subscriptionSample();

} // namespace ravelin::extras
