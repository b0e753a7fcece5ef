#pragma once

#include "core/Colour.h"

#include <QColor>
#include <QPalette>

/// Resolves a colour, system colours through the desktop's palette.
QColor toQColor(Colour colour, const QPalette& palette);
