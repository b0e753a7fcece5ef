#pragma once

#include "disc/DiscToc.h"

#include <cstdint>
#include <string>

/// An opened disc, in a drive or an image. Used from one thread at a time.
class DiscReader {
public:
    /// The drive's maker and model as it names itself, each trimmed to single spaces.
    struct DriveModel {
        std::string vendor;
        std::string model;

        /// "vendor model", or empty for no drive.
        std::string name() const
        {
            return vendor.empty() || model.empty() ? vendor + model : vendor + ' ' + model;
        }
    };

    virtual ~DiscReader() = default;

    virtual const DiscToc& toc() const = 0;
    /// Reads `count` audio sectors from `firstSector` as 16-bit stereo samples in host order.
    /// Returns false on a read error; never reads past the lead-out.
    virtual bool read(int firstSector, int count, int16_t* samples) = 0;
    /// Asks a drive to read no faster than `speed` (1 is real time; 0 is the drive's full
    /// speed); images ignore it.
    virtual void limitSpeed(int speed) = 0;
    /// Opens the tray of a drive, or lets go of an image.
    virtual void eject() = 0;
    /// Adds to toc() what only a saved image needs: each track's ISRC, copy permission and gap,
    /// the catalogue number. A drive finds them in the sub-channel, track by track, which takes
    /// too long for every Load; sources that know none leave the table as it is.
    virtual void readDetails() {}
    /// The drive reading the disc; images say nothing.
    virtual DriveModel driveModel() const { return {}; }
    /// In which byte order the audio is read, and why, for a saved disc's log.
    virtual std::string byteOrder() const { return "as the image holds it"; }
};
