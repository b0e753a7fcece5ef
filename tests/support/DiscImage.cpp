#include "support/DiscImage.h"

#include "disc/DiscToc.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

namespace {
constexpr int FramesPerSector = 588;

std::string msf(int sector)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60,
                  sector % 75);
    return text;
}

/// Appends a tone padded to whole sectors (a constant pattern for data, seeded noise for a
/// negative frequency); returns the sectors.
int appendTone(std::vector<int16_t>& samples, double seconds, double frequency, double level,
               bool data = false)
{
    const long frames = std::lround(seconds * 44100);
    const long padded = (frames + FramesPerSector - 1) / FramesPerSector * FramesPerSector;
    std::uint32_t noise = 20261208;
    for (long n = 0; n < padded; ++n) {
        noise = noise * 1103515245u + 12345u;
        const double wave = frequency < 0
                                ? double(int16_t(noise >> 16)) / 32768
                                : std::sin(2 * std::numbers::pi * frequency * double(n) / 44100);
        const auto value = data         ? int16_t(0x5a5a)
                           : n < frames ? int16_t(std::lround(32767 * level * wave))
                                        : int16_t(0);
        samples.insert(samples.end(), 2, value);
    }
    return int(padded / FramesPerSector);
}
} // namespace

DiscImage DiscImage::write(const std::string& folder, const std::string& name, const Design& design)
{
    DiscImage image;
    image.cuePath = folder + "/" + name + ".cue";
    const int gap = appendTone(image.samples, design.gapSeconds, design.gapFrequency, 0.5);
    image.sectors = gap;

    std::ofstream cue(image.cuePath);
    if (!design.catalog.empty())
        cue << "CATALOG " << design.catalog << "\n";
    if (!design.title.empty())
        cue << "TITLE \"" << design.title << "\"\n";
    if (!design.performer.empty())
        cue << "PERFORMER \"" << design.performer << "\"\n";
    cue << "FILE \"" << name << ".bin\" " << (design.bigEndian ? "MOTOROLA" : "BINARY") << "\n";
    for (std::size_t t = 0; t < design.tracks.size(); ++t) {
        const Track& track = design.tracks[t];
        const bool data = design.dataOnly || track.data;
        // A second session starts after the first's lead-out and the next lead-in.
        if (data && t > 0 && !design.dataOnly)
            image.sectors += appendTone(image.samples, DiscToc::SessionGap / 75.0, 0, 0, true);
        image.trackStarts.push_back(image.sectors);
        cue << "  TRACK " << (t + 1 < 10 ? "0" : "") << t + 1 << (data ? " MODE1/2352" : " AUDIO")
            << "\n";
        if (!track.title.empty())
            cue << "    TITLE \"" << track.title << "\"\n";
        if (!track.performer.empty())
            cue << "    PERFORMER \"" << track.performer << "\"\n";
        if (!track.isrc.empty())
            cue << "    ISRC " << track.isrc << "\n";
        if (track.preEmphasis)
            cue << "    FLAGS PRE\n";
        if (t == 0 && gap > 0)
            cue << "    INDEX 00 00:00:00\n";
        if (track.gapSeconds > 0)
            cue << "    INDEX 00 " << msf(image.sectors - int(track.gapSeconds * 75)) << "\n";
        cue << "    INDEX 01 " << msf(image.sectors) << "\n";
        image.sectors +=
            appendTone(image.samples, track.seconds, track.frequency, track.level, data);
    }

    std::ofstream bin(folder + "/" + name + ".bin", std::ios::binary);
    for (int16_t sample : image.samples) {
        const auto u = uint16_t(sample);
        const char bytes[2] = {char(design.bigEndian ? u >> 8 : u & 0xff),
                               char(design.bigEndian ? u & 0xff : u >> 8)};
        bin.write(bytes, 2);
    }
    return image;
}

std::string DiscImage::pcm(int first, int end) const
{
    const auto* bytes = reinterpret_cast<const char*>(samples.data());
    return std::string(bytes + std::size_t(first) * 2352, bytes + std::size_t(end) * 2352);
}
