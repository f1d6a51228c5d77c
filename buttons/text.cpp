// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/text.h"

#include <algorithm>

namespace ravelin::buttons {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length in bytes of the well-formed character starting at `at`, or 0 when the bytes
// there do not form one (a stray continuation byte, a bad lead byte, a cut sequence, an
// overlong form, a surrogate or a value above U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!isContinuation(byte)) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) {
        return 0;
    }
    return length;
}

} // namespace

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) { // most characters: one byte, one unit
            ++units;
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(utf8, at);
        units += length == 4 ? 2 : 1;
        at += std::max<std::size_t>(length, 1);
    }
    return units;
}

std::string_view firstCharacter(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    return utf8.substr(0, std::max<std::size_t>(sequenceLength(utf8, 0), 1));
}

} // namespace ravelin::buttons
