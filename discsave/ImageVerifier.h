#pragma once

#include "core/Reason.h"
#include "ctdb/CtdbDiscSums.h"

#include "discsave/TrackResult.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class DiscReader;

/// Reads a disc image's audio tracks once and sums them as a saving sums what it reads: over the
/// same stretches, with the same sums, so that AccurateRip judges both alike. Plain C++.
class ImageVerifier {
public:
    /// How far the reading has come, and the track (by number) it is reading.
    using Progress = std::function<void(int percent, int track)>;

    explicit ImageVerifier(DiscReader& image) : m_image(image) {}

    /// False with error() when the image has no audio or cannot be read, or `cancel` was set.
    bool read(const Progress& progress, const std::atomic<bool>& cancel);

    /// The tracks read, in order; their places in sectors of the image's disc.
    const std::vector<TrackResult>& tracks() const { return m_tracks; }
    /// Once read: the CUETools database's sums of the audio; none when it cannot sum it.
    std::shared_ptr<const CtdbDiscSums> ctdbSums() const { return m_ctdb; }
    std::string error() const { return m_reason.english(); }
    const Reason& reason() const { return m_reason; }

private:
    DiscReader& m_image;
    std::vector<TrackResult> m_tracks;
    std::shared_ptr<const CtdbDiscSums> m_ctdb;
    Reason m_reason;
};
