#pragma once

#include <cstdint>

/// A colour as the window services know it: either a 24-bit RGB value or a reference to a
/// desktop system colour (top bit set, low bits the system-colour index).
class Colour {
public:
    static constexpr uint32_t SystemFlag = 0x80000000u;
    static constexpr uint32_t ButtonFaceIndex = 15;

    constexpr Colour() = default;

    static constexpr Colour rgb(uint8_t red, uint8_t green, uint8_t blue)
    {
        return Colour(uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16);
    }
    static constexpr Colour system(uint32_t index) { return Colour(SystemFlag | index); }
    static constexpr Colour buttonFace() { return system(ButtonFaceIndex); }

    constexpr bool isSystem() const { return (m_value & SystemFlag) != 0; }
    constexpr uint32_t systemIndex() const { return m_value & ~SystemFlag; }
    constexpr uint8_t red() const { return uint8_t(m_value); }
    constexpr uint8_t green() const { return uint8_t(m_value >> 8); }
    constexpr uint8_t blue() const { return uint8_t(m_value >> 16); }

    /// The encoded value: 0x00BBGGRR for RGB, 0x800000ii for a system colour.
    constexpr uint32_t value() const { return m_value; }

    /// Opaque 0xAARRGGBB, the layout of a 32-bit image pixel; only for RGB colours.
    constexpr uint32_t argb32() const
    {
        return 0xff000000u | uint32_t(red()) << 16 | uint32_t(green()) << 8 | blue();
    }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    explicit constexpr Colour(uint32_t value) : m_value(value) {}

    uint32_t m_value = 0;
};
