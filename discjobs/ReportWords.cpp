#include "discjobs/ReportWords.h"

#include "player/SaidWords.h"

#include <algorithm>

namespace {

/// A database's answer on a track, in the same words for both.
QString answerWords(ImageLog::AccurateRip answer, int confidence)
{
    switch (answer) {
    case ImageLog::AccurateRip::Accurate:
        //: A database's answer on a track; %1 is how many rips agree.
        return ReportWords::tr("accurate (confidence %1)").arg(confidence);
    case ImageLog::AccurateRip::Differs:
        return ReportWords::tr("differs");
    case ImageLog::AccurateRip::NotInDatabase:
        return ReportWords::tr("not in database");
    case ImageLog::AccurateRip::NotChecked:
        break;
    }
    return ReportWords::tr("not checked");
}

} // namespace

QString ReportWords::verdict(const TrackResult& track)
{
    return answerWords(track.accurateRip, track.confidence);
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

QString ReportWords::ctdbVerdict(const CtdbVerdict::Track& track)
{
    // In the order of CtdbVerdict::Result.
    static_assert(int(CtdbVerdict::Result::Differs) == 3);
    static constexpr ImageLog::AccurateRip same[] = {
        ImageLog::AccurateRip::NotChecked, ImageLog::AccurateRip::NotInDatabase,
        ImageLog::AccurateRip::Accurate, ImageLog::AccurateRip::Differs};
    return answerWords(same[int(track.result)], track.confidence);
}

QString ReportWords::ctdbVerdict(const CtdbVerdict& disc)
{
    QString said = ctdbVerdict(CtdbVerdict::Track{disc.result, disc.confidence});
    if (disc.result == CtdbVerdict::Result::Differs) {
        switch (disc.repair) {
        case CtdbVerdict::Repair::Repairable:
            //: The CUETools database's answer on a disc; %1 counts 16-bit words, %2 sectors.
            said = tr("differs, repairable (%1 words in %2 sectors)")
                       .arg(disc.repairWords)
                       .arg(disc.repairSectors);
            break;
        case CtdbVerdict::Repair::NotRepairable:
            said = tr("differs, not repairable");
            break;
        case CtdbVerdict::Repair::ParityUnusable:
            said = tr("differs, not repairable (the parity could not be used)");
            break;
        case CtdbVerdict::Repair::Unknown:
            break;
        }
    }
    if ((disc.result == CtdbVerdict::Result::Accurate ||
         disc.result == CtdbVerdict::Result::Differs) &&
        disc.offset != 0)
        //: %1 is a verdict, %2 a signed number of samples such as +48 or -48.
        said = tr("%1 at offset %2")
                   .arg(said, (disc.offset > 0 ? QStringLiteral("+") : QString()) +
                                  QString::number(disc.offset));
    return said;
}

QString ReportWords::ctdbSummary(const DiscReport& report)
{
    //: CTDB is the CUETools database; %1 is its answer on the disc.
    return tr("CTDB: %1").arg(ctdbVerdict(report.ctdb));
}

QStringList ReportWords::ctdbLines(const DiscReport& report)
{
    QStringList lines;
    for (std::size_t n = 0; n < report.tracks.size(); ++n)
        //: CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.
        lines << tr("CTDB track %1: %2")
                     .arg(report.tracks[n].number)
                     .arg(ctdbVerdict(n < report.ctdb.tracks.size() ? report.ctdb.tracks[n]
                                                                    : CtdbVerdict::Track{}));
    // Why, before the disc's line, which stays the last.
    if (!report.ctdbWhy.empty()) {
        QString why = SaidWords::said(report.ctdbWhy);
        why[0] = why[0].toUpper();
        lines << why;
    }
    lines << ctdbSummary(report);
    return lines;
}
