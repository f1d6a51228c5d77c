// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/writers.h"

#include <string>

namespace ravelin::buttons {

Endpoints Endpoints::sandbox() {
    Endpoints endpoints;
    endpoints.webscr = "https://www.sandbox.paypal.com/cgi-bin/webscr";
    endpoints.images = "http://www.sandbox.paypal.com/images/";
    endpoints.subscriptionImages = "https://www.sandbox.paypal.com/images/";
    endpoints.isSandbox = true;
    return endpoints;
}

std::string buildCode(int major, int minor, int revision) {
    return std::string(kBuildCodePrefix) + std::to_string(major) + std::to_string(minor) +
           std::to_string(revision);
}

} // namespace ravelin::buttons
