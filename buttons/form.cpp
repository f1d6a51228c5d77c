// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons/form.h"

#include "buttons/wordcopy.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
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

// Marks, in the high bit of a byte, the bytes of `word` that a text can be copied past
// unchanged only after a closer look: the special characters of attribute escaping (a superset
// of text escaping's) and every byte of a character beyond ASCII, which decides the charset
// field. Marks of several words may be or-ed together and looked at once; zero bytes, which
// pad a short text, are never marked.
template <typename Word> constexpr Word lookCloser(Word word) {
    // "<" and ">" differ only in bit 1, "&" and '"' only in bit 2: either way one of the two
    // words below has a zero byte, whose high bit the subtraction sets. A byte of 0x80 or more
    // keeps its high bit in both words, and loses it after the subtraction in at most one
    // (from 0x80 to 0x7F), so it is marked too. A borrow between bytes comes only from a zero
    // byte, itself marked.
    const Word angle = (word | (kOnes * 0x02)) ^ (kOnes * '>');
    const Word ampersandOrQuote = (word | (kOnes * 0x04)) ^ (kOnes * '&');
    return (angle - kOnes) | (ampersandOrQuote - kOnes);
}

// Each byte value, at each place in a word of plain letters, is marked exactly when it is a
// special character or beyond ASCII.
consteval bool marksExactly() {
    for (std::uint64_t value = 0; value < 256; ++value) {
        const bool closer =
            value >= 0x80 || value == '&' || value == '<' || value == '>' || value == '"';
        for (int shift = 0; shift < 64; shift += 8) {
            const std::uint64_t word =
                ((kOnes * 'a') & ~(std::uint64_t{0xFF} << shift)) | (value << shift);
            if (((lookCloser(word) & kHighBits) != 0) != closer) {
                return false;
            }
        }
    }
    return true;
}
static_assert(marksExactly());

// Two words side by side, looked at with one instruction each where the machine has vector
// registers; the compiler splits them where it has not.
using WordPair = std::uint64_t __attribute__((vector_size(16)));

// Copies `text` to `to` and returns where it ends; or-s the marks of lookCloser into `marks`.
// Inlined where it is called: a button has a few dozen short texts.
[[gnu::always_inline]] inline char* copyText(char* to, std::string_view text,
                                             std::uint64_t& marks) {
    const char* const from = text.data();
    const std::size_t length = text.size();
    if (length < 8) {
        marks |= lookCloser(detail::copyShort(to, from, length));
        return to + length;
    }
    if (length <= 16) { // two words, overlapping when fewer than 16 bytes
        const auto head = detail::load<std::uint64_t>(from);
        const auto tail = detail::load<std::uint64_t>(from + length - 8);
        detail::store(to, head);
        detail::store(to + length - 8, tail);
        marks |= lookCloser(head) | lookCloser(tail);
        return to + length;
    }
    // Pairs of words, the last one overlapping the one before.
    WordPair pairMarks{};
    for (std::size_t at = 0; at < length - 16; at += 16) {
        const auto pair = detail::load<WordPair>(from + at);
        detail::store(to + at, pair);
        pairMarks |= lookCloser(pair);
    }
    const auto last = detail::load<WordPair>(from + length - 16);
    detail::store(to + length - 16, last);
    pairMarks |= lookCloser(last);
    marks |= pairMarks[0] | pairMarks[1];
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
};

namespace {

// The HTML of a form some text of which needs escaping or holds a character beyond ASCII,
// written into one string with room made for its measured length; only the entities make it
// longer than that.
class Output {
public:
    explicit Output(std::size_t length) { text_.reserve(length); }

    // A piece written as it is: the form's own markup, or a run of a text.
    void put(std::string_view piece) { text_.append(piece); }

    // A text given to the form, with its special characters replaced by their entities. The
    // bytes of hidden values are remembered for the charset field.
    void putText(std::string_view text, Escaping escaping, bool value = false) {
        const char* run = text.data();
        const char* const end = run + text.size();
        for (const char* at = run; at != end; ++at) {
            if (value) {
                valueBytes_ |= static_cast<unsigned char>(*at);
            }
            if (isSpecial(*at, escaping)) {
                put({run, static_cast<std::size_t>(at - run)});
                put(entityOf(*at));
                run = at + 1;
            }
        }
        put({run, static_cast<std::size_t>(end - run)});
    }

    // Whether a hidden value written so far holds a non-ASCII byte.
    bool wroteNonAscii() const { return (valueBytes_ & kHighBits) != 0; }

    std::size_t position() const { return text_.size(); }

    // Puts a piece in at an earlier position.
    void insert(std::size_t position, std::string_view piece) { text_.insert(position, piece); }

    std::string take() && { return std::move(text_); }

private:
    std::string text_;
    std::uint64_t valueBytes_ = 0;
};

// The length of a hidden field's element, as it is written when nothing needs escaping.
template <typename Field> std::size_t measure(const Field& field) {
    return kHiddenStart.size() + field.name.size() + kHiddenValue.size() + field.value.size() +
           (field.spaced ? kSpacedHiddenEnd.size() : kHiddenEnd.size());
}

template <typename Field> void putHidden(Output& out, const Field& field) {
    out.put(kHiddenStart);
    out.putText(field.name, Escaping::Attribute);
    out.put(kHiddenValue);
    out.putText(field.value, Escaping::Attribute, true);
    out.put(field.spaced ? kSpacedHiddenEnd : kHiddenEnd);
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
    const std::size_t length = measuredLength(action);
    if (std::optional<std::string> html = renderPlain(action, length, nullptr)) {
        return std::move(*html);
    }
    return renderEscaped(action, length);
}

std::string Form::renderAndKeepTexts(std::string_view action) {
    const std::size_t length = measuredLength(action);
    Places places;
    std::optional<std::string> plain = renderPlain(action, length, &places);
    if (!plain) {
        std::string html = renderEscaped(action, length);
        keepTexts();
        return html;
    }
    std::string html = std::move(*plain);
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

std::size_t Form::measuredLength(std::string_view action) const {
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
    return length;
}

// The HTML of a form whose texts are plain ASCII without a character to escape, each copied
// as it is, eight or sixteen bytes at a time and looked at on the way; or nothing, when one is
// not. The state stays in local variables, which the stores into the HTML cannot change.
std::optional<std::string> Form::renderPlain(std::string_view action, std::size_t length,
                                             Places* places) const {
    std::string html(length, '\0');
    char* const start = html.data();
    char* to = start;
    std::uint64_t marks = 0;
    decltype(Places::at) scratch; // where the places go when nobody asked for them
    std::uint32_t* place = places != nullptr ? places->at.data() : scratch.data();

    const auto text = [&](std::string_view piece) __attribute__((always_inline)) {
        *place++ = static_cast<std::uint32_t>(to - start);
        to = copyText(to, piece, marks);
    };
    const auto hidden = [&](const Field& field) __attribute__((always_inline)) {
        to = copyMarkup<kHiddenStart>(to);
        text(field.name);
        to = copyMarkup<kHiddenValue>(to);
        text(field.value);
        to = field.spaced ? copyMarkup<kSpacedHiddenEnd>(to) : copyMarkup<kHiddenEnd>(to);
    };

    for (const Description& line : descriptions_) {
        text(line.label);
        text(line.value);
        to = copyMarkup<kDescriptionEnd>(to);
    }
    to = copyMarkup<kFormStart>(to);
    to = copyText(to, action, marks);
    to = copyMarkup<kFormEnd>(to);
    for (const Field& field : fields_) {
        hidden(field);
    }
    if (hasImage_) {
        to = copyMarkup<kImageStart>(to);
        text(image_);
        text(imageEnd_);
        to = copyMarkup<kImageEnd>(to);
    }
    copyMarkup<kClosing>(to);
    if ((marks & kHighBits) != 0) {
        return std::nullopt;
    }
    return html;
}

std::string Form::renderEscaped(std::string_view action, std::size_t length) const {
    Output html(length);
    for (const Description& line : descriptions_) {
        html.putText(line.label, Escaping::Text);
        html.putText(line.value, Escaping::Text);
        html.put(kDescriptionEnd);
    }
    html.put(kFormStart);
    html.putText(action, Escaping::Attribute);
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
