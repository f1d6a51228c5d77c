// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/escape.h"

namespace ravelin::buttons {

namespace {

// Appends `text` with & < > replaced by their entities, and in an attribute also the double
// quote; runs of other characters are appended at once.
void appendEscaped(std::string& out, std::string_view text, bool attribute) {
    std::size_t run = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string_view entity;
        switch (text[at]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            entity = attribute ? "&quot;" : "";
            break;
        default:
            break;
        }
        if (!entity.empty()) {
            out.append(text.substr(run, at - run));
            out.append(entity);
            run = at + 1;
        }
    }
    out.append(text.substr(run));
}

} // namespace

void appendText(std::string& out, std::string_view text) {
    appendEscaped(out, text, false);
}

void appendAttribute(std::string& out, std::string_view value) {
    appendEscaped(out, value, true);
}

} // namespace ravelin::buttons
