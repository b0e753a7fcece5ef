#include "disc/CdText.h"
#include "drive/ByteOrder.h"
#include "drive/CdioDiscSource.h"
#include "player/CdPlayer.h"
#include "sound/DeEmphasis.h"
#include "support/DiscImage.h"
#include "support/RecordingOutput.h"
#include "support/TextTable.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <map>
#include <numbers>
#include <thread>

namespace {

using State = Transport::State;

/// Disc images in a drive that fails reads before a given sector, and can be made slow; it
/// counts reads and polls and notes the speeds asked of it.
class WatchedSource final : public DiscSource {
public:
    explicit WatchedSource(std::vector<std::string> images) : m_images(std::move(images)) {}
    QList<int> speeds;
    std::atomic<int> reads{0};
    std::atomic<int> polls{0};
    std::atomic<int> unreadableFrom{0}, unreadableTo{0};
    bool slow = false; ///< spins up for 300 ms, then takes 40 ms a read

    std::vector<std::string> drives() override { return m_images.drives(); }
    std::unique_ptr<DiscReader> open(const std::string& drive) override
    {
        if (slow)
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        auto reader = m_images.open(drive);
        return reader ? std::make_unique<Watched>(*this, std::move(reader)) : nullptr;
    }
    Media media(const std::string& drive) override
    {
        ++polls;
        return m_images.media(drive);
    }

private:
    class Watched final : public DiscReader {
    public:
        Watched(WatchedSource& source, std::unique_ptr<DiscReader> disc)
            : m_source(source), m_disc(std::move(disc))
        {
        }
        const DiscToc& toc() const override { return m_disc->toc(); }
        bool read(int first, int count, int16_t* samples) override
        {
            ++m_source.reads;
            if (m_source.slow)
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            return (first >= m_source.unreadableTo || first + count <= m_source.unreadableFrom) &&
                   m_disc->read(first, count, samples);
        }
        void limitSpeed(int speed) override { m_source.speeds << speed; }
        void eject() override { m_disc->eject(); }

    private:
        WatchedSource& m_source;
        std::unique_ptr<DiscReader> m_disc;
    };
    CdioDiscSource m_images;
};

/// A player on disc images in a watched drive, its sound recorded faster than real time;
/// without sound it has no output.
struct Player {
    QByteArray recording;
    WatchedSource& drive;
    CdPlayer player;

    explicit Player(const std::vector<std::string>& images, bool withSound = true)
        : Player(std::make_unique<WatchedSource>(images), withSound)
    {
    }
    Player(std::unique_ptr<WatchedSource> source, bool withSound)
        : drive(*source),
          player(std::move(source), [this, withSound]() -> std::unique_ptr<AudioOutput> {
              return withSound ? std::make_unique<RecordingOutput>(recording) : nullptr;
          })
    {
    }
    State state() const { return player.transport().state(); }
    QString display() const { return QString::fromStdString(player.transport().display()); }
    /// Whether the disc was found, ready to play.
    bool load()
    {
        player.open();
        return QTest::qWaitFor([&] { return state() != State::Opening; }, 5000) &&
               state() == State::Stopped;
    }
    bool playToTheEnd()
    {
        player.pressPlay();
        return state() == State::Playing &&
               QTest::qWaitFor([&] { return state() == State::Stopped; }, 10000);
    }
};

double rms(const std::vector<int16_t>& samples, std::size_t from)
{
    double sum = 0;
    for (std::size_t n = from; n < samples.size(); ++n)
        sum += double(samples[n]) * samples[n];
    return std::sqrt(sum / double(samples.size() - from));
}

} // namespace

class TestCdAudio : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DiscImage m_tones;
    DiscImage m_data;

    DiscImage write(const char* name, DiscImage::Design design)
    {
        return DiscImage::write(m_dir.path().toStdString(), name, design);
    }
    static DiscImage::Design tonesDesign()
    {
        DiscImage::Design design;
        // Longer than the ring buffer, so reading ahead has to keep up while it plays.
        design.tracks = {
            {440, 2.5, 0.5, "First"}, {660, 1.5, 0.25, "Second"}, {880, 2.0, 0.5, "Third"}};
        return design;
    }

private slots:
    void initTestCase()
    {
        // Qt's complaints (timers stopped from the wrong thread, say) are faults here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".+")));
        QVERIFY(m_dir.isValid());
        m_tones = write("tones", tonesDesign());
        DiscImage::Design data = tonesDesign();
        data.dataOnly = true;
        m_data = write("data", data);
    }

    void playsEverySampleFromTheChosenTrack_data()
    {
        addTextRows("byteOrder track", R"(
little-endian image, the whole disc | little | 1
big-endian image, from track 3 | big | 3
)");
    }

    void playsEverySampleFromTheChosenTrack()
    {
        const int track = cell("track").toInt();
        DiscImage::Design design = tonesDesign();
        design.bigEndian = cell("byteOrder") == "big";
        const DiscImage disc = write(qPrintable(cell("byteOrder")), design);
        // The first drive with audio is opened: not the empty one, nor the data disc.
        Player p({"/nonexistent/drive", m_data.cuePath, disc.cuePath});
        QVERIFY(p.load());
        for (int n = 1; n < track; ++n)
            p.player.pressNext();
        p.player.pressPlay();
        p.player.open(); // Load while playing goes on playing
        QCOMPARE(p.state(), State::Playing);
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        const int first = disc.trackStarts[std::size_t(track - 1)];
        QVERIFY(p.recording.toStdString() == disc.pcm(first, disc.sectors));
    }

    void aJumpPlaysTheNewTrackAtOnce()
    {
        Player p({m_tones.cuePath});
        QVERIFY(p.load());
        p.player.pressPlay();
        QTRY_VERIFY(!p.recording.isEmpty());
        const qsizetype before = p.recording.size();
        p.player.pressNext(); // nothing read ahead of track 1 may follow
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 10000);
        QVERIFY(p.recording.toStdString() ==
                m_tones.pcm(0, m_tones.sectors).substr(0, std::size_t(before)) +
                    m_tones.pcm(m_tones.trackStarts[1], m_tones.sectors));
        // Stopped, the drive rests: asked whether a disc is in now and then, no more.
        const int reads = p.drive.reads, polls = p.drive.polls;
        QTest::qWait(300);
        QCOMPARE(p.drive.reads.load(), reads);
        QVERIFY(p.drive.polls - polls <= 1);
    }

    void anyOrderPlaysWithoutAGap()
    {
        // One track repeated: the same samples again, straight after.
        Player p({m_tones.cuePath});
        QVERIFY(p.load());
        p.player.setRepeat(Transport::Repeat::Track);
        QVERIFY(p.player.chooseTrack(2));
        const std::string second = m_tones.pcm(m_tones.trackStarts[1], m_tones.trackStarts[2]);
        QTRY_VERIFY_WITH_TIMEOUT(p.recording.size() > qsizetype(second.size()) * 5 / 2, 10000);
        QCOMPARE(p.player.transport().track(), 2);
        QVERIFY((second + second + second).starts_with(p.recording.toStdString()));

        // Shuffled: each track once, in the order played, and nothing between them.
        Player shuffled({m_tones.cuePath});
        QVERIFY(shuffled.load());
        shuffled.player.seedOrder(3);
        shuffled.player.setShuffle(true);
        QList<int> order{shuffled.player.transport().track()};
        connect(&shuffled.player, &CdPlayer::changed, this, [&] {
            if (shuffled.state() == State::Playing &&
                shuffled.player.transport().track() != order.last())
                order << shuffled.player.transport().track();
        });
        QVERIFY(shuffled.playToTheEnd());
        std::string heard;
        for (const int track : order)
            heard +=
                m_tones.pcm(m_tones.trackStarts[std::size_t(track - 1)],
                            track < 3 ? m_tones.trackStarts[std::size_t(track)] : m_tones.sectors);
        QCOMPARE(order.size(), 3);
        QVERIFY(order != (QList<int>{1, 2, 3}));
        QVERIFY(shuffled.recording.toStdString() == heard);
    }

    void unplayableStatesShowPlainly_data()
    {
        addTextRows("drive sound display", R"(
no drive | | yes | No drive
empty drive | /nonexistent/drive | yes | No disc
data-only disc after an empty drive | data | yes | No audio
no sound output | tones | no | No sound
)");
    }

    void unplayableStatesShowPlainly()
    {
        const std::map<QString, std::vector<std::string>> drives{
            {"", {}},
            {"data", {"/nonexistent/drive", m_data.cuePath}},
            {"tones", {m_tones.cuePath}},
            {"/nonexistent/drive", {"/nonexistent/drive"}}};
        Player p(drives.at(cell("drive")), cell("sound") == "yes");
        p.load();
        p.player.pressPlay();
        QTRY_COMPARE(p.display(), cell("display"));
        QTest::qWait(1700); // the drive that was opened is polled, not another
        QCOMPARE(p.display(), cell("display"));
        QVERIFY(p.recording.isEmpty());
    }

    void aFailingDriveNeverStallsTheInterfaceAndEndsInReadError()
    {
        Player p({m_tones.cuePath});
        p.drive.slow = true;
        p.drive.unreadableTo = std::numeric_limits<int>::max();

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

        QVERIFY(p.load());
        p.player.pressPlay();
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::ReadError, 10000);
        QCOMPARE(p.drive.reads.load(), (DiscWorker::MaxRetries + 1) * (DiscWorker::MaxSkips + 1));
        QVERIFY2(worstGap < 150, qPrintable(QString::number(worstGap)));
    }

    void discTakenOutAndPutBackIsNoticedButEjectedStaysOut()
    {
        DiscImage::Design design = tonesDesign();
        design.tracks = {{440, 30, 0.5, {}}};
        const DiscImage disc = write("swap", design);
        const QString cue = QString::fromStdString(disc.cuePath);
        Player p({disc.cuePath});
        // Loaded with the drive empty, a disc put in later is noticed.
        QVERIFY(QFile::rename(cue, cue + ".out"));
        QVERIFY(!p.load());
        QVERIFY(QFile::rename(cue + ".out", cue));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 5000);
        p.player.pressPlay();
        p.player.pressEject();
        QCOMPARE(p.state(), State::NoDisc);
        QTest::qWait(2000); // longer than the drive is polled
        QCOMPARE(p.state(), State::NoDisc);

        QVERIFY(p.load());
        p.player.pressPlay();
        QVERIFY(QFile::rename(cue, cue + ".out"));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::NoDisc, 5000);
        QVERIFY(QFile::rename(cue + ".out", cue));
        QTRY_COMPARE_WITH_TIMEOUT(p.state(), State::Stopped, 5000);
        QVERIFY(p.player.transport().details().ends_with("\n1 track, 00:30"));
    }

    void anImageIsReadWithinItsDiscAndLetGoOnceGone()
    {
        const qsizetype openFiles = QDir("/proc/self/fd").count();
        const QString cue = QString::fromStdString(m_tones.cuePath);
        CdioDiscSource source({m_tones.cuePath});
        auto reader = source.open(m_tones.cuePath);
        std::vector<int16_t> samples(10 * 2352 / 2);
        // Past the lead-out a read could report success and leave the buffer as it was.
        QVERIFY(!reader->read(m_tones.sectors - 5, 10, samples.data()));
        QVERIFY(!reader->read(-1, 1, samples.data()));
        reader.reset();

        // The worker on this thread, so its read ticks come while the window knows nothing yet:
        // a disc taken out stops the reading, and its image is closed.
        RingBuffer ring(1 << 20);
        PlaybackPlan plan;
        DiscWorker worker(source, ring, plan);
        worker.open();
        worker.startReading(0, m_tones.sectors, ring.clear());
        QVERIFY(QFile::rename(cue, cue + ".out"));
        worker.poll();
        QTest::qWait(50);
        QCOMPARE(QDir("/proc/self/fd").count(), openFiles);
        QVERIFY(QFile::rename(cue + ".out", cue));
        QCOMPARE(ring.available(), std::size_t(DiscWorker::ChunkSectors) * DiscToc::BytesPerSector);
    }

    void unreadableSecondsBetweenSoundPlayAsSilence()
    {
        // Up to five unreadable seconds in a row are bridged, also after sound that was read.
        DiscImage::Design design;
        design.tracks = {{440, 8, 0.5}};
        const DiscImage disc = write("scratched", design);
        Player p({disc.cuePath});
        p.drive.unreadableFrom = 7 * DiscWorker::ChunkSectors;
        p.drive.unreadableTo = p.drive.unreadableFrom + 5 * DiscToc::SectorsPerSecond;
        QVERIFY(p.load() && p.playToTheEnd());
        std::string expected = disc.pcm(0, disc.sectors);
        std::fill(expected.begin() + p.drive.unreadableFrom * DiscToc::BytesPerSector,
                  expected.begin() + p.drive.unreadableTo * DiscToc::BytesPerSector, '\0');
        QVERIFY(p.recording.toStdString() == expected);
    }

    void drivesOpenedOnTwoThreadsAtOnce()
    {
        // As the player's disc thread and a saving's do. libcdio's log is shared by both, and
        // it logs as it opens a disc: two at once must never take the program down.
        std::atomic<int> opened = 0;
        const auto openMany = [&] {
            CdioDiscSource source({m_tones.cuePath});
            for (int n = 0; n < 2000; ++n)
                opened += source.open(m_tones.cuePath) != nullptr;
        };
        std::thread other(openMany);
        openMany();
        other.join();
        QCOMPARE(opened.load(), 4000);
    }

    void aDrivesByteOrderIsBelievedOnlyWhenItShows_data()
    {
        addTextRows("sound level order verdict", R"(
music as given | music | 0.3 | given | as given
music swapped | music | 0.3 | swapped | swapped
quiet music swapped | music | 0.005 | swapped | swapped
noise either way | noise | 0.5 | swapped | undecided
silence | music | 0 | given | undecided
half a second of music | short | 0.3 | swapped | undecided
music after a pause | paused | 0.3 | swapped | swapped
)");
    }
    void aDrivesByteOrderIsBelievedOnlyWhenItShows()
    {
        const double level = cell("level").toDouble();
        const int frames = cell("sound") == "short" ? 22050 : 3 * 44100;
        // A pause is a second of silence before the sound.
        const int silent = cell("sound") == "paused" ? 44100 : 0;
        std::vector<int16_t> samples;
        std::uint32_t noise = 1;
        for (int n = 0; n < frames; ++n) {
            noise = noise * 1103515245u + 12345u;
            const double t = double(n) / 44100;
            const double wave = cell("sound") == "noise"
                                    ? double(int16_t(noise >> 16)) / 32768
                                    : (std::sin(2 * std::numbers::pi * 220 * t) +
                                       std::sin(2 * std::numbers::pi * 1250 * t) / 2) /
                                          1.5;
            const auto value = n < silent ? int16_t(0) : int16_t(std::lround(32767 * level * wave));
            const auto given =
                cell("order") == "swapped" ? int16_t(__builtin_bswap16(uint16_t(value))) : value;
            samples.insert(samples.end(), {given, given});
        }
        const std::map<QString, ByteOrder::Verdict> verdicts{
            {"as given", ByteOrder::Verdict::AsGiven},
            {"swapped", ByteOrder::Verdict::Swapped},
            {"undecided", ByteOrder::Verdict::Undecided}};
        QCOMPARE(ByteOrder::judge(samples), verdicts.at(cell("verdict")));
    }

    void anImagesByteOrderIsWhatItsSheetSays_data()
    {
        addTextRows("sheet verdict", R"(
little-endian | FILE "a.bin" BINARY;TRACK 01 AUDIO | as given
big-endian | FILE "a.bin" MOTOROLA;TRACK 01 AUDIO | swapped
written in lower case with spaces after | REM x; file "a b.bin" motorola  ;TRACK 01 AUDIO | swapped
the first file says | FILE "a.bin" BINARY;FILE "b.bin" MOTOROLA | as given
tabs between the words | FILE\t"a.bin"\tMOTOROLA | swapped
no file | TRACK 01 AUDIO | undecided
)");
    }
    void anImagesByteOrderIsWhatItsSheetSays()
    {
        const std::map<QString, ByteOrder::Verdict> verdicts{
            {"as given", ByteOrder::Verdict::AsGiven},
            {"swapped", ByteOrder::Verdict::Swapped},
            {"undecided", ByteOrder::Verdict::Undecided}};
        const std::string sheet = cell("sheet")
                                      .replace(';', '\n')
                                      .replace(QStringLiteral("\\t"), QStringLiteral("\t"))
                                      .toStdString();
        QCOMPARE(ByteOrder::ofSheet(sheet), verdicts.at(cell("verdict")));
    }

    void cdTextIsCleaned_data()
    {
        // Both sides percent-encoded UTF-8.
        addTextRows("raw clean", R"(
plain text | Tones | Tones
control characters go | %01Ton%1B[0mes%7F%0A | Ton[0mes
invalid UTF-8 is replaced | Caf%E9 %C0%AF | Caf%EF%BF%BD %EF%BF%BD%EF%BF%BD
valid UTF-8 stays | Bj%C3%B6rk %E2%99%AB | Bj%C3%B6rk %E2%99%AB
blank around is trimmed | %20 Tones %09 | Tones
Unicode's last code point stays | %F4%8F%BF%BF | %F4%8F%BF%BF
a four-byte character from the lowest lead byte | %F0%9F%98%80 | %F0%9F%98%80
surrogates, the first and the last, are replaced | %ED%A0%80%ED%BF%BF | %EF%BF%BD%EF%BF%BD%EF%BF%BD%EF%BF%BD%EF%BF%BD%EF%BF%BD
lead bytes past Unicode are replaced | %F5%80%80%80 | %EF%BF%BD%EF%BF%BD%EF%BF%BD%EF%BF%BD
)");
        QTest::newRow("over-long text is cut") << QString(300, 'x') << QString(100, 'x');
        QTest::newRow("cut between characters, never inside one")
            << QString(99, 'x') + "%C3%B6%C3%B6" << QString(99, 'x') + "%C3%B6";
    }

    void cdTextIsCleaned()
    {
        const QByteArray bytes = QByteArray::fromPercentEncoding(cell("raw").toLatin1());
        QCOMPARE(CdText::clean(bytes.constData()),
                 QByteArray::fromPercentEncoding(cell("clean").toLatin1()).toStdString());
    }

    void aCarefulDiscReadsAndPlaysAsMastered()
    {
        // Emphasised tracks 1 and 2, plain track 3, then a data track in a second session.
        DiscImage::Design design;
        design.tracks = {{1000, 1.5, 0.5, "First", "Singer\x02", true},
                         {5000, 1.0, 0.5, {}, {}, true},
                         {440, 1.0, 0.5},
                         {0, 2.0, 0, "Data", {}, false, true}};
        const DiscImage disc = write("careful", design);
        Player p({disc.cuePath});
        QVERIFY(p.load());
        const DiscToc& toc = p.player.transport().toc();
        QCOMPARE(toc.tracks[0].performer, std::string("Singer"));
        QVERIFY(toc.tracks[0].preEmphasis && toc.tracks[1].preEmphasis &&
                !toc.tracks[2].preEmphasis);
        QCOMPARE(toc.tracks[2].endSector(), disc.trackStarts[3] - DiscToc::SessionGap);
        QVERIFY(p.player.transport().details().find("3 tracks") != std::string::npos);

        QVERIFY(p.playToTheEnd());
        QVERIFY(p.playToTheEnd());
        QCOMPARE(p.drive.speeds, (QList<int>{DiscWorker::ReadSpeed}));
        // Each play: one filter run across the flagged pair, the rest bit-exact, no data.
        std::string expected = disc.pcm(0, disc.trackStarts[2]);
        DeEmphasis filter;
        filter.process(reinterpret_cast<int16_t*>(expected.data()), expected.size() / 4);
        expected += disc.pcm(disc.trackStarts[2], toc.tracks[2].endSector());
        QVERIFY(p.recording.toStdString() == expected + expected);
    }

    void hiddenTrackBeforeTrackOne_data()
    {
        addTextRows("gapFrequency gap hidden", R"(
audio in the gap | 660 | readable | yes
silence in the gap | 0 | readable | no
a gap the drive cannot read | 660 | unreadable | no
a gap that fails once playing | 660 | fails after Load | yes
)");
    }

    void hiddenTrackBeforeTrackOne()
    {
        const QString gap = cell("gap"), hidden = cell("hidden");
        DiscImage::Design design;
        design.tracks = {{440, 1.0, 0.5}, {550, 0.5, 0.5}};
        design.gapSeconds = 3;
        design.gapFrequency = cell("gapFrequency").toDouble();
        const DiscImage disc = write("hidden", design);
        Player p({disc.cuePath});
        p.drive.unreadableTo = gap == "unreadable" ? disc.trackStarts[0] : 0;
        QVERIFY(p.load());
        p.player.pressPrevious();
        QCOMPARE(p.display(),
                 hidden == "yes" ? QStringLiteral("00 00:00") : QStringLiteral("01 00:00"));
        // A hidden track that cannot be read after all gives way to track 1, still playing.
        p.drive.unreadableTo = gap != "readable" ? disc.trackStarts[0] : 0;
        QVERIFY(p.playToTheEnd());
        const std::string track1 = disc.pcm(disc.trackStarts[0], disc.sectors);
        if (gap == "fails after Load")
            QVERIFY(p.recording.toStdString().ends_with(track1));
        else
            QVERIFY(p.recording.toStdString() ==
                    disc.pcm(hidden == "yes" ? 0 : disc.trackStarts[0], disc.sectors));
    }

    void gainFollowsTheCurve_data()
    {
        QTest::addColumn<double>("hertz");
        for (double hertz : {20.0, 1000.0, 5000.0, 10000.0, 16000.0})
            QTest::addRow("%g Hz", hertz) << hertz;
    }

    void gainFollowsTheCurve()
    {
        QFETCH(double, hertz);
        // The analog curve (1 + s·15 µs) / (1 + s·50 µs): -0.37 dB at 1 kHz, -7.60 dB at 10 kHz.
        const double w = 2 * std::numbers::pi * hertz;
        const double curve =
            10 * std::log10((1 + std::pow(w * 15e-6, 2)) / (1 + std::pow(w * 50e-6, 2)));
        DiscImage::Design design;
        design.tracks = {{hertz, 1.0, 0.25}};
        std::vector<int16_t> samples = write("sine", design).samples;
        const double before = rms(samples, 44100);
        DeEmphasis filter;
        filter.process(samples.data(), samples.size() / 2);
        const double gain = 20 * std::log10(rms(samples, 44100) / before);
        QVERIFY2(std::abs(gain - curve) < 0.1,
                 qPrintable(QStringLiteral("%1 dB against %2").arg(gain).arg(curve)));
    }

    void aSilentChannelStaysSilentBesideALoudOne()
    {
        std::vector<int16_t> samples(4000, 0);
        for (std::size_t n = 0; n < samples.size(); n += 2)
            samples[n] = (n / 2) % 10 < 5 ? 32767 : -32768;
        DeEmphasis().process(samples.data(), samples.size() / 2);
        for (std::size_t n = 1; n < samples.size(); n += 2)
            QCOMPARE(samples[n], int16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestCdAudio)
#include "tst_cdaudio.moc"
