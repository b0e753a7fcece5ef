// The CD player with a disc image, through the real sound server (run it through
// scripts/with-pulse): time from the Play press, or a track chosen, to the first sample handed to
// the sound output,
// and the process's CPU use while playing, reader and output together.
#include "drive/CdioDiscSource.h"
#include "player/CdPlayer.h"
#include "sound/PulseAudioOutput.h"
#include "support/DiscImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "FirstSample.h"
#include "ProcessClock.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using ProcessClock::cpuSeconds;
using ProcessClock::spin;

CdPlayer* player = nullptr;

void playToFirstSample(benchmark::State& state)
{
    timeToFirstSample(
        state, player->stream(), [] { player->pressPlay(); }, [] { player->pressStop(); });
}

// A track chosen from the menu or by its number while the disc plays.
void chooseTrackToFirstSample(benchmark::State& state)
{
    int chosen = 0;
    player->pressPlay();
    timeToFirstSample(
        state, player->stream(), [&] { player->chooseTrack(1 + chosen++ % 2); }, [] {});
    player->pressStop();
}

void cpuWhilePlaying(benchmark::State& state)
{
    for (auto _ : state) {
        player->pressPlay();
        spin(500);
        state.counters["cpu_percent"] = ProcessClock::cpuPercentOver(10000);
        state.counters["still_playing"] = player->transport().state() == Transport::State::Playing;
        player->pressStop();
    }
}

} // namespace

BENCHMARK(playToFirstSample)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(chooseTrackToFirstSample)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(cpuWhilePlaying)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DiscImage::Design design;
    design.tracks = {{440, 30, 0.5, {}}, {660, 30, 0.5, {}}};
    const DiscImage disc = DiscImage::write(dir.path().toStdString(), "bench", design);
    CdPlayer thePlayer(std::make_unique<CdioDiscSource>(std::vector<std::string>{disc.cuePath}),
                       [] { return std::make_unique<PulseAudioOutput>(); });
    player = &thePlayer;
    thePlayer.open();
    while (thePlayer.transport().state() != Transport::State::Stopped)
        spin(10);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
