#pragma once

#include <cstdint>
#include <optional>

/// The window's one loosely typed variable: empty at first, later a 16-bit integer. Empty
/// compares equal to 0 and adds as 0.
class ClickInterval {
public:
    constexpr ClickInterval() = default;
    constexpr explicit ClickInterval(int16_t value) : m_value(value) {}

    constexpr bool isEmpty() const { return !m_value.has_value(); }
    constexpr int16_t value() const { return m_value.value_or(0); }

    friend constexpr ClickInterval operator+(ClickInterval v, int16_t n)
    {
        return ClickInterval(int16_t(v.value() + n));
    }
    friend constexpr ClickInterval operator-(ClickInterval v, int16_t n)
    {
        return ClickInterval(int16_t(v.value() - n));
    }
    friend constexpr bool operator==(ClickInterval v, int n) { return v.value() == n; }
    /// Same content, emptiness included (for tests and the state tables).
    constexpr bool sameAs(ClickInterval other) const { return m_value == other.m_value; }

private:
    std::optional<int16_t> m_value;
};
