#include "ctdb/CtdbVerdict.h"

#include <algorithm>
#include <set>

namespace {

struct Aligned {
    const CtdbEntry* entry = nullptr;
    CtdbOffset offset;
    CtdbCrc crc;
};

} // namespace

CtdbVerdict CtdbVerdict::all(Result result, std::size_t tracks)
{
    CtdbVerdict verdict;
    verdict.result = result;
    verdict.tracks.assign(tracks, Track{result, 0});
    return verdict;
}

CtdbVerdict CtdbVerdict::judge(const CtdbDiscSums& sums, const std::vector<CtdbEntry>& entries)
{
    const std::optional<CtdbCrc> atZero = sums.crcAt(0);
    const std::size_t trackCount = atZero ? atZero->tracks.size() : 0;
    if (entries.empty() || !atZero)
        return all(Result::NotInDatabase, trackCount);
    std::vector<Aligned> aligned;
    for (const CtdbEntry& entry : entries) {
        // An entry without syndromes can only be met where it was made at the same offset.
        std::optional<CtdbOffset> offset = CtdbOffset{};
        if (entry.syndrome.size() >= 2)
            offset = sums.offsetOf(entry.syndrome);
        const std::optional<CtdbCrc> crc =
            offset ? sums.crcAt(offset->samples) : std::optional<CtdbCrc>();
        aligned.push_back({&entry, offset.value_or(CtdbOffset{0, -1}), crc.value_or(*atZero)});
    }

    CtdbVerdict verdict = all(Result::Differs, trackCount);
    const Aligned* best = nullptr;
    for (const Aligned& candidate : aligned) {
        if (candidate.crc.disc != candidate.entry->crc)
            continue;
        verdict.result = Result::Accurate;
        verdict.confidence += candidate.entry->confidence;
        if (!best || candidate.entry->confidence > best->entry->confidence)
            best = &candidate;
    }
    if (best)
        verdict.offset = best->offset.samples;
    bool trackSums = false;
    for (std::size_t n = 0; n < trackCount; ++n) {
        Track& track = verdict.tracks[n];
        for (const Aligned& candidate : aligned) {
            const std::vector<std::uint32_t>& crcs = candidate.entry->trackCrcs;
            if (crcs.size() != trackCount)
                continue;
            trackSums = true;
            if (crcs[n] == candidate.crc.tracks[n]) {
                track.result = Result::Accurate;
                track.confidence += candidate.entry->confidence;
            }
        }
    }
    // Old entries keep no track's sum: the disc's answer is each track's, as far as it goes.
    if (!trackSums)
        for (Track& track : verdict.tracks)
            track = verdict.result == Result::Accurate ? Track{Result::Accurate, verdict.confidence}
                                                       : Track{Result::NotInDatabase, 0};
    if (verdict.result == Result::Accurate)
        return verdict;

    for (const Aligned& candidate : aligned) {
        if (candidate.offset.errors < 0 || candidate.entry->parityUrl.empty() ||
            candidate.entry->syndrome.size() < 2)
            continue;
        if (!best || candidate.entry->confidence > best->entry->confidence ||
            (candidate.entry->confidence == best->entry->confidence &&
             candidate.offset.errors < best->offset.errors))
            best = &candidate;
    }
    if (best) {
        verdict.offset = best->offset.samples;
        verdict.repairFrom = *best->entry;
    } else {
        verdict.repair = Repair::NotRepairable;
    }
    return verdict;
}

std::optional<std::vector<CtdbRepair::Fix>> CtdbVerdict::mend(const CtdbDiscSums& sums,
                                                              std::string_view parityFile)
{
    if (!repairFrom)
        return std::nullopt;
    const std::optional<CtdbSyndromes> file =
        CtdbSyndromes::fromParityFile(parityFile, repairFrom->syndrome);
    if (!file) {
        repair = Repair::ParityUnusable;
        return std::nullopt;
    }
    repair = Repair::NotRepairable;
    const std::optional<CtdbSyndromes> own = sums.syndromesAt(offset);
    if (!own)
        return std::nullopt;
    std::optional<std::vector<CtdbRepair::Fix>> fixes =
        CtdbRepair::fixes(*own, *file, sums.layout(), offset);
    if (!fixes)
        return std::nullopt;
    const std::optional<CtdbCrc> mended = sums.crcAt(offset, *fixes);
    if (!mended || mended->disc != repairFrom->crc)
        return std::nullopt;
    std::set<std::size_t> sectors;
    for (const CtdbRepair::Fix& fix : *fixes)
        sectors.insert(fix.word / CtdbLayout::WordsPerSector);
    repair = Repair::Repairable;
    repairWords = int(fixes->size());
    repairSectors = int(sectors.size());
    return fixes;
}

std::string CtdbVerdict::english(const Track& track)
{
    switch (track.result) {
    case Result::Accurate:
        return "accurate (confidence " + std::to_string(track.confidence) + ")";
    case Result::Differs:
        return "differs";
    case Result::NotInDatabase:
        return "not in database";
    case Result::NotChecked:
        break;
    }
    return "not checked";
}

std::string CtdbVerdict::english() const
{
    std::string text = english(Track{result, confidence});
    if (result == Result::Differs) {
        switch (repair) {
        case Repair::Repairable:
            text.append(", repairable (")
                .append(std::to_string(repairWords))
                .append(" words in ")
                .append(std::to_string(repairSectors))
                .append(" sectors)");
            break;
        case Repair::NotRepairable:
            text.append(", not repairable");
            break;
        case Repair::ParityUnusable:
            text.append(", not repairable (the parity could not be used)");
            break;
        case Repair::Unknown:
            break;
        }
    }
    if ((result == Result::Accurate || result == Result::Differs) && offset != 0)
        text.append(" at offset ").append(offset > 0 ? "+" : "").append(std::to_string(offset));
    return text;
}

std::vector<std::string> CtdbVerdict::logLines(const std::vector<int>& trackNumbers) const
{
    std::vector<std::string> lines;
    for (std::size_t n = 0; n < trackNumbers.size(); ++n) {
        std::string line = "CTDB track ";
        line.append(std::to_string(trackNumbers[n]))
            .append(": ")
            .append(english(n < tracks.size() ? tracks[n] : Track{}));
        lines.push_back(std::move(line));
    }
    lines.push_back(std::string("CTDB: ").append(english()));
    return lines;
}
