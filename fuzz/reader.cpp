// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The reader over any page: the buttons it finds lie in the page in order, and whatever answers
// it reads write a button that it reads back into answers that write the same button again.
#include "buttons/reader.h"

#include "buttons/writers.h"
#include "fuzz/support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

using namespace ravelin;

namespace {

std::vector<buttons::FoundButton> buttonsOf(std::string_view page) {
    buttons::PageButtons read = buttons::readButtons(page);
    fuzz::require(std::holds_alternative<std::vector<buttons::FoundButton>>(read),
                  "a page under the limit is read");
    return std::get<std::vector<buttons::FoundButton>>(std::move(read));
}

// The button the answers read from `found` write, in the context it was found in.
std::string written(const buttons::FoundButton& found) {
    std::string html;
    buttons::withReadAnswers(found, [&]<typename Type>(const auto& answers) {
        const std::string build = found.buildCode.starts_with(buttons::kBuildCodePrefix)
                                      ? found.buildCode
                                      : buttons::buildCode(3, 0, 1);
        buttons::Context context{found.account, build,
                                 found.sandbox ? buttons::Endpoints::sandbox()
                                               : buttons::Endpoints{}};
        html = Type::kWrite(answers, context).html;
    });
    return html;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string page(reinterpret_cast<const char*>(data), size);
    std::size_t after = 0;
    for (const buttons::FoundButton& found : buttonsOf(page)) {
        fuzz::require(after <= found.begin && found.begin < found.end && found.end <= page.size(),
                      "the buttons lie in the page one after another", page);
        fuzz::require(found.line >= 1 && found.line <= found.lastLine, "lines run forward");
        fuzz::require(page.compare(found.end - 1, 1, ">") == 0,
                      "a button ends with its form's tag");
        after = found.end;
        const std::string first = written(found);
        if (first.empty()) {
            continue;
        }
        const std::vector<buttons::FoundButton> again = buttonsOf(first);
        fuzz::require(again.size() == 1, "a written button is read back as one", first);
        fuzz::require(again[0].type == found.type, "it is read back as its type", first);
        fuzz::require(again[0].begin == 0 && again[0].end == first.size(), "it is read back whole",
                      first);
        fuzz::require(written(again[0]) == first, "it is read back into the same button", first);
    }
    return 0;
}
