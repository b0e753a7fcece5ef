// The desktop's Play through the session bus (run it through scripts/with-dbus and
// scripts/with-pulse, offscreen): time from the call leaving the desktop's connection to the
// first sample handed to the sound output, as the media keys and media widgets see it.
#include "app/MainWindow.h"
#include "cdaudio/CdPlayerPanel.h"
#include "cdaudio/CdioDiscSource.h"
#include "cdaudio/QtAudioOutput.h"
#include "desktop/DesktopSession.h"
#include "platform/RandomSequence.h"
#include "support/DiscImage.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ProcessClock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using ProcessClock::spin;

CdPlayerPanel* panel = nullptr;

void mprisPlayToFirstSample(benchmark::State& state)
{
    const QDBusConnection desktop =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
    const auto method = [](const char* name) {
        return QDBusMessage::createMethodCall(
            "org.mpris.MediaPlayer2.spindella", "/org/mpris/MediaPlayer2",
            "org.mpris.MediaPlayer2.Player", QString::fromLatin1(name));
    };
    std::vector<double> times;
    for (auto _ : state) {
        QEventLoop loop;
        QElapsedTimer clock;
        const auto connection =
            QObject::connect(&panel->player().stream(), &PcmStream::firstData, &loop, [&] {
                times.push_back(clock.nsecsElapsed() / 1e6);
                loop.quit();
            });
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        clock.start();
        desktop.asyncCall(method("Play"));
        loop.exec();
        QObject::disconnect(connection);
        state.PauseTiming();
        spin(300);
        desktop.asyncCall(method("Stop"));
        spin(100);
        state.ResumeTiming();
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.counters["presses"] = double(times.size());
}

} // namespace

BENCHMARK(mprisPlayToFirstSample)->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    DiscImage::Design design;
    design.tracks = {{440, 30, 0.5, {}}, {660, 30, 0.5, {}}};
    const DiscImage disc = DiscImage::write(dir.path().toStdString(), "bench", design);
    panel = new CdPlayerPanel(std::make_unique<CdioDiscSource>(std::vector{disc.cuePath}),
                              [] { return std::make_unique<QtAudioOutput>(); });
    RandomSequence random;
    FakeServices services;
    MainWindow window(random, services, services, panel);
    DesktopSession session(window, QDBusConnection::sessionBus());
    window.findChild<QPushButton*>("cmdLoad")->click();
    while (panel->player().transport().state() != Transport::State::Stopped)
        spin(10);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
