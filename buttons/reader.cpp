// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/reader.h"

#include "buttons/currency.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/text.h"
#include "buttons/writers.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <utility>

namespace ravelin::buttons {

namespace {

// ---- Reading HTML ---------------------------------------------------------------------------

// How far before a form its first description line is looked for: far longer than any name.
constexpr std::size_t kDescriptionReach = std::size_t{64} * 1024;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), lower);
    return out;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text, bool (*blank)(char) = isSpace) {
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Where `what`, all lower case, next stands in `text` from `from`, case aside.
std::size_t findNoCase(std::string_view text, std::string_view what, std::size_t from) {
    const auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(),
                    what.end(), [](char a, char b) { return lower(a) == b; });
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

void appendUtf8(std::string& out, char32_t c) {
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

// The character a character reference at the start of `text` ("&amp;", "&#233;", "&#xE9;")
// stands for, and its length; nothing for any other text, which stays as it is.
std::optional<std::pair<std::string, std::size_t>> reference(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNamed = {{
        {"&amp;", "&"},
        {"&lt;", "<"},
        {"&gt;", ">"},
        {"&quot;", "\""},
        {"&apos;", "'"},
        {"&nbsp;", "\u00A0"},
    }};
    for (const auto& [name, character] : kNamed) {
        if (text.starts_with(name)) {
            return std::pair{std::string(character), name.size()};
        }
    }
    if (!text.starts_with("&#")) {
        return std::nullopt;
    }
    const bool hex = text.size() > 2 && lower(text[2]) == 'x';
    std::size_t at = hex ? 3 : 2;
    char32_t value = 0;
    const std::size_t first = at;
    for (; at < text.size() && at - first < 8; ++at) {
        const char c = lower(text[at]);
        if (isDigit(c)) {
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(c - '0');
        } else if (hex && c >= 'a' && c <= 'f') {
            value = value * 16 + static_cast<char32_t>(c - 'a' + 10);
        } else {
            break;
        }
    }
    if (at == first || at >= text.size() || text[at] != ';' || value == 0 || value > 0x10FFFF ||
        (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    std::string character;
    appendUtf8(character, value);
    return std::pair{std::move(character), at + 1};
}

// `text` with its character references replaced by the characters they stand for.
std::string decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t amp = text.find('&', at);
        if (amp == std::string_view::npos) {
            out.append(text.substr(at));
            break;
        }
        out.append(text.substr(at, amp - at));
        if (const auto character = reference(text.substr(amp))) {
            out += character->first;
            at = amp + character->second;
        } else {
            out += '&';
            at = amp + 1;
        }
    }
    return out;
}

struct Attribute {
    std::string name; // lower case
    std::string value;
};

struct Tag {
    std::string name; // lower case
    bool closing = false;
    std::vector<Attribute> attributes;
    std::size_t begin = 0;
    std::size_t end = 0; // just past its ">"

    std::optional<std::string> attribute(std::string_view name) const {
        const auto found = std::ranges::find(attributes, name, &Attribute::name);
        return found == attributes.end() ? std::nullopt : std::optional(found->value);
    }
};

// The tags of a page one after another. Comments, declarations and the contents of the
// elements whose text is no markup (script, style, textarea, title) are stepped over.
class Scanner {
public:
    explicit Scanner(std::string_view page) : page_(page) {}

    std::size_t position() const { return at_; }
    void seek(std::size_t at) { at_ = at; }

    std::optional<Tag> next() {
        while (true) {
            const std::size_t open = page_.find('<', at_);
            if (open == std::string_view::npos) {
                at_ = page_.size();
                return std::nullopt;
            }
            const std::string_view rest = page_.substr(open);
            if (rest.starts_with("<!--")) {
                const std::size_t close = page_.find("-->", open + 4);
                at_ = close == std::string_view::npos ? page_.size() : close + 3;
                continue;
            }
            if (rest.size() > 1 && (rest[1] == '!' || rest[1] == '?')) {
                const std::size_t close = page_.find('>', open);
                at_ = close == std::string_view::npos ? page_.size() : close + 1;
                continue;
            }
            const bool closing = rest.size() > 1 && rest[1] == '/';
            const std::size_t nameAt = open + (closing ? 2 : 1);
            if (nameAt >= page_.size() || !isLetter(page_[nameAt])) {
                at_ = open + 1;
                continue;
            }
            std::optional<Tag> tag = readTag(open, nameAt, closing);
            if (!tag) {
                at_ = page_.size();
                return std::nullopt;
            }
            at_ = tag->end;
            static constexpr std::array<std::string_view, 5> kRawText = {
                "script", "style", "textarea", "title", "xmp"};
            if (!tag->closing && std::ranges::find(kRawText, tag->name) != kRawText.end()) {
                const std::size_t close = findNoCase(page_, "</" + tag->name, at_);
                at_ = close == std::string_view::npos ? page_.size() : close;
            }
            return tag;
        }
    }

    // The text from the position to the next "<", references replaced.
    std::string text() const {
        const std::size_t open = std::min(page_.find('<', at_), page_.size());
        return decoded(page_.substr(at_, open - at_));
    }

private:
    std::optional<Tag> readTag(std::size_t open, std::size_t at, bool closing) {
        Tag tag;
        tag.begin = open;
        tag.closing = closing;
        const std::size_t nameEnd = std::min(page_.find_first_of(" \t\r\n\f/>", at), page_.size());
        tag.name = lowered(page_.substr(at, nameEnd - at));
        at = nameEnd;
        while (at < page_.size()) {
            const char c = page_[at];
            if (isSpace(c) || c == '/') {
                ++at;
                continue;
            }
            if (c == '>') {
                tag.end = at + 1;
                return tag;
            }
            const std::size_t attributeEnd =
                std::min(page_.find_first_of(" \t\r\n\f/>=", at + 1), page_.size());
            Attribute attribute{lowered(page_.substr(at, attributeEnd - at)), {}};
            at = attributeEnd;
            while (at < page_.size() && isSpace(page_[at])) {
                ++at;
            }
            if (at < page_.size() && page_[at] == '=') {
                ++at;
                while (at < page_.size() && isSpace(page_[at])) {
                    ++at;
                }
                if (at < page_.size() && (page_[at] == '"' || page_[at] == '\'')) {
                    const std::size_t close = page_.find(page_[at], at + 1);
                    if (close == std::string_view::npos) {
                        return std::nullopt;
                    }
                    attribute.value = decoded(page_.substr(at + 1, close - at - 1));
                    at = close + 1;
                } else {
                    const std::size_t valueEnd =
                        std::min(page_.find_first_of(" \t\r\n\f>", at), page_.size());
                    attribute.value = decoded(page_.substr(at, valueEnd - at));
                    at = valueEnd;
                }
            }
            tag.attributes.push_back(std::move(attribute));
        }
        return std::nullopt;
    }

    std::string_view page_;
    std::size_t at_ = 0;
};

// Whether `action` is PayPal's web-payment endpoint, and on which host.
enum class Endpoint { None, Live, Sandbox };

Endpoint endpointOf(std::string_view action) {
    std::string address = lowered(trimmed(action));
    for (const std::string_view scheme : {"https://", "http://"}) {
        if (!address.starts_with(scheme)) {
            continue;
        }
        std::string_view rest = std::string_view(address).substr(scheme.size());
        const std::size_t query = rest.find('?');
        rest = rest.substr(0, query);
        for (const std::string_view host : {"www.paypal.com", "paypal.com"}) {
            if (rest == std::string(host) + "/cgi-bin/webscr") {
                return Endpoint::Live;
            }
        }
        for (const std::string_view host : {"www.sandbox.paypal.com", "sandbox.paypal.com"}) {
            if (rest == std::string(host) + "/cgi-bin/webscr") {
                return Endpoint::Sandbox;
            }
        }
    }
    return Endpoint::None;
}

// ---- What a form holds ----------------------------------------------------------------------

struct Posted {
    std::string name;
    std::string value;
};

// An option the buyer sets: a menu (`osN` as a select) or a text box (`osN` as a text input),
// with the name its hidden `onN` gives it.
struct BuyerControl {
    std::string field; // "os0"
    bool menu = false;
    std::vector<std::string> choices;  // a menu's posted values, in order
    std::vector<std::string> captions; // and what it shows for each
    std::optional<std::string> name;
    std::size_t at = 0; // the number of hidden fields before it
};

struct FormContents {
    std::vector<Posted> hidden;
    std::vector<BuyerControl> controls;
    std::optional<std::string> picture;
    std::vector<std::string> notes;
    std::size_t end = 0; // just past "</form>"
};

bool isOptionField(std::string_view name, std::string_view prefix) {
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           std::ranges::all_of(name.substr(prefix.size()), isDigit);
}

std::string quotedName(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The rest of a form from after its opening tag to its "</form>"; nothing when it is never
// closed.
std::optional<FormContents> readForm(Scanner& scanner) {
    FormContents form;
    while (std::optional<Tag> tag = scanner.next()) {
        if (tag->name == "form" && tag->closing) {
            form.end = tag->end;
            // Each osN is named by the hidden onN nearest before it (an onN among the advanced
            // variables stands further up), else by the first after it.
            std::map<std::string_view, std::set<std::size_t>> unclaimed;
            for (std::size_t i = 0; i < form.hidden.size(); ++i) {
                if (isOptionField(form.hidden[i].name, "on")) {
                    unclaimed[form.hidden[i].name].insert(i);
                }
            }
            std::vector<bool> naming(form.hidden.size(), false);
            for (BuyerControl& control : form.controls) {
                const auto label = unclaimed.find("on" + control.field.substr(2));
                if (label == unclaimed.end() || label->second.empty()) {
                    continue;
                }
                std::set<std::size_t>& at = label->second;
                auto chosen = at.lower_bound(control.at);
                if (chosen != at.begin()) {
                    --chosen;
                }
                control.name = form.hidden[*chosen].value;
                naming[*chosen] = true;
                at.erase(chosen);
            }
            std::vector<Posted> posted;
            for (std::size_t i = 0; i < form.hidden.size(); ++i) {
                if (!naming[i]) {
                    posted.push_back(std::move(form.hidden[i]));
                }
            }
            form.hidden = std::move(posted);
            return form;
        }
        if (tag->closing) {
            continue;
        }
        const std::string name = tag->attribute("name").value_or("");
        if (tag->name == "input") {
            const std::string type = lowered(tag->attribute("type").value_or("text"));
            if (type == "hidden") {
                if (!name.empty()) {
                    form.hidden.push_back({name, tag->attribute("value").value_or("")});
                }
            } else if (type == "image") {
                if (form.picture) {
                    form.notes.push_back("A second picture, " +
                                         quotedName(tag->attribute("src").value_or("")) +
                                         ", is not kept: a button has one.");
                } else {
                    form.picture = tag->attribute("src").value_or("");
                }
            } else if (type == "text" && isOptionField(name, "os")) {
                form.controls.push_back({name, false, {}, {}, std::nullopt, form.hidden.size()});
            } else if (type == "submit" || type == "button" || type == "reset") {
                form.notes.push_back("The push button " +
                                     quotedName(tag->attribute("value").value_or("")) +
                                     " is not kept: the button's picture is chosen in the wizard.");
            } else {
                form.notes.push_back("The " + type + " box " + quotedName(name) +
                                     " the buyer fills in is not kept.");
            }
        } else if (tag->name == "select") {
            BuyerControl menu{name, true, {}, {}, std::nullopt, form.hidden.size()};
            while (std::optional<Tag> inner = scanner.next()) {
                if (inner->name == "select" && inner->closing) {
                    break;
                }
                if (inner->name == "select" || inner->name == "form") {
                    scanner.seek(inner->begin); // the menu was never closed
                    break;
                }
                if (inner->name == "option" && !inner->closing) {
                    const std::string caption = scanner.text();
                    menu.choices.push_back(
                        inner->attribute("value").value_or(std::string(trimmed(caption))));
                    menu.captions.push_back(caption);
                }
            }
            if (isOptionField(name, "os")) {
                form.controls.push_back(std::move(menu));
            } else {
                form.notes.push_back("The menu " + quotedName(name) + " is not kept.");
            }
        } else if (tag->name == "textarea") {
            form.notes.push_back("The text box " + quotedName(name) + " is not kept.");
        }
    }
    return std::nullopt;
}

// ---- The description lines ------------------------------------------------------------------

struct Description {
    std::size_t begin = 0;
    std::vector<std::string> values; // after each label, references replaced
};

constexpr std::array<std::string_view, 3> kItemLabels = {"Item Name: ", "Item Number: ", "Price: "};
constexpr std::array<std::string_view, 2> kSubscriptionLabels = {"Subscription Name: ",
                                                                 "Reference Number: "};

// The description lines with `labels` that end right where the form begins at `formBegin`,
// each line followed by "<br>" and two line breaks, and begin after `floor`, where the form
// before it ends; the first is the one that reads `firstValue` when there is such a one, else
// the nearest.
std::optional<Description> describedBy(std::string_view page, std::size_t floor,
                                       std::size_t formBegin,
                                       std::span<const std::string_view> labels,
                                       std::string_view firstValue) {
    for (const std::string_view lineBreak : {"\r\n", "\n"}) {
        const std::string separator = "<br>" + std::string(lineBreak) + std::string(lineBreak);
        Description description;
        description.values.resize(labels.size());
        std::size_t end = formBegin;
        bool found = true;
        for (std::size_t i = labels.size(); i-- > 0 && found;) {
            if (!page.substr(0, end).ends_with(separator)) {
                found = false;
                break;
            }
            const std::size_t lineEnd = end - separator.size();
            if (lineEnd < floor) {
                found = false;
                break;
            }
            const std::size_t reach =
                std::max(floor, lineEnd > kDescriptionReach ? lineEnd - kDescriptionReach : 0);
            const std::string_view window = page.substr(reach, lineEnd - reach);
            std::size_t lineStart = std::string_view::npos;
            if (i > 0) {
                const std::size_t before = window.rfind(separator);
                if (before != std::string_view::npos &&
                    window.substr(before + separator.size()).starts_with(labels[i])) {
                    lineStart = reach + before + separator.size();
                }
            } else {
                // The nearest line that reads `firstValue`, among the last few; else the nearest.
                std::size_t nearest = std::string_view::npos;
                std::size_t tries = 0;
                for (std::size_t at = window.rfind(labels[0]);
                     at != std::string_view::npos && tries < 16;
                     at = at == 0 ? std::string_view::npos : window.rfind(labels[0], at - 1)) {
                    ++tries;
                    nearest = nearest == std::string_view::npos ? at : nearest;
                    if (decoded(window.substr(at + labels[0].size())) == firstValue) {
                        lineStart = reach + at;
                        break;
                    }
                }
                if (lineStart == std::string_view::npos && nearest != std::string_view::npos) {
                    lineStart = reach + nearest;
                }
            }
            if (lineStart == std::string_view::npos) {
                found = false;
                break;
            }
            description.values[i] = decoded(
                page.substr(lineStart + labels[i].size(), lineEnd - lineStart - labels[i].size()));
            end = lineStart;
        }
        if (found) {
            description.begin = end;
            return description;
        }
    }
    return std::nullopt;
}

// ---- The fields ---------------------------------------------------------------------------

// The hidden fields of a form, taken one by one by the reading of its type. A button of ours is
// read in the order its writer wrote the fields: a field is taken only when it is the next one,
// so that a field the seller added among the advanced variables stays one. A button made
// elsewhere may give its fields in any order.
class Fields {
public:
    Fields(std::vector<Posted> posted, bool inOrder)
        : posted_(std::move(posted)), taken_(posted_.size(), false), inOrder_(inOrder) {
        for (std::size_t i = 0; i < posted_.size(); ++i) {
            byName_[posted_[i].name].push_back(i);
        }
    }

    // The value of the field `name` when `accept` takes it, and then the field is taken.
    std::optional<std::string> take(
        std::string_view name, const std::function<bool(std::string_view)>& accept =
                                   [](std::string_view) { return true; }) {
        if (inOrder_) {
            while (next_ < posted_.size() && taken_[next_]) {
                ++next_;
            }
            if (next_ < posted_.size() && posted_[next_].name == name &&
                accept(posted_[next_].value)) {
                taken_[next_] = true;
                return posted_[next_].value;
            }
            return std::nullopt;
        }
        const auto named = byName_.find(name);
        if (named == byName_.end()) {
            return std::nullopt;
        }
        for (const std::size_t i : named->second) {
            if (!taken_[i] && accept(posted_[i].value)) {
                taken_[i] = true;
                return posted_[i].value;
            }
        }
        return std::nullopt;
    }

    // The value of the first field `name`, taken or not.
    std::optional<std::string> peek(std::string_view name) const {
        const auto named = byName_.find(name);
        return named == byName_.end() ? std::nullopt
                                      : std::optional(posted_[named->second.front()].value);
    }

    // Where the taking stands, to go back to when what was taken turns out not to belong.
    struct Mark {
        std::vector<bool> taken;
        std::size_t next;
    };
    Mark mark() const { return {taken_, next_}; }
    void restore(Mark mark) {
        taken_ = std::move(mark.taken);
        next_ = mark.next;
    }
    bool inOrder() const { return inOrder_; }

    // The fields not taken, in their order.
    std::vector<Posted> rest() const {
        std::vector<Posted> left;
        for (std::size_t i = 0; i < posted_.size(); ++i) {
            if (!taken_[i]) {
                left.push_back(posted_[i]);
            }
        }
        return left;
    }

private:
    std::vector<Posted> posted_;
    std::vector<bool> taken_;
    bool inOrder_;
    std::size_t next_ = 0;
    std::map<std::string, std::vector<std::size_t>, std::less<>> byName_;
};

bool notEmpty(std::string_view value) {
    return isNotEmpty(value);
}

bool notSevenCharacters(std::string_view value) {
    return isNotSevenCharacters(value);
}

bool isOne(std::string_view value) {
    return value == "1";
}

bool isZero(std::string_view value) {
    return value == "0";
}

// What a button is read with besides its fields.
struct Reading {
    bool ours = false;
    std::optional<Description> description;
    Endpoints endpoints;
    std::vector<BuyerControl> controls;
    std::optional<std::string> picture;
    std::vector<std::string>& notes;
    bool earlierPriceLine = false; // the price line read as before it followed the currency
};

// The currency box's text for a posted `currency_code`: the caption of its currency; the empty
// text, which is no currency, for an empty code; the code itself for one PayPal does not take.
std::string currencyText(const std::optional<std::string>& code, std::vector<std::string>& notes) {
    if (!code) {
        return std::string(kCurrencies[0].caption); // PayPal's own default
    }
    if (code->empty()) {
        return {};
    }
    if (const Currency* currency = findCurrency(*code)) {
        return std::string(currency->caption);
    }
    notes.push_back("The currency " + quotedName(*code) + " is not one PayPal takes.");
    return *code;
}

// The price as typed, from a price line written by shownPrice: after the currency's sign, or
// before a blank and its code; or after "$", as the price lines read before they followed the
// currency (then `earlier` is set).
std::optional<std::string> typedPrice(const Currency* currency, std::string_view shown,
                                      bool* earlier = nullptr) {
    if (currency != nullptr && !currency->sign.empty() && shown.starts_with(currency->sign)) {
        return std::string(shown.substr(currency->sign.size()));
    }
    if (currency != nullptr && currency->sign.empty()) {
        const std::string suffix = " " + std::string(currency->code);
        if (shown.empty()) {
            return std::string();
        }
        if (shown.ends_with(suffix)) {
            return std::string(shown.substr(0, shown.size() - suffix.size()));
        }
    }
    if (shown.starts_with("$")) {
        if (earlier != nullptr) {
            *earlier = currency != nullptr;
        }
        return std::string(shown.substr(1));
    }
    return std::nullopt;
}

// The item price of Buy Now and Add to Cart: as typed, from the price line, when that agrees
// with the posted `amount`; else the amount, which is what PayPal charges.
std::string itemPrice(const std::optional<std::string>& amount, const std::string& currencyBox,
                      Reading& reading) {
    if (!reading.description) {
        return amount.value_or("");
    }
    const std::string& shown = reading.description->values[2];
    const Currency* currency = findCurrency(currencyBox);
    bool earlier = false;
    const std::optional<std::string> typed = typedPrice(currency, shown, &earlier);
    if (typed && (amount ? formatAmount(*typed, codeOf(currency)) == *amount : typed->empty())) {
        if (earlier) {
            reading.earlierPriceLine = true;
            reading.notes.push_back("The price line " + quotedName(shown) +
                                    " is of an earlier release; written again it reads " +
                                    quotedName(shownPrice(currency, *typed)) + ".");
        }
        return *typed;
    }
    if (amount) {
        reading.notes.push_back("The price line shows " + quotedName(shown) +
                                " but the button charges " + quotedName(*amount) +
                                "; the price is read as " + quotedName(*amount) +
                                ", what PayPal charges.");
        return *amount;
    }
    reading.notes.push_back("The price line shows " + quotedName(shown) +
                            " but the button's menu gives the prices; the price is left empty.");
    return {};
}

// A return or cancel address: absent, the box keeps "http://", which is not written.
std::string address(Fields& fields, std::string_view name) {
    return fields.take(name, notSevenCharacters).value_or("http://");
}

// Whether a menu choice stays itself on a line of the choices box, which boxLines reads back
// without the blanks around it and without empty lines; on a priced menu the line holds its
// price after it, so an empty choice is kept there.
bool keepsAsLine(std::string_view text, bool priced) {
    return (priced || !text.empty()) && trimmed(text, isBlank) == text &&
           text.find_first_of("\r\n") == std::string_view::npos;
}

template <HasItemOptions Type>
void readItemOptions(typename Type::Answers& a, Fields& fields, const Reading& reading,
                     std::string_view currency = {}) {
    const auto& boxes = Type::kItemOptions;
    std::vector<const BuyerControl*> menus;
    std::vector<const BuyerControl*> textBoxes;
    for (const BuyerControl& control : reading.controls) {
        (control.menu ? menus : textBoxes).push_back(&control);
    }
    // The priced menu's choices and their amounts, when the type prices its first menu.
    // Taken only when the first menu keeps a choice to give a price, else they stay fields.
    std::vector<std::pair<std::string, std::string>> prices;
    if (boxes.pricedFirstMenu && !menus.empty() &&
        std::ranges::any_of(menus[0]->choices,
                            [](const std::string& choice) { return keepsAsLine(choice, true); })) {
        Fields::Mark before = fields.mark();
        for (std::size_t i = 0;; ++i) {
            const std::string index = std::to_string(i);
            std::optional<std::string> select = fields.take("option_select" + index);
            if (!select) {
                break;
            }
            prices.emplace_back(std::move(*select),
                                fields.take("option_amount" + index).value_or(""));
        }
        const bool indexed = !prices.empty() && fields.take("option_index", isZero);
        // A button of ours prices each choice of the menu in its order, shows each price in the
        // menu ("Small - 10.00 EUR"), then names the menu; fields that do not are the seller's
        // own among the advanced variables.
        const BuyerControl& menu = *menus[0];
        bool whole = indexed && prices.size() == menu.choices.size();
        for (std::size_t i = 0; whole && i < prices.size(); ++i) {
            std::string shown = prices[i].first + " - " + formatAmount(prices[i].second, currency);
            shown += currency.empty() ? "" : " " + std::string(currency);
            whole = prices[i].first == menu.choices[i] && shown == menu.captions[i];
        }
        if (fields.inOrder() && !whole) {
            fields.restore(std::move(before));
            prices.clear();
        }
    }
    // A first menu whose choices hold "=" but carry no prices goes into the second box, where
    // "=" gives no price.
    std::size_t first = 0;
    if (boxes.pricedFirstMenu && prices.empty() && !menus.empty() &&
        std::ranges::any_of(menus[0]->choices, [](const std::string& choice) {
            return choice.find('=') != std::string::npos;
        })) {
        first = 1;
    }
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const BuyerControl& menu = *menus[i];
        const std::string name = menu.name.value_or("");
        if (first + i >= kMenuCount) {
            reading.notes.push_back("The menu " + quotedName(name) + " is not kept: the Item " +
                                    "options dialog has " + std::to_string(kMenuCount) + " menus.");
            continue;
        }
        std::string lines;
        for (std::size_t c = 0; c < menu.choices.size(); ++c) {
            const std::string& choice = menu.choices[c];
            if (!keepsAsLine(choice, i == 0 && !prices.empty())) {
                reading.notes.push_back("The choice " + quotedName(choice) + " of the menu " +
                                        quotedName(name) + " is not kept: a choice is one line " +
                                        "with no blanks around it.");
                continue;
            }
            lines += lines.empty() ? "" : "\n";
            lines += choice;
            if (i == 0 && !prices.empty()) {
                const auto priced =
                    std::ranges::find(prices, choice, &std::pair<std::string, std::string>::first);
                lines += " = ";
                lines += priced != prices.end() ? priced->second : std::string();
            }
        }
        a.*boxes.menuNames[first + i] = name;
        a.*boxes.menuChoices[first + i] = std::move(lines);
    }
    for (std::size_t i = 0; i < textBoxes.size(); ++i) {
        const std::string name = textBoxes[i]->name.value_or("");
        if (i >= kTextBoxCount || name.empty()) {
            reading.notes.push_back("The text box " + quotedName(textBoxes[i]->field) +
                                    " the buyer fills in is not kept" +
                                    (name.empty() ? ": it has no name."
                                                  : ": the Item options "
                                                    "dialog has two."));
            continue;
        }
        a.*boxes.textBoxNames[i] = name;
    }
}

// The picture: one of the type's standard pictures, another picture as the custom picture's
// address, or none.
template <typename Type> void readPicture(typename Type::Answers& a, const Reading& reading) {
    const std::string& folder = std::is_same_v<Type, Subscribe>
                                    ? reading.endpoints.subscriptionImages
                                    : reading.endpoints.images;
    auto& option = a.*pictureKey<Type>().option;
    if (!reading.picture) {
        option = std::nullopt;
        return;
    }
    for (std::size_t i = 0; i < Type::kPictures.size(); ++i) {
        if (*reading.picture == folder + std::string(Type::kPictures[i])) {
            option = static_cast<int>(i);
            return;
        }
    }
    option = static_cast<int>(Type::kPictures.size());
    a.*pictureAddressKey<Type>().text = *reading.picture;
}

// The fields left over as the Advanced variables box: a line "name=value" each. A field that a
// line cannot carry is told of.
std::string advancedBox(const std::vector<Posted>& fields, std::vector<std::string>& notes) {
    std::string box;
    for (const Posted& field : fields) {
        const bool fits = !field.name.empty() && trimmed(field.name, isBlank) == field.name &&
                          field.name.find('=') == std::string::npos &&
                          trimmed(field.value, isBlank) == field.value &&
                          field.name.find_first_of("\r\n") == std::string::npos &&
                          field.value.find_first_of("\r\n") == std::string::npos;
        if (!fits) {
            notes.push_back("The field " + quotedName(field.name) +
                            " is not kept: an advanced variable is one line, name=value, with "
                            "no blanks around either.");
            continue;
        }
        box += box.empty() ? "" : "\n";
        box += field.name + "=" + field.value;
    }
    return box;
}

// ---- Each type ------------------------------------------------------------------------------

// The most characters the box of `member` takes.
template <typename Type> int longest(std::string Type::Answers::*member) {
    const auto key =
        std::ranges::find(Type::kKeys, member, &AnswerKey<typename Type::Answers>::text);
    return key->maxLength;
}

void readFields(BuyNowAnswers& a, Fields& fields, Reading& reading) {
    a.txtItemNameBN = fields.take("item_name").value_or("");
    a.txtItemIDBN = fields.take("item_number").value_or("");
    const std::optional<std::string> amount = fields.take("amount");
    a.cmbCurrencyBN = currencyText(fields.take("currency_code"), reading.notes);
    a.optExtraBN = fields.take("undefined_quantity", isOne) ? 0 : 1;
    a.txtLogoBN = fields.take("image_url", notEmpty).value_or("");
    a.txtBaseShippingBN = fields.take("shipping", notEmpty).value_or("");
    a.txtExtraShippingBN = fields.take("shipping2", notEmpty).value_or("");
    a.txtHandlingBN = fields.take("handling", notEmpty).value_or("");
    a.txtWebSiteSuccessBN = address(fields, "return");
    a.txtCancelBN = address(fields, "cancel_return");
    readItemOptions<BuyNow>(a, fields, reading, codeOf(findCurrency(a.cmbCurrencyBN)));
    a.txtPriceBN = itemPrice(amount, a.cmbCurrencyBN, reading);
}

void readFields(AddToCartAnswers& a, Fields& fields, Reading& reading) {
    a.txtItemNameATC = fields.take("item_name").value_or("");
    a.txtItemIDATC = fields.take("item_number").value_or("");
    const std::optional<std::string> amount = fields.take("amount");
    a.cmbCurrencyATC = currencyText(fields.take("currency_code"), reading.notes);
    const auto fitsNoteBox = [](std::string_view note) {
        return utf16Length(note) <=
               static_cast<std::size_t>(longest<AddToCart>(&AddToCartAnswers::txtNoteATC));
    };
    if (std::optional<std::string> note = fields.take("cn", fitsNoteBox)) {
        a.optNoteATC = 0;
        a.txtNoteATC = std::move(*note);
    } else {
        a.optNoteATC = 1;
    }
    fields.take("no_shipping", isZero);
    fields.take("undefined_quantity", isZero);
    a.txtLogoATC = fields.take("image_url", notEmpty).value_or("");
    a.txtWebSiteSuccessATC = address(fields, "return");
    a.txtCancelATC = address(fields, "cancel_return");
    readItemOptions<AddToCart>(a, fields, reading, codeOf(findCurrency(a.cmbCurrencyATC)));
    a.txtPriceATC = itemPrice(amount, a.cmbCurrencyATC, reading);
}

void readFields(ViewCartAnswers&, Fields&, const Reading&) {}

void readFields(DonateAnswers& a, Fields& fields, const Reading& reading) {
    a.txtItemNameDON = fields.take("item_name").value_or("");
    a.txtItemIDDON = fields.take("item_number").value_or("");
    a.txtPriceDON = fields.take("amount").value_or("");
    a.cmbCurrencyDON = currencyText(fields.take("currency_code"), reading.notes);
    if (std::optional<std::string> note = fields.take("cn")) {
        a.optNoteDON = 0;
        a.txtNoteDON = std::move(*note);
    } else {
        a.optNoteDON = 1;
    }
    // Donations write the logo under the seven-character test: "http://" writes none.
    a.txtLogoATC = fields.take("image_url", notSevenCharacters).value_or("http://");
    a.txtWebSiteSuccessATC = address(fields, "return");
    a.txtCancelATC = address(fields, "cancel_return");
}

// The Subscriptions term box's entries, by the letter written for each.
constexpr std::array<std::string_view, 4> kTerms = {"Day(s)", "Weeks(s)", "Months(s)", "Years(s)"};

std::string termText(const std::optional<std::string>& letter, std::string_view fallback) {
    if (!letter) {
        return std::string(fallback);
    }
    for (const std::string_view term : kTerms) {
        if (firstCharacter(term) == *letter) {
            return std::string(term);
        }
    }
    return *letter;
}

void readFields(SubscribeAnswers& a, Fields& fields, const Reading& reading) {
    const SubscribeAnswers defaults;
    a.txtItemNameSUB = fields.take("item_name").value_or("");
    a.txtItemIDSUB = fields.take("item_number").value_or("");
    a.cmbCurrencySUB = currencyText(fields.take("currency_code"), reading.notes);
    a.txtPriceSUB = fields.take("a3").value_or("");
    a.cmbNumberSUB = fields.take("p3").value_or(defaults.cmbNumberSUB);
    a.cmbTermSUB = termText(fields.take("t3"), defaults.cmbTermSUB);
    a.optRecurSUB = std::nullopt;
    if (fields.take("src", isOne)) {
        if (std::optional<std::string> stop = fields.take("srt")) {
            a.optRecurSUB = 1;
            a.cmbStopSUB = std::move(*stop);
        } else {
            a.optRecurSUB = 0;
        }
    }
    fields.take("sra", isOne);
    a.txtLogoBN = fields.take("image_url", notSevenCharacters).value_or("http://");
    a.txtWebSiteSuccessBN = address(fields, "return");
    a.txtCancelBN = address(fields, "cancel_return");
    if (std::optional<std::string> trial = fields.take("a1", notEmpty)) {
        a.txtPrice2SUB = std::move(*trial);
        a.cmbNumber2SUB = fields.take("p1").value_or(defaults.cmbNumber2SUB);
        a.cmbTerm2SUB = termText(fields.take("t1"), defaults.cmbTerm2SUB);
    }
    readItemOptions<Subscribe>(a, fields, reading);
}

// The price as typed and the currency, from a price line alone: the currency whose sign the
// line begins with or whose code it ends with; else the line as the price.
void describePrice(std::string& price, std::string& currencyBox, std::string_view shown) {
    price = shown;
    std::size_t matched = 0;
    for (const Currency& currency : kCurrencies) {
        const std::string_view mark = currency.sign.empty() ? currency.code : currency.sign;
        const bool shows = currency.sign.empty() ? shown.ends_with(" " + std::string(currency.code))
                                                 : shown.starts_with(currency.sign);
        if (shows && mark.size() > matched) {
            matched = mark.size();
            currencyBox = currency.caption;
            price = typedPrice(&currency, shown).value_or(std::string(shown));
        }
    }
}

// The description line values the type's answers take.
void describe(BuyNowAnswers& a, const Description& d) {
    a.txtItemNameBN = d.values[0];
    a.txtItemIDBN = d.values[1];
    describePrice(a.txtPriceBN, a.cmbCurrencyBN, d.values[2]);
}
void describe(AddToCartAnswers& a, const Description& d) {
    a.txtItemNameATC = d.values[0];
    a.txtItemIDATC = d.values[1];
    describePrice(a.txtPriceATC, a.cmbCurrencyATC, d.values[2]);
}
void describe(SubscribeAnswers& a, const Description& d) {
    a.txtItemNameSUB = d.values[0];
    a.txtItemIDSUB = d.values[1];
}
void describe(ViewCartAnswers&, const Description&) {}
void describe(DonateAnswers&, const Description&) {}

// The names of the hidden fields the answers write with the button's account and build code,
// which decide the renderer's charset as well.
template <typename Type>
std::set<std::string> writtenNames(const typename Type::Answers& a, const FoundButton& found) {
    std::set<std::string> names;
    // A button made elsewhere is written again with a build code of ours, all ASCII.
    const bool ours = found.buildCode.starts_with(kBuildCodePrefix);
    const Context context{found.account, ours ? found.buildCode : std::string(), {}};
    for (const HiddenField& field : Type::kWrite(a, context).form.hiddenFields()) {
        names.insert(field.name);
    }
    return names;
}

// Reads a button of `Type` whose form was read as `form` and whose fields are `fields`.
template <typename Type>
typename Type::Answers readType(Fields& fields, Reading& reading, const std::vector<Posted>& posted,
                                const FoundButton& found) {
    typename Type::Answers a;
    // The opening fields, and the charset the renderer adds beside them.
    fields.take("bn");
    fields.take("cmd");
    if constexpr (std::is_same_v<Type, AddToCart>) {
        fields.take("add", isOne);
    }
    fields.take("business");
    if constexpr (std::is_same_v<Type, ViewCart>) {
        fields.take("display", isOne);
    }
    const bool charset =
        fields.take("charset", [](std::string_view v) { return v == "utf-8"; }).has_value();
    readFields(a, fields, reading);
    readPicture<Type>(a, reading);

    const std::vector<Posted> rest = fields.rest();
    if (!reading.ours) {
        const std::set<std::string> own = writtenNames<Type>(a, found);
        for (const Posted& field : rest) {
            if (own.contains(field.name)) {
                reading.notes.push_back("The field " + quotedName(field.name + "=" + field.value) +
                                        " goes among the advanced variables, after the " +
                                        field.name + " the wizard writes itself.");
            }
        }
        std::string added;
        for (const std::string& name : own) {
            if (name != "bn" && name != "charset" &&
                std::ranges::find(posted, name, &Posted::name) == posted.end()) {
                added += (added.empty() ? "" : ", ") + name;
            }
        }
        if (!added.empty()) {
            reading.notes.push_back("Written again, the button also posts " + added + ".");
        }
    }
    a.*Type::kAdvanced = advancedBox(rest, reading.notes);
    // The renderer adds charset=utf-8 by itself when a value needs it; otherwise the field was
    // the seller's, among the advanced variables.
    if (charset && writtenNames<Type>(a, found).count("charset") == 0) {
        std::string& box = a.*Type::kAdvanced;
        box = "charset=utf-8" + std::string(box.empty() ? "" : "\n") + box;
    }
    return a;
}

// The answers of an encrypted button of `Type`: what its description lines and its picture
// tell.
template <typename Type> typename Type::Answers readEncrypted(const Reading& reading) {
    typename Type::Answers a;
    if (reading.description) {
        describe(a, *reading.description);
    }
    readPicture<Type>(a, reading);
    return a;
}

// The type of an encrypted button, by its description lines and its picture: nothing else of
// it can be read.
std::string_view encryptedType(const Reading& reading, bool itemLines, bool subscriptionLines) {
    std::string_view found;
    const std::string picture = reading.picture.value_or("");
    const std::string_view file = std::string_view(picture).substr(picture.rfind('/') + 1);
    forEachButtonType([&]<typename Type>() {
        const bool lines = std::is_same_v<Type, BuyNow> || std::is_same_v<Type, AddToCart>
                               ? itemLines
                           : std::is_same_v<Type, Subscribe> ? subscriptionLines
                                                             : !itemLines && !subscriptionLines;
        if (found.empty() && lines &&
            std::ranges::find(Type::kPictures, file) != Type::kPictures.end()) {
            found = Type::kName;
        }
    });
    if (found.empty() && itemLines) {
        return BuyNow::kName;
    }
    if (found.empty() && subscriptionLines) {
        return Subscribe::kName;
    }
    return found;
}

template <typename Type> ReadAnswers encryptedAnswers(std::string_view type, const Reading& r) {
    return type == Type::kName ? ReadAnswers(readEncrypted<Type>(r)) : ReadAnswers();
}

// The line of `offset`, counting on from `counted`, the line of `from`.
class LineCounter {
public:
    explicit LineCounter(std::string_view page) : page_(page) {}
    std::size_t lineOf(std::size_t offset) {
        if (offset < from_) {
            from_ = 0;
            line_ = 1;
        }
        line_ += static_cast<std::size_t>(
            std::count(page_.begin() + static_cast<std::ptrdiff_t>(from_),
                       page_.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
        from_ = offset;
        return line_;
    }

private:
    std::string_view page_;
    std::size_t from_ = 0;
    std::size_t line_ = 1;
};

// The button `html` of a button of ours that writes it again, to the byte, with its own build
// code; its line breaks as the page has them.
template <typename Type>
bool writesAgain(const typename Type::Answers& a, const FoundButton& found, std::string_view html) {
    Context context{found.account, found.buildCode,
                    found.sandbox ? Endpoints::sandbox() : Endpoints{}};
    std::string written = Type::kWrite(a, context).html;
    if (html.find("\r\n") == std::string_view::npos) {
        std::string lf;
        for (std::size_t at = 0; at < written.size(); ++at) {
            if (!(written[at] == '\r' && at + 1 < written.size() && written[at + 1] == '\n')) {
                lf += written[at];
            }
        }
        written = std::move(lf);
    }
    return written == html;
}

// The button whose form opens at `formTag` and holds `form`.
FoundButton readButton(std::string_view page, std::size_t floor, const Tag& formTag,
                       FormContents form, Endpoint endpoint) {
    FoundButton found;
    found.sandbox = endpoint == Endpoint::Sandbox;
    found.notes = std::move(form.notes);
    found.begin = formTag.begin;
    found.end = form.end;
    Fields peek(form.hidden, false);
    const std::string command = peek.peek("cmd").value_or("");
    found.buildCode = peek.peek("bn").value_or("");
    found.account = peek.peek("business").value_or("");
    const bool ours = found.buildCode.starts_with(kBuildCodePrefix);

    Reading reading{ours,
                    std::nullopt,
                    found.sandbox ? Endpoints::sandbox() : Endpoints{},
                    std::move(form.controls),
                    std::move(form.picture),
                    found.notes};
    const std::string itemName = peek.peek("item_name").value_or("");
    const std::optional<Description> itemLines =
        describedBy(page, floor, formTag.begin, kItemLabels, itemName);
    const std::optional<Description> subscriptionLines =
        describedBy(page, floor, formTag.begin, kSubscriptionLabels, itemName);

    std::string_view type;
    if (command == "_xclick") {
        type = !ours || itemLines ? BuyNow::kName : Donate::kName;
    } else if (command == "_donations") {
        type = Donate::kName;
        found.notes.push_back("It posts \"_donations\"; written again it posts \"_xclick\", as "
                              "the wizard's Donations buttons do.");
    } else if (command == "_cart" && peek.peek("add") == "1") {
        type = AddToCart::kName;
    } else if (command == "_cart" && peek.peek("display") == "1") {
        type = ViewCart::kName;
    } else if (command == "_xclick-subscriptions") {
        type = Subscribe::kName;
    } else if (command == "_s-xclick" && peek.peek("encrypted")) {
        found.encrypted = true;
        type = encryptedType(reading, itemLines.has_value(), subscriptionLines.has_value());
        reading.description = type == Subscribe::kName ? subscriptionLines : itemLines;
        found.notes.push_back("The button is encrypted: only its description lines and its "
                              "picture can be read, its other answers are the wizard's "
                              "defaults.");
    } else if (command == "_s-xclick" && peek.peek("hosted_button_id")) {
        found.notes.push_back("The button is saved in the PayPal account (hosted_button_id " +
                              quotedName(*peek.peek("hosted_button_id")) +
                              "): its answers are kept there, not in the page.");
    } else {
        found.notes.push_back("The command " + quotedName(command) +
                              " is not one the wizard writes: its answers cannot be read.");
    }
    if (!found.encrypted) {
        reading.description = type == Subscribe::kName ? subscriptionLines
                              : type == BuyNow::kName || type == AddToCart::kName ? itemLines
                                                                                  : std::nullopt;
    }
    if (reading.description) {
        found.begin = reading.description->begin;
    }

    forEachButtonType([&]<typename Type>() {
        if (type != Type::kName) {
            return;
        }
        found.type = Type::kName;
        if (found.encrypted) {
            found.answers = encryptedAnswers<Type>(type, reading);
            return;
        }
        Fields fields(form.hidden, ours);
        const auto a = readType<Type>(fields, reading, form.hidden, found);
        if (ours && !reading.earlierPriceLine &&
            !writesAgain<Type>(a, found, page.substr(found.begin, found.end - found.begin))) {
            found.notes.push_back("Written again, the button's HTML is not the same as the "
                                  "page's: it was changed by hand.");
        }
        found.answers = a;
    });
    if (!found.type.empty() && !found.encrypted && !ours && !found.buildCode.empty()) {
        found.notes.push_back("Its build code " + quotedName(found.buildCode) +
                              " is replaced by the wizard's when it is written again.");
    }
    return found;
}

} // namespace

PageButtons readButtons(std::string_view page) {
    if (page.size() > kMaxPageSize) {
        return ReadFailure{"the page is larger than 64 MiB, the most that is read"};
    }
    std::vector<FoundButton> buttons;
    Scanner scanner(page);
    LineCounter lines(page);
    std::size_t floor = 0; // where the form before ends: description lines begin after it
    while (std::optional<Tag> tag = scanner.next()) {
        if (tag->name != "form" || tag->closing) {
            continue;
        }
        const Endpoint endpoint = endpointOf(tag->attribute("action").value_or(""));
        std::optional<FormContents> form = readForm(scanner);
        if (!form) {
            // Never closed, and no form after it is either: where they end cannot be told.
            break;
        }
        const std::size_t before = std::exchange(floor, form->end);
        if (endpoint == Endpoint::None) {
            continue;
        }
        FoundButton button = readButton(page, before, *tag, std::move(*form), endpoint);
        button.line = lines.lineOf(button.begin);
        button.lastLine = lines.lineOf(button.end - 1);
        buttons.push_back(std::move(button));
    }
    return buttons;
}

} // namespace ravelin::buttons
