// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The buttons already in pages: --from-html lists those of one page with the answers that write
// each again, --audit goes through the pages of a site and writes one line a button.
#pragma once

#include "common/result.h"

#include <string>
#include <vector>

namespace ravelin::cli {

// The buttons of the page in the file `name` ("-" for standard input) as a JSON array, one
// object a button in page order: "type" (the command's type word, null when it cannot be told),
// "line", "last_line", "account", "sandbox", "encrypted", "answers" (what `ravelin-button TYPE
// --answers` takes; null when they cannot be read) and "notes" (sentences on what was read
// differently from how it stands, or not kept). "[]" for a page without buttons.
common::Result<std::string> buttonsJson(const std::string& name);

struct Audit {
    std::string out;                   // a line a button, or with `json` the JSON array
    std::vector<std::string> problems; // a line each: a path that could not be read
    bool errors = false;               // a button's answers have errors
};

// The buttons of the .html and .htm files under each of `paths` (a folder is gone through with
// its subfolders, in the order of the names; a file is taken whatever its name), one line a
// button: `FILE:LINE: TYPE "item name" PRICE CURRENCY`, then those that apply of "sandbox",
// "encrypted", "legacy" (PayPal calls Buy Now and Add to Cart buttons a legacy integration)
// and the checker's count of errors and warnings, each after a comma. With `json`, the same as
// a JSON array of objects.
Audit audit(const std::vector<std::string>& paths, bool json);

} // namespace ravelin::cli
