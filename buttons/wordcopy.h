// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Copying the short texts a button is made of without a call per text: whole 64-bit words, and
// texts shorter than a word with two overlapping loads and stores. Shared by the form's
// renderer and the summary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ravelin::buttons::detail {

template <typename Word> inline Word load(const char* at) {
    Word word{};
    std::memcpy(&word, at, sizeof word);
    return word;
}

template <typename Word> inline void store(char* at, Word word) {
    std::memcpy(at, &word, sizeof word);
}

// Copies a text shorter than a word with two overlapping loads and stores, and returns its
// bytes in one word padded with zero bytes (repeated bytes do not matter to the tests on it).
template <typename Half>
inline std::uint64_t copyShort(char* to, const char* from, std::size_t length) {
    const auto head = load<Half>(from);
    const auto tail = load<Half>(from + length - sizeof(Half));
    store(to, head);
    store(to + length - sizeof(Half), tail);
    return head | std::uint64_t{tail} << (8 * sizeof(Half));
}

inline std::uint64_t copyShort(char* to, const char* from, std::size_t length) {
    if (length >= 4) {
        return copyShort<std::uint32_t>(to, from, length);
    }
    if (length >= 2) {
        return copyShort<std::uint16_t>(to, from, length);
    }
    if (length == 1) {
        *to = *from;
        return static_cast<unsigned char>(*from);
    }
    return 0;
}

// Copies `text` to `to` and returns where it ends; up to two words without a call.
inline char* copyBytes(char* to, std::string_view text) {
    const std::size_t length = text.size();
    if (length < 8) {
        copyShort(to, text.data(), length);
    } else if (length <= 16) {
        const auto head = load<std::uint64_t>(text.data());
        const auto tail = load<std::uint64_t>(text.data() + length - 8);
        store(to, head);
        store(to + length - 8, tail);
    } else {
        std::memcpy(to, text.data(), length);
    }
    return to + length;
}

} // namespace ravelin::buttons::detail
