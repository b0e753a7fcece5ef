#pragma once

/// The animation alone, for XScreenSaver: bursts every 20 ms over a window it hands over (or the
/// root window), from a first burst on, as in full-screen mode. No panel, no sound, no drive, no
/// name on the bus, no idle inhibition and no window of its own.
namespace ScreenSaverHack {

/// Whether the command line asks for it: -root, or -window-id ID (decimal or 0x hex), as
/// XScreenSaver runs its hacks, before any "--".
bool isAskedFor(int argc, char** argv);

/// Draws until the window goes (status 0), SIGTERM or SIGINT (status 0), or says in one line why
/// it cannot draw (status 1).
int run(int argc, char** argv);

} // namespace ScreenSaverHack
