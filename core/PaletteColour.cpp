#include "core/PaletteColour.h"

#include <array>
#include <stdexcept>
#include <string>

Colour paletteColour(int number)
{
    static constexpr std::array<Colour, 16> palette = {
        Colour::rgb(0, 0, 0),       Colour::rgb(0, 0, 128),     Colour::rgb(0, 128, 0),
        Colour::rgb(0, 128, 128),   Colour::rgb(128, 0, 0),     Colour::rgb(128, 0, 128),
        Colour::rgb(128, 128, 0),   Colour::rgb(192, 192, 192), Colour::rgb(128, 128, 128),
        Colour::rgb(0, 0, 255),     Colour::rgb(0, 255, 0),     Colour::rgb(0, 255, 255),
        Colour::rgb(255, 0, 0),     Colour::rgb(255, 0, 255),   Colour::rgb(255, 255, 0),
        Colour::rgb(255, 255, 255),
    };
    if (number < 0 || number >= int(palette.size()))
        throw std::out_of_range("Invalid colour number " + std::to_string(number));
    return palette[std::size_t(number)];
}
