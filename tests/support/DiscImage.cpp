#include "support/DiscImage.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>

namespace {
constexpr int FramesPerSector = 588;
constexpr int SampleRate = 44100;

std::string msf(int sector)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60,
                  sector % 75);
    return text;
}
} // namespace

DiscImage DiscImage::write(const std::string& folder, const std::string& name, const Design& design)
{
    DiscImage image;
    image.binPath = folder + "/" + name + ".bin";
    image.cuePath = folder + "/" + name + ".cue";

    for (const Track& track : design.tracks) {
        image.trackStarts.push_back(image.sectors);
        const long frames = std::lround(track.seconds * SampleRate);
        const long padded = (frames + FramesPerSector - 1) / FramesPerSector * FramesPerSector;
        for (long n = 0; n < padded; ++n) {
            int16_t value = 0;
            if (n < frames)
                value = int16_t(std::lround(
                    32767 * track.level *
                    std::sin(2 * std::numbers::pi * track.frequency * double(n) / SampleRate)));
            image.samples.push_back(value);
            image.samples.push_back(value);
        }
        image.sectors += int(padded / FramesPerSector);
    }

    std::ofstream bin(image.binPath, std::ios::binary);
    for (int16_t sample : image.samples) {
        const auto u = uint16_t(sample);
        const char bytes[2] = {char(design.bigEndian ? u >> 8 : u & 0xff),
                               char(design.bigEndian ? u & 0xff : u >> 8)};
        bin.write(bytes, 2);
    }

    std::ofstream cue(image.cuePath);
    if (!design.title.empty())
        cue << "TITLE \"" << design.title << "\"\n";
    if (!design.performer.empty())
        cue << "PERFORMER \"" << design.performer << "\"\n";
    cue << "FILE \"" << name << ".bin\" " << (design.bigEndian ? "MOTOROLA" : "BINARY") << "\n";
    for (std::size_t t = 0; t < design.tracks.size(); ++t) {
        cue << "  TRACK " << (t + 1 < 10 ? "0" : "") << t + 1
            << (design.dataOnly ? " MODE1/2352" : " AUDIO") << "\n";
        if (!design.tracks[t].title.empty())
            cue << "    TITLE \"" << design.tracks[t].title << "\"\n";
        cue << "    INDEX 01 " << msf(image.trackStarts[t]) << "\n";
    }
    return image;
}

std::string DiscImage::pcm(int first, int end) const
{
    const auto* bytes = reinterpret_cast<const char*>(samples.data());
    return std::string(bytes + std::size_t(first) * 2352, bytes + std::size_t(end) * 2352);
}
