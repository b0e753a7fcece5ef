#include "cdaudio/CdPlayer.h"
#include "cdaudio/CdioDiscReader.h"
#include "cdaudio/CdioDiscSource.h"
#include "support/DiscImage.h"
#include "support/RecordingOutput.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

using State = Transport::State;

/// A drive that takes its time and then fails every read.
class FailingReader final : public DiscReader {
public:
    explicit FailingReader(std::atomic<int>& reads) : m_reads(reads)
    {
        m_toc.tracks.push_back({1, 0, 750, true, {}, {}});
        m_toc.leadOut = 750;
    }
    const DiscToc& toc() const override { return m_toc; }
    bool read(int, int, int16_t*) override
    {
        ++m_reads;
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        return false;
    }
    void eject() override {}

private:
    std::atomic<int>& m_reads;
    DiscToc m_toc;
};

class FailingSource final : public DiscSource {
public:
    std::atomic<int> reads{0};
    std::vector<std::string> drives() override { return {"/dev/fake"}; }
    std::unique_ptr<DiscReader> open(const std::string&) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // spin-up
        return std::make_unique<FailingReader>(reads);
    }
    Media media(const std::string&) override { return Media::Present; }
};

struct Player {
    QByteArray recording;
    CdPlayer player;

    explicit Player(std::unique_ptr<DiscSource> source, bool withSound = true)
        : player(std::move(source), [this, withSound]() -> std::unique_ptr<AudioOutput> {
              if (!withSound)
                  return nullptr;
              return std::make_unique<RecordingOutput>(recording);
          })
    {
    }
    explicit Player(const std::vector<std::string>& images)
        : Player(std::make_unique<CdioDiscSource>(images))
    {
    }
    State state() const { return player.transport().state(); }
    QString display() const { return QString::fromStdString(player.transport().display()); }
};

} // namespace

class TestCdAudio : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DiscImage m_tones;

    DiscImage::Design tonesDesign(bool bigEndian = false)
    {
        DiscImage::Design design;
        // Longer than the ring buffer, so reading ahead has to keep up while it plays.
        design.tracks = {
            {440, 2.5, 0.5, "First"}, {660, 1.5, 0.25, "Second"}, {880, 2.0, 0.5, "Third"}};
        design.title = "Tones";
        design.performer = "Test Band";
        design.bigEndian = bigEndian;
        return design;
    }

private slots:
    void init()
    {
        // Qt's complaints (timers stopped from the wrong thread, say) are faults here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".+")));
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_tones = DiscImage::write(m_dir.path().toStdString(), "tones", tonesDesign());
    }

    void readsTheTableOfContentsAndCdText()
    {
        auto reader = CdioDiscSource({m_tones.cuePath}).open(m_tones.cuePath);
        QVERIFY(reader);
        const DiscToc& toc = reader->toc();
        QCOMPARE(toc.tracks.size(), 3u);
        QCOMPARE(toc.title, std::string("Tones"));
        QCOMPARE(toc.performer, std::string("Test Band"));
        QCOMPARE(toc.leadOut, m_tones.sectors);
        for (std::size_t n = 0; n < 3; ++n) {
            QCOMPARE(toc.tracks[n].number, int(n) + 1);
            QCOMPARE(toc.tracks[n].firstSector, m_tones.trackStarts[n]);
            QVERIFY(toc.tracks[n].audio);
        }
        QCOMPARE(toc.tracks[1].title, std::string("Second"));
        QCOMPARE(toc.tracks[2].endSector(), m_tones.sectors);
    }

    void readsSamplesInHostOrder_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little-endian image") << false;
        QTest::newRow("big-endian image") << true;
    }

    void readsSamplesInHostOrder()
    {
        QFETCH(bool, bigEndian);
        const DiscImage image = DiscImage::write(
            m_dir.path().toStdString(), bigEndian ? "motorola" : "binary", tonesDesign(bigEndian));
        auto reader = CdioDiscSource({image.cuePath}).open(image.cuePath);
        QVERIFY(reader);
        const int first = image.trackStarts[1] - 3;
        std::vector<int16_t> samples(10 * 2352 / 2);
        QVERIFY(reader->read(first, 10, samples.data()));
        const std::string got(reinterpret_cast<const char*>(samples.data()), samples.size() * 2);
        QVERIFY(got == image.pcm(first, first + 10));
    }

    void readsStopAtTheLeadOut()
    {
        auto reader = CdioDiscSource({m_tones.cuePath}).open(m_tones.cuePath);
        std::vector<int16_t> samples(10 * 2352 / 2);
        const int leadOut = reader->toc().leadOut;
        QVERIFY(reader->read(leadOut - 10, 10, samples.data()));
        QVERIFY(!reader->read(leadOut - 5, 10, samples.data()));
        QVERIFY(!reader->read(leadOut, 1, samples.data()));
        QVERIFY(!reader->read(-1, 1, samples.data()));
    }

    void playsEverySampleAcrossTrackBoundaries()
    {
        Player p({m_tones.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        QCOMPARE(p.display(), QStringLiteral("01 00:00"));
        p.player.pressPlay();
        QCOMPARE(p.state(), State::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        QCOMPARE(p.player.transport().track(), 1);
        QCOMPARE(p.recording.size(), qsizetype(m_tones.samples.size() * 2));
        QVERIFY(p.recording.toStdString() == m_tones.pcm(0, m_tones.sectors));
    }

    void playsFromTheChosenTrack()
    {
        Player p({m_tones.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressNext();
        p.player.pressNext();
        p.player.pressPlay();
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        QVERIFY(p.recording.toStdString() == m_tones.pcm(m_tones.trackStarts[2], m_tones.sectors));
    }

    void opensTheFirstDriveWithAudio()
    {
        DiscImage::Design data = tonesDesign();
        data.dataOnly = true;
        const DiscImage dataDisc = DiscImage::write(m_dir.path().toStdString(), "data", data);
        Player p({"/nonexistent/drive", dataDisc.cuePath, m_tones.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        QCOMPARE(p.player.transport().toc().title, std::string("Tones"));
    }

    void unplayableStatesShowPlainly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("display");
        QTest::newRow("no drive") << "none" << State::NoDrive << "No drive";
        QTest::newRow("empty drive") << "empty" << State::NoDisc << "No disc";
        QTest::newRow("data-only disc") << "data" << State::NoAudio << "No audio";
    }

    void unplayableStatesShowPlainly()
    {
        QFETCH(QString, kind);
        QFETCH(State, state);
        QFETCH(QString, display);
        std::vector<std::string> drives;
        if (kind == "empty")
            drives = {"/nonexistent/drive"};
        if (kind == "data") {
            DiscImage::Design data = tonesDesign();
            data.dataOnly = true;
            drives = {DiscImage::write(m_dir.path().toStdString(), "dataonly", data).cuePath};
        }
        Player p(drives);
        p.player.open();
        QTRY_COMPARE(p.state(), state);
        QCOMPARE(p.display(), display);
        p.player.pressPlay();
        QCOMPARE(p.state(), state);
        QVERIFY(p.recording.isEmpty());
    }

    void noSoundOutputShowsNoSound()
    {
        Player p(std::make_unique<CdioDiscSource>(std::vector<std::string>{m_tones.cuePath}),
                 false);
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressPlay();
        QTRY_COMPARE(p.state(), State::NoSound);
        QCOMPARE(p.display(), QStringLiteral("No sound"));
    }

    void aFailingDriveNeverStallsTheInterfaceAndEndsInReadError()
    {
        auto source = std::make_unique<FailingSource>();
        FailingSource& drive = *source;
        Player p(std::move(source));

        // The interface thread keeps its 10 ms beat while the drive spins up and fails.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, worstGap = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, this, [&] {
            worstGap = std::max(worstGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        beat.start(10);

        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressPlay();
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::ReadError, 10000);
        QCOMPARE(p.display(), QStringLiteral("Read error"));
        const int expectedReads = (DiscWorker::MaxRetries + 1) * (DiscWorker::MaxSkips + 1);
        QCOMPARE(drive.reads.load(), expectedReads);
        QVERIFY2(worstGap < 150, qPrintable(QString::number(worstGap)));
        // Skipped seconds were filled with silence, never with stale sound.
        QVERIFY(p.recording.count('\0') == p.recording.size());
    }

    void discTakenOutAndPutBackIsNoticed()
    {
        DiscImage::Design design = tonesDesign();
        design.tracks = {{440, 30, 0.5, {}}};
        const DiscImage disc = DiscImage::write(m_dir.path().toStdString(), "swap", design);
        Player p({disc.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressPlay();
        QCOMPARE(p.state(), State::Playing);

        const QString cue = QString::fromStdString(disc.cuePath);
        QVERIFY(QFile::rename(cue, cue + ".out"));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::NoDisc, 5000);
        QCOMPARE(p.display(), QStringLiteral("No disc"));

        QVERIFY(QFile::rename(cue + ".out", cue));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 5000);
        QCOMPARE(p.player.transport().toc().tracks.size(), 1u);
    }

    void ejectedImageStaysOutUntilLoad()
    {
        Player p({m_tones.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressPlay();
        p.player.pressEject();
        QCOMPARE(p.state(), State::NoDisc);
        QTest::qWait(2000); // longer than the drive is polled
        QCOMPARE(p.state(), State::NoDisc);
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
    }

    void loadWhilePlayingKeepsPlaying()
    {
        Player p({m_tones.cuePath});
        p.player.open();
        QTRY_COMPARE(p.state(), State::Stopped);
        p.player.pressPlay();
        p.player.open();
        QCOMPARE(p.state(), State::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        QVERIFY(p.recording.toStdString() == m_tones.pcm(0, m_tones.sectors));
    }
};

QTEST_GUILESS_MAIN(TestCdAudio)
#include "tst_cdaudio.moc"
