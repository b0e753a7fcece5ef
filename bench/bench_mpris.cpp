// The desktop's Play through the session bus (run it through scripts/with-dbus and
// scripts/with-pulse, offscreen): time from the call leaving the desktop's connection to the
// first sample handed to the sound output, as the media keys and media widgets see it.
#include "app/MainWindow.h"
#include "core/RandomSequence.h"
#include "desktop/DesktopSession.h"
#include "drive/CdioDiscSource.h"
#include "panel/CdPlayerPanel.h"
#include "sound/PulseAudioOutput.h"
#include "support/DiscImage.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QPushButton>
#include <QTemporaryDir>

#include "FirstSample.h"
#include "ProcessClock.h"

#include <benchmark/benchmark.h>

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
    timeToFirstSample(
        state, panel->player().stream(), [&] { desktop.asyncCall(method("Play")); },
        [&] { desktop.asyncCall(method("Stop")); });
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
                              [] { return std::make_unique<PulseAudioOutput>(); });
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
