#include "cdaudio/PlaybackControl.h"
#include "cdaudio/RingBuffer.h"
#include "cdaudio/Transport.h"

#include <QtTest>

namespace {

class FakePlayback final : public PlaybackControl {
public:
    QStringList log;
    void start(int first, int end) override
    {
        log << QStringLiteral("start %1-%2").arg(first).arg(end);
    }
    void pause() override { log << "pause"; }
    void resume() override { log << "resume"; }
    void stop() override { log << "stop"; }
    void eject() override { log << "eject"; }
};

/// Three audio tracks of 10, 20 and 30 seconds, after a hidden track of `hidden` sectors.
DiscToc threeTracks(int hidden = 0)
{
    DiscToc toc;
    int start = hidden;
    for (int n = 1; n <= 3; ++n) {
        toc.tracks.push_back({n, start, n * 750, true, false, {}, {}});
        start += n * 750;
    }
    toc.hiddenSectors = hidden;
    toc.leadOut = start;
    toc.title = "Tones";
    toc.performer = "Test Band";
    return toc;
}

using State = Transport::State;

struct Rig {
    FakePlayback playback;
    Transport transport{playback};
    explicit Rig(const DiscToc& toc = threeTracks()) { transport.discLoaded(toc); }

    void apply(const QString& step)
    {
        const QString verb = step.section(' ', 0, 0);
        const int value = step.section(' ', 1, 1).toInt();
        if (verb == "play")
            transport.play();
        else if (verb == "pause")
            transport.pause();
        else if (verb == "stop")
            transport.stop();
        else if (verb == "previous")
            transport.previous();
        else if (verb == "next")
            transport.next();
        else if (verb == "eject")
            transport.eject();
        else if (verb == "at")
            transport.position(value);
        else if (verb == "end")
            transport.endOfDisc();
        else if (verb == "readerror")
            transport.readError();
        else if (verb == "nosound")
            transport.noSound();
        else
            QFAIL(qPrintable("unknown step " + step));
    }
};

} // namespace

Q_DECLARE_METATYPE(Transport::State)

class TestTransport : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        addRulesColumns();

        QTest::newRow("loaded: stopped on track 1")
            << QStringList{} << State::Stopped << 1 << QStringList{} << "01 00:00";
        QTest::newRow("play starts track 1 and runs to the disc's end")
            << QStringList{"play"} << State::Playing << 1 << QStringList{"start 0-4500"}
            << "01 00:00";
        QTest::newRow("playing on into track 2 follows the position")
            << QStringList{"play", "at 900"} << State::Playing << 2 << QStringList{"start 0-4500"}
            << "02 00:02";
        QTest::newRow("a track's first sector is that track's")
            << QStringList{"play", "at 750"} << State::Playing << 2 << QStringList{"start 0-4500"}
            << "02 00:00";
        QTest::newRow("pause holds, play resumes")
            << QStringList{"play", "at 300", "pause", "play"} << State::Playing << 1
            << QStringList{"start 0-4500", "pause", "resume"} << "01 00:04";
        QTest::newRow("pause while stopped does nothing")
            << QStringList{"pause"} << State::Stopped << 1 << QStringList{} << "01 00:00";
        QTest::newRow("stop returns to the start of the current track")
            << QStringList{"play", "at 1000", "stop"} << State::Stopped << 2
            << QStringList{"start 0-4500", "stop"} << "02 00:00";
        QTest::newRow("stop while paused")
            << QStringList{"play", "pause", "stop"} << State::Stopped << 1
            << QStringList{"start 0-4500", "pause", "stop"} << "01 00:00";
        QTest::newRow("previous more than 2 s in restarts the track")
            << QStringList{"play", "at 1200", "previous"} << State::Playing << 2
            << QStringList{"start 0-4500", "start 750-4500"} << "02 00:00";
        QTest::newRow("previous early in a track goes back one")
            << QStringList{"play", "at 800", "previous"} << State::Playing << 1
            << QStringList{"start 0-4500", "start 0-4500"} << "01 00:00";
        QTest::newRow("previous on track 1 restarts track 1")
            << QStringList{"play", "at 10", "previous"} << State::Playing << 1
            << QStringList{"start 0-4500", "start 0-4500"} << "01 00:00";
        QTest::newRow("previous while stopped on track 1 stays")
            << QStringList{"previous"} << State::Stopped << 1 << QStringList{} << "01 00:00";
        QTest::newRow("next while stopped moves without playing")
            << QStringList{"next"} << State::Stopped << 2 << QStringList{} << "02 00:00";
        QTest::newRow("next while playing plays the next track")
            << QStringList{"play", "next"} << State::Playing << 2
            << QStringList{"start 0-4500", "start 750-4500"} << "02 00:00";
        QTest::newRow("next on the last track does nothing")
            << QStringList{"next", "next", "next"} << State::Stopped << 3 << QStringList{}
            << "03 00:00";
        QTest::newRow("next while paused stops on the next track")
            << QStringList{"play", "pause", "next"} << State::Stopped << 2
            << QStringList{"start 0-4500", "pause", "stop"} << "02 00:00";
        QTest::newRow("end of disc stops and returns to track 1")
            << QStringList{"next", "next", "play", "at 4499", "end"} << State::Stopped << 1
            << QStringList{"start 2250-4500", "stop"} << "01 00:00";
        QTest::newRow("play after the end starts track 1 again")
            << QStringList{"play", "end", "play"} << State::Playing << 1
            << QStringList{"start 0-4500", "stop", "start 0-4500"} << "01 00:00";
        QTest::newRow("eject while playing stops the sound first")
            << QStringList{"play", "eject"} << State::NoDisc << 0
            << QStringList{"start 0-4500", "stop", "eject"} << "No disc";
        QTest::newRow("eject while stopped")
            << QStringList{"eject"} << State::NoDisc << 0 << QStringList{"eject"} << "No disc";
        QTest::newRow("play after eject does nothing")
            << QStringList{"eject", "play"} << State::NoDisc << 0 << QStringList{"eject"}
            << "No disc";
        QTest::newRow("read error stops and says so")
            << QStringList{"play", "readerror"} << State::ReadError << 1
            << QStringList{"start 0-4500", "stop"} << "Read error";
        QTest::newRow("play after a read error tries again")
            << QStringList{"play", "readerror", "play"} << State::Playing << 1
            << QStringList{"start 0-4500", "stop", "start 0-4500"} << "01 00:00";
        QTest::newRow("no sound stops and says so")
            << QStringList{"play", "nosound"} << State::NoSound << 1
            << QStringList{"start 0-4500", "stop"} << "No sound";
    }

    void rules() { checkRules(threeTracks()); }

    void hiddenTrackRules_data()
    {
        addRulesColumns();
        // The hidden track takes the first 4 s; track 1 starts at sector 300.
        QTest::newRow("loaded: stopped on track 1")
            << QStringList{} << State::Stopped << 1 << QStringList{} << "01 00:00";
        QTest::newRow("previous at the start of track 1 goes to the hidden track")
            << QStringList{"previous"} << State::Stopped << 0 << QStringList{} << "00 00:00";
        QTest::newRow("play from there runs on into track 1")
            << QStringList{"previous", "play", "at 350"} << State::Playing << 1
            << QStringList{"start 0-4800"} << "01 00:00";
        QTest::newRow("previous in track 1's first 2 s while playing")
            << QStringList{"play", "at 400", "previous"} << State::Playing << 0
            << QStringList{"start 300-4800", "start 0-4800"} << "00 00:00";
        QTest::newRow("previous later in track 1 restarts it")
            << QStringList{"play", "at 600", "previous"} << State::Playing << 1
            << QStringList{"start 300-4800", "start 300-4800"} << "01 00:00";
        QTest::newRow("an unreadable hidden track is skipped for track 1")
            << QStringList{"previous", "play", "readerror"} << State::Playing << 1
            << QStringList{"start 0-4800", "start 300-4800"} << "01 00:00";
        QTest::newRow("the disc's end returns to track 1")
            << QStringList{"previous", "play", "end"} << State::Stopped << 1
            << QStringList{"start 0-4800", "stop"} << "01 00:00";
    }

    void hiddenTrackRules() { checkRules(threeTracks(300)); }

    void enhancedCdRules_data()
    {
        addRulesColumns();
        QTest::newRow("next on the last audio track does nothing")
            << QStringList{"next", "next", "next"} << State::Stopped << 3 << QStringList{}
            << "03 00:00";
        QTest::newRow("playing ends with the last audio track")
            << QStringList{"play"} << State::Playing << 1 << QStringList{"start 0-4500"}
            << "01 00:00";
    }

    void enhancedCdRules()
    {
        DiscToc toc = threeTracks();
        toc.tracks.push_back({4, 4500 + DiscToc::SessionGap, 750, false, false, {}, {}});
        checkRules(toc);
    }

    void detailsNameTheTrackAndTheDisc_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("details");
        QTest::newRow("titled, emphasised track 1")
            << QStringList{}
            << "01 First - Singer (pre-emphasis)\nTones - Test Band\n3 tracks, 01:00";
        QTest::newRow("a track without a title")
            << QStringList{"next"} << "02 Track 2\nTones - Test Band\n3 tracks, 01:00";
        QTest::newRow("the hidden track")
            << QStringList{"previous"} << "00 Hidden track\nTones - Test Band\n3 tracks, 01:00";
    }

    void detailsNameTheTrackAndTheDisc()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, details);
        DiscToc toc = threeTracks(300);
        toc.tracks[0].title = "First";
        toc.tracks[0].performer = "Singer";
        toc.tracks[0].preEmphasis = true;
        Rig rig(toc);
        for (const QString& step : steps)
            rig.apply(step);
        QCOMPARE(QString::fromStdString(rig.transport.details()), details);
    }

private:
    static void addRulesColumns()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<State>("state");
        QTest::addColumn<int>("track");
        QTest::addColumn<QStringList>("commands"); // what the playback was asked, in order
        QTest::addColumn<QString>("display");
    }

    static void checkRules(const DiscToc& toc)
    {
        QFETCH(QStringList, steps);
        QFETCH(State, state);
        QFETCH(int, track);
        QFETCH(QStringList, commands);
        QFETCH(QString, display);
        Rig rig(toc);
        for (const QString& step : steps)
            rig.apply(step);
        QCOMPARE(rig.transport.state(), state);
        QCOMPARE(rig.transport.track(), track);
        QCOMPARE(rig.playback.log, commands);
        QCOMPARE(QString::fromStdString(rig.transport.display()), display);
    }

private slots:

    void buttonsFollowTheState()
    {
        FakePlayback playback;
        Transport transport(playback);
        using B = Transport::Buttons;
        QCOMPARE(transport.buttons(), B{});
        QCOMPARE(QString::fromStdString(transport.display()), QStringLiteral("Press Load"));
        transport.noDrive();
        QCOMPARE(transport.buttons(), B{});
        transport.noDisc();
        QCOMPARE(transport.buttons(), (B{false, false, false, false, false, true}));
        transport.discLoaded(threeTracks());
        QCOMPARE(transport.buttons(), (B{false, true, false, false, true, true}));
        transport.play();
        QCOMPARE(transport.buttons(), (B{true, false, true, true, true, true}));
        transport.pause();
        QCOMPARE(transport.buttons(), (B{true, true, false, true, true, true}));
        transport.next();
        transport.next();
        QCOMPARE(transport.buttons(), (B{true, true, false, false, false, true}));
    }

    void ringBufferKeepsBytesInOrderAcrossItsEnd_data()
    {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("read");
        QTest::newRow("writes and reads that never meet the end evenly") << 7 << 5;
        QTest::newRow("reads larger than writes") << 3 << 11;
        QTest::newRow("a read as large as the buffer") << 13 << 32;
    }

    void ringBufferKeepsBytesInOrderAcrossItsEnd()
    {
        QFETCH(int, chunk);
        QFETCH(int, read);
        RingBuffer ring(32);
        const uint64_t generation = ring.clear();
        QByteArray written, got(read, '\0');
        char next = 0;
        for (int round = 0; round < 40; ++round) {
            QByteArray bytes(chunk, '\0');
            for (char& byte : bytes)
                byte = next++;
            if (ring.write(bytes.constData(), bytes.size(), generation))
                written += bytes;
            const std::size_t n = ring.read(got.data(), got.size());
            QCOMPARE(got.left(qsizetype(n)), written.left(qsizetype(n)));
            written.remove(0, qsizetype(n));
            QCOMPARE(ring.available(), std::size_t(written.size()));
        }
        QVERIFY(!ring.write("x", 1, generation - 1)); // a stale generation writes nothing
    }
};

QTEST_APPLESS_MAIN(TestTransport)
#include "tst_transport.moc"
