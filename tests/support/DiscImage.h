#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// A BIN/CUE disc image of sine tones, written for a test, with the samples it holds.
struct DiscImage {
    struct Track {
        /// Of the tone; below 0, the track is noise.
        double frequency = 440;
        double seconds = 1;
        double level = 0.5; ///< peak, as a fraction of full scale
        std::string title;
        std::string performer;
        bool preEmphasis = false;
        /// A data track; after audio it starts a second session, as on an enhanced CD.
        bool data = false;
        /// Seconds of the track before that are this track's gap (its INDEX 00).
        double gapSeconds = 0;
        std::string isrc;

        Track(double frequency = 440, double seconds = 1, double level = 0.5,
              std::string title = {}, std::string performer = {}, bool preEmphasis = false,
              bool data = false)
            : frequency(frequency), seconds(seconds), level(level), title(std::move(title)),
              performer(std::move(performer)), preEmphasis(preEmphasis), data(data)
        {
        }
    };
    struct Design {
        std::vector<Track> tracks;
        bool bigEndian = false;
        bool dataOnly = false;
        std::string title;
        std::string performer;
        /// A gap before track 1, holding this tone (silence at frequency 0).
        double gapSeconds = 0;
        double gapFrequency = 0;
        std::string catalog;
    };

    /// Writes `name`.cue and `name`.bin into `folder` (libcdio pairs the two names).
    static DiscImage write(const std::string& folder, const std::string& name,
                           const Design& design);

    std::string cuePath;
    /// The whole image as samples, interleaved stereo in host order, tracks padded to sectors.
    std::vector<int16_t> samples;
    std::vector<int> trackStarts;
    int sectors = 0;

    /// The bytes of sectors [first, end) as a player should deliver them.
    std::string pcm(int first, int end) const;
};
