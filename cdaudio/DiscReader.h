#pragma once

#include "cdaudio/DiscToc.h"

#include <cstdint>

/// An opened disc, in a drive or an image. Used from one thread at a time.
class DiscReader {
public:
    virtual ~DiscReader() = default;

    virtual const DiscToc& toc() const = 0;
    /// Reads `count` audio sectors from `firstSector` as 16-bit stereo samples in host order.
    /// Returns false on a read error; never reads past the lead-out.
    virtual bool read(int firstSector, int count, int16_t* samples) = 0;
    /// Asks a drive to read no faster than `speed` (1 is real time); images ignore it.
    virtual void limitSpeed(int speed) = 0;
    /// Opens the tray of a drive, or lets go of an image.
    virtual void eject() = 0;
};
