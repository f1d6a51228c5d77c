// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The reader: finds the PayPal buttons in a page and turns each back into the answers that
// write it again. A button is a <form> posting to PayPal's web-payment endpoint (live or
// sandbox, with or without "www.", over http or https), together with the description lines
// our writers put right before it. A button of ours, told by its build code, reads back into
// answers that write it again byte for byte, all but the build code when it is of another
// release. A button made elsewhere keeps every field it posts: those no box of the wizard takes
// go into the type's Advanced variables box, a picture not one of ours is the custom picture's
// address. What could not be kept, or was read differently from how it stands in the page, is
// told in the button's notes, one plain sentence each.
#pragma once

#include "buttons/answers.h"
#include "buttons/buttontypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ravelin::buttons {

// The largest page read.
inline constexpr std::size_t kMaxPageSize = std::size_t{64} * 1024 * 1024;

// The answers of the button's type; nothing for a button whose answers cannot be read (an
// unknown command, a button saved in the PayPal account).
using ReadAnswers = std::variant<std::monostate, BuyNowAnswers, AddToCartAnswers, ViewCartAnswers,
                                 DonateAnswers, SubscribeAnswers>;

struct FoundButton {
    // The type's command-line name (Type::kName); empty when the type cannot be told.
    std::string_view type;
    // Byte offsets in the page of the whole button: from its first description line, or the
    // form when it has none, to the end of "</form>".
    std::size_t begin = 0;
    std::size_t end = 0;
    // The 1-based lines of `begin` and of the last byte of the button.
    std::size_t line = 0;
    std::size_t lastLine = 0;
    std::string account; // the `business` field
    bool sandbox = false;
    // Encrypted: the form posts only "_s-xclick" and the sealed fields. Its answers hold what
    // its description lines and picture tell, the rest are the type's defaults.
    bool encrypted = false;
    // The build code the button carries, "" for none; ours begin with kBuildCodePrefix.
    std::string buildCode;
    ReadAnswers answers;
    std::vector<std::string> notes;
};

// Why a page was not read, in one line.
struct ReadFailure {
    std::string message;
};

using PageButtons = std::variant<std::vector<FoundButton>, ReadFailure>;

// Every button of `page`, in page order. A page larger than kMaxPageSize fails. A form that is
// never closed is no button, and no form after it closes either: where they end cannot be told.
PageButtons readButtons(std::string_view page);

// Calls `f.template operator()<Type>(answers)` with the button's type and answers; false when
// its answers could not be read.
template <typename F> bool withReadAnswers(const FoundButton& button, F&& f) {
    bool called = false;
    forEachButtonType([&]<typename Type>() {
        if (const auto* answers = std::get_if<typename Type::Answers>(&button.answers)) {
            called = true;
            f.template operator()<Type>(*answers);
        }
    });
    return called;
}

} // namespace ravelin::buttons
