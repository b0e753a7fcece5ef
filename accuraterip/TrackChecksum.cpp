#include "accuraterip/TrackChecksum.h"

#include <algorithm>

namespace {

/// The frames left out at the disc's edges: its first track counts from the frame weighed 2940,
/// five sectors in, and its last ends five sectors before its end.
constexpr std::size_t LeftOutAtStart = 5 * TrackChecksum::FramesPerSector - 1;
constexpr std::size_t LeftOutAtEnd = 5 * TrackChecksum::FramesPerSector;
constexpr std::size_t Frame450Begin = TrackChecksum::OffsetSector * TrackChecksum::FramesPerSector;

inline std::uint32_t word(const int16_t* frame)
{
    return std::uint32_t(std::uint16_t(frame[0])) | std::uint32_t(std::uint16_t(frame[1])) << 16;
}

} // namespace

TrackChecksum::TrackChecksum(std::size_t trackFrames, bool firstTrack, bool lastTrack)
    : m_trackFrames(trackFrames)
{
    m_countedBegin = firstTrack ? std::min(LeftOutAtStart, trackFrames) : 0;
    m_countedEnd = lastTrack ? trackFrames - std::min(LeftOutAtEnd, trackFrames) : trackFrames;
    // A one-track disc too short for both edges counts nothing.
    m_countedEnd = std::max(m_countedEnd, m_countedBegin);
    m_frame450End = trackFrames >= Frame450Begin + FramesPerSector ? Frame450Begin + FramesPerSector
                                                                   : Frame450Begin;
}

void TrackChecksum::add(const int16_t* interleavedStereo, std::size_t frames)
{
    const std::size_t start = m_position;
    const std::size_t stop = start + std::min(frames, m_trackFrames - start);
    m_position = stop;

    // The chunk's counted frames and its part of sector 450, each summed without a test per
    // frame; the weights wrap at 2^32 as the database's sums do.
    const std::size_t from = std::clamp(m_countedBegin, start, stop);
    const std::size_t to = std::clamp(m_countedEnd, from, stop);
    const int16_t* samples = interleavedStereo + 2 * (from - start);
    std::uint32_t weight = std::uint32_t(from + 1);
    std::uint32_t low = m_lowSum, high = m_highSum;
    for (std::size_t n = 0; n < to - from; ++n, ++weight) {
        const std::uint64_t product = std::uint64_t(weight) * word(samples + 2 * n);
        low += std::uint32_t(product);
        high += std::uint32_t(product >> 32);
    }
    m_lowSum = low;
    m_highSum = high;

    const std::size_t from450 = std::clamp(Frame450Begin, start, stop);
    const std::size_t to450 = std::clamp(m_frame450End, from450, stop);
    samples = interleavedStereo + 2 * (from450 - start);
    weight = std::uint32_t(from450 - Frame450Begin + 1);
    for (std::size_t n = 0; n < to450 - from450; ++n, ++weight)
        m_frame450Sum += weight * word(samples + 2 * n);
}
