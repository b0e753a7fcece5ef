#include "discsave/RepairedStretches.h"

#include "ctdb/CtdbLayout.h"
#include "discsave/ImageDescription.h"

#include <algorithm>
#include <map>

std::vector<RepairedStretches::Stretch>
RepairedStretches::of(const DiscToc& disc, const std::vector<CtdbRepair::Fix>& fixes)
{
    std::vector<const TrackInfo*> audio;
    for (const TrackInfo& track : disc.tracks)
        if (track.isSavedAudio())
            audio.push_back(&track);
    if (audio.empty())
        return {};
    // Words by sector of the disc.
    std::map<long long, int> words;
    for (const CtdbRepair::Fix& fix : fixes)
        ++words[audio.front()->firstSector + (long long)(fix.word / CtdbLayout::WordsPerSector)];
    std::vector<Stretch> stretches;
    long long previous = -2;
    for (const auto& [sector, count] : words) {
        const long long at = sector;
        const auto track = std::find_if(audio.rbegin(), audio.rend(),
                                        [at](const TrackInfo* t) { return t->firstSector <= at; });
        const TrackInfo& in = **(track == audio.rend() ? audio.rend() - 1 : track);
        if (sector == previous + 1 && !stretches.empty() && stretches.back().track == in.number) {
            ++stretches.back().sectors;
            stretches.back().words += count;
        } else {
            stretches.push_back({in.number, int(sector - in.firstSector), 1, count});
        }
        previous = sector;
    }
    return stretches;
}

std::vector<std::string> RepairedStretches::logLines(const std::vector<Stretch>& stretches)
{
    std::vector<std::string> lines;
    for (const Stretch& stretch : stretches) {
        std::string line = "Repaired from CTDB: track ";
        line.append(std::to_string(stretch.track))
            .append(" at ")
            .append(ImageDescription::time(stretch.start))
            .append(", ")
            .append(std::to_string(stretch.sectors))
            .append(stretch.sectors == 1 ? " sector, " : " sectors, ")
            .append(std::to_string(stretch.words))
            .append(stretch.words == 1 ? " word" : " words");
        lines.push_back(std::move(line));
    }
    return lines;
}
