// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The outcome of an operation that can fail for a reason the user is told: its value, or that
// reason in words. Inside the C++ code every such operation returns a Result, shaped like
// std::expected<T, QString>. The object model's host operations throw HostError instead (add-in
// events cannot return one), and HRESULT is met only at the add-in library's C entry points.
#pragma once

#include <QString>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace ravelin::common {

// Why an operation failed, in words for the user.
struct Failure {
    QString message;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure.message)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    // The value; only when there is one.
    T& operator*() & { return std::get<0>(state_); }
    const T& operator*() const& { return std::get<0>(state_); }
    T&& operator*() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }

    // The value, or `fallback` when there is none.
    template <typename U> T value_or(U&& fallback) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(fallback));
    }

    // Why it failed; only when it did.
    const QString& error() const { return std::get<1>(state_); }

    // Holds a value equal to `value`.
    template <typename U>
    requires(!std::is_same_v<U, Result>) friend bool operator==(const Result& result,
                                                                const U& value) {
        return result.has_value() && *result == value;
    }

private:
    std::variant<T, QString> state_;
};

// The outcome of an operation that has no value to give.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : error_(std::move(failure.message)) {}

    bool has_value() const { return !error_.has_value(); }
    explicit operator bool() const { return has_value(); }

    // Why it failed; only when it did.
    const QString& error() const { return *error_; }

private:
    std::optional<QString> error_;
};

} // namespace ravelin::common
