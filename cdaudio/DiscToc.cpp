#include "cdaudio/DiscToc.h"

std::vector<TrackInfo> DiscToc::audioTracks() const
{
    std::vector<TrackInfo> audio;
    for (const TrackInfo& track : tracks)
        if (track.audio)
            audio.push_back(track);
    return audio;
}
