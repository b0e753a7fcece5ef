#include "platform/SystemColours.h"

#include <stdexcept>
#include <string>

QColor toQColor(Colour colour, const QPalette& palette)
{
    if (!colour.isSystem())
        return QColor(colour.red(), colour.green(), colour.blue());
    if (colour.systemIndex() == Colour::ButtonFaceIndex)
        return palette.color(QPalette::Active, QPalette::Button);
    throw std::invalid_argument("Unknown system colour " + std::to_string(colour.systemIndex()));
}
