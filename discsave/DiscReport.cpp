#include "discsave/DiscReport.h"

#include "accuraterip/TrackVerdict.h"

#include <algorithm>

void DiscReport::judge(std::vector<TrackResult>& tracks, const std::optional<AccurateRipId>& disc,
                       const std::optional<std::vector<AccurateRipAnswer::Record>>& records)
{
    std::vector<TrackVerdict> verdicts;
    if (disc && records) {
        std::vector<TrackVerdict::Sums> sums;
        sums.reserve(tracks.size());
        for (const TrackResult& track : tracks)
            sums.push_back({track.accurateRipV1, track.accurateRipV2});
        verdicts = TrackVerdict::judge(*records, *disc, sums);
    }
    for (std::size_t n = 0; n < tracks.size(); ++n) {
        TrackResult& track = tracks[n];
        track.confidence = 0;
        track.accurateRip = ImageLog::AccurateRip::NotChecked;
        if (n >= verdicts.size())
            continue;
        switch (verdicts[n].result) {
        case TrackVerdict::Result::Accurate:
            track.accurateRip = ImageLog::AccurateRip::Accurate;
            track.confidence = verdicts[n].confidence;
            break;
        case TrackVerdict::Result::Differs:
            track.accurateRip = ImageLog::AccurateRip::Differs;
            break;
        case TrackVerdict::Result::NotInDatabase:
            track.accurateRip = ImageLog::AccurateRip::NotInDatabase;
            break;
        }
    }
}

DiscReport::Status DiscReport::statusOf(const std::vector<TrackResult>& tracks,
                                        const CtdbVerdict& ctdb)
{
    for (std::size_t n = 0; n < tracks.size(); ++n) {
        const CtdbVerdict::Result other =
            n < ctdb.tracks.size() ? ctdb.tracks[n].result : CtdbVerdict::Result::NotChecked;
        if (tracks[n].accurateRip == ImageLog::AccurateRip::Accurate ||
            other == CtdbVerdict::Result::Accurate)
            continue;
        if (tracks[n].accurateRip == ImageLog::AccurateRip::Differs ||
            other == CtdbVerdict::Result::Differs || !tracks[n].suspicious.empty())
            return Status::Differs;
    }
    return Status::Fine;
}

bool DiscReport::notInDatabase(const std::vector<TrackResult>& tracks)
{
    return !tracks.empty() &&
           std::all_of(tracks.begin(), tracks.end(), [](const TrackResult& track) {
               return track.accurateRip == ImageLog::AccurateRip::NotInDatabase;
           });
}
