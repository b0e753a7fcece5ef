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

#include <cmath>
#include <csignal>

namespace {

struct Analysis {
    double seconds = 0;
    double frequency = 0;
    double rms = 0;
};

/// The stretch of the left channel that is not silence: its length, pitch and level.
Analysis analyse(const QByteArray& wav)
{
    Analysis result;
    const qsizetype data = wav.indexOf("data");
    if (data < 0)
        return result;
    const auto* samples = reinterpret_cast<const int16_t*>(wav.constData() + data + 8);
    const qsizetype frames = (wav.size() - data - 8) / 4;
    qsizetype first = -1, last = -1;
    for (qsizetype n = 0; n < frames; ++n) {
        if (std::abs(samples[2 * n]) > 1000) {
            if (first < 0)
                first = n;
            last = n;
        }
    }
    if (first < 0)
        return result;
    int crossings = 0;
    double sum = 0;
    for (qsizetype n = first; n <= last; ++n) {
        const int16_t s = samples[2 * n];
        sum += double(s) * s;
        if (n > first && samples[2 * (n - 1)] < 0 && s >= 0)
            ++crossings;
    }
    const qsizetype length = last - first + 1;
    result.seconds = double(length) / 44100;
    result.frequency = crossings / result.seconds;
    result.rms = std::sqrt(sum / double(length));
    return result;
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
        panel.setDeviceType("CDaudio");
        panel.setCommand("Open");
        QTRY_COMPARE(display->text(), QStringLiteral("01 00:00"));

        const QString wavPath = dir.filePath("played.wav");
        QProcess recorder;
        recorder.start("parecord", {"--device=test.monitor", "--file-format=wav", "--format=s16le",
                                    "--rate=44100", "--channels=2", wavPath});
        QVERIFY(recorder.waitForStarted());
        QTest::qWait(300);

        QTest::mouseClick(panel.findChild<QToolButton*>("playButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(panel.findChild<QToolButton*>("stopButton")->isEnabled(), 2000);
        QVERIFY2(display->text() != QStringLiteral("No sound"), "no sound output");
        // Played to the end: stopped and back on track 1.
        QTRY_VERIFY_WITH_TIMEOUT(!panel.findChild<QToolButton*>("stopButton")->isEnabled(), 10000);
        QCOMPARE(display->text(), QStringLiteral("01 00:00"));
        QTest::qWait(500);
        ::kill(pid_t(recorder.processId()), SIGINT);
        QVERIFY(recorder.waitForFinished(5000));

        QFile wav(wavPath);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        const Analysis heard = analyse(wav.readAll());
        const double expectedRms = 0.5 * 32767 / std::sqrt(2.0);
        const QString report = QStringLiteral("%1 s, %2 Hz, rms %3")
                                   .arg(heard.seconds)
                                   .arg(heard.frequency)
                                   .arg(heard.rms);
        qInfo().noquote() << "heard:" << report;
        QVERIFY2(std::abs(heard.seconds - 2.0) < 0.05, qPrintable(report));
        QVERIFY2(std::abs(heard.frequency - 440) < 2, qPrintable(report));
        QVERIFY2(std::abs(20 * std::log10(heard.rms / expectedRms)) < 1.0, qPrintable(report));

        // Paused, the sound server holds the stream: the position stands still.
        QTest::mouseClick(panel.findChild<QToolButton*>("playButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(panel.findChild<QToolButton*>("pauseButton")->isEnabled(), 2000);
        QTest::mouseClick(panel.findChild<QToolButton*>("pauseButton"), Qt::LeftButton);
        QTest::qWait(1500);
        QCOMPARE(display->text(), QStringLiteral("01 00:00"));
    }
};

QTEST_MAIN(TestSoundEndToEnd)
#include "tst_sound_e2e.moc"
