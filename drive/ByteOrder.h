#pragma once

#include <cstdint>
#include <span>
#include <string_view>

/// Which byte order a drive hands its audio in, judged from how the audio looks: music moves
/// smoothly from one sample to the next, and read in the wrong order its low bytes turn it into
/// noise. Noise and silence look alike either way, so the judgement is believed only when one
/// order is clearly the smoother; otherwise the audio is taken as the drive gives it.
class ByteOrder {
public:
    enum class Verdict { AsGiven, Swapped, Undecided };

    /// How much smoother one order must be to be believed.
    static constexpr int Decisive = 4;
    /// The least sound (samples not silent) a judgement is made on: a second.
    static constexpr int LeastSound = 2 * 44100;

    /// `samples` interleaved stereo, as the drive gave them.
    static Verdict judge(std::span<const std::int16_t> samples);
    /// What a cue sheet says of its raw audio: Swapped where its first file is MOTOROLA (big
    /// endian), AsGiven for BINARY and the rest, Undecided without a FILE line.
    static Verdict ofSheet(std::string_view sheet);
};
