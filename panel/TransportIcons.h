#pragma once

#include <QIcon>

/// The usual media symbols, drawn rather than taken from a theme so they look the same on
/// every desktop.
namespace TransportIcons {
enum class Symbol { Previous, Play, Pause, Stop, Next, Eject };
QIcon icon(Symbol symbol);
} // namespace TransportIcons
