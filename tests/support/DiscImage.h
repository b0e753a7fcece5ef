#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// A BIN/CUE disc image of sine tones, written for a test, with the samples it holds.
struct DiscImage {
    struct Track {
        double frequency = 440;
        double seconds = 1;
        double level = 0.5; ///< peak, as a fraction of full scale
        std::string title;
    };
    struct Design {
        std::vector<Track> tracks;
        bool bigEndian = false;
        bool dataOnly = false;
        std::string title;
        std::string performer;
    };

    /// Writes `name`.cue and `name`.bin into `folder` (libcdio pairs the two names).
    static DiscImage write(const std::string& folder, const std::string& name,
                           const Design& design);

    std::string cuePath;
    std::string binPath;
    /// All tracks' samples, interleaved stereo in host order, each track padded to sectors.
    std::vector<int16_t> samples;
    std::vector<int> trackStarts;
    int sectors = 0;

    /// The bytes of sectors [first, end) as a player should deliver them.
    std::string pcm(int first, int end) const;
};
