// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"

#include "buttons/wordcopy.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

namespace ravelin::buttons {

namespace {

constexpr std::string_view kDescriptionEnd = "<br>\r\n\r\n";
constexpr std::string_view kFormStart = R"(<form action=")";
constexpr std::string_view kFormEnd = "\" target=\"paypal\" method=\"post\">\r\n";
constexpr std::string_view kHiddenStart = R"(<input type="hidden" name=")";
constexpr std::string_view kHiddenValue = R"(" value=")";
constexpr std::string_view kHiddenEnd = "\">\r\n";
constexpr std::string_view kSpacedHiddenEnd = "\" > \r\n";
constexpr std::string_view kImageStart = R"(<input type="image" src=")";
constexpr std::string_view kImageEnd = "\" border=\"0\" name=\"submit\">\r\n";
constexpr std::string_view kClosing = "</form>";
// The hidden field charset = "utf-8".
constexpr std::string_view kCharsetElement =
    "<input type=\"hidden\" name=\"charset\" value=\"utf-8\">\r\n";

// The characters that escaping replaces: & < > always, " in attribute values.
enum class Escaping { Text, Attribute };

constexpr bool isSpecial(char c, Escaping escaping) {
    return c == '&' || c == '<' || c == '>' || (c == '"' && escaping == Escaping::Attribute);
}

std::string_view entityOf(char c) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        return "&quot;";
    }
}

// Texts are copied eight bytes at a time, as 64-bit words, and looked at on the way.
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Non-zero when a byte of `word` is zero.
constexpr std::uint64_t anyZeroByte(std::uint64_t word) {
    return (word - kOnes) & ~word & kHighBits;
}

// Non-zero when a byte of `word` is a special character of attribute escaping (a superset of
// text escaping's). Zero bytes never are, so a short text may be padded with them.
constexpr std::uint64_t anySpecialByte(std::uint64_t word) {
    // "<" and ">" differ only in bit 1, "&" and '"' only in bit 2.
    return anyZeroByte((word | (kOnes * 0x02)) ^ (kOnes * '>')) |
           anyZeroByte((word | (kOnes * 0x04)) ^ (kOnes * '&'));
}

// Copies `text` to `to` word by word and returns where it ends; or-s its bytes into `bytes`
// and marks of its special characters into `special`. Inlined where it is called: a button has
// a few dozen short texts.
[[gnu::always_inline]] inline char* copyText(char* to, std::string_view text,
                                             std::uint64_t& special, std::uint64_t& bytes) {
    const char* const from = text.data();
    const std::size_t length = text.size();
    if (length < 8) {
        const std::uint64_t word = detail::copyShort(to, from, length);
        special |= anySpecialByte(word);
        bytes |= word;
        return to + length;
    }
    // Whole words, the last one overlapping the one before.
    for (std::size_t at = 0; at < length - 8; at += 8) {
        const auto word = detail::load<std::uint64_t>(from + at);
        detail::store(to + at, word);
        special |= anySpecialByte(word);
        bytes |= word;
    }
    const auto last = detail::load<std::uint64_t>(from + length - 8);
    detail::store(to + length - 8, last);
    special |= anySpecialByte(last);
    bytes |= last;
    return to + length;
}

// Copies a piece of the form's own markup and returns where it ends.
template <const std::string_view& Piece> char* copyMarkup(char* to) {
    std::memcpy(to, Piece.data(), Piece.size());
    return to + Piece.size();
}

// Whether every byte of `text` is 7-bit ASCII, looked at eight bytes at a time.
bool isAsciiText(std::string_view text) {
    std::uint64_t bytes = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        bytes |= detail::load<std::uint64_t>(text.data() + at);
    }
    for (; at < text.size(); ++at) {
        bytes |= static_cast<unsigned char>(text[at]);
    }
    return (bytes & kHighBits) == 0;
}

} // namespace

// Where render wrote each text of the form, in the order forEachText visits them.
struct Form::Places {
    std::array<std::uint32_t, 2 * (kMaxDescriptions + kMaxFields + 1)> at;
    std::size_t count = 0;
    bool escaped = false; // some text was written escaped, not as it is
};

namespace {

// The HTML being written into one string made at its measured length, the length it has when
// nothing needs escaping (a string no longer than it needs, so that the allocator's quickest
// sizes serve most buttons). Each entity written makes it longer than measured by all but one
// of its characters, and only then can it need more room.
class Output {
public:
    // `places`, when given, learns where each text of the form goes.
    Output(std::size_t length, Form::Places* places)
        : text_(length, '\0'), length_(length), places_(places) {}

    // A piece of the form's own markup, written as it is.
    [[gnu::always_inline]] void put(std::string_view piece) {
        std::memcpy(text_.data() + at_, piece.data(), piece.size());
        advance(piece.size());
    }

    // A text given to the form: copied word by word, and written again escaped when a word
    // holds a special character. The bytes of hidden values are remembered for the charset
    // field. Inlined where it is called: a button has a few dozen short texts.
    [[gnu::always_inline]] void putText(std::string_view text, Escaping escaping,
                                        bool value = false) {
        place(at_);
        std::uint64_t special = 0;
        std::uint64_t bytes = 0;
        char* const end = copyText(cursor(), text, special, bytes);
        if (special != 0) {
            putEscaped(text, escaping, value); // writes over the copy
            return;
        }
        moveTo(end, value ? bytes : 0);
    }

    // A text that is not one of the form's own (the action).
    void putOther(std::string_view text, Escaping escaping) {
        Form::Places* const places = std::exchange(places_, nullptr);
        putText(text, escaping);
        places_ = places;
    }

    // Notes that the next text of the form starts at `at`.
    void place(std::size_t at) {
        if (places_ != nullptr) {
            places_->at[places_->count++] = static_cast<std::uint32_t>(at);
        }
    }

    // Where the next character goes; there is room for what the length counted.
    char* cursor() { return text_.data() + at_; }
    // Takes what was written up to `end`, of hidden values whose bytes or-ed are `valueBytes`.
    void moveTo(const char* end, std::uint64_t valueBytes) {
        at_ = static_cast<std::size_t>(end - text_.data());
        valueBytes_ |= valueBytes;
    }

    // Whether a hidden value written so far holds a non-ASCII byte.
    bool wroteNonAscii() const { return (valueBytes_ & kHighBits) != 0; }

    std::size_t position() const { return at_; }

    // Puts a piece the length did not count in at an earlier position.
    void insert(std::size_t position, std::string_view piece) {
        text_.insert(position, piece);
        at_ += piece.size();
        beyondLength_ += piece.size();
        if (places_ != nullptr) {
            for (std::size_t i = 0; i < places_->count; ++i) {
                if (places_->at[i] >= position) {
                    places_->at[i] += static_cast<std::uint32_t>(piece.size());
                }
            }
        }
    }

    std::string take() && {
        text_.resize(at_);
        return std::move(text_);
    }

private:
    void advance(std::size_t length) { at_ += length; }

    void putEscaped(std::string_view text, Escaping escaping, bool value);

    // An entity in place of one measured character.
    void putEntity(std::string_view entity) {
        beyondLength_ += entity.size() - 1;
        const std::size_t needed = length_ + beyondLength_;
        if (needed > text_.size()) {
            text_.resize(needed + text_.size() / 2);
        }
        std::memcpy(text_.data() + at_, entity.data(), entity.size());
        at_ += entity.size();
    }

    std::string text_;
    std::size_t at_ = 0;
    const std::size_t length_;
    std::size_t beyondLength_ = 0;
    std::uint64_t valueBytes_ = 0;
    Form::Places* places_;
};

// Copies runs of plain characters at once and replaces each special one by its entity.
void Output::putEscaped(std::string_view text, Escaping escaping, bool value) {
    if (places_ != nullptr) {
        places_->escaped = true;
    }
    const char* run = text.data();
    const char* const end = run + text.size();
    for (const char* at = run; at != end; ++at) {
        if (value) {
            valueBytes_ |= static_cast<unsigned char>(*at);
        }
        if (isSpecial(*at, escaping)) {
            put({run, static_cast<std::size_t>(at - run)});
            putEntity(entityOf(*at));
            run = at + 1;
        }
    }
    put({run, static_cast<std::size_t>(end - run)});
}

// The length of a hidden field's element, as it is written when nothing needs escaping.
template <typename Field> std::size_t measure(const Field& field) {
    return kHiddenStart.size() + field.name.size() + kHiddenValue.size() + field.value.size() +
           (field.spaced ? kSpacedHiddenEnd.size() : kHiddenEnd.size());
}

template <typename Field> void putHidden(Output& out, const Field& field) {
    // Copied as it is, at one go, unless the name or value holds a character to escape.
    std::uint64_t special = 0;
    std::uint64_t nameBytes = 0;
    std::uint64_t valueBytes = 0;
    char* to = copyMarkup<kHiddenStart>(out.cursor());
    to = copyText(to, field.name, special, nameBytes);
    to = copyMarkup<kHiddenValue>(to);
    to = copyText(to, field.value, special, valueBytes);
    to = field.spaced ? copyMarkup<kSpacedHiddenEnd>(to) : copyMarkup<kHiddenEnd>(to);
    if (special == 0) {
        const std::size_t name = out.position() + kHiddenStart.size();
        out.place(name);
        out.place(name + field.name.size() + kHiddenValue.size());
        out.moveTo(to, valueBytes);
        return;
    }
    out.put(kHiddenStart);
    out.putText(field.name, Escaping::Attribute);
    out.put(kHiddenValue);
    out.putText(field.value, Escaping::Attribute, true);
    if (field.spaced) {
        out.put(kSpacedHiddenEnd);
    } else {
        out.put(kHiddenEnd);
    }
}

} // namespace

Form::Form(const Form& other)
    : descriptions_(other.descriptions_), fields_(other.fields_),
      openingFields_(other.openingFields_), hasImage_(other.hasImage_), image_(other.image_),
      imageEnd_(other.imageEnd_) {
    keepTexts(); // the views point into `other` still
}

Form::Form(Form&& other) noexcept
    : descriptions_(other.descriptions_), fields_(other.fields_),
      openingFields_(other.openingFields_), hasImage_(other.hasImage_), image_(other.image_),
      imageEnd_(other.imageEnd_), keptLong_(std::move(other.keptLong_)),
      texts_(std::move(other.texts_)) {
    takeKeptFrom(other);
}

Form& Form::operator=(const Form& other) {
    if (this != &other) {
        *this = Form(other);
    }
    return *this;
}

Form& Form::operator=(Form&& other) noexcept {
    if (this != &other) {
        descriptions_ = other.descriptions_;
        fields_ = other.fields_;
        openingFields_ = other.openingFields_;
        hasImage_ = other.hasImage_;
        image_ = other.image_;
        imageEnd_ = other.imageEnd_;
        keptLong_ = std::move(other.keptLong_);
        texts_ = std::move(other.texts_);
        takeKeptFrom(other);
    }
    return *this;
}

template <typename Visit> void Form::forEachText(Visit visit) {
    for (Description& line : descriptions_) {
        visit(line.label);
        visit(line.value);
    }
    for (Field& field : fields_) {
        visit(field.name);
        visit(field.value);
    }
    if (hasImage_) {
        visit(image_);
        visit(imageEnd_);
    }
}

void Form::takeKeptFrom(const Form& other) {
    std::memcpy(kept_.data(), other.kept_.data(), other.keptSize_);
    keptSize_ = other.keptSize_;
    const char* const from = other.kept_.data();
    forEachText([&](std::string_view& text) {
        if (!text.empty() && text.data() >= from && text.data() < from + other.keptSize_) {
            text = {kept_.data() + (text.data() - from), text.size()};
        }
    });
}

void Form::openingField(std::string_view name, std::string_view value, bool spaced) {
    fields_.insert(openingFields_, {name, value, spaced});
    ++openingFields_;
}

void Form::image(std::string_view source, std::string_view sourceEnd) {
    hasImage_ = true;
    image_ = source;
    imageEnd_ = sourceEnd;
}

std::string_view Form::keep(std::string_view text) {
    if (text.size() <= kept_.size() - keptSize_) {
        char* const copy = kept_.data() + keptSize_;
        text.copy(copy, text.size());
        keptSize_ += text.size();
        return {copy, text.size()};
    }
    return keptLong_.emplace_front(text);
}

void Form::keepTexts() {
    std::size_t length = 0;
    forEachText([&](std::string_view& text) { length += text.size(); });
    auto texts = std::make_unique_for_overwrite<char[]>(length);
    char* to = texts.get();
    forEachText([&](std::string_view& text) {
        if (!text.empty()) {
            std::memcpy(to, text.data(), text.size());
            text = {to, text.size()};
            to += text.size();
        }
    });
    texts_ = std::move(texts);
    keptSize_ = 0;
    keptLong_.clear();
}

std::vector<HiddenField> Form::hiddenFields() const {
    std::vector<HiddenField> all;
    all.reserve(fields_.size() + 1);
    bool nonAscii = false;
    for (const Field& field : fields_) {
        all.push_back({std::string(field.name), std::string(field.value), field.spaced});
        nonAscii = nonAscii || !isAsciiText(field.value);
    }
    if (nonAscii) {
        all.insert(all.begin() + static_cast<std::ptrdiff_t>(openingFields_),
                   HiddenField{"charset", "utf-8", false});
    }
    return all;
}

std::optional<std::string> Form::imageSource() const {
    if (!hasImage_) {
        return std::nullopt;
    }
    return std::string(image_) + std::string(imageEnd_);
}

Form Form::withHiddenFields(const std::vector<HiddenField>& fields) const {
    Form form;
    form.descriptions_ = descriptions_;
    for (const HiddenField& field : fields) {
        form.fields_.push_back({field.name, field.value, field.spaced});
    }
    form.openingFields_ = form.fields_.size();
    form.hasImage_ = hasImage_;
    form.image_ = image_;
    form.imageEnd_ = imageEnd_;
    form.keepTexts(); // the views point into `fields` and this form
    return form;
}

std::string Form::render(std::string_view action) const {
    return renderTo(action, nullptr);
}

std::string Form::renderAndKeepTexts(std::string_view action) {
    Places places;
    std::string html = renderTo(action, &places);
    if (places.escaped) {
        keepTexts();
        return html;
    }
    // Every text stands in the HTML as it is: the form keeps one copy of the HTML and points
    // into it.
    auto texts = std::make_unique_for_overwrite<char[]>(html.size());
    std::memcpy(texts.get(), html.data(), html.size());
    std::size_t next = 0;
    forEachText([&](std::string_view& text) {
        text = {texts.get() + places.at[next++], text.size()};
    });
    texts_ = std::move(texts);
    keptSize_ = 0;
    keptLong_.clear();
    return html;
}

std::string Form::renderTo(std::string_view action, Places* places) const {
    std::size_t length = kFormStart.size() + action.size() + kFormEnd.size() + kClosing.size();
    for (const Description& line : descriptions_) {
        length += line.label.size() + line.value.size() + kDescriptionEnd.size();
    }
    for (const Field& field : fields_) {
        length += measure(field);
    }
    if (hasImage_) {
        length += kImageStart.size() + image_.size() + imageEnd_.size() + kImageEnd.size();
    }

    Output html(length, places);
    for (const Description& line : descriptions_) {
        html.putText(line.label, Escaping::Text);
        html.putText(line.value, Escaping::Text);
        html.put(kDescriptionEnd);
    }
    html.put(kFormStart);
    html.putOther(action, Escaping::Attribute);
    html.put(kFormEnd);
    const Field* const ownFields = fields_.begin() + openingFields_;
    for (const Field* field = fields_.begin(); field != ownFields; ++field) {
        putHidden(html, *field);
    }
    const std::size_t afterOpening = html.position();
    for (const Field* field = ownFields; field != fields_.end(); ++field) {
        putHidden(html, *field);
    }
    // Without it the payment service reads the values in the account's legacy encoding. It
    // goes between the opening and the own fields; most buttons do without it.
    if (html.wroteNonAscii()) {
        html.insert(afterOpening, kCharsetElement);
    }
    if (hasImage_) {
        html.put(kImageStart);
        html.putText(image_, Escaping::Attribute);
        html.putText(imageEnd_, Escaping::Attribute);
        html.put(kImageEnd);
    }
    html.put(kClosing);
    return std::move(html).take();
}

} // namespace ravelin::buttons
