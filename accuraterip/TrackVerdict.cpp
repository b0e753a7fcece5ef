#include "accuraterip/TrackVerdict.h"

#include <algorithm>
#include <climits>

namespace {

int addUpTo(int sum, int more)
{
    return more > INT_MAX - sum ? INT_MAX : sum + more;
}

} // namespace

std::vector<TrackVerdict> TrackVerdict::judge(const std::vector<AccurateRipAnswer::Record>& records,
                                              const AccurateRipId& disc,
                                              const std::vector<Sums>& sums)
{
    std::vector<TrackVerdict> verdicts;
    const std::size_t tracks = std::min(sums.size(), disc.recordTracks.size());
    for (std::size_t n = 0; n < tracks; ++n) {
        TrackVerdict verdict;
        const int place = disc.recordTracks[n];
        for (const AccurateRipAnswer::Record& record : records) {
            if (place < 0 || std::size_t(place) >= record.tracks.size())
                continue;
            const AccurateRipAnswer::Track& entry = record.tracks[std::size_t(place)];
            if (entry.isEmpty())
                continue;
            verdict.totalConfidence = addUpTo(verdict.totalConfidence, entry.confidence);
            if (entry.sum == sums[n].v1 || entry.sum == sums[n].v2)
                verdict.confidence = addUpTo(verdict.confidence, entry.confidence);
        }
        verdict.result = verdict.confidence > 0        ? Result::Accurate
                         : verdict.totalConfidence > 0 ? Result::Differs
                                                       : Result::NotInDatabase;
        verdicts.push_back(verdict);
    }
    return verdicts;
}

bool TrackVerdict::discIsAccurate(const std::vector<TrackVerdict>& verdicts,
                                  const AccurateRipId& disc)
{
    return disc.audioTracks > 0 && verdicts.size() == std::size_t(disc.audioTracks) &&
           std::all_of(verdicts.begin(), verdicts.end(), [](const TrackVerdict& verdict) {
               return verdict.result == Result::Accurate;
           });
}
