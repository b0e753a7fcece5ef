// Names looked up online must never slow the player (run it through scripts/with-pulse): Load
// (the disc's table read) and Play (to the first sample handed to the sound output), with the
// lookup off and with a name server that takes every connection and never answers.
#include "discnames/DiscNamer.h"
#include "drive/CdioDiscSource.h"
#include "player/CdPlayer.h"
#include "sound/PulseAudioOutput.h"
#include "support/DiscImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "FirstSample.h"
#include "ProcessClock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using ProcessClock::spin;

QTemporaryDir* folder = nullptr;
QTcpServer* silentServer = nullptr;
int discs = 0;

/// A disc of its own each time, so each Load is a disc the namer has never seen.
std::string freshDisc()
{
    DiscImage::Design design;
    ++discs;
    design.tracks = {{440, 2.0 + discs, 0.5, {}}, {660, 5, 0.5, {}}};
    return DiscImage::write(folder->path().toStdString(), "disc" + std::to_string(discs), design)
        .cuePath;
}

void loadAndPlay(benchmark::State& state)
{
    const bool lookup = state.range(0) != 0;
    QSettings settings;
    settings.setValue("MusicBrainz/lookup", lookup);
    const QString silent = QString("http://127.0.0.1:%1").arg(silentServer->serverPort());
    settings.setValue("MusicBrainz/server", silent);
    settings.setValue("MusicBrainz/coverArtServer", silent);
    settings.sync();

    const auto connections = [] {
        return silentServer->findChildren<QTcpSocket*>().size();
    };
    const auto connectionsBefore = connections();
    std::vector<double> loads, plays;
    for (auto _ : state) {
        state.PauseTiming();
        CdPlayer player(std::make_unique<CdioDiscSource>(std::vector<std::string>{freshDisc()}),
                        [] { return std::make_unique<PulseAudioOutput>(); });
        DiscNamer namer(player);
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        player.open();
        while (player.transport().state() != Transport::State::Stopped)
            spin(1);
        loads.push_back(double(clock.nsecsElapsed()) / 1e6);
        // The lookup is under way (or never started): Play now, as a user would.
        bool sounded = false;
        QMetaObject::Connection connection =
            QObject::connect(&player.stream(), &PcmStream::firstData, [&] {
                if (!sounded)
                    plays.push_back(double(clock.nsecsElapsed()) / 1e6);
                sounded = true;
            });
        clock.restart();
        player.pressPlay();
        QElapsedTimer waited;
        waited.start();
        while (!sounded && waited.elapsed() < 2000)
            spin(1);
        QObject::disconnect(connection);
        state.PauseTiming();
        player.pressStop();
        spin(100);
        state.ResumeTiming();
    }
    std::sort(loads.begin(), loads.end());
    std::sort(plays.begin(), plays.end());
    state.counters["load_median_ms"] = loads[loads.size() / 2];
    state.counters["load_max_ms"] = loads.back();
    state.counters["play_median_ms"] = plays.empty() ? -1 : plays[plays.size() / 2];
    state.counters["play_max_ms"] = plays.empty() ? -1 : plays.back();
    state.counters["played"] = double(plays.size());
    state.counters["connections"] = double(connections() - connectionsBefore);
}

} // namespace

// 1: a server that never answers; 0: lookup off.
BENCHMARK(loadAndPlay)->Arg(1)->Arg(0)->Iterations(30)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Halcyra");
    QCoreApplication::setApplicationName("Spindella");
    QTemporaryDir discFolder;
    folder = &discFolder;
    // Takes each connection and keeps it open, silent.
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            socket->setParent(&server);
    });
    silentServer = &server;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
