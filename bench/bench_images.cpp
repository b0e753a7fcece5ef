// Disc images through the real sound server (run it through scripts/with-pulse): an 80-minute
// disc as one FLAC with its cue sheet, against the same disc as a raw image read the way a drive
// is. Time from opening the image to the first sample handed to the sound output; CPU and
// resident memory while each plays.
#include "discimage/ImageDiscSource.h"
#include "drive/CdioDiscSource.h"
#include "player/CdPlayer.h"
#include "sound/PulseAudioOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "FirstSample.h"
#include "ProcessClock.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <numbers>
#include <sndfile.h>
#include <vector>

namespace {

using ProcessClock::cpuSeconds;
using ProcessClock::spin;

constexpr int Tracks = 10;
constexpr int TrackSeconds = 8 * 60;
QString flacSheet;
QString rawSheet;

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

std::unique_ptr<CdPlayer> makePlayer(std::vector<std::string> drives)
{
    auto player = std::make_unique<CdPlayer>(std::make_unique<CdioDiscSource>(std::move(drives)),
                                             [] { return std::make_unique<PulseAudioOutput>(); });
    player->setImageSources(
        [](const std::string& path) { return std::make_shared<ImageDiscSource>(path); });
    // As the panel does: an opened image plays at once.
    QObject::connect(player.get(), &CdPlayer::imageOpened, player.get(), &CdPlayer::pressPlay);
    return player;
}

void openFlacImageToFirstSample(benchmark::State& state)
{
    const auto player = makePlayer({});
    timeToFirstSample(
        state, player->stream(), [&] { player->openImage(flacSheet); },
        [&] { player->pressStop(); });
}

void measurePlaying(benchmark::State& state, CdPlayer& player)
{
    for (auto _ : state) {
        spin(1000);
        state.counters["cpu_percent"] = ProcessClock::cpuPercentOver(10000);
        state.counters["rss_mb"] = residentMegabytes();
        state.counters["still_playing"] = player.transport().state() == Transport::State::Playing;
    }
}

void rawImageReadAsADrive(benchmark::State& state)
{
    const auto player = makePlayer({rawSheet.toStdString()});
    player->open();
    while (player->transport().state() != Transport::State::Stopped)
        spin(10);
    player->pressPlay();
    measurePlaying(state, *player);
}

void flacImagePlaying(benchmark::State& state)
{
    const auto player = makePlayer({});
    player->openImage(flacSheet);
    measurePlaying(state, *player);
}

/// The same 80 minutes as one FLAC and as raw samples, each with its cue sheet.
void writeDisc(const QString& folder)
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE* flac = sf_open(qPrintable(folder + "/disc.flac"), SFM_WRITE, &info);
    std::ofstream raw((folder + "/raw.bin").toStdString(), std::ios::binary);
    std::string flacCue = "FILE \"disc.flac\" WAVE\n", rawCue = "FILE \"raw.bin\" BINARY\n";
    std::vector<int16_t> second(44100 * 2);
    for (int t = 0; t < Tracks; ++t) {
        char index[64];
        std::snprintf(index, sizeof index, "TRACK %02d AUDIO\nINDEX 01 %02d:00:00\n", t + 1,
                      t * TrackSeconds / 60);
        flacCue += index;
        rawCue += index;
        for (int s = 0; s < TrackSeconds; ++s) {
            for (std::size_t n = 0; n < second.size(); n += 2)
                second[n] = second[n + 1] = int16_t(
                    8000 * std::sin(2 * std::numbers::pi * (220 + 55 * t) * double(n / 2) / 44100));
            sf_writef_short(flac, second.data(), 44100);
            raw.write(reinterpret_cast<const char*>(second.data()),
                      std::streamsize(second.size() * 2));
        }
    }
    sf_close(flac);
    std::ofstream(folder.toStdString() + "/disc.cue") << flacCue;
    std::ofstream(folder.toStdString() + "/raw.cue") << rawCue;
    flacSheet = folder + "/disc.cue";
    rawSheet = folder + "/raw.cue";
}

} // namespace

BENCHMARK(openFlacImageToFirstSample)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(rawImageReadAsADrive)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(flacImagePlaying)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    writeDisc(dir.path());
    std::fprintf(stderr, "wrote an 80-minute disc twice in %.1f s\n", clock.elapsed() / 1000.0);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
