// Track 1 of a generated disc image played through a real PulseAudio server (started by
// scripts/with-pulse with a null sink) and recorded from the sink's monitor.
#include "cdaudio/CdPlayerPanel.h"
#include "cdaudio/CdioDiscSource.h"
#include "cdaudio/QtAudioOutput.h"
#include "support/DiscImage.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <csignal>

namespace {

/// Samples without the silence before and after them, whole frames of four bytes.
QByteArray withoutSilence(QByteArray pcm)
{
    const auto silent = [&](qsizetype at) {
        return pcm.mid(at, 4) == QByteArray(4, '\0');
    };
    pcm.truncate(pcm.size() / 4 * 4);
    while (!pcm.isEmpty() && silent(0))
        pcm.remove(0, 4);
    while (!pcm.isEmpty() && silent(pcm.size() - 4))
        pcm.chop(4);
    return pcm;
}

/// The samples at half volume, as the sound output scales them: halved toward zero.
QByteArray halved(const std::string& pcm)
{
    QByteArray out(pcm.data(), qsizetype(pcm.size()));
    auto* samples = reinterpret_cast<int16_t*>(out.data());
    for (qsizetype n = 0; n < out.size() / 2; ++n)
        samples[n] = int16_t(samples[n] / 2);
    return out;
}

} // namespace

class TestSoundEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void playsTrackOneThroughTheSoundServer()
    {
        QTemporaryDir dir;
        DiscImage::Design design;
        design.tracks = {{440, 2.0, 0.5, {}}};
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "tone", design);

        CdPlayerPanel panel(
            std::make_unique<CdioDiscSource>(std::vector<std::string>{disc.cuePath}),
            [] { return std::make_unique<QtAudioOutput>(); });
        auto* display = panel.findChild<QLabel*>("display");
        const auto button = [&](const char* name) {
            return panel.findChild<QToolButton*>(name);
        };
        panel.setDeviceType("CDaudio");
        panel.setCommand("Open");
        QTRY_COMPARE(display->text(), QStringLiteral("01 00:00"));

        const QString wavPath = dir.filePath("played.wav");
        QProcess recorder;
        recorder.start("parecord", {"--device=test.monitor", "--file-format=wav", "--format=s16le",
                                    "--rate=44100", "--channels=2", wavPath});
        QVERIFY(recorder.waitForStarted());
        QTest::qWait(300);

        // Set before there is a stream, as the desktop may: each new stream must take it.
        panel.player().setVolume(0.5);
        QTest::mouseClick(button("playButton"), Qt::LeftButton);
        // Played to the end: stopped and back on track 1.
        QTRY_VERIFY_WITH_TIMEOUT(!button("stopButton")->isEnabled(), 10000);
        QCOMPARE(display->text(), QStringLiteral("01 00:00"));
        QTest::qWait(500);
        ::kill(pid_t(recorder.processId()), SIGINT);
        QVERIFY(recorder.waitForFinished(5000));

        QFile wav(wavPath);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const QByteArray recorded = wav.readAll();
        // Heard bit for bit: nothing lost, repeated or stale, and nothing after the end.
        const QByteArray heard = withoutSilence(recorded.mid(recorded.indexOf("data") + 8));
        const QByteArray expected = withoutSilence(halved(disc.pcm(0, disc.sectors)));
        qInfo() << "heard" << heard.size() / 4 << "frames of" << expected.size() / 4;
        QVERIFY(heard == expected);

        // Paused, the sound server holds the stream: the position stands still.
        QTest::mouseClick(button("playButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(button("pauseButton")->isEnabled(), 2000);
        QTest::mouseClick(button("pauseButton"), Qt::LeftButton);
        QTest::qWait(1500);
        QCOMPARE(display->text(), QStringLiteral("01 00:00"));

        // The sound server going away while playing is shown plainly.
        QTest::mouseClick(button("playButton"), Qt::LeftButton);
        QCOMPARE(QProcess::execute("pactl", {"exit"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(display->text(), QStringLiteral("No sound"), 5000);
    }
};

QTEST_MAIN(TestSoundEndToEnd)
#include "tst_sound_e2e.moc"
