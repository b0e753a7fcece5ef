#pragma once

#include <cstddef>
#include <cstdint>

/// A track's AccurateRip sums, fed its samples in chunks of any size as they are read or
/// decoded. Each stereo frame counts as the word `left | right << 16`, weighed by its number
/// from 1. The disc's first audio track leaves out its first 2939 frames and its last audio
/// track its final 2940, so that drives reading a little early or late agree.
class TrackChecksum {
public:
    static constexpr std::size_t FramesPerSector = 588;
    /// The sector whose sum the database keeps to help find a drive's offset.
    static constexpr std::size_t OffsetSector = 450;

    TrackChecksum(std::size_t trackFrames, bool firstTrack, bool lastTrack);

    /// The next `frames` frames of the track; any past its end are not the track's.
    void add(const int16_t* interleavedStereo, std::size_t frames);

    /// Whether every frame of the track has come.
    bool isComplete() const { return m_position == m_trackFrames; }
    /// The sum of the weighed words, modulo 2^32.
    std::uint32_t v1() const { return m_lowSum; }
    /// The sum of both 32-bit halves of each weighed word's 64-bit product, modulo 2^32.
    std::uint32_t v2() const { return m_lowSum + m_highSum; }
    /// v1 over the track's sector 450 alone, its frames weighed from 1 there; 0 for a track
    /// too short to hold it.
    std::uint32_t frame450() const { return m_frame450Sum; }

private:
    std::size_t m_trackFrames;
    /// The counted frames' first and one-past-last positions, counted from 0.
    std::size_t m_countedBegin;
    std::size_t m_countedEnd;
    /// One past sector 450's last frame, or its first where the track is too short for it.
    std::size_t m_frame450End;
    std::size_t m_position = 0;
    std::uint32_t m_lowSum = 0;
    std::uint32_t m_highSum = 0;
    std::uint32_t m_frame450Sum = 0;
};
