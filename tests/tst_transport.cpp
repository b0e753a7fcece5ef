#include "player/PlaybackControl.h"
#include "player/TrackNumberEntry.h"
#include "player/Transport.h"
#include "sound/RingBuffer.h"
#include "support/TextTable.h"

#include <QtTest>

#include <map>

namespace {

class FakePlayback final : public PlaybackControl {
public:
    QStringList log;
    bool requeueTaken = true;
    void start(int first, int end) override
    {
        log << QStringLiteral("start %1-%2").arg(first).arg(end);
    }
    void queue(int first, int end) override { log << "then " + range(first, end); }
    bool requeue(int first, int end) override
    {
        log << "instead " + range(first, end) + (requeueTaken ? "" : " (too late)");
        return requeueTaken;
    }
    static QString range(int first, int end)
    {
        return first < end ? QStringLiteral("%1-%2").arg(first).arg(end) : QStringLiteral("end");
    }
    void pause() override { log << "pause"; }
    void resume() override { log << "resume"; }
    void stop() override { log << "stop"; }
    void eject() override { log << "eject"; }
};

/// Audio tracks of 10, 20, 30... seconds, after a hidden track of `hidden` sectors.
DiscToc tracks(int count, int hidden = 0)
{
    DiscToc toc;
    int start = hidden;
    for (int n = 1; n <= count; ++n) {
        toc.tracks.push_back({n, start, n * 750, true, false, {}, {}, {}, {}, {}, false, 0});
        start += n * 750;
    }
    toc.hiddenSectors = hidden;
    toc.leadOut = start;
    toc.title = "Tones";
    toc.performer = "Test Band";
    return toc;
}

/// The discs of the tables: "plain", "hidden" (4 s before track 1, which starts at sector 300),
/// "enhanced" (a data track in a second session), "five" and "full" (5 and 99 tracks) or "none"
/// (nothing yet).
struct Rig {
    FakePlayback playback;
    Transport transport{playback};

    explicit Rig(const QString& disc)
    {
        transport.seedOrder(20261208);
        DiscToc toc = tracks(disc == "full"   ? 99
                             : disc == "five" ? 5
                                              : 3,
                             disc == "hidden" ? 300 : 0);
        toc.tracks[0].title = "First";
        toc.tracks[0].performer = "Singer";
        toc.tracks[0].preEmphasis = true;
        toc.fromImage = disc == "image";
        if (disc == "enhanced")
            toc.tracks.push_back(
                {4, 4500 + DiscToc::SessionGap, 750, false, false, {}, {}, {}, {}, {}, false, 0});
        if (disc != "none")
            transport.discLoaded(toc);
    }

    void apply(const QString& steps)
    {
        using Step = void (Transport::*)();
        const std::map<QString, Step> actions{{"play", &Transport::play},
                                              {"pause", &Transport::pause},
                                              {"stop", &Transport::stop},
                                              {"previous", &Transport::previous},
                                              {"next", &Transport::next},
                                              {"eject", &Transport::eject},
                                              {"end", &Transport::endOfDisc},
                                              {"readerror", &Transport::readError},
                                              {"nosound", &Transport::noSound},
                                              {"nodrive", &Transport::noDrive},
                                              {"nodisc", &Transport::noDisc},
                                              {"soundback", &Transport::soundBack},
                                              {"unplugged", &Transport::outputGone},
                                              {"sleep", &Transport::sleep},
                                              {"gaveup", &Transport::stopAwaitingSound},
                                              {"opening", &Transport::opening},
                                              {"taken", &Transport::rangeTaken},
                                              {"heard", &Transport::rangeStarted}};
        for (const QString& step : cellList(steps)) {
            const QString verb = step.section(' ', 0, 0);
            const int value = step.section(' ', 1, 1).toInt();
            if (verb == "seek")
                transport.seek(value);
            else if (verb == "choose")
                transport.choose(value);
            else if (verb == "shuffle")
                transport.setShuffle(step.section(' ', 1, 1) != "off");
            else if (verb == "repeat")
                transport.setRepeat(step.endsWith("track")  ? Transport::Repeat::Track
                                    : step.endsWith("disc") ? Transport::Repeat::Disc
                                                            : Transport::Repeat::Off);
            else if (verb == "late")
                playback.requeueTaken = false;
            else if (verb == "refused")
                transport.imageRefused("bad.cue: no TRACK in it");
            else if (verb == "load")
                transport.discLoaded(tracks(2));
            else if (verb == "at")
                transport.position(value);
            else {
                QVERIFY2(actions.count(verb), qPrintable(step));
                for (int n = 0; n < std::max(value, 1); ++n) // "next 3" is next three times
                    (transport.*actions.at(verb))();
            }
        }
    }
    /// The enabled buttons, each in its place or '-': Rewind (previous), Play, pAuse, Stop,
    /// Next, Eject.
    QString buttons() const
    {
        const Transport::Buttons b = transport.buttons();
        const bool on[] = {b.previous, b.play, b.pause, b.stop, b.next, b.eject};
        QString mask;
        for (int n = 0; n < 6; ++n)
            mask += on[n] ? "RPASNE"[n] : '-';
        return mask;
    }
};

const char* const StateNames[] = {"Closed",  "Opening", "NoDrive", "NoDisc",  "NoAudio",
                                  "Stopped", "Playing", "Paused",  "NoSound", "ReadError"};

} // namespace

class TestTransport : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        // What the playback was asked is listed in order.
        addTextRows("disc steps state track buttons playback display", R"(
nothing loaded | none | | Closed | 0 | ------ | | Press Load
no drive | none | nodrive | NoDrive | 0 | ------ | | No drive
no disc | none | nodisc | NoDisc | 0 | -----E | | No disc
loaded: stopped on track 1 | plain | | Stopped | 1 | -P--NE | | 01 00:00
play runs to the disc's end | plain | play | Playing | 1 | R-ASNE | start 0-750, then 750-2250 | 01 00:00
on into track 2 | plain | play, at 900 | Playing | 2 | R-ASNE | start 0-750, then 750-2250 | 02 00:02
a track's first sector | plain | play, at 750 | Playing | 2 | R-ASNE | start 0-750, then 750-2250 | 02 00:00
pause, then play resumes | plain | play, at 300, pause, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, pause, resume | 01 00:04
paused | plain | play, pause | Paused | 1 | RP-SNE | start 0-750, then 750-2250, pause | 01 00:00
pause while stopped | plain | pause | Stopped | 1 | -P--NE | | 01 00:00
stop: start of the track | plain | play, at 1000, stop | Stopped | 2 | RP--NE | start 0-750, then 750-2250, stop | 02 00:00
a late position after stop moves nothing | plain | play, at 1000, stop, at 1000 | Stopped | 2 | RP--NE | start 0-750, then 750-2250, stop | 02 00:00
stop while paused | plain | play, pause, stop | Stopped | 1 | -P--NE | start 0-750, then 750-2250, pause, stop | 01 00:00
previous past 2 s restarts | plain | play, at 901, previous | Playing | 2 | R-ASNE | start 0-750, then 750-2250, start 750-2250, then 2250-4500 | 02 00:00
previous at 2 s goes back | plain | play, at 900, previous | Playing | 1 | R-ASNE | start 0-750, then 750-2250, start 0-750, then 750-2250 | 01 00:00
previous on track 1 restarts | plain | play, at 10, previous | Playing | 1 | R-ASNE | start 0-750, then 750-2250, start 0-750, then 750-2250 | 01 00:00
previous, stopped on 1 | plain | previous | Stopped | 1 | -P--NE | | 01 00:00
next while stopped | plain | next | Stopped | 2 | RP--NE | | 02 00:00
next while playing | plain | play, next | Playing | 2 | R-ASNE | start 0-750, then 750-2250, start 750-2250, then 2250-4500 | 02 00:00
next on the last track | plain | next, next, next | Stopped | 3 | RP---E | | 03 00:00
next while paused stops | plain | play, pause, next | Stopped | 2 | RP--NE | start 0-750, then 750-2250, pause, stop | 02 00:00
paused on the last track | plain | next, next, play, pause | Paused | 3 | RP-S-E | start 2250-4500, then end, pause | 03 00:00
end of disc: back to 1 | plain | next, next, play, at 4499, end | Stopped | 1 | -P--NE | start 2250-4500, then end, stop | 01 00:00
play after the end | plain | play, end, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, stop, start 0-750, then 750-2250 | 01 00:00
eject while playing | plain | play, eject | NoDisc | 0 | -----E | start 0-750, then 750-2250, stop, eject | No disc
eject while stopped | plain | eject | NoDisc | 0 | -----E | eject | No disc
play after eject | plain | eject, play | NoDisc | 0 | -----E | eject | No disc
no disc while playing | plain | play, nodisc | NoDisc | 0 | -----E | start 0-750, then 750-2250, stop | No disc
read error | plain | play, readerror | ReadError | 1 | -P--NE | start 0-750, then 750-2250, stop | Read error
play after a read error | plain | play, at 300, readerror, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, stop, start 0-750, then 750-2250 | 01 00:00
no sound: the sound server awaited | plain | play, nosound | NoSound | 1 | -PASNE | start 0-750, then 750-2250, stop | No sound
play after no sound goes on | plain | play, at 300, nosound, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, stop, start 300-750, then 750-2250 | 01 00:04
the server back: on where it stopped | plain | play, at 300, nosound, soundback | Playing | 1 | R-ASNE | start 0-750, then 750-2250, stop, start 300-750, then 750-2250 | 01 00:04
paused when it went: paused once back | plain | play, at 300, pause, nosound, soundback | Paused | 1 | RP-SNE | start 0-750, then 750-2250, pause, stop | 01 00:04
back paused, Play plays | plain | play, at 300, pause, nosound, soundback, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, pause, stop, start 300-750, then 750-2250 | 01 00:04
Pause while it is away: no return | plain | play, nosound, pause, soundback | NoSound | 1 | -P--NE | start 0-750, then 750-2250, stop | No sound
Stop while it is away: no return | plain | play, at 300, nosound, stop, soundback | Stopped | 1 | -P--NE | start 0-750, then 750-2250, stop, stop | 01 00:00
Eject while it is away: no return | plain | play, nosound, eject, soundback | NoDisc | 0 | -----E | start 0-750, then 750-2250, stop, eject | No disc
a minute without it: no return | plain | play, nosound, gaveup, soundback | NoSound | 1 | -P--NE | start 0-750, then 750-2250, stop | No sound
next while it is away: back on the next track | plain | play, nosound, next, soundback | Playing | 2 | R-ASNE | start 0-750, then 750-2250, stop, start 750-2250, then 2250-4500 | 02 00:00
back without having gone: nothing | plain | play, soundback | Playing | 1 | R-ASNE | start 0-750, then 750-2250 | 01 00:00
headphones unplugged: paused | plain | play, at 300, unplugged | Paused | 1 | RP-SNE | start 0-750, then 750-2250, stop | 01 00:04
unplugged, Play opens a new output | plain | play, at 300, unplugged, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, stop, start 300-750, then 750-2250 | 01 00:04
unplugged while paused | plain | play, pause, unplugged, play | Playing | 1 | R-ASNE | start 0-750, then 750-2250, pause, stop, start 0-750, then 750-2250 | 01 00:00
unplugged while stopped: nothing | plain | unplugged | Stopped | 1 | -P--NE | | 01 00:00
sleep: paused | plain | play, at 300, sleep | Paused | 1 | RP-SNE | start 0-750, then 750-2250, stop | 01 00:04
sleep while it is away: paused once back | plain | play, nosound, sleep, soundback | Paused | 1 | RP-SNE | start 0-750, then 750-2250, stop | 01 00:00
sleep while paused, seek there | plain | play, pause, sleep, seek 375 | Paused | 1 | RP-SNE | start 0-750, then 750-2250, pause, stop, start 375-750, then 750-2250, pause | 01 00:05
a refused image over a playing disc | plain | play, at 300, refused | Playing | 1 | R-ASNE | start 0-750, then 750-2250 | Bad image
a button forgets the refusal | plain | play, refused, pause | Paused | 1 | RP-SNE | start 0-750, then 750-2250, pause | 01 00:00
an image loaded while playing stops the disc | plain | play, load | Stopped | 1 | -P--NE | start 0-750, then 750-2250, stop | 01 00:00
image: eject lets it go | image | play, eject | Closed | 0 | ------ | start 0-750, then 750-2250, stop, eject | Press Load
seek within the track | plain | play, seek 375 | Playing | 1 | R-ASNE | start 0-750, then 750-2250, start 375-750, then 750-2250 | 01 00:05
seek while paused | plain | play, pause, seek 375 | Paused | 1 | RP-SNE | start 0-750, then 750-2250, pause, start 375-750, then 750-2250, pause | 01 00:05
seek before the start | plain | play, at 100, seek -1 | Playing | 1 | R-ASNE | start 0-750, then 750-2250, start 0-750, then 750-2250 | 01 00:00
seek past the end | plain | play, seek 750 | Playing | 2 | R-ASNE | start 0-750, then 750-2250, start 750-2250, then 2250-4500 | 02 00:00
seek past the disc's end | plain | next, next, play, seek 2250 | Stopped | 1 | -P--NE | start 2250-4500, then end, stop | 01 00:00
seek while stopped | plain | seek 375 | Stopped | 1 | -P--NE | | 01 00:00
hidden: loaded on track 1 | hidden | | Stopped | 1 | RP--NE | | 01 00:00
hidden: previous reaches it | hidden | previous | Stopped | 0 | -P--NE | | 00 00:00
hidden: plays on into 1 | hidden | previous, play, at 350 | Playing | 1 | R-ASNE | start 0-300, then 300-1050 | 01 00:00
hidden: previous early in 1 | hidden | play, at 400, previous | Playing | 0 | R-ASNE | start 300-1050, then 1050-2550, start 0-300, then 300-1050 | 00 00:00
hidden: previous later in 1 | hidden | play, at 600, previous | Playing | 1 | R-ASNE | start 300-1050, then 1050-2550, start 300-1050, then 1050-2550 | 01 00:00
hidden: unreadable, skipped | hidden | previous, play, readerror | Playing | 1 | R-ASNE | start 0-300, then 300-1050, start 300-1050, then 1050-2550 | 01 00:00
hidden: the end returns to 1 | hidden | previous, play, end | Stopped | 1 | RP--NE | start 0-300, then 300-1050, stop | 01 00:00
full: the last of 99 tracks | full | next 98 | Stopped | 99 | RP---E | | 99 00:00
enhanced: data is no track | enhanced | next, next, next | Stopped | 3 | RP---E | | 03 00:00
full: the clock's minutes | full | next 11, play, at 58350 | Playing | 12 | R-ASNE | start 49500-58500, then 58500-68250 | 12 01:58
Load while playing stops the disc | plain | play, opening | Opening | 1 | ------ | start 0-750, then 750-2250, stop | Opening
Load while paused stops the disc | plain | play, pause, opening | Opening | 1 | ------ | start 0-750, then 750-2250, pause, stop | Opening
Load while stopped asks nothing | plain | opening | Opening | 1 | ------ | | Opening
enhanced: plays to its audio | enhanced | play | Playing | 1 | R-ASNE | start 0-750, then 750-2250 | 01 00:00
repeat track: it follows itself | plain | repeat track, play, taken, heard | Playing | 1 | R-ASNE | start 0-750, then 0-750, then 0-750 | 01 00:00
repeat track: Next moves on | plain | repeat track, play, next | Playing | 2 | R-ASNE | start 0-750, then 0-750, start 750-2250, then 750-2250 | 02 00:00
repeat disc: the first follows the last | plain | repeat disc, next, next, play | Playing | 3 | R-ASNE | start 2250-4500, then 0-750 | 03 00:00
repeat disc: Next on the last | plain | repeat disc, next 3 | Stopped | 1 | RP--NE | | 01 00:00
repeat disc: Previous on the first | plain | repeat disc, previous | Stopped | 3 | RP--NE | | 03 00:00
repeat disc: on the last, Next can | plain | repeat disc, next 2 | Stopped | 3 | RP--NE | | 03 00:00
repeat off: the disc ends after the last | plain | repeat disc, repeat off, next 2, play | Playing | 3 | R-AS-E | start 2250-4500, then end | 03 00:00
shuffle: each track once, then the end | five | shuffle, play, taken, heard, taken, heard, taken, heard, taken, heard | Playing | 5 | R-AS-E | start 0-750, then 4500-7500, then 2250-4500, then 750-2250, then 7500-11250, then end | 05 00:00
shuffle: Next and Previous follow the order | five | shuffle, next, next, previous | Stopped | 4 | RP--NE | | 04 00:00
shuffle turned on keeps the track playing | five | play, at 100, shuffle | Playing | 1 | R-ASNE | start 0-750, then 750-2250, instead 4500-7500 | 01 00:01
shuffle turned off: the disc's order again | five | shuffle, next, play, shuffle off | Playing | 4 | R-ASNE | start 4500-7500, then 2250-4500, instead 7500-11250 | 04 00:00
shuffled and repeated: a new order each pass | five | shuffle, repeat disc, next 4, play, taken, heard, taken, heard | Playing | 3 | R-ASNE | start 7500-11250, then 750-2250, then 2250-4500, then 4500-7500 | 03 00:00
shuffle: a track chosen on a fresh pass, the rest of the pass after it | five | shuffle, choose 3, taken, heard, taken, heard, taken, heard, taken, heard | Playing | 5 | R-AS-E | start 2250-4500, then 0-750, then 4500-7500, then 750-2250, then 7500-11250, then end | 05 00:00
shuffle: the pass's last track chosen, Next goes on | five | shuffle, choose 5, next | Playing | 1 | R-ASNE | start 7500-11250, then 0-750, start 0-750, then 4500-7500 | 01 00:00
shuffle: a heard track chosen, never the heard ones again | five | shuffle, play, taken, heard, choose 1, taken, heard, taken, heard, taken, heard | Playing | 5 | R-AS-E | start 0-750, then 4500-7500, then 2250-4500, start 0-750, then 2250-4500, then 750-2250, then 7500-11250, then end | 05 00:00
a shuffled disc's end: a new order | five | shuffle, next 4, play, end | Stopped | 2 | -P--NE | start 7500-11250, then end, stop | 02 00:00
repeat too late for what was read | plain | play, late, repeat track | Playing | 1 | R-ASNE | start 0-750, then 750-2250, instead 0-750 (too late) | 01 00:00
repeat after the end was read: plays on | plain | next 2, play, late, repeat disc, end | Playing | 1 | R-ASNE | start 2250-4500, then end, instead 0-750 (too late), start 0-750, then 750-2250 | 01 00:00
choose a track while stopped: it plays | plain | choose 3 | Playing | 3 | R-AS-E | start 2250-4500, then end | 03 00:00
choose the hidden track | hidden | choose 0 | Playing | 0 | R-ASNE | start 0-300, then 300-1050 | 00 00:00
choose a track the disc has not | plain | choose 7 | Stopped | 1 | -P--NE | | 01 00:00
choose while paused | plain | play, pause, choose 2 | Playing | 2 | R-ASNE | start 0-750, then 750-2250, pause, start 750-2250, then 2250-4500 | 02 00:00
)");
    }

    void rules()
    {
        Rig rig(cell("disc"));
        rig.apply(cell("steps"));
        QTEST(QString(StateNames[int(rig.transport.state())]), "state");
        QTEST(QString::number(rig.transport.track()), "track");
        QTEST(rig.buttons(), "buttons");
        QTEST(rig.playback.log.join(", "), "playback");
        QTEST(QString::fromStdString(rig.transport.display()), "display");
    }

    void detailsNameTheTrackAndTheDisc_data()
    {
        addTextRows("steps details", R"(
titled, emphasised track 1 | | 01 First - Singer (pre-emphasis)/Tones - Test Band/3 tracks, 01:00
a track without a title | next | 02 Track 2/Tones - Test Band/3 tracks, 01:00
the hidden track | previous | 00 Hidden track/Tones - Test Band/3 tracks, 01:00
)");
    }

    void detailsNameTheTrackAndTheDisc()
    {
        Rig rig("hidden");
        rig.apply(cell("steps"));
        QTEST(QString::fromStdString(rig.transport.details()).replace('\n', '/'), "details");
    }

    void typedTrackNumbers_data()
    {
        // Digits typed, "pause" the 1.5 s without one; what each gives, and the track chosen.
        addTextRows("tracks typed outcomes chosen", R"(
a digit no second one can follow | 15 | 2 | chosen | 2
two digits | 15 | 1, 2 | typing, chosen | 12
one digit, then a pause | 15 | 1, pause | typing, chosen | 1
a number past the last track | 15 | 1, 9 | typing, dropped |
a leading zero | 15 | 0, 7 | typing, chosen | 7
zero alone, no hidden track | 15 | 0, pause | typing, dropped |
zero alone: the hidden track | 15 hidden | 0, pause | typing, chosen | 0
the last of 99 | 99 | 9, 9 | typing, chosen | 99
on a disc of nine, at once | 9 | 9 | chosen | 9
a pause with nothing typed | 15 | pause | dropped |
)");
    }

    void typedTrackNumbers()
    {
        std::vector<int> numbers;
        if (cell("tracks").endsWith("hidden"))
            numbers.push_back(0);
        for (int n = 1; n <= cell("tracks").section(' ', 0, 0).toInt(); ++n)
            numbers.push_back(n);
        TrackNumberEntry entry;
        QStringList outcomes;
        for (const QString& key : cellList(cell("typed"))) {
            const auto outcome =
                key == "pause" ? entry.pause(numbers) : entry.type(key.toInt(), numbers);
            outcomes << (outcome == TrackNumberEntry::Outcome::Typing   ? "typing"
                         : outcome == TrackNumberEntry::Outcome::Chosen ? "chosen"
                                                                        : "dropped");
        }
        QTEST(outcomes.join(", "), "outcomes");
        QTEST(outcomes.last() == "chosen" ? QString::number(entry.number()) : QString(), "chosen");
        QVERIFY(entry.typed().empty());
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
