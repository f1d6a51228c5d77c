// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Strict UTF-8: the shortest form of each character, no surrogate halves, nothing beyond
// U+10FFFF, no sequence cut short at the end.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace ravelin::common {

// The offset of the first byte that does not begin a well-formed UTF-8 sequence, or nothing
// when all of `bytes` is well-formed.
inline std::optional<std::size_t> firstInvalidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80; // the range of the second byte
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogate halves
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing beyond U+10FFFF
        } else {
            return i;
        }
        if (i + length > bytes.size()) {
            return i;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[i + k]);
            if (k == 1 ? (byte < low || byte > high) : (byte < 0x80 || byte > 0xBF)) {
                return i;
            }
        }
        i += length;
    }
    return std::nullopt;
}

// Appends the UTF-8 bytes of the character `c` to `out` (a std::string or a QByteArray).
template <typename Bytes> void appendUtf8(Bytes& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace ravelin::common
