// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A payment button as data: the visible description lines, the hidden fields and the image
// that submits it, rendered to HTML by one renderer that escapes every value it writes.
//
// While a writer fills it, the form holds views of the texts it is given, not copies: the
// writer's answers outlive the render. A text made on the spot (a formatted amount, a value
// from a caller's temporary) is copied into the form's own storage with keep(), or by passing
// it as a std::string rvalue. keepTexts() then gathers every text into one buffer of the
// form's own, so that the form can be kept beside its HTML; a copy of a form always holds its
// own texts. The form's lists have fixed room, more than any button needs, so that filling one
// allocates nothing.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <forward_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace ravelin::buttons {

// One hidden input. A spaced field's element ends with `" > ` instead of `">`.
struct HiddenField {
    std::string name;
    std::string value;
    bool spaced = false;
};

class Form {
public:
    // Room for hidden fields and description lines; adding beyond it throws std::length_error.
    static constexpr std::size_t kMaxFields = 40;
    static constexpr std::size_t kMaxDescriptions = 8;

    // Provided, not defaulted, so that a form made with `Form form = {}` is not first filled
    // with zeros: its lists' room is written only as it is used.
    Form() {}
    Form(const Form& other);
    Form(Form&& other) noexcept;
    Form& operator=(const Form& other);
    Form& operator=(Form&& other) noexcept;
    ~Form() = default;

    // A visible line ahead of the form: label + value + "<br>", then an empty line.
    void describe(std::string_view label, std::string_view value) {
        descriptions_.push_back({label, value});
    }
    // The fields that open every form (bn, cmd, business and their like), ahead of the own
    // fields in the order given.
    void openingField(std::string_view name, std::string_view value, bool spaced = false);
    // The button type's own fields, after the opening fields.
    void field(std::string_view name, std::string_view value) {
        fields_.push_back({name, value, false});
    }
    // A value made on the spot: the form keeps its own copy.
    template <typename Text>
    requires std::same_as<Text, std::string>
    void field(std::string_view name, Text&& value) { field(name, keep(value)); }
    // The submit image; at most one, the last call wins. Its address may be given in two
    // parts, a folder and a name, written one after the other.
    void image(std::string_view source, std::string_view sourceEnd = {});

    // A copy of `text` in the form's own storage, valid as long as the form.
    std::string_view keep(std::string_view text);
    // Copies every text the form holds into one buffer of its own: after this the form refers
    // to nothing it was given.
    void keepTexts();

    // The HTML: description lines, the form opening element posting to `action`, the opening
    // fields, the field `charset` = "utf-8" when any hidden value holds a non-ASCII character,
    // the own fields, the image element, and "</form>" with no line break after it. Lines are
    // separated by CRLF.
    std::string render(std::string_view action) const;
    // The same, and then keepTexts(), at the cost of one copy of the HTML.
    std::string renderAndKeepTexts(std::string_view action);

    // The hidden fields in the order render() writes them: the opening fields, `charset` when
    // render() adds it, then the own fields.
    std::vector<HiddenField> hiddenFields() const;
    // The submit image's source, when the form has one.
    std::optional<std::string> imageSource() const;
    // The same button carrying `fields` in place of all its hidden fields: the description
    // lines and the image stay as they are.
    Form withHiddenFields(const std::vector<HiddenField>& fields) const;

    // Where render wrote each text (for renderAndKeepTexts).
    struct Places;

private:
    struct Description {
        std::string_view label;
        std::string_view value;
    };
    struct Field {
        std::string_view name;
        std::string_view value;
        bool spaced = false;
    };

    // A list of fixed room whose unused slots are left unwritten: a form is made for every
    // button, and most of its room stays empty.
    template <typename T, std::size_t N> class FixedList {
        static_assert(std::is_trivially_copyable_v<T>);

    public:
        FixedList() {} // the slots stay unwritten on purpose
        FixedList(const FixedList& other) : size_(other.size_) { copyFrom(other); }
        FixedList& operator=(const FixedList& other) {
            size_ = other.size_;
            copyFrom(other);
            return *this;
        }
        ~FixedList() = default;

        void push_back(const T& item) { insert(size_, item); }
        void insert(std::size_t at, const T& item) {
            if (size_ == N) {
                throw std::length_error("a payment button form has no room for another entry");
            }
            for (std::size_t i = size_; i > at; --i) {
                std::construct_at(&slots_[i].item, slots_[i - 1].item);
            }
            std::construct_at(&slots_[at].item, item);
            ++size_;
        }
        void clear() { size_ = 0; }
        std::size_t size() const { return size_; }
        T* begin() { return &slots_[0].item; }
        T* end() { return begin() + size_; }
        const T* begin() const { return &slots_[0].item; }
        const T* end() const { return begin() + size_; }

    private:
        void copyFrom(const FixedList& other) {
            for (std::size_t i = 0; i < size_; ++i) {
                std::construct_at(&slots_[i].item, other.slots_[i].item);
            }
        }

        union Slot {
            Slot() {} // no item yet
            T item;
        };
        std::array<Slot, N> slots_;
        std::size_t size_ = 0;
    };

    // The length of the HTML when no text needs escaping.
    std::size_t measuredLength(std::string_view action) const;
    // The HTML when every text is plain ASCII that needs no escaping, or nothing; `places`,
    // when given, learns where each text was written.
    std::optional<std::string> renderPlain(std::string_view action, std::size_t length,
                                           Places* places) const;
    // The HTML with every special character of every text replaced by its entity.
    std::string renderEscaped(std::string_view action, std::size_t length) const;
    // Calls `visit` on a reference to every text view the form holds, in the order render()
    // writes them.
    template <typename Visit> void forEachText(Visit visit);
    // Points views that point into `other`'s texts kept in place at the same texts of this
    // form.
    void takeKeptFrom(const Form& other);

    FixedList<Description, kMaxDescriptions> descriptions_;
    FixedList<Field, kMaxFields> fields_; // the opening fields, then the own fields
    std::size_t openingFields_ = 0;
    bool hasImage_ = false;
    std::string_view image_;
    std::string_view imageEnd_;

    // Kept copies: short ones in place, longer ones each in a string of its own, and all of
    // them together after keepTexts().
    std::array<char, 256> kept_; // written only as far as keptSize_
    std::size_t keptSize_ = 0;
    std::forward_list<std::string> keptLong_;
    std::unique_ptr<char[]> texts_;
};

} // namespace ravelin::buttons
