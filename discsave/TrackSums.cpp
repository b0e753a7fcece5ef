#include "discsave/TrackSums.h"

#include <algorithm>
#include <span>

namespace {
constexpr long long FramesPerSector = TrackChecksum::FramesPerSector;
} // namespace

TrackSums::TrackSums(const std::vector<Stretch>& tracks, int fedFrom)
{
    m_tracks.reserve(tracks.size());
    for (std::size_t n = 0; n < tracks.size(); ++n) {
        const Stretch& stretch = tracks[n];
        const long long begin = (stretch.firstSector - (long long)fedFrom) * FramesPerSector;
        const long long frames = stretch.sectors * FramesPerSector;
        m_tracks.push_back({stretch,
                            begin,
                            begin + frames,
                            {},
                            {},
                            TrackChecksum(std::size_t(frames), n == 0, n + 1 == tracks.size())});
    }
    if (!tracks.empty()) {
        std::vector<int> bounds;
        bounds.reserve(tracks.size() + 1);
        for (const Stretch& stretch : tracks)
            bounds.push_back(stretch.firstSector - tracks.front().firstSector);
        bounds.push_back(tracks.back().firstSector + tracks.back().sectors -
                         tracks.front().firstSector);
        m_ctdb = CtdbDiscSums::start(bounds);
    }
}

void TrackSums::copied(const int16_t* samples, std::size_t frames)
{
    feed(samples, frames, m_copied, true);
}

void TrackSums::tested(const int16_t* samples, std::size_t frames)
{
    feed(samples, frames, m_tested, false);
}

void TrackSums::feed(const int16_t* samples, std::size_t frames, long long& position, bool copy)
{
    const long long end = position + (long long)frames;
    if (copy && m_ctdb && !m_tracks.empty()) {
        const long long from = std::max(m_tracks.front().begin, position);
        const long long to = std::min(m_tracks.back().end, end);
        if (from < to)
            m_ctdb->add(std::span(samples + 2 * (from - position), std::size_t(2 * (to - from))));
    }
    for (Track& track : m_tracks) {
        const long long from = std::max(track.begin, position);
        const long long to = std::min(track.end, end);
        if (from >= to)
            continue;
        const int16_t* at = samples + 2 * (from - position);
        const std::size_t count = std::size_t(to - from);
        if (copy) {
            track.copy.update(at, count * 2 * sizeof(int16_t));
            track.checksum.add(at, count);
        } else {
            track.test.update(at, count * 2 * sizeof(int16_t));
        }
    }
    position = end;
}

std::size_t TrackSums::tracksCopied() const
{
    return std::size_t(std::count_if(m_tracks.begin(), m_tracks.end(),
                                     [this](const Track& track) { return track.end <= m_copied; }));
}

std::size_t TrackSums::trackCopying() const
{
    return std::min(tracksCopied(), m_tracks.empty() ? 0 : m_tracks.size() - 1);
}

std::size_t TrackSums::trackOf(long long sector) const
{
    std::size_t found = 0;
    for (std::size_t n = 0; n < m_tracks.size(); ++n)
        if (sector >= m_tracks[n].stretch.firstSector)
            found = n;
    return found;
}

std::optional<CtdbDiscSums> TrackSums::takeCtdbSums()
{
    std::optional<CtdbDiscSums> taken;
    if (m_ctdb && m_ctdb->isComplete())
        taken = std::move(m_ctdb);
    m_ctdb.reset();
    return taken;
}

TrackSums::Sums TrackSums::sums(std::size_t track) const
{
    const Track& summed = m_tracks.at(track);
    return {summed.test.value(), summed.copy.value(), summed.checksum.v1(), summed.checksum.v2(),
            summed.checksum.frame450()};
}
