// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/check.h"

#include "buttons/buttontypes.h"
#include "buttons/currency.h"
#include "buttons/money.h"
#include "buttons/pieces.h"
#include "buttons/text.h"
#include "buttons/writers.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace ravelin::buttons {

namespace {

// The longest item name, item number and account address the payment service takes.
constexpr std::size_t kMaxNameLength = 127;
// The longest note label (the `cn` field) the payment service takes.
constexpr std::size_t kMaxNoteLength = 40;
// The note box's design text, left in place when the seller types no label of their own.
constexpr std::string_view kNoteSample = "(optional instructions)";
// The design text of the return and cancel boxes, which the writers leave out.
constexpr std::string_view kUnsetAddress = "http://";

// The seller's text or a number, as it stands, as an argument of a sentence.
Argument said(std::string_view text) {
    return {std::string(text), {}};
}

Argument said(std::size_t number) {
    return {std::to_string(number), {}};
}

// A word of the checker's own (marked for translation where it is written), with the text that
// fills its %1, if it has one.
Argument word(std::string_view key, std::string_view text = {}) {
    return {std::string(text), key};
}

// `key` with each %1 ... %9 replaced by the value of that number, in one pass, so that a "%2"
// in a typed value stays as typed.
std::string filled(std::string_view key, std::span<const std::string> values) {
    std::string text;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char next = i + 1 < key.size() ? key[i + 1] : '\0';
        if (key[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            text += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += key[i];
        }
    }
    return text;
}

std::string english(const Argument& argument) {
    if (argument.key.empty()) {
        return argument.text;
    }
    const std::array<std::string, 1> value = {argument.text};
    return filled(argument.key, value);
}

// A sentence of the checker: its English text (marked for translation where it is written),
// with %1, %2 ... where its arguments go.
struct Sentence {
    std::string_view key;
    std::vector<Argument> arguments = {};
};

class Report {
public:
    explicit Report(Findings& findings) : findings_(findings) {}

    void error(std::string_view control, Sentence sentence) {
        add(Severity::Error, control, std::move(sentence));
    }
    void warning(std::string_view control, Sentence sentence) {
        add(Severity::Warning, control, std::move(sentence));
    }

private:
    void add(Severity severity, std::string_view control, Sentence sentence) {
        std::vector<std::string> values;
        for (const Argument& argument : sentence.arguments) {
            values.push_back(english(argument));
        }
        findings_.push_back({severity, control, filled(sentence.key, values), sentence.key,
                             std::move(sentence.arguments)});
    }

    Findings& findings_;
};

// A text box or combo box: its control name, from its type's key table, and its text.
struct Box {
    std::string_view control;
    std::string_view text;
};

template <auto Member, typename Answers> Box box(const Answers& answers) {
    return {keyName(Member), answers.*Member};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A blank of any kind: ASCII white space and control characters, the no-break space and the
// ideographic space.
bool hasBlank(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte <= 0x20 || byte == 0x7F) {
            return true;
        }
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\xC2\xA0") || rest.starts_with("\xE3\x80\x80")) {
            return true;
        }
    }
    return false;
}

bool hasQuote(std::string_view text) {
    return text.find('"') != std::string_view::npos;
}

Sentence quoteSentence(const Argument& noun) {
    return {RAVELIN_TR_NOOP("Check", "The %1 contains a double quote, which ends the value early "
                                     "in the button's HTML."),
            {noun}};
}

// ---- Account address ----------------------------------------------------------------------

// The account identifier the payment service gives a business account: 13 of its letters and
// digits (no 0, 1, I or O).
bool isAccountId(std::string_view text) {
    return text.size() == 13 && std::ranges::all_of(text, [](char c) {
               return (c >= '2' && c <= '9') || (c >= 'A' && c <= 'Z' && c != 'I' && c != 'O');
           });
}

void checkAccount(Report& report, std::string_view account) {
    const std::string_view c = kAccountControl;
    if (account.empty()) {
        report.error(c, {RAVELIN_TR_NOOP("Check", "No PayPal account address is given.")});
    } else if (hasBlank(account)) {
        report.error(
            c, {RAVELIN_TR_NOOP("Check", "The PayPal account address must not contain blanks.")});
    } else if (hasQuote(account)) {
        report.error(c, quoteSentence(word(RAVELIN_TR_NOOP("Check", "PayPal account address"))));
    } else if (utf16Length(account) > kMaxNameLength) {
        report.error(
            c, {RAVELIN_TR_NOOP("Check",
                                "The PayPal account address can be at most 127 characters long.")});
    } else if (isAccountId(account)) {
        return;
    } else if (std::ranges::count(account, '@') != 1) {
        report.error(c, {RAVELIN_TR_NOOP(
                            "Check", "The PayPal account address must contain exactly one @, as in "
                                     "seller@example.com.")});
    } else {
        const std::size_t at = account.find('@');
        const std::string_view domain = account.substr(at + 1);
        if (at == 0) {
            report.error(c, {RAVELIN_TR_NOOP(
                                "Check", "The PayPal account address needs a name before the @.")});
        } else if (domain.find('.') == std::string_view::npos || domain.front() == '.' ||
                   domain.back() == '.' || domain.find("..") != std::string_view::npos) {
            report.error(
                c, {RAVELIN_TR_NOOP(
                       "Check", "The PayPal account address needs a domain with a dot after the @, "
                                "such as example.com.")});
        }
    }
}

// ---- Texts --------------------------------------------------------------------------------

// An item name or number. `shownOnPage`: the writer also puts it on the page as a
// description line, as markup.
void checkName(Report& report, Box box, const Argument& noun, bool shownOnPage) {
    if (hasQuote(box.text)) {
        report.error(box.control, quoteSentence(noun));
    } else if (utf16Length(box.text) > kMaxNameLength) {
        report.error(
            box.control,
            {RAVELIN_TR_NOOP("Check", "The %1 can be at most 127 characters long."), {noun}});
    } else if (shownOnPage && box.text.find('<') != std::string_view::npos) {
        report.warning(box.control, {RAVELIN_TR_NOOP("Check", "The %1 contains <, which your page "
                                                              "will read as the start of HTML "
                                                              "markup."),
                                     {noun}});
    }
}

void checkCurrency(Report& report, Box box) {
    const Currency* currency = findCurrency(box.text);
    if (currency == nullptr) {
        report.error(box.control,
                     {RAVELIN_TR_NOOP(
                         "Check", "The currency must be one from the list; any other text sends no "
                                  "currency, and the payment service charges US dollars.")});
    } else if (!currency->onlyFor.empty()) {
        report.warning(box.control,
                       {RAVELIN_TR_NOOP("Check", "PayPal takes %1 only for accounts in %2; an "
                                                 "account elsewhere gets the payment in its own "
                                                 "currency, converted for a fee."),
                        {word(currency->plural), word(currency->onlyFor)}});
    }
}

// The note label, when the writer writes it as the `cn` field.
void checkNote(Report& report, Box box, bool written) {
    if (!written) {
        return;
    }
    if (hasQuote(box.text)) {
        report.error(box.control, quoteSentence(word(RAVELIN_TR_NOOP("Check", "note label"))));
    } else if (utf16Length(box.text) > kMaxNoteLength) {
        report.error(
            box.control,
            {RAVELIN_TR_NOOP("Check", "The note label can be at most 40 characters long.")});
    } else if (box.text == kNoteSample) {
        report.warning(box.control,
                       {RAVELIN_TR_NOOP(
                           "Check", "The note label still reads \"(optional instructions)\"; type "
                                    "the words the buyer should see above the note.")});
    }
}

// ---- Amounts ------------------------------------------------------------------------------

// What an amount box holds. `formatted`: the writer passes it through the money format,
// otherwise it is written as typed. `aboveZero`: the payment service refuses zero.
struct Amount {
    Argument noun;
    bool formatted;
    bool aboveZero;
};

// Whether the currency's amounts are whole numbers.
bool isWhole(const Currency* currency) {
    return currency != nullptr && currency->decimals == 0;
}

// What is wrong with an amount as written into the button in `currency`, or nothing.
std::optional<Sentence> amountProblem(std::string_view written, const Argument& noun,
                                      const Currency* currency) {
    const bool whole = isWhole(currency);
    const Argument example = said(whole ? "1200" : "12.50");
    if (hasBlank(written)) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 must not contain blanks."), {noun}};
    }
    if (written.starts_with('-')) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 cannot be negative."), {noun}};
    }
    if (written.starts_with('+')) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 must be written without a plus sign."),
                        {noun}};
    }
    if (written.find(',') != std::string_view::npos) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 must be a number such as %2, with a point "
                                                 "for decimals and no thousands separators."),
                        {noun, example}};
    }
    const std::size_t point = written.find('.');
    const std::string_view units = written.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : written.substr(point + 1);
    const bool digitsOnly = std::ranges::all_of(units, isDigit) &&
                            std::ranges::all_of(fraction, isDigit) &&
                            units.size() + fraction.size() > 0;
    if (!digitsOnly) {
        const bool exponent = written.find_first_of("eE") != std::string_view::npos &&
                              std::ranges::any_of(written, isDigit) &&
                              std::ranges::all_of(written, [](char c) {
                                  return isDigit(c) || c == '.' || c == 'e' || c == 'E';
                              });
        if (exponent) {
            return Sentence{RAVELIN_TR_NOOP("Check",
                                            "The %1 must be written out in digits, without an "
                                            "exponent."),
                            {noun}};
        }
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 must be a number such as %2."),
                        {noun, example}};
    }
    if (whole && point != std::string_view::npos) {
        return Sentence{RAVELIN_TR_NOOP("Check", "%1 have no decimals, so the %2 must be a whole "
                                                 "number."),
                        {word(currency->plural), noun}};
    }
    if (fraction.size() > 2) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The %1 can have at most two decimals."), {noun}};
    }
    return std::nullopt;
}

// True when the typed price has digits beyond the currency's decimals that are not all zeros,
// so the money format rounds it.
bool isRounded(std::string_view typed, const Currency* currency) {
    const std::size_t point = typed.find('.');
    if (point == std::string_view::npos) {
        return false;
    }
    const std::string_view fraction = typed.substr(point + 1);
    const std::size_t kept = isWhole(currency) ? 0 : 2;
    return fraction.size() > kept &&
           std::ranges::any_of(fraction.substr(kept), [](char c) { return c >= '1' && c <= '9'; });
}

bool isZero(std::string_view written) {
    return std::ranges::all_of(written, [](char c) { return c == '0' || c == '.'; });
}

// A non-empty amount, as the writer writes it for `currency` (nullptr for none).
void checkAmount(Report& report, Box box, const Amount& amount, const Currency* currency) {
    const std::string written =
        amount.formatted ? formatAmount(box.text, codeOf(currency)) : std::string(box.text);
    if (std::optional<Sentence> problem = amountProblem(written, amount.noun, currency)) {
        report.error(box.control, std::move(*problem));
        return;
    }
    if (amount.aboveZero && isZero(written)) {
        report.error(box.control,
                     {RAVELIN_TR_NOOP("Check", "The %1 must be more than zero."), {amount.noun}});
        return;
    }
    if (amount.formatted && isRounded(box.text, currency)) {
        report.warning(box.control, {RAVELIN_TR_NOOP("Check", "The %1 has more decimals than the "
                                                              "currency has; the button asks for "
                                                              "%2."),
                                     {amount.noun, said(written)}});
    }
}

// A Buy Now shipping or handling box, checked as written (as typed) when the writer writes it.
void checkShippingAmount(Report& report, Box box, const Argument& noun, const Currency* currency) {
    if (writesShippingAmount(box.text)) {
        checkAmount(report, box, {noun, false, false}, currency);
    }
}

// ---- Addresses ----------------------------------------------------------------------------

bool isHostCharacter(char c) {
    return isAsciiLetter(c) || isDigit(c) || c == '-' || c == '.' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// The host of an authority ("user@host:port"), or nothing when it is not a host name, an IPv4
// address or a bracketed IPv6 address.
std::optional<std::string_view> hostOf(std::string_view authority) {
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    if (authority.starts_with('[')) {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos || close == 1) {
            return std::nullopt;
        }
        return authority.substr(0, close + 1);
    }
    const std::size_t colon = authority.find(':');
    if (colon != std::string_view::npos) {
        if (!std::ranges::all_of(authority.substr(colon + 1), isDigit)) {
            return std::nullopt;
        }
        authority = authority.substr(0, colon);
    }
    if (!std::ranges::all_of(authority, isHostCharacter)) {
        return std::nullopt;
    }
    return authority;
}

// A non-empty address the writer puts into the button. `secure`: the picture is shown on
// pages that are served over https://, so an http:// address is worth a warning. `full`: the
// payment service itself goes to the address, so one that is not full is an error.
void checkAddress(Report& report, Box box, const Argument& noun, bool secure, bool full = false) {
    const std::string_view control = box.control;
    const std::string_view address = box.text;
    if (hasBlank(address)) {
        report.error(control,
                     {RAVELIN_TR_NOOP("Check", "The %1 must not contain blanks."), {noun}});
        return;
    }
    if (hasQuote(address)) {
        report.error(control, quoteSentence(noun));
        return;
    }
    const std::size_t colon = address.find(':');
    const std::size_t firstSeparator = address.find_first_of("/?#");
    const bool hasScheme =
        colon != std::string_view::npos && colon > 0 && colon < firstSeparator &&
        isAsciiLetter(address.front()) && std::ranges::all_of(address.substr(0, colon), [](char c) {
            return isAsciiLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
        });
    if (!hasScheme && full) {
        report.error(control, {RAVELIN_TR_NOOP("Check", "The %1 must be a full address starting "
                                                        "with https:// or http://, such as "
                                                        "https://www.example.com/ipn."),
                               {noun}});
        return;
    }
    if (!hasScheme) {
        report.warning(control, {RAVELIN_TR_NOOP("Check", "The %1 is not a full address starting "
                                                          "with https:// or http://, so it may not "
                                                          "be found."),
                                 {noun}});
        return;
    }
    std::string scheme(address.substr(0, colon));
    std::ranges::transform(scheme, scheme.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    const std::string_view rest = address.substr(colon + 1);
    if ((scheme != "http" && scheme != "https") || !rest.starts_with("//")) {
        report.error(
            control,
            {RAVELIN_TR_NOOP("Check", "The %1 must start with https:// or http://."), {noun}});
        return;
    }
    const std::string_view afterSlashes = rest.substr(2);
    const std::optional<std::string_view> host =
        hostOf(afterSlashes.substr(0, afterSlashes.find_first_of("/?#")));
    if (!host) {
        report.error(
            control,
            {RAVELIN_TR_NOOP("Check", "The %1 has a host name that is not valid."), {noun}});
    } else if (host->empty()) {
        report.error(control, {RAVELIN_TR_NOOP("Check", "The %1 has no host name after %2://, such "
                                                        "as www.example.com."),
                               {noun, said(scheme)}});
    } else if (secure && scheme == "http") {
        report.warning(control, {RAVELIN_TR_NOOP("Check", "The %1 starts with http://, so secure "
                                                          "pages may not show the picture; use "
                                                          "https://."),
                                 {noun}});
    }
}

// An address box the writer may leave out, as `written` says. A box left out while it holds
// something is under the seven-character test: worth a word unless it is the untouched
// "http://".
void checkOptionalAddress(Report& report, Box box, const Argument& noun, bool written,
                          bool secure) {
    if (written) {
        if (!box.text.empty()) {
            checkAddress(report, box, noun, secure);
        }
    } else if (!box.text.empty() && box.text != kUnsetAddress) {
        report.warning(box.control, {RAVELIN_TR_NOOP("Check", "The %1 is left out of the button: "
                                                              "an address of exactly seven "
                                                              "characters is taken for the "
                                                              "unchanged \"http://\"."),
                                     {noun}});
    }
}

void checkReturnAddresses(Report& report, Box returnBox, Box cancelBox) {
    checkOptionalAddress(report, returnBox, word(RAVELIN_TR_NOOP("Check", "return address")),
                         writesAddress(returnBox.text), false);
    checkOptionalAddress(report, cancelBox, word(RAVELIN_TR_NOOP("Check", "cancel address")),
                         writesAddress(cancelBox.text), false);
}

// The address of the seller's own button picture.
void checkOwnPicture(Report& report, Box address) {
    if (address.text.empty()) {
        report.error(
            address.control,
            {RAVELIN_TR_NOOP("Check", "No address is given for your own button picture.")});
        return;
    }
    checkAddress(report, address, word(RAVELIN_TR_NOOP("Check", "button picture address")), true);
}

// The button picture of a type: one of its standard pictures, or the seller's own at the
// address box (the type's first two answer keys).
template <typename Type> void checkPicture(Report& report, const typename Type::Answers& answers) {
    const auto& option = pictureKey<Type>();
    const auto& addressBox = pictureAddressKey<Type>();
    switch (pictureChoice(answers.*option.option, Type::kPictures.size())) {
    case PictureChoice::None:
        report.error(
            option.name,
            {RAVELIN_TR_NOOP("Check",
                             "No button picture is chosen, so the button has nothing to click.")});
        return;
    case PictureChoice::Standard:
        return;
    case PictureChoice::Custom:
        break;
    }
    checkOwnPicture(report, {addressBox.name, answers.*addressBox.text});
}

// ---- Subscription periods -----------------------------------------------------------------

struct Unit {
    std::string_view code;
    std::string_view plural;
    int most;
};

constexpr std::array<Unit, 4> kUnits = {{
    {"D", RAVELIN_TR_NOOP("Check", "days"), 90},
    {"W", RAVELIN_TR_NOOP("Check", "weeks"), 52},
    {"M", RAVELIN_TR_NOOP("Check", "months"), 24},
    {"Y", RAVELIN_TR_NOOP("Check", "years"), 5},
}};

// A whole number written in digits only, or nothing; anything above 999 reads as 1000.
std::optional<int> wholeNumber(std::string_view text) {
    if (text.empty() || !std::ranges::all_of(text, isDigit)) {
        return std::nullopt;
    }
    const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view significant = text.substr(first);
    if (significant.size() > 3) {
        return 1000;
    }
    int value = 0;
    for (char c : significant) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// A billing or trial period: its length (the `p` field) and its unit (the first character of
// the unit box, the `t` field).
void checkPeriod(Report& report, const Argument& noun, Box number, Box unitBox) {
    const auto unit = std::ranges::find(kUnits, firstCharacter(unitBox.text), &Unit::code);
    const std::optional<int> length = wholeNumber(number.text);
    if (!length) {
        report.error(
            number.control,
            {RAVELIN_TR_NOOP("Check", "The %1 must be a whole number, such as 1."), {noun}});
    } else if (unit != kUnits.end() && (*length < 1 || *length > unit->most)) {
        report.error(number.control,
                     {RAVELIN_TR_NOOP("Check", "A %1 in %2 can be from 1 to %3."),
                      {noun, word(unit->plural), said(static_cast<std::size_t>(unit->most))}});
    }
    if (unit == kUnits.end()) {
        report.error(unitBox.control, {RAVELIN_TR_NOOP("Check", "The %1 must be counted in days, "
                                                                "weeks, months or years, as in the "
                                                                "list."),
                                       {noun}});
    }
}

// ---- Item options -----------------------------------------------------------------------

// An item price given beside a priced menu, whose choices' prices PayPal charges instead.
void checkPriceBesidePricedMenu(Report& report, Box price, std::span<const ItemOption> options) {
    if (pricedMenu(options) != nullptr) {
        report.warning(
            price.control,
            {RAVELIN_TR_NOOP("Check", "The first menu gives each choice its price, and PayPal "
                                      "charges that one, not this price.")});
    }
}

// The longest option name and menu choice the payment service takes (`on0`, a menu's `os0`,
// `option_select0`), and the most choices a menu may give prices.
constexpr std::size_t kMaxOptionLength = 64;
constexpr std::size_t kMaxPricedChoices = 10;
// How much of a line a finding quotes.
constexpr std::size_t kQuotedLength = 40;

// A line as a finding quotes it: in double quotes, cut after kQuotedLength characters.
std::string quoted(std::string_view line) {
    std::string text = "\"";
    std::size_t characters = 0;
    while (!line.empty() && characters < kQuotedLength) {
        const std::string_view character = firstCharacter(line);
        text += character;
        line.remove_prefix(character.size());
        ++characters;
    }
    return text + (line.empty() ? "\"" : "…\"");
}

// Whether a menu line reads as a choice with a price, as "Large = 12.50" does: a number after
// its last "=".
bool looksPriced(std::string_view line) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view after = line.substr(equals + 1);
    return std::ranges::any_of(after, isDigit) && std::ranges::all_of(after, [](char c) {
               return isDigit(c) || c == '.' || c == ',' || c == ' ' || c == '\t';
           });
}

Argument ordinal(std::size_t n) {
    const std::string_view form = n % 100 >= 11 && n % 100 <= 13 ? RAVELIN_TR_NOOP("Check", "%1th")
                                  : n % 10 == 1                  ? RAVELIN_TR_NOOP("Check", "%1st")
                                  : n % 10 == 2                  ? RAVELIN_TR_NOOP("Check", "%1nd")
                                  : n % 10 == 3                  ? RAVELIN_TR_NOOP("Check", "%1rd")
                                                                 : RAVELIN_TR_NOOP("Check", "%1th");
    return word(form, std::to_string(n));
}

// The name of a menu or text box, which the payment service shows the buyer and sends back.
void checkOptionName(Report& report, const OptionBox& name) {
    if (hasQuote(name.text)) {
        report.error(name.control, quoteSentence(word(RAVELIN_TR_NOOP("Check", "option name"))));
    } else if (utf16Length(name.text) > kMaxOptionLength) {
        report.error(
            name.control,
            {RAVELIN_TR_NOOP("Check", "The option name can be at most 64 characters long.")});
    }
}

// The choices of a menu; `prices`: what is said of a line that gives a price on a menu that
// takes none (a sentence with %1 for the line), or nothing on the priced menu.
void checkChoices(Report& report, const ItemOption& menu, const Currency* currency,
                  std::optional<std::string_view> prices) {
    const std::string_view control = menu.choicesBox->control;
    if (menu.choices.empty()) {
        report.error(control,
                     {RAVELIN_TR_NOOP("Check", "The menu has no choices; write them one a line.")});
        return;
    }
    bool quote = false;
    bool tooLong = false;
    bool priceless = false;
    for (const MenuChoice& choice : menu.choices) {
        if (hasQuote(choice.name) && !std::exchange(quote, true)) {
            report.error(control, {RAVELIN_TR_NOOP("Check", "The choice %1 contains a double "
                                                            "quote, which ends the value early in "
                                                            "the button's HTML."),
                                   {said(quoted(choice.line))}});
        } else if (utf16Length(choice.name) > kMaxOptionLength && !std::exchange(tooLong, true)) {
            report.error(control, {RAVELIN_TR_NOOP("Check", "The choice %1 is longer than the 64 "
                                                            "characters PayPal takes."),
                                   {said(quoted(choice.line))}});
        }
        if (prices && looksPriced(choice.line)) {
            report.error(control, {*prices, {said(quoted(choice.line))}});
            return;
        }
        if (!menu.priced) {
            continue;
        }
        if (!choice.price) {
            if (!std::exchange(priceless, true)) {
                report.error(control, {RAVELIN_TR_NOOP("Check", "The choice %1 has no price; once "
                                                                "one choice of the menu has a "
                                                                "price, each needs one, as in "
                                                                "Large = 12.50."),
                                       {said(quoted(choice.line))}});
            }
        } else if (choice.price->empty()) {
            report.error(control,
                         {RAVELIN_TR_NOOP("Check", "The choice %1 has no price after its =."),
                          {said(quoted(choice.line))}});
        } else {
            const Argument noun =
                word(RAVELIN_TR_NOOP("Check", "price of %1"), quoted(choice.name));
            checkAmount(report, {control, *choice.price}, {noun, true, true}, currency);
        }
    }
    if (menu.priced && menu.choices.size() > kMaxPricedChoices) {
        report.error(control, {RAVELIN_TR_NOOP("Check", "PayPal takes prices for at most 10 "
                                                        "choices; this menu has %1."),
                               {said(menu.choices.size())}});
    }
}

// The options of a type's Item options dialog, as the button carries them, numbered in order.
template <HasItemOptions Type>
void checkItemOptions(Report& report, const typename Type::Answers& a, const Currency* currency) {
    const ItemOptionBoxes boxes = itemOptionBoxes<Type>(a);
    const std::vector<ItemOption> options = itemOptions(boxes);
    const std::size_t most = Type::kItemOptions.mostOptions;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const ItemOption& option = options[i];
        if (option.choicesBox && option.name.text.empty()) {
            report.error(
                option.name.control,
                {RAVELIN_TR_NOOP("Check", "The menu has choices but no name; PayPal shows the "
                                          "name above the menu and sends it with the choice.")});
        } else {
            checkOptionName(report, option.name);
        }
        if (option.choicesBox) {
            std::optional<std::string_view> prices;
            if (!boxes.pricedFirstMenu) {
                prices = RAVELIN_TR_NOOP("Check", "The choice %1 gives a price, but Subscribe "
                                                  "buttons take no prices in their menus; PayPal "
                                                  "shows the whole line as the choice.");
            } else if (option.name.control != boxes.menuNames[0].control) {
                prices = RAVELIN_TR_NOOP("Check", "The choice %1 gives a price, but only the first "
                                                  "menu can give its choices prices; PayPal shows "
                                                  "the whole line as the choice.");
            }
            checkChoices(report, option, currency, prices);
        }
        if (i == most) {
            report.error(
                option.name.control,
                {RAVELIN_TR_NOOP("Check", "PayPal takes at most %1 options on this button, "
                                          "menus and text boxes together; this is the "
                                          "%2."),
                 {said(most), ordinal(i + 1)}});
        }
    }
}

// ---- Advanced variables -------------------------------------------------------------------

// The variables of PayPal's reference of HTML variables for its payment buttons, but the item
// options' numbered ones (kOptionFields).
constexpr auto kPayPalVariables = std::to_array<std::string_view>(
    {// Technical variables.
     "bn", "business", "charset", "cmd", "hosted_button_id", "notify_url",
     // Individual items.
     "amount", "discount_amount", "discount_amount2", "discount_num", "discount_rate",
     "discount_rate2", "handling", "item_name", "item_number", "quantity", "shipping", "shipping2",
     "tax", "tax_rate", "undefined_quantity", "weight", "weight_unit",
     // Payment transactions.
     "address_override", "currency_code", "custom", "invoice", "paymentaction", "tax_cart",
     "weight_cart",
     // Shopping cart.
     "add", "discount_amount_cart", "discount_rate_cart", "display", "handling_cart",
     "shopping_url", "upload",
     // Recurring payments.
     "a1", "a2", "a3", "modify", "p1", "p2", "p3", "src", "sra", "srt", "t1", "t2", "t3",
     "usr_manage",
     // Automatic billing.
     "max_text", "min_amount", "set_customer_limit",
     // Checkout pages.
     "cancel_return", "cbt", "cn", "cpp_cart_border_color", "cpp_header_image",
     "cpp_headerback_color", "cpp_headerborder_color", "cpp_logo_image", "cpp_payflow_color",
     "image_url", "lc", "no_note", "no_shipping", "page_style", "return", "rm",
     // Filling out the checkout pages for the buyer.
     "address1", "address2", "city", "country", "email", "first_name", "last_name", "night_phone_a",
     "night_phone_b", "night_phone_c", "state", "zip"});

// The locales PayPal's checkout pages take in `lc`, beside a two-letter country code.
constexpr auto kPayPalLocales = std::to_array<std::string_view>(
    {"ar_EG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_AU", "en_GB", "en_IN", "en_US",
     "es_ES", "es_XC", "fi_FI", "fr_CA", "fr_FR", "fr_XC", "he_IL", "hu_HU", "id_ID",
     "it_IT", "ja_JP", "ko_KR", "nl_NL", "no_NO", "pl_PL", "pt_BR", "pt_PT", "ru_RU",
     "sk_SK", "sv_SE", "th_TH", "tr_TR", "zh_CN", "zh_HK", "zh_TW", "zh_XC"});

// The item options' fields: on0, os0, option_select0, option_amount0 and their like, and
// option_index.
bool isOptionField(std::string_view name) {
    if (name == "option_index") {
        return true;
    }
    for (std::string_view prefix : {"option_select", "option_amount", "on", "os"}) {
        if (name.starts_with(prefix) && name.size() > prefix.size() &&
            std::ranges::all_of(name.substr(prefix.size()), isDigit)) {
            return true;
        }
    }
    return false;
}

// A variable PayPal takes only with one of a few values, or only so long.
constexpr std::array<std::string_view, 3> kZeroToTwo = {"0", "1", "2"};
constexpr std::array<std::string_view, 2> kZeroOrOne = {"0", "1"};

struct VariableRule {
    std::string_view name;
    std::span<const std::string_view> values; // none: any value
    std::size_t maxLength;                    // 0: any length
};

constexpr std::array<VariableRule, 7> kVariableRules = {{
    {"no_shipping", kZeroToTwo, 0},
    {"no_note", kZeroOrOne, 0},
    {"rm", kZeroToTwo, 0},
    {"custom", {}, 256},
    {"invoice", {}, 127},
    {"notify_url", {}, 255},
    {"cbt", {}, 60},
}};

// All values but the last, joined by commas: "0, 1" of 0, 1 and 2.
std::string allButLast(std::span<const std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        text += i == 0 ? "" : ", ";
        text += values[i];
    }
    return text;
}

bool isLanguage(std::string_view code) {
    return (code.size() == 2 &&
            std::ranges::all_of(code, [](char c) { return c >= 'A' && c <= 'Z'; })) ||
           std::ranges::find(kPayPalLocales, code) != kPayPalLocales.end();
}

// One variable's value against PayPal's rules for it.
void checkVariableValue(Report& report, std::string_view control, const AdvancedVariable& v) {
    const std::string_view value = *v.value;
    const std::string name(v.name);
    if (hasQuote(value)) {
        report.error(control, quoteSentence(word(RAVELIN_TR_NOOP("Check", "value of %1"), name)));
        return;
    }
    const auto rule = std::ranges::find(kVariableRules, v.name, &VariableRule::name);
    if (rule != kVariableRules.end()) {
        if (!rule->values.empty() && std::ranges::find(rule->values, value) == rule->values.end()) {
            report.error(control, {RAVELIN_TR_NOOP("Check", "PayPal takes %1 only as %2 or %3, "
                                                            "not %4."),
                                   {said(name), said(allButLast(rule->values)),
                                    said(rule->values.back()), said(quoted(value))}});
            return;
        }
        if (rule->maxLength > 0 && utf16Length(value) > rule->maxLength) {
            report.error(control, {RAVELIN_TR_NOOP("Check", "PayPal takes at most %1 characters "
                                                            "in %2."),
                                   {said(rule->maxLength), said(name)}});
            return;
        }
    }
    if (v.name == "lc" && !isLanguage(value)) {
        report.error(control, {RAVELIN_TR_NOOP("Check", "PayPal takes lc only as a country code of "
                                                        "two capital letters, such as DE, or one "
                                                        "of its locales, such as de_DE, not %1."),
                               {said(quoted(value))}});
    } else if (v.name == "notify_url" || v.name == "shopping_url") {
        if (value.empty()) {
            report.error(control,
                         {RAVELIN_TR_NOOP("Check", "The %1 address is empty."), {said(name)}});
        } else {
            checkAddress(report, {control, value},
                         word(RAVELIN_TR_NOOP("Check", "%1 address"), name), false, true);
        }
    }
}

// The advanced variables of a type's answers. `written`: the names of the fields the wizard
// writes for those answers.
void checkAdvancedVariables(Report& report, Box box, const std::set<std::string>& written,
                            bool takesOptions) {
    std::set<std::string_view> seen;
    for (const AdvancedVariable& v : advancedVariables(box.text)) {
        const std::string name(v.name);
        if (!v.value) {
            report.error(box.control, {RAVELIN_TR_NOOP("Check", "The line %1 has no =; write each "
                                                                "variable as name=value."),
                                       {said(quoted(v.line))}});
        } else if (v.name.empty()) {
            report.error(box.control,
                         {RAVELIN_TR_NOOP("Check", "The line %1 has no name before its =."),
                          {said(quoted(v.line))}});
        } else if (hasQuote(v.name)) {
            report.error(
                box.control,
                quoteSentence(word(RAVELIN_TR_NOOP("Check", "variable name %1"), quoted(v.name))));
        } else if (v.name == "charset") {
            report.error(
                box.control,
                {RAVELIN_TR_NOOP("Check",
                                 "The wizard writes charset itself when the button needs it.")});
        } else if (isOptionField(v.name)) {
            report.error(box.control,
                         {takesOptions
                              ? RAVELIN_TR_NOOP("Check", "The variable %1 is a field of the item "
                                                         "options; give them with \"Item options\" "
                                                         "on the item page.")
                              : RAVELIN_TR_NOOP("Check", "The variable %1 is a field of item "
                                                         "options, which PayPal takes only on Buy "
                                                         "Now, Add to Cart and Subscribe buttons."),
                          {said(name)}});
        } else if (written.contains(name)) {
            report.error(box.control,
                         {RAVELIN_TR_NOOP("Check", "The wizard already writes %1 for "
                                                   "this button from its pages; change "
                                                   "it there."),
                          {said(name)}});
        } else if (!seen.insert(v.name).second) {
            report.error(box.control, {RAVELIN_TR_NOOP("Check", "The variable %1 is given twice; "
                                                                "PayPal would read only one."),
                                       {said(name)}});
        } else {
            checkVariableValue(report, box.control, v);
            if (std::ranges::find(kPayPalVariables, v.name) == kPayPalVariables.end()) {
                report.warning(box.control, {RAVELIN_TR_NOOP("Check", "PayPal's list of variables "
                                                                      "has no %1, so PayPal will "
                                                                      "ignore it."),
                                             {said(name)}});
            }
        }
    }
}

template <typename Type>
void checkAdvanced(Report& report, const typename Type::Answers& a, std::string_view account) {
    const Box variables{controlName<Type>(Type::kAdvanced), a.*Type::kAdvanced};
    if (boxLines(variables.text).empty()) {
        return;
    }
    // The fields the button carries from the wizard's pages alone, and the item price, which
    // the item page gives even where a priced menu leaves it out.
    typename Type::Answers pagesOnly = a;
    pagesOnly.*Type::kAdvanced = {};
    std::set<std::string> written;
    const auto addWritten = [&](const typename Type::Answers& answers) {
        for (const HiddenField& field :
             Type::kWrite(answers, Context{std::string(account), {}, {}}).form.hiddenFields()) {
            written.insert(field.name);
        }
    };
    addWritten(pagesOnly);
    if constexpr (HasItemOptions<Type>) {
        if (pricedMenu(itemOptions<Type>(pagesOnly)) != nullptr) {
            pagesOnly.*Type::kItemOptions.menuChoices[0] = {};
            addWritten(pagesOnly);
        }
    }
    checkAdvancedVariables(report, variables, written, HasItemOptions<Type>);
}

// ---- Payment links ------------------------------------------------------------------------

constexpr std::string_view kLinkExample = "https://www.paypal.com/ncp/payment/ABC123";

bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether a query holds only what RFC 3986 lets a query hold: letters, digits, -._~!$&'()*+,;=
// :@/? and %-escapes of two hex digits.
bool isQuery(std::string_view query) {
    constexpr std::string_view kMarks = "-._~!$&'()*+,;=:@/?";
    for (std::size_t i = 0; i < query.size(); ++i) {
        const char c = query[i];
        if (c == '%') {
            if (i + 2 >= query.size() || !isHexDigit(query[i + 1]) || !isHexDigit(query[i + 2])) {
                return false;
            }
            i += 2;
        } else if (!isAsciiLetter(c) && !isDigit(c) && kMarks.find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// What is wrong with a payment link's address, or nothing.
std::optional<Sentence> linkProblem(std::string_view address) {
    if (address.empty()) {
        return Sentence{RAVELIN_TR_NOOP("Check", "Paste the address PayPal gives for your payment "
                                                 "link, such as %1."),
                        {said(kLinkExample)}};
    }
    if (hasBlank(address)) {
        return Sentence{
            RAVELIN_TR_NOOP("Check", "The payment link must not contain blanks or line breaks.")};
    }
    const AddressParts parts = addressParts(address);
    if (!equalCaseAside(parts.scheme, "https") || !parts.authority) {
        return Sentence{
            RAVELIN_TR_NOOP("Check", "The payment link must start with https://, as in %1."),
            {said(kLinkExample)}};
    }
    const std::string_view authority = *parts.authority;
    if (authority.find('@') != std::string_view::npos) {
        return Sentence{RAVELIN_TR_NOOP("Check",
                                        "The payment link must not hold a user name or password "
                                        "before its host; PayPal's links start with "
                                        "https://www.paypal.com/.")};
    }
    if (authority.find(':') != std::string_view::npos) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link must not name a port; PayPal's "
                                                 "links start with https://www.paypal.com/.")};
    }
    if (equalCaseAside(authority, "paypal.com") ||
        equalCaseAside(authority, "sandbox.paypal.com")) {
        return Sentence{
            RAVELIN_TR_NOOP("Check",
                            "PayPal's payment links are on www.%1; write https://www.%1%2."),
            {said(authority), said(parts.path)}};
    }
    if (!equalCaseAside(authority, kPaymentLinkHost) &&
        !equalCaseAside(authority, kSandboxPaymentLinkHost)) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link leads to %1, not to PayPal: its "
                                                 "host must be %2, or %3 for tests."),
                        {said(authority), said(kPaymentLinkHost), said(kSandboxPaymentLinkHost)}};
    }
    if (!parts.path.starts_with(kPaymentLinkPath)) {
        return Sentence{RAVELIN_TR_NOOP("Check", "This is not a payment link: after the host "
                                                 "PayPal's links go on with %1 and the link's ID."),
                        {said(kPaymentLinkPath)}};
    }
    const std::string_view id = parts.path.substr(kPaymentLinkPath.size());
    const std::size_t slash = id.find('/');
    if (slash != std::string_view::npos) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link goes on after its ID (%1); it "
                                                 "must end with the ID, or with a query after ?."),
                        {said(id.substr(slash))}};
    }
    if (id.empty()) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link has no ID after %1; copy the "
                                                 "whole link from PayPal."),
                        {said(kPaymentLinkPath)}};
    }
    if (!std::ranges::all_of(id, [](char c) { return isAsciiLetter(c) || isDigit(c); })) {
        return Sentence{
            RAVELIN_TR_NOOP("Check", "The payment link's ID (%1) must be letters and digits only."),
            {said(id)}};
    }
    if (parts.fragment) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link must not end in a # part; "
                                                 "PayPal's links end with the ID or a query.")};
    }
    if (parts.query && !isQuery(*parts.query)) {
        return Sentence{RAVELIN_TR_NOOP("Check", "The payment link's query (?%1) holds characters "
                                                 "an address does not; copy it again from PayPal."),
                        {said(*parts.query)}};
    }
    return std::nullopt;
}

} // namespace

Findings checkPaymentLink(const PaymentLinkAnswers& a) {
    using A = PaymentLinkAnswers;
    Findings findings;
    Report report(findings);
    const PictureChoice picture = pictureChoice(a.optPL, PaymentLink::kPictures.size());
    if (picture == PictureChoice::Custom) {
        checkOwnPicture(report, box<&A::txtButtonURLPL>(a));
    }
    const Box link = box<&A::txtLinkURLPL>(a);
    if (std::optional<Sentence> problem = linkProblem(link.text)) {
        report.error(link.control, std::move(*problem));
    }
    const Box text = box<&A::txtLinkTextPL>(a);
    const bool wordless = std::ranges::all_of(
        text.text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (wordless && picture == PictureChoice::None) {
        report.error(text.control,
                     {RAVELIN_TR_NOOP("Check", "With no link text and no picture, the link cannot "
                                               "be seen or clicked: give it a text or choose a "
                                               "picture.")});
    } else if (wordless) {
        report.warning(text.control,
                       {RAVELIN_TR_NOOP("Check", "With no link text, those who cannot see the "
                                                 "picture hear nothing of what it does: give it a "
                                                 "text such as \"Pay with PayPal\".")});
    }
    return findings;
}

Findings checkBuyNow(const BuyNowAnswers& a, std::string_view account) {
    using A = BuyNowAnswers;
    Findings findings;
    Report report(findings);
    checkAccount(report, account);
    checkPicture<BuyNow>(report, a);

    const Box name = box<&A::txtItemNameBN>(a);
    if (name.text.empty()) {
        report.warning(
            name.control,
            {RAVELIN_TR_NOOP(
                "Check",
                "With no item name, the buyer is asked to type what they are paying for.")});
    }
    checkName(report, name, word(RAVELIN_TR_NOOP("Check", "item name")), true);
    checkName(report, box<&A::txtItemIDBN>(a), word(RAVELIN_TR_NOOP("Check", "item number")), true);

    const Currency* currency = findCurrency(a.cmbCurrencyBN);
    const std::vector<ItemOption> options = itemOptions<BuyNow>(a);
    const Box price = box<&A::txtPriceBN>(a);
    if (!writesItemPrice(price.text, options)) {
        // The first menu gives the prices.
    } else if (price.text.empty()) {
        report.warning(
            price.control,
            {RAVELIN_TR_NOOP("Check", "With no price, the buyer is asked to type the amount.")});
    } else {
        checkAmount(report, price, {word(RAVELIN_TR_NOOP("Check", "price")), true, true}, currency);
        checkPriceBesidePricedMenu(report, price, options);
    }
    checkCurrency(report, box<&A::cmbCurrencyBN>(a));
    checkItemOptions<BuyNow>(report, a, currency);

    checkShippingAmount(report, box<&A::txtBaseShippingBN>(a),
                        word(RAVELIN_TR_NOOP("Check", "base shipping")), currency);
    const Box extraShipping = box<&A::txtExtraShippingBN>(a);
    checkShippingAmount(report, extraShipping, word(RAVELIN_TR_NOOP("Check", "extra shipping")),
                        currency);
    if (writesShippingAmount(extraShipping.text) && !letsBuyerChooseQuantity(a)) {
        report.warning(
            extraShipping.control,
            {RAVELIN_TR_NOOP(
                "Check", "Extra shipping is never charged, because the buyer cannot buy more than "
                         "one of this item.")});
    }
    checkShippingAmount(report, box<&A::txtHandlingBN>(a),
                        word(RAVELIN_TR_NOOP("Check", "handling")), currency);
    checkOptionalAddress(report, box<&A::txtLogoBN>(a),
                         word(RAVELIN_TR_NOOP("Check", "logo address")), writesLogo(a), true);
    checkReturnAddresses(report, box<&A::txtWebSiteSuccessBN>(a), box<&A::txtCancelBN>(a));
    checkAdvanced<BuyNow>(report, a, account);
    return findings;
}

Findings checkAddToCart(const AddToCartAnswers& a, std::string_view account) {
    using A = AddToCartAnswers;
    Findings findings;
    Report report(findings);
    checkAccount(report, account);
    checkPicture<AddToCart>(report, a);

    const Box name = box<&A::txtItemNameATC>(a);
    if (name.text.empty()) {
        report.warning(
            name.control,
            {RAVELIN_TR_NOOP("Check", "With no item name, the cart shows the item unnamed.")});
    }
    checkName(report, name, word(RAVELIN_TR_NOOP("Check", "item name")), true);
    checkName(report, box<&A::txtItemIDATC>(a), word(RAVELIN_TR_NOOP("Check", "item number")),
              true);

    const Currency* currency = findCurrency(a.cmbCurrencyATC);
    const std::vector<ItemOption> options = itemOptions<AddToCart>(a);
    const Box price = box<&A::txtPriceATC>(a);
    if (!writesItemPrice(price.text, options)) {
        // The first menu gives the prices.
    } else if (price.text.empty()) {
        report.error(
            price.control,
            {RAVELIN_TR_NOOP("Check", "No price is given; an item in the cart needs one.")});
    } else {
        checkAmount(report, price, {word(RAVELIN_TR_NOOP("Check", "price")), true, true}, currency);
        checkPriceBesidePricedMenu(report, price, options);
    }
    checkCurrency(report, box<&A::cmbCurrencyATC>(a));
    checkNote(report, box<&A::txtNoteATC>(a), writesNote(a));
    checkItemOptions<AddToCart>(report, a, currency);
    checkOptionalAddress(report, box<&A::txtLogoATC>(a),
                         word(RAVELIN_TR_NOOP("Check", "logo address")), writesLogo(a), true);
    checkReturnAddresses(report, box<&A::txtWebSiteSuccessATC>(a), box<&A::txtCancelATC>(a));
    checkAdvanced<AddToCart>(report, a, account);
    return findings;
}

Findings checkViewCart(const ViewCartAnswers& a, std::string_view account) {
    Findings findings;
    Report report(findings);
    checkAccount(report, account);
    checkPicture<ViewCart>(report, a);
    checkAdvanced<ViewCart>(report, a, account);
    return findings;
}

Findings checkDonate(const DonateAnswers& a, std::string_view account) {
    using A = DonateAnswers;
    Findings findings;
    Report report(findings);
    checkAccount(report, account);
    checkPicture<Donate>(report, a);

    checkName(report, box<&A::txtItemNameDON>(a), word(RAVELIN_TR_NOOP("Check", "donation name")),
              false);
    checkName(report, box<&A::txtItemIDDON>(a), word(RAVELIN_TR_NOOP("Check", "donation number")),
              false);
    // An empty amount is written empty: the donor types the amount.
    if (isNotEmpty(a.txtPriceDON)) {
        checkAmount(report, box<&A::txtPriceDON>(a),
                    {word(RAVELIN_TR_NOOP("Check", "donation amount")), true, true},
                    findCurrency(a.cmbCurrencyDON));
    }
    checkCurrency(report, box<&A::cmbCurrencyDON>(a));
    checkNote(report, box<&A::txtNoteDON>(a), writesNote(a));
    checkOptionalAddress(report, box<&A::txtLogoATC>(a),
                         word(RAVELIN_TR_NOOP("Check", "logo address")), writesLogo(a), true);
    checkReturnAddresses(report, box<&A::txtWebSiteSuccessATC>(a), box<&A::txtCancelATC>(a));
    checkAdvanced<Donate>(report, a, account);
    return findings;
}

Findings checkSubscribe(const SubscribeAnswers& a, std::string_view account) {
    using A = SubscribeAnswers;
    Findings findings;
    Report report(findings);
    checkAccount(report, account);
    checkPicture<Subscribe>(report, a);

    const Box name = box<&A::txtItemNameSUB>(a);
    if (name.text.empty()) {
        report.warning(
            name.control,
            {RAVELIN_TR_NOOP("Check", "With no subscription name, the subscriber is asked to "
                                      "type what they are paying for.")});
    }
    checkName(report, name, word(RAVELIN_TR_NOOP("Check", "subscription name")), true);
    checkName(report, box<&A::txtItemIDSUB>(a), word(RAVELIN_TR_NOOP("Check", "reference number")),
              true);

    const Currency* currency = findCurrency(a.cmbCurrencySUB);
    checkCurrency(report, box<&A::cmbCurrencySUB>(a));
    checkItemOptions<Subscribe>(report, a, currency);

    // The regular plan.
    const Box price = box<&A::txtPriceSUB>(a);
    if (price.text.empty()) {
        report.error(price.control, {RAVELIN_TR_NOOP("Check", "No subscription price is given.")});
    } else {
        checkAmount(report, price,
                    {word(RAVELIN_TR_NOOP("Check", "subscription price")), true, true}, currency);
    }
    checkPeriod(report, word(RAVELIN_TR_NOOP("Check", "billing cycle")), box<&A::cmbNumberSUB>(a),
                box<&A::cmbTermSUB>(a));
    if (stopsAfter(a)) {
        const std::optional<int> payments = wholeNumber(a.cmbStopSUB);
        if (!payments || *payments < 2 || *payments > 52) {
            report.error(keyName(&A::cmbStopSUB),
                         {RAVELIN_TR_NOOP("Check", "With \"Stop charging after\", the number "
                                                   "of payments must be a whole number from 2 "
                                                   "to 52.")});
        }
    } else if (!recurs(a)) {
        report.warning(keyName(&A::optRecurSUB),
                       {RAVELIN_TR_NOOP("Check", "Neither way of charging is chosen, so the "
                                                 "subscriber is charged only once.")});
    }

    // The trial period or set-up fee; its price as typed.
    if (writesTrial(a)) {
        checkAmount(report, box<&A::txtPrice2SUB>(a),
                    {word(RAVELIN_TR_NOOP("Check", "trial price")), false, false}, currency);
        checkPeriod(report, word(RAVELIN_TR_NOOP("Check", "trial period")),
                    box<&A::cmbNumber2SUB>(a), box<&A::cmbTerm2SUB>(a));
    }
    checkOptionalAddress(report, box<&A::txtLogoBN>(a),
                         word(RAVELIN_TR_NOOP("Check", "logo address")), writesLogo(a), true);
    checkReturnAddresses(report, box<&A::txtWebSiteSuccessBN>(a), box<&A::txtCancelBN>(a));
    checkAdvanced<Subscribe>(report, a, account);
    return findings;
}

std::string_view severityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

bool hasErrors(std::span<const Finding> findings) {
    return std::ranges::any_of(findings,
                               [](const Finding& f) { return f.severity == Severity::Error; });
}

} // namespace ravelin::buttons
