#include "discjobs/ReportWords.h"

#include "player/SaidWords.h"

#include <algorithm>

QString ReportWords::verdict(const TrackResult& track)
{
    switch (track.accurateRip) {
    case ImageLog::AccurateRip::Accurate:
        //: AccurateRip's answer on a track; %1 is how many rips agree.
        return tr("accurate (confidence %1)").arg(track.confidence);
    case ImageLog::AccurateRip::Differs:
        return tr("differs");
    case ImageLog::AccurateRip::NotInDatabase:
        return tr("not in database");
    case ImageLog::AccurateRip::NotChecked:
        break;
    }
    return tr("not checked");
}

QString ReportWords::summary(const DiscReport& report)
{
    const std::vector<TrackResult>& tracks = report.tracks;
    const auto count = [&](ImageLog::AccurateRip answer) {
        return int(std::count_if(tracks.begin(), tracks.end(), [answer](const TrackResult& track) {
            return track.accurateRip == answer;
        }));
    };
    const int all = int(tracks.size());
    const int differing = count(ImageLog::AccurateRip::Differs);
    const int unsettled = int(std::count_if(
        tracks.begin(), tracks.end(), [](const TrackResult& t) { return !t.suspicious.empty(); }));
    // The plural follows the tracks in all: "1 of 1 track", "1 of 12 tracks".
    const auto ofAll = [all](const QString& said, int some) {
        return SaidWords::counted(said, all).arg(some);
    };
    if (differing > 0)
        return ofAll(tr("%1 of %n track(s) differ from AccurateRip's", nullptr, all), differing);
    if (unsettled > 0)
        return ofAll(tr("%1 of %n track(s) have sectors whose reads never agreed", nullptr, all),
                     unsettled);
    if (DiscReport::notInDatabase(tracks))
        return tr("the disc is not in the AccurateRip database");
    if (count(ImageLog::AccurateRip::NotChecked) == all)
        return tr("not checked against AccurateRip");
    return ofAll(tr("%1 of %n track(s) accurate", nullptr, all),
                 count(ImageLog::AccurateRip::Accurate));
}

QStringList ReportWords::tracks(const DiscReport& report)
{
    QStringList lines;
    for (const TrackResult& track : report.tracks)
        lines << tr("Track %1: %2").arg(track.number).arg(verdict(track));
    return lines;
}
