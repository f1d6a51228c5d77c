// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Helpers that spell out expected button texts line by line.
#pragma once

#include "buttons/writers.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin::buttons::testing {

inline constexpr std::string_view kFormLine =
    R"(<form action="https://www.paypal.com/cgi-bin/webscr" target="paypal" method="post">)";

// The context of the worked examples: ACCOUNT and BUILD stand for themselves.
inline Context exampleContext() {
    return Context{"ACCOUNT", "BUILD", Endpoints{}};
}

// Lines joined by CRLF, the last one without it, as the HTML box holds them.
inline std::string htmlLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += line;
    }
    return text;
}

// Summary entries, each followed by CRLF CRLF.
inline std::string summaryEntries(std::initializer_list<std::string_view> entries) {
    std::string text;
    for (std::string_view entry : entries) {
        text += entry;
        text += "\r\n\r\n";
    }
    return text;
}

// The HTML split at CRLF.
inline std::vector<std::string> splitLines(std::string_view html) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = html.find("\r\n", start)) != std::string_view::npos;
         start = end + 2) {
        lines.emplace_back(html.substr(start, end - start));
    }
    lines.emplace_back(html.substr(start));
    return lines;
}

// The value written for hidden field `name`, or nothing when the field is absent.
inline std::optional<std::string> fieldValue(std::string_view html, std::string_view name) {
    const std::string key = R"(<input type="hidden" name=")" + std::string(name) + R"(" value=")";
    const std::size_t at = html.find(key);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t start = at + key.size();
    return std::string(html.substr(start, html.find('"', start) - start));
}

// The hidden fields' names in order of appearance.
inline std::vector<std::string> fieldNames(std::string_view html) {
    std::vector<std::string> names;
    constexpr std::string_view key = R"(<input type="hidden" name=")";
    for (std::size_t at = html.find(key); at != std::string_view::npos;
         at = html.find(key, at + 1)) {
        const std::size_t start = at + key.size();
        names.emplace_back(html.substr(start, html.find('"', start) - start));
    }
    return names;
}

// The address of a standard picture, in the folder of `endpoints` (for Subscriptions, its own
// folder on the endpoint's host).
inline std::string picture(std::string_view name, const Endpoints& endpoints = {},
                           bool subscription = false) {
    return (subscription ? endpoints.subscriptionImages : endpoints.images) + std::string(name);
}

// The source of the image element, or nothing when the form has none.
inline std::optional<std::string> imageSource(std::string_view html) {
    constexpr std::string_view key = R"(<input type="image" src=")";
    const std::size_t at = html.find(key);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t start = at + key.size();
    return std::string(html.substr(start, html.find('"', start) - start));
}

inline bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace ravelin::buttons::testing
