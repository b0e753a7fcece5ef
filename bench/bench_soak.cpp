// A soak: the real window full screen with the animation running while its panel plays a disc
// image over and over, for a long time (10 minutes unless SPINDELLA_SOAK_MINUTES says else).
// Reports resident memory at the start, every minute and at the end, and the CPU use.
// Needs an X server and a sound server:
//   scripts/with-pulse scripts/with-x build-test/bench/bench_soak
#include "ProcessClock.h"
#include "app/MainWindow.h"
#include "core/RandomSequence.h"
#include "drive/CdioDiscSource.h"
#include "panel/CdPlayerPanel.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "sound/PulseAudioOutput.h"
#include "support/DiscImage.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <unistd.h>

namespace {

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    const int minutes = qEnvironmentVariableIsSet("SPINDELLA_SOAK_MINUTES")
                            ? qEnvironmentVariableIntValue("SPINDELLA_SOAK_MINUTES")
                            : 10;
    QTemporaryDir dir;
    DiscImage::Design design;
    design.tracks = {{440, 30, 0.3, {}}, {660, 30, 0.3, {}}};
    std::string cue;
    {
        // Only the files are kept; the samples the test support holds are dropped at once.
        cue = DiscImage::write(dir.path().toStdString(), "soak", design).cuePath;
    }

    QtMessageBoxes boxes;
    auto* panel = new CdPlayerPanel(std::make_unique<CdioDiscSource>(std::vector<std::string>{cue}),
                                    [] { return std::make_unique<PulseAudioOutput>(); });
    MainWindow window(RandomSequence::process(), boxes, app, panel);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    panel->setDeviceType(QStringLiteral("CDaudio"));
    panel->setCommand(QStringLiteral("Open"));
    auto* play = panel->findChild<QToolButton*>(QStringLiteral("playButton"));
    while (!play->isEnabled())
        ProcessClock::spin(10);
    QTest::mouseClick(play, Qt::LeftButton);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    ProcessClock::spin(2000);

    // Keep the disc playing: whenever it has played to the end, press Play again.
    QTimer replay;
    QObject::connect(&replay, &QTimer::timeout, &replay, [panel] {
        if (panel->player().transport().state() == Transport::State::Stopped)
            panel->player().pressPlay();
    });
    replay.start(1000);

    const double startMiB = residentMiB();
    const double cpuStart = ProcessClock::cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    std::printf("minute  resident MiB  state\n     0  %12.1f  %s\n", startMiB,
                panel->player().transport().display().c_str());
    for (int minute = 1; minute <= minutes; ++minute) {
        ProcessClock::spin(60000);
        std::printf("%6d  %12.1f  %s\n", minute, residentMiB(),
                    panel->player().transport().display().c_str());
        std::fflush(stdout);
    }
    const double cpu = 100 * (ProcessClock::cpuSeconds() - cpuStart) / (wall.nsecsElapsed() / 1e9);
    std::printf("resident at start %.1f MiB, at end %.1f MiB; CPU %.1f%% of one core over %d min\n",
                startMiB, residentMiB(), cpu, minutes);
    return 0;
}
