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

class Report {
public:
    explicit Report(Findings& findings) : findings_(findings) {}

    void error(std::string_view control, std::string message) {
        findings_.push_back({Severity::Error, control, std::move(message)});
    }
    void warning(std::string_view control, std::string message) {
        findings_.push_back({Severity::Warning, control, std::move(message)});
    }

private:
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

std::string join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text += part;
    }
    return text;
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

std::string quoteSentence(std::string_view noun) {
    return join({"The ", noun,
                 " contains a double quote, which ends the value early in the "
                 "button's HTML."});
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
        report.error(c, "No PayPal account address is given.");
    } else if (hasBlank(account)) {
        report.error(c, "The PayPal account address must not contain blanks.");
    } else if (hasQuote(account)) {
        report.error(c, quoteSentence("PayPal account address"));
    } else if (utf16Length(account) > kMaxNameLength) {
        report.error(c, "The PayPal account address can be at most 127 characters long.");
    } else if (isAccountId(account)) {
        return;
    } else if (std::ranges::count(account, '@') != 1) {
        report.error(c, "The PayPal account address must contain exactly one @, as in "
                        "seller@example.com.");
    } else {
        const std::size_t at = account.find('@');
        const std::string_view domain = account.substr(at + 1);
        if (at == 0) {
            report.error(c, "The PayPal account address needs a name before the @.");
        } else if (domain.find('.') == std::string_view::npos || domain.front() == '.' ||
                   domain.back() == '.' || domain.find("..") != std::string_view::npos) {
            report.error(c, "The PayPal account address needs a domain with a dot after the @, "
                            "such as example.com.");
        }
    }
}

// ---- Texts --------------------------------------------------------------------------------

// An item name or number. `shownOnPage`: the writer also puts it on the page as a
// description line, as markup.
void checkName(Report& report, Box box, std::string_view noun, bool shownOnPage) {
    if (hasQuote(box.text)) {
        report.error(box.control, quoteSentence(noun));
    } else if (utf16Length(box.text) > kMaxNameLength) {
        report.error(box.control, join({"The ", noun, " can be at most 127 characters long."}));
    } else if (shownOnPage && box.text.find('<') != std::string_view::npos) {
        report.warning(box.control, join({"The ", noun,
                                          " contains <, which your page will read as the start of "
                                          "HTML markup."}));
    }
}

void checkCurrency(Report& report, Box box) {
    const Currency* currency = findCurrency(box.text);
    if (currency == nullptr) {
        report.error(box.control, "The currency must be one from the list; any other text sends no "
                                  "currency, and the payment service charges US dollars.");
    } else if (!currency->onlyFor.empty()) {
        constexpr std::string_view elsewhere =
            "; an account elsewhere gets the payment in its own currency, converted for a fee.";
        report.warning(box.control, join({"PayPal takes ", currency->plural,
                                          " only for accounts in ", currency->onlyFor, elsewhere}));
    }
}

// The note label, when the writer writes it as the `cn` field.
void checkNote(Report& report, Box box, bool written) {
    if (!written) {
        return;
    }
    if (hasQuote(box.text)) {
        report.error(box.control, quoteSentence("note label"));
    } else if (utf16Length(box.text) > kMaxNoteLength) {
        report.error(box.control, "The note label can be at most 40 characters long.");
    } else if (box.text == kNoteSample) {
        report.warning(box.control, "The note label still reads \"(optional instructions)\"; type "
                                    "the words the buyer should see above the note.");
    }
}

// ---- Amounts ------------------------------------------------------------------------------

// What an amount box holds. `formatted`: the writer passes it through the money format,
// otherwise it is written as typed. `aboveZero`: the payment service refuses zero.
struct Amount {
    std::string_view noun;
    bool formatted;
    bool aboveZero;
};

// Whether the currency's amounts are whole numbers.
bool isWhole(const Currency* currency) {
    return currency != nullptr && currency->decimals == 0;
}

// What is wrong with an amount as written into the button in `currency`, or nothing.
std::optional<std::string> amountProblem(std::string_view written, std::string_view noun,
                                         const Currency* currency) {
    const bool whole = isWhole(currency);
    const std::string_view example = whole ? "1200" : "12.50";
    if (hasBlank(written)) {
        return join({"The ", noun, " must not contain blanks."});
    }
    if (written.starts_with('-')) {
        return join({"The ", noun, " cannot be negative."});
    }
    if (written.starts_with('+')) {
        return join({"The ", noun, " must be written without a plus sign."});
    }
    if (written.find(',') != std::string_view::npos) {
        return join({"The ", noun, " must be a number such as ", example,
                     ", with a point for decimals and no thousands separators."});
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
            return join({"The ", noun, " must be written out in digits, without an exponent."});
        }
        return join({"The ", noun, " must be a number such as ", example, "."});
    }
    if (whole && point != std::string_view::npos) {
        return join(
            {currency->plural, " have no decimals, so the ", noun, " must be a whole number."});
    }
    if (fraction.size() > 2) {
        return join({"The ", noun, " can have at most two decimals."});
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
    if (std::optional<std::string> problem = amountProblem(written, amount.noun, currency)) {
        report.error(box.control, std::move(*problem));
        return;
    }
    if (amount.aboveZero && isZero(written)) {
        report.error(box.control, join({"The ", amount.noun, " must be more than zero."}));
        return;
    }
    if (amount.formatted && isRounded(box.text, currency)) {
        report.warning(box.control,
                       join({"The ", amount.noun, " has more decimals than the currency has;",
                             " the button asks for ", written, "."}));
    }
}

// A Buy Now shipping or handling box, checked as written (as typed) when the writer writes it.
void checkShippingAmount(Report& report, Box box, std::string_view noun, const Currency* currency) {
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
void checkAddress(Report& report, Box box, std::string_view noun, bool secure, bool full = false) {
    const std::string_view control = box.control;
    const std::string_view address = box.text;
    if (hasBlank(address)) {
        report.error(control, join({"The ", noun, " must not contain blanks."}));
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
        report.error(control, join({"The ", noun,
                                    " must be a full address starting with https:// or "
                                    "http://, such as https://www.example.com/ipn."}));
        return;
    }
    if (!hasScheme) {
        report.warning(control, join({"The ", noun,
                                      " is not a full address starting with https:// or "
                                      "http://, so it may not be found."}));
        return;
    }
    std::string scheme(address.substr(0, colon));
    std::ranges::transform(scheme, scheme.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    const std::string_view rest = address.substr(colon + 1);
    if ((scheme != "http" && scheme != "https") || !rest.starts_with("//")) {
        report.error(control, join({"The ", noun, " must start with https:// or http://."}));
        return;
    }
    const std::string_view afterSlashes = rest.substr(2);
    const std::optional<std::string_view> host =
        hostOf(afterSlashes.substr(0, afterSlashes.find_first_of("/?#")));
    if (!host) {
        report.error(control, join({"The ", noun, " has a host name that is not valid."}));
    } else if (host->empty()) {
        report.error(control, join({"The ", noun, " has no host name after ", scheme,
                                    "://, such as www.example.com."}));
    } else if (secure && scheme == "http") {
        report.warning(control, join({"The ", noun,
                                      " starts with http://, so secure pages may not show the "
                                      "picture; use https://."}));
    }
}

// An address box the writer may leave out, as `written` says. A box left out while it holds
// something is under the seven-character test: worth a word unless it is the untouched
// "http://".
void checkOptionalAddress(Report& report, Box box, std::string_view noun, bool written,
                          bool secure) {
    if (written) {
        if (!box.text.empty()) {
            checkAddress(report, box, noun, secure);
        }
    } else if (!box.text.empty() && box.text != kUnsetAddress) {
        report.warning(box.control, join({"The ", noun,
                                          " is left out of the button: an address of exactly "
                                          "seven characters is taken for the unchanged "
                                          "\"http://\"."}));
    }
}

void checkReturnAddresses(Report& report, Box returnBox, Box cancelBox) {
    checkOptionalAddress(report, returnBox, "return address", writesAddress(returnBox.text), false);
    checkOptionalAddress(report, cancelBox, "cancel address", writesAddress(cancelBox.text), false);
}

// The address of the seller's own button picture.
void checkOwnPicture(Report& report, Box address) {
    if (address.text.empty()) {
        report.error(address.control, "No address is given for your own button picture.");
        return;
    }
    checkAddress(report, address, "button picture address", true);
}

// The button picture of a type: one of its standard pictures, or the seller's own at the
// address box (the type's first two answer keys).
template <typename Type> void checkPicture(Report& report, const typename Type::Answers& answers) {
    const auto& option = pictureKey<Type>();
    const auto& addressBox = pictureAddressKey<Type>();
    switch (pictureChoice(answers.*option.option, Type::kPictures.size())) {
    case PictureChoice::None:
        report.error(option.name,
                     "No button picture is chosen, so the button has nothing to click.");
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
    {"D", "days", 90},
    {"W", "weeks", 52},
    {"M", "months", 24},
    {"Y", "years", 5},
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
void checkPeriod(Report& report, std::string_view noun, Box number, Box unitBox) {
    const auto unit = std::ranges::find(kUnits, firstCharacter(unitBox.text), &Unit::code);
    const std::optional<int> length = wholeNumber(number.text);
    if (!length) {
        report.error(number.control, join({"The ", noun, " must be a whole number, such as 1."}));
    } else if (unit != kUnits.end() && (*length < 1 || *length > unit->most)) {
        report.error(number.control, join({"A ", noun, " in ", unit->plural, " can be from 1 to ",
                                           std::to_string(unit->most), "."}));
    }
    if (unit == kUnits.end()) {
        report.error(unitBox.control, join({"The ", noun,
                                            " must be counted in days, weeks, months or years, as "
                                            "in the list."}));
    }
}

// ---- Item options -----------------------------------------------------------------------

// An item price given beside a priced menu, whose choices' prices PayPal charges instead.
void checkPriceBesidePricedMenu(Report& report, Box price, std::span<const ItemOption> options) {
    if (pricedMenu(options) != nullptr) {
        report.warning(price.control, "The first menu gives each choice its price, and PayPal "
                                      "charges that one, not this price.");
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

std::string ordinal(std::size_t n) {
    const std::string_view suffix = n % 100 >= 11 && n % 100 <= 13 ? "th"
                                    : n % 10 == 1                  ? "st"
                                    : n % 10 == 2                  ? "nd"
                                    : n % 10 == 3                  ? "rd"
                                                                   : "th";
    return std::to_string(n) + std::string(suffix);
}

// The name of a menu or text box, which the payment service shows the buyer and sends back.
void checkOptionName(Report& report, const OptionBox& name) {
    if (hasQuote(name.text)) {
        report.error(name.control, quoteSentence("option name"));
    } else if (utf16Length(name.text) > kMaxOptionLength) {
        report.error(name.control, "The option name can be at most 64 characters long.");
    }
}

// The choices of a menu; `prices`: what is said of a line that gives a price on a menu that
// takes none, or nothing on the priced menu.
void checkChoices(Report& report, const ItemOption& menu, const Currency* currency,
                  std::optional<std::string_view> prices) {
    const std::string_view control = menu.choicesBox->control;
    if (menu.choices.empty()) {
        report.error(control, "The menu has no choices; write them one a line.");
        return;
    }
    bool quote = false;
    bool tooLong = false;
    bool priceless = false;
    for (const MenuChoice& choice : menu.choices) {
        if (hasQuote(choice.name) && !std::exchange(quote, true)) {
            report.error(control, join({"The choice ", quoted(choice.line),
                                        " contains a double quote, which ends the value early "
                                        "in the button's HTML."}));
        } else if (utf16Length(choice.name) > kMaxOptionLength && !std::exchange(tooLong, true)) {
            report.error(control, join({"The choice ", quoted(choice.line),
                                        " is longer than the 64 characters PayPal takes."}));
        }
        if (prices && looksPriced(choice.line)) {
            report.error(control, join({"The choice ", quoted(choice.line), " gives a price, but ",
                                        *prices}));
            return;
        }
        if (!menu.priced) {
            continue;
        }
        if (!choice.price) {
            if (!std::exchange(priceless, true)) {
                report.error(control, join({"The choice ", quoted(choice.line),
                                            " has no price; once one choice of the menu has a "
                                            "price, each needs one, as in Large = 12.50."}));
            }
        } else if (choice.price->empty()) {
            report.error(control,
                         join({"The choice ", quoted(choice.line), " has no price after its =."}));
        } else {
            const std::string noun = join({"price of ", quoted(choice.name)});
            checkAmount(report, {control, *choice.price}, {noun, true, true}, currency);
        }
    }
    if (menu.priced && menu.choices.size() > kMaxPricedChoices) {
        report.error(control, join({"PayPal takes prices for at most 10 choices; this menu has ",
                                    std::to_string(menu.choices.size()), "."}));
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
            report.error(option.name.control, "The menu has choices but no name; PayPal shows the "
                                              "name above the menu and sends it with the choice.");
        } else {
            checkOptionName(report, option.name);
        }
        if (option.choicesBox) {
            std::optional<std::string_view> prices;
            if (!boxes.pricedFirstMenu) {
                prices = "Subscribe buttons take no prices in their menus; PayPal shows the whole "
                         "line as the choice.";
            } else if (option.name.control != boxes.menuNames[0].control) {
                prices = "only the first menu can give its choices prices; PayPal shows the whole "
                         "line as the choice.";
            }
            checkChoices(report, option, currency, prices);
        }
        if (i == most) {
            const std::string sentence = " options on this button, menus and text boxes "
                                         "together; this is the ";
            report.error(option.name.control, join({"PayPal takes at most ", std::to_string(most),
                                                    sentence, ordinal(i + 1), "."}));
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

std::string joinedValues(std::span<const std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += i == 0 ? "" : i + 1 == values.size() ? " or " : ", ";
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
        report.error(control, quoteSentence("value of " + name));
        return;
    }
    const auto rule = std::ranges::find(kVariableRules, v.name, &VariableRule::name);
    if (rule != kVariableRules.end()) {
        if (!rule->values.empty() && std::ranges::find(rule->values, value) == rule->values.end()) {
            report.error(control, join({"PayPal takes ", name, " only as ",
                                        joinedValues(rule->values), ", not ", quoted(value), "."}));
            return;
        }
        if (rule->maxLength > 0 && utf16Length(value) > rule->maxLength) {
            report.error(control, join({"PayPal takes at most ", std::to_string(rule->maxLength),
                                        " characters in ", name, "."}));
            return;
        }
    }
    if (v.name == "lc" && !isLanguage(value)) {
        report.error(control, join({"PayPal takes lc only as a country code of two capital "
                                    "letters, such as DE, or one of its locales, such as de_DE, "
                                    "not ",
                                    quoted(value), "."}));
    } else if (v.name == "notify_url" || v.name == "shopping_url") {
        if (value.empty()) {
            report.error(control, join({"The ", name, " address is empty."}));
        } else {
            checkAddress(report, {control, value}, name + " address", false, true);
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
            report.error(box.control, join({"The line ", quoted(v.line),
                                            " has no =; write each variable as name=value."}));
        } else if (v.name.empty()) {
            report.error(box.control, join({"The line ", quoted(v.line),
                                            " has no name before "
                                            "its =."}));
        } else if (hasQuote(v.name)) {
            report.error(box.control, quoteSentence("variable name " + quoted(v.name)));
        } else if (v.name == "charset") {
            report.error(box.control, "The wizard writes charset itself when the button needs it.");
        } else if (isOptionField(v.name)) {
            report.error(box.control,
                         takesOptions
                             ? join({"The variable ", name,
                                     " is a field of the item options; give them with "
                                     "\"Item options\" on the item page."})
                             : join({"The variable ", name,
                                     " is a field of item options, which PayPal takes "
                                     "only on Buy Now, Add to Cart and Subscribe buttons."}));
        } else if (written.contains(name)) {
            report.error(box.control, join({"The wizard already writes ", name,
                                            " for this button from its pages; change it there."}));
        } else if (!seen.insert(v.name).second) {
            report.error(box.control, join({"The variable ", name,
                                            " is given twice; PayPal would read only one."}));
        } else {
            checkVariableValue(report, box.control, v);
            if (std::ranges::find(kPayPalVariables, v.name) == kPayPalVariables.end()) {
                report.warning(box.control, join({"PayPal's list of variables has no ", name,
                                                  ", so PayPal will ignore it."}));
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
std::optional<std::string> linkProblem(std::string_view address) {
    if (address.empty()) {
        return join(
            {"Paste the address PayPal gives for your payment link, such as ", kLinkExample, "."});
    }
    if (hasBlank(address)) {
        return std::string("The payment link must not contain blanks or line breaks.");
    }
    const AddressParts parts = addressParts(address);
    if (!equalCaseAside(parts.scheme, "https") || !parts.authority) {
        return join({"The payment link must start with https://, as in ", kLinkExample, "."});
    }
    const std::string_view authority = *parts.authority;
    if (authority.find('@') != std::string_view::npos) {
        return std::string("The payment link must not hold a user name or password before its "
                           "host; PayPal's links start with https://www.paypal.com/.");
    }
    if (authority.find(':') != std::string_view::npos) {
        return std::string("The payment link must not name a port; PayPal's links start with "
                           "https://www.paypal.com/.");
    }
    if (equalCaseAside(authority, "paypal.com") ||
        equalCaseAside(authority, "sandbox.paypal.com")) {
        return join({"PayPal's payment links are on www.", authority, "; write https://www.",
                     authority, parts.path, "."});
    }
    if (!equalCaseAside(authority, kPaymentLinkHost) &&
        !equalCaseAside(authority, kSandboxPaymentLinkHost)) {
        return join({"The payment link leads to ", authority, ", not to PayPal: its host must be ",
                     kPaymentLinkHost, ", or ", kSandboxPaymentLinkHost, " for tests."});
    }
    if (!parts.path.starts_with(kPaymentLinkPath)) {
        return join({"This is not a payment link: after the host PayPal's links go on with ",
                     kPaymentLinkPath, " and the link's ID."});
    }
    const std::string_view id = parts.path.substr(kPaymentLinkPath.size());
    const std::size_t slash = id.find('/');
    if (slash != std::string_view::npos) {
        return join({"The payment link goes on after its ID (", id.substr(slash),
                     "); it must end with the ID, or with a query after ?."});
    }
    if (id.empty()) {
        return join({"The payment link has no ID after ", kPaymentLinkPath,
                     "; copy the whole link from PayPal."});
    }
    if (!std::ranges::all_of(id, [](char c) { return isAsciiLetter(c) || isDigit(c); })) {
        return join({"The payment link's ID (", id, ") must be letters and digits only."});
    }
    if (parts.fragment) {
        return std::string("The payment link must not end in a # part; PayPal's links end with "
                           "the ID or a query.");
    }
    if (parts.query && !isQuery(*parts.query)) {
        return join({"The payment link's query (?", *parts.query,
                     ") holds characters an address does not; copy it again from PayPal."});
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
    if (std::optional<std::string> problem = linkProblem(link.text)) {
        report.error(link.control, std::move(*problem));
    }
    const Box text = box<&A::txtLinkTextPL>(a);
    const bool wordless = std::ranges::all_of(
        text.text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    if (wordless && picture == PictureChoice::None) {
        report.error(text.control, "With no link text and no picture, the link cannot be seen "
                                   "or clicked: give it a text or choose a picture.");
    } else if (wordless) {
        report.warning(text.control, "With no link text, those who cannot see the picture "
                                     "hear nothing of what it does: give it a text such as "
                                     "\"Pay with PayPal\".");
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
        report.warning(name.control,
                       "With no item name, the buyer is asked to type what they are paying for.");
    }
    checkName(report, name, "item name", true);
    checkName(report, box<&A::txtItemIDBN>(a), "item number", true);

    const Currency* currency = findCurrency(a.cmbCurrencyBN);
    const std::vector<ItemOption> options = itemOptions<BuyNow>(a);
    const Box price = box<&A::txtPriceBN>(a);
    if (!writesItemPrice(price.text, options)) {
        // The first menu gives the prices.
    } else if (price.text.empty()) {
        report.warning(price.control, "With no price, the buyer is asked to type the amount.");
    } else {
        checkAmount(report, price, {"price", true, true}, currency);
        checkPriceBesidePricedMenu(report, price, options);
    }
    checkCurrency(report, box<&A::cmbCurrencyBN>(a));
    checkItemOptions<BuyNow>(report, a, currency);

    checkShippingAmount(report, box<&A::txtBaseShippingBN>(a), "base shipping", currency);
    const Box extraShipping = box<&A::txtExtraShippingBN>(a);
    checkShippingAmount(report, extraShipping, "extra shipping", currency);
    if (writesShippingAmount(extraShipping.text) && !letsBuyerChooseQuantity(a)) {
        report.warning(extraShipping.control,
                       "Extra shipping is never charged, because the buyer cannot buy more than "
                       "one of this item.");
    }
    checkShippingAmount(report, box<&A::txtHandlingBN>(a), "handling", currency);
    checkOptionalAddress(report, box<&A::txtLogoBN>(a), "logo address", writesLogo(a), true);
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
        report.warning(name.control, "With no item name, the cart shows the item unnamed.");
    }
    checkName(report, name, "item name", true);
    checkName(report, box<&A::txtItemIDATC>(a), "item number", true);

    const Currency* currency = findCurrency(a.cmbCurrencyATC);
    const std::vector<ItemOption> options = itemOptions<AddToCart>(a);
    const Box price = box<&A::txtPriceATC>(a);
    if (!writesItemPrice(price.text, options)) {
        // The first menu gives the prices.
    } else if (price.text.empty()) {
        report.error(price.control, "No price is given; an item in the cart needs one.");
    } else {
        checkAmount(report, price, {"price", true, true}, currency);
        checkPriceBesidePricedMenu(report, price, options);
    }
    checkCurrency(report, box<&A::cmbCurrencyATC>(a));
    checkNote(report, box<&A::txtNoteATC>(a), writesNote(a));
    checkItemOptions<AddToCart>(report, a, currency);
    checkOptionalAddress(report, box<&A::txtLogoATC>(a), "logo address", writesLogo(a), true);
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

    checkName(report, box<&A::txtItemNameDON>(a), "donation name", false);
    checkName(report, box<&A::txtItemIDDON>(a), "donation number", false);
    // An empty amount is written empty: the donor types the amount.
    if (isNotEmpty(a.txtPriceDON)) {
        checkAmount(report, box<&A::txtPriceDON>(a), {"donation amount", true, true},
                    findCurrency(a.cmbCurrencyDON));
    }
    checkCurrency(report, box<&A::cmbCurrencyDON>(a));
    checkNote(report, box<&A::txtNoteDON>(a), writesNote(a));
    checkOptionalAddress(report, box<&A::txtLogoATC>(a), "logo address", writesLogo(a), true);
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
        report.warning(name.control, "With no subscription name, the subscriber is asked to "
                                     "type what they are paying for.");
    }
    checkName(report, name, "subscription name", true);
    checkName(report, box<&A::txtItemIDSUB>(a), "reference number", true);

    const Currency* currency = findCurrency(a.cmbCurrencySUB);
    checkCurrency(report, box<&A::cmbCurrencySUB>(a));
    checkItemOptions<Subscribe>(report, a, currency);

    // The regular plan.
    const Box price = box<&A::txtPriceSUB>(a);
    if (price.text.empty()) {
        report.error(price.control, "No subscription price is given.");
    } else {
        checkAmount(report, price, {"subscription price", true, true}, currency);
    }
    checkPeriod(report, "billing cycle", box<&A::cmbNumberSUB>(a), box<&A::cmbTermSUB>(a));
    if (stopsAfter(a)) {
        const std::optional<int> payments = wholeNumber(a.cmbStopSUB);
        if (!payments || *payments < 2 || *payments > 52) {
            report.error(keyName(&A::cmbStopSUB),
                         "With \"Stop charging after\", the number of payments must be a whole "
                         "number from 2 to 52.");
        }
    } else if (!recurs(a)) {
        report.warning(keyName(&A::optRecurSUB), "Neither way of charging is chosen, so the "
                                                 "subscriber is charged only once.");
    }

    // The trial period or set-up fee; its price as typed.
    if (writesTrial(a)) {
        checkAmount(report, box<&A::txtPrice2SUB>(a), {"trial price", false, false}, currency);
        checkPeriod(report, "trial period", box<&A::cmbNumber2SUB>(a), box<&A::cmbTerm2SUB>(a));
    }
    checkOptionalAddress(report, box<&A::txtLogoBN>(a), "logo address", writesLogo(a), true);
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
