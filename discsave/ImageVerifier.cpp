#include "discsave/ImageVerifier.h"

#include "disc/DiscReader.h"
#include "disc/DiscToc.h"
#include "discsave/ImageDescription.h"
#include "discsave/TrackSums.h"

#include <algorithm>

namespace {
/// Sectors read at a time: a few seconds, few calls, little memory.
constexpr int ChunkSectors = 300;
} // namespace

bool ImageVerifier::read(const Progress& progress, const std::atomic<bool>& cancel)
{
    m_tracks.clear();
    m_ctdb.reset();
    const DiscToc& disc = m_image.toc();
    std::vector<TrackSums::Stretch> stretches;
    for (const TrackInfo& track : disc.tracks)
        if (track.isSavedAudio())
            stretches.push_back({track.number, track.firstSector, 0});
    if (stretches.empty()) {
        m_reason = Reason(QT_TRANSLATE_NOOP("Reason", "the image has no audio tracks"));
        return false;
    }
    const TrackInfo& last =
        *std::find_if(disc.tracks.rbegin(), disc.tracks.rend(), [&](const TrackInfo& track) {
            return track.number == stretches.back().number;
        });
    const int first = stretches.front().firstSector;
    const int end = last.endSector();
    for (std::size_t n = 0; n < stretches.size(); ++n)
        stretches[n].sectors = (n + 1 < stretches.size() ? stretches[n + 1].firstSector : end) -
                               stretches[n].firstSector;
    if (first < 0 || end > disc.leadOut ||
        std::any_of(stretches.begin(), stretches.end(),
                    [](const TrackSums::Stretch& stretch) { return stretch.sectors <= 0; })) {
        m_reason = Reason(QT_TRANSLATE_NOOP("Reason", "the image's tracks make no sense"));
        return false;
    }

    TrackSums sums(stretches, first);
    std::vector<int16_t> samples(std::size_t(ChunkSectors) * DiscToc::SamplesPerSector);
    for (int sector = first; sector < end; sector += ChunkSectors) {
        if (cancel) {
            m_reason = Reason(QT_TRANSLATE_NOOP("Reason", "verifying was cancelled"));
            return false;
        }
        const int count = std::min(ChunkSectors, end - sector);
        if (!m_image.read(sector, count, samples.data())) {
            m_reason = Reason(QT_TRANSLATE_NOOP("Reason", "the image cannot be read at %1"),
                              {Reason::verbatim(ImageDescription::time(sector))});
            return false;
        }
        sums.copied(samples.data(), std::size_t(count) * 588);
        if (progress)
            progress(int(100LL * (sector + count - first) / (end - first)),
                     stretches[sums.trackCopying()].number);
    }
    for (std::size_t n = 0; n < stretches.size(); ++n) {
        const TrackSums::Sums summed = sums.sums(n);
        TrackResult& track = m_tracks.emplace_back();
        track.number = stretches[n].number;
        track.start = stretches[n].firstSector;
        track.length = stretches[n].sectors;
        track.copyCrc = summed.copyCrc;
        track.accurateRipV1 = summed.accurateRipV1;
        track.accurateRipV2 = summed.accurateRipV2;
        track.frame450 = summed.frame450;
    }
    if (std::optional<CtdbDiscSums> ctdb = sums.takeCtdbSums())
        m_ctdb = std::make_shared<const CtdbDiscSums>(std::move(*ctdb));
    return true;
}
