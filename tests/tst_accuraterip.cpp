// What verifying against AccurateRip computes: the sums over a track's samples, the disc's
// name in the database, and the database's answer and the drives' offsets read as untrusted
// bytes.
#include "accuraterip/AccurateRipAnswer.h"
#include "accuraterip/AccurateRipId.h"
#include "accuraterip/DriveOffsets.h"
#include "accuraterip/OffsetFinder.h"
#include "accuraterip/TrackChecksum.h"
#include "accuraterip/TrackVerdict.h"
#include "support/AccurateRipBytes.h"
#include "support/TextTable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

using AccurateRipAnswer::Record;
using AccurateRipAnswer::Track;

/// Frames of silence but for the words "position:word, ..." (positions from 0, words in hex).
std::vector<int16_t> frames(std::size_t count, const QString& words)
{
    std::vector<int16_t> samples(2 * count);
    for (const QString& word : cellList(words)) {
        const std::size_t at = word.section(':', 0, 0).toULongLong();
        const std::uint32_t value = word.section(':', 1).toUInt(nullptr, 16);
        samples[2 * at] = int16_t(value & 0xffff);
        samples[2 * at + 1] = int16_t(value >> 16);
    }
    return samples;
}

/// A disc from its tracks' first sectors ("d" before a data track's) and its lead-out.
DiscToc disc(const QString& starts, int leadOut)
{
    DiscToc made;
    for (const QString& start : starts.split(' ', Qt::SkipEmptyParts)) {
        TrackInfo track;
        track.number = int(made.tracks.size()) + 1;
        track.audio = !start.startsWith('d');
        track.firstSector = start.mid(track.audio ? 0 : 1).toInt();
        made.tracks.push_back(track);
    }
    for (std::size_t n = 0; n < made.tracks.size(); ++n)
        made.tracks[n].sectorCount =
            (n + 1 < made.tracks.size() ? made.tracks[n + 1].firstSector : leadOut) -
            made.tracks[n].firstSector;
    made.leaveOutSessionGaps();
    made.leadOut = leadOut;
    return made;
}

/// The disc the answers below are about: three tracks.
AccurateRipId threeTracks()
{
    return *AccurateRipId::of(disc("0 10000 25000", 40000));
}

/// A record of `id`'s disc (or another's, when `id1` is given) from "confidence:sum ...".
Record record(const AccurateRipId& id, const QString& tracks, std::uint32_t id1 = 0)
{
    Record made{id1 ? id1 : id.id1, id.id2, id.cddb, {}};
    for (const QString& track : tracks.split(' ', Qt::SkipEmptyParts))
        made.tracks.push_back({std::uint8_t(track.section(':', 0, 0).toUInt()),
                               track.section(':', 1).toUInt(nullptr, 16), 0x450});
    return made;
}

/// An answer of good records: another disc's of five tracks, two pressings of this one and a
/// record of the same length whose first ID differs.
std::string goodAnswer()
{
    const AccurateRipId id = threeTracks();
    Record other = record(id, "1:1 1:2 1:3 1:4 1:5", 0xdead);
    return AccurateRipBytes::record(other) +
           AccurateRipBytes::record(record(id, "3:a1 3:b1 3:c1")) +
           AccurateRipBytes::record(record(id, "2:a1 2:b1 2:c1", id.id1 + 1)) +
           AccurateRipBytes::record(record(id, "5:a2 4:b2 0:0"));
}

/// An offset list of real shapes: one name twice with one offset, one twice with two.
std::string offsetList()
{
    return AccurateRipBytes::driveOffset(6, "PLEXTOR - DVDR   PX-716A") +
           AccurateRipBytes::driveOffset(667, "HL-DT-ST - DVDRAM GH22NS50") +
           AccurateRipBytes::driveOffset(-472, "PIONEER - BD-RW   BDR-209D") +
           AccurateRipBytes::driveOffset(6, "plextor - dvdr px-716a") +
           AccurateRipBytes::driveOffset(102, "TSSTcorp - CDDVDW SH-S203B") +
           AccurateRipBytes::driveOffset(6, "TSSTcorp - CDDVDW SH-S203B");
}

/// Thousands of seeded changes to `good`: bytes flipped, cut, inserted and spans doubled.
template <typename Check> void mangle(const std::string& good, std::size_t unit, Check check)
{
    std::mt19937 random(20261207);
    const auto pick = [&](std::size_t n) {
        return std::size_t(random() % std::max<std::size_t>(n, 1));
    };
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = good;
        for (std::size_t changes = 1 + pick(3); changes > 0; --changes) {
            const std::size_t at = pick(bytes.size() + 1);
            switch (pick(5)) {
            case 0:
                if (at < bytes.size())
                    bytes[at] = char(random());
                break;
            case 1:
                bytes.erase(at, 1 + pick(unit));
                break;
            case 2:
                bytes.insert(at, std::string(1 + pick(4), char(random())));
                break;
            case 3:
                bytes.insert(at, bytes.substr(pick(bytes.size()), 1 + pick(2 * unit)));
                break;
            default:
                // A whole span of the unit's length, which keeps some answers in shape.
                bytes.insert(pick(bytes.size() / unit + 1) * unit, bytes.substr(at, unit));
            }
        }
        check(bytes);
    }
}

} // namespace

class TestAccurateRip : public QObject {
    Q_OBJECT

private slots:
    void sumsOfHandWorkedTracks_data()
    {
        // Frames, edges (first, last), words, then v1, v2 and the sector 450 sum in hex.
        addTextRows("frames edges words v1 v2 frame450", R"(
small products: v2 is v1 | 3 | middle | 0:1, 1:2, 2:3 | e | e | 0
a product past 32 bits adds its high half to v2 | 3 | middle | 0:1, 1:10000, 2:ffffffff | 1fffe | 20000 | 0
a middle track counts its every frame | 10000 | middle | 0:1, 9999:1 | 2711 | 2711 | 0
the first track leaves out frame 2939 | 10000 | first | 2938:1 | 0 | 0 | 0
the first track counts from frame 2940 | 10000 | first | 2939:1 | b7c | b7c | 0
the last track counts frame N - 2940 | 10000 | last | 7059:1 | 1b94 | 1b94 | 0
the last track leaves out frame N - 2939 | 10000 | last | 7060:1 | 0 | 0 | 0
a one-track disc leaves out both edges | 10000 | first last | 2938:1, 2939:1, 7059:1, 7060:1 | 2710 | 2710 | 0
a one-track disc shorter than its edges counts nothing | 5000 | first last | 2939:1, 2060:1 | 0 | 0 | 0
sector 450 weighs its own frames from 1 | 265188 | middle | 264599:5, 264600:1, 265187:2 | 205159 | 205159 | 499
sector 450 inside a last track's left-out end | 265188 | last | 264600:1, 265187:2 | 0 | 0 | 499
a track one frame short of sector 450 | 265187 | middle | 264600:1 | 40999 | 40999 | 0
)");
        // 3 * ffffffff = 2fffffffd: v1 = 1 + 2 * 10000 + fffffffd = 1fffe, v2 adds the 2.
        // Sector 450 starts at frame 264600: 5 * 264600 + 1 * 264601 + 2 * 265188 = 205159
        // (hex), and within it 1 * 1 + 2 * 588 = 499 (hex). 10000 frames: 2940 + 7060 = 2710.
    }
    void sumsOfHandWorkedTracks()
    {
        const std::size_t count = cell("frames").toULongLong();
        const std::vector<int16_t> samples = frames(count, cell("words"));
        TrackChecksum sums(count, cell("edges").contains("first"), cell("edges").contains("last"));
        sums.add(samples.data(), count);
        QVERIFY(sums.isComplete());
        QCOMPARE(QString::number(sums.v1(), 16), cell("v1"));
        QCOMPARE(QString::number(sums.v2(), 16), cell("v2"));
        QCOMPARE(QString::number(sums.frame450(), 16), cell("frame450"));
    }

    void sumsDoNotDependOnChunking()
    {
        // A one-track disc past sector 450, loud enough that most products pass 32 bits.
        const std::size_t count = 451 * 588 + 4000;
        std::mt19937 random(7);
        std::vector<int16_t> samples(2 * count + 2000);
        for (int16_t& sample : samples)
            sample = int16_t(random());
        TrackChecksum whole(count, true, true);
        whole.add(samples.data(), samples.size() / 2);
        // The sums as the database defines them, one frame at a time.
        std::uint32_t v1 = 0, v2 = 0;
        for (std::uint32_t weight = 2940; weight <= count - 2940; ++weight) {
            const std::uint64_t word = std::uint16_t(samples[2 * weight - 2]) |
                                       std::uint32_t(std::uint16_t(samples[2 * weight - 1])) << 16;
            v1 += std::uint32_t(weight * word);
            v2 += std::uint32_t(weight * word) + std::uint32_t(weight * word >> 32);
        }
        QCOMPARE(whole.v1(), v1);
        QCOMPARE(whole.v2(), v2);
        QVERIFY(v1 != v2);
        for (int round = 0; round < 20; ++round) {
            TrackChecksum chunked(count, true, true);
            for (std::size_t at = 0; at < samples.size() / 2;) {
                const std::size_t chunk =
                    std::min<std::size_t>(random() % (round * 300 + 2), samples.size() / 2 - at);
                chunked.add(samples.data() + 2 * at, chunk);
                at += chunk;
            }
            QVERIFY(chunked.isComplete());
            QCOMPARE(chunked.v1(), whole.v1());
            QCOMPARE(chunked.v2(), whole.v2());
            QCOMPARE(chunked.frame450(), whole.frame450());
        }
    }

    void discIds_data()
    {
        // First sectors ("d" for data), lead-out, the database path, each audio track's place
        // in a record.
        addTextRows("tracks leadOut path places", R"(
a plain disc | 0 10000 25000 | 40000 | accuraterip/8/f/4/dBAR-003-000124f8-0003e419-16021503.bin | 0, 1, 2
a hidden track before track 1 counts its start | 33 10000 | 20000 | accuraterip/1/5/5/dBAR-002-00007551-000138a1-0b010a02.bin | 0, 1
enhanced: the real lead-out; the data in the freedb ID | 0 10000 d30000 | 50000 | accuraterip/0/6/a/dBAR-002-0000ea60-00029811-11029a03.bin | 0, 1
mixed mode: audio weighed from 1; the last track placeless | d0 20000 30000 | 45000 | accuraterip/8/1/3/dBAR-002-00017318-000347d8-18025803.bin | 1, -1
published enhanced CD of ten tracks | 0 12617 40337 63075 93260 117965 151715 184190 215110 247305 d281585 | 333651 | accuraterip/9/1/4/dBAR-010-00164419-00b9f6e2-9e11600b.bin | 0, 1, 2, 3, 4, 5, 6, 7, 8, 9
)");
        // Plain: 0+10000+25000+40000; 1+20000+75000+160000; freedb seconds 2, 135, 335 and
        // 535, digits 2+9+11 = 22 (16 hex), 533 s. Enhanced: 0+10000+50000; 1+20000+150000; freedb
        // over 150, 10150, 30150 and 50150: seconds 2, 135, 402 and 668, digits 2+9+6 = 17, 666 s.
        // Mixed mode: 20000+30000+45000; 20000*1+30000*2+45000*3; seconds 2, 268, 402, 602: 24, 600
        // s. Hidden track: 33+10000+20000; 33+20000+60000; seconds 2, 135, 268: 11, 266 s. The
        // published CD's IDs are those its makers' ripper gives it.
    }
    void discIds()
    {
        const auto id = AccurateRipId::of(disc(cell("tracks"), cell("leadOut").toInt()));
        QVERIFY(id);
        QCOMPARE(QString::fromStdString(id->path()), cell("path"));
        QStringList places;
        for (int place : id->recordTracks)
            places << QString::number(place);
        QCOMPARE(places, cellList(cell("places")));
    }

    void publishedMixedModeDisc()
    {
        // A game CD with its data in track 1 and 28 audio tracks, given as LBAs.
        const int lbas[] = {150,    66728,  76502,  85963,  93760,  104048, 116066, 124743,
                            134206, 142916, 151852, 160720, 169425, 178731, 188459, 196711,
                            206354, 214845, 223686, 225746, 226384, 232668, 239447, 239931,
                            244989, 254264, 260066, 261222, 261674};
        QString tracks = "d0";
        for (std::size_t n = 1; n < std::size(lbas); ++n)
            tracks += ' ' + QString::number(lbas[n] - 150);
        const auto id = AccurateRipId::of(disc(tracks, 261976 - 150));
        QVERIFY(id);
        QCOMPARE(QString::fromStdString(id->fileName()), "dBAR-028-00517a54-05a845d2-af0da31d.bin");
    }

    void discsWithoutAnIdHaveNone_data()
    {
        addTextRows("tracks leadOut", R"(
no tracks | | 1000
data only | d0 | 30000
tracks out of order | 0 9000 5000 | 20000
a lead-out before the last track | 0 5000 | 5000
a lead-out past 100 minutes | 0 5000 | 450001
a negative start | -5 5000 | 9000
)");
    }
    void discsWithoutAnIdHaveNone()
    {
        QVERIFY(!AccurateRipId::of(disc(cell("tracks"), cell("leadOut").toInt())));
        DiscToc hundred = disc("", 300000);
        for (int n = 0; n < 100; ++n)
            hundred.tracks.push_back(
                {n + 1, n * 1000, 1000, true, false, {}, {}, {}, {}, {}, false, 0});
        QVERIFY(!AccurateRipId::of(hundred));
    }

    void answersOfTheDatabase()
    {
        const AccurateRipId id = threeTracks();
        const std::string answer = goodAnswer();
        const std::vector<Record> found = AccurateRipAnswer::recordsFor(answer, id);
        QCOMPARE(found.size(), std::size_t(2));
        QCOMPARE(found[0], record(id, "3:a1 3:b1 3:c1"));
        QCOMPARE(found[0].tracks[2].frame450, 0x450u);
        QCOMPARE(found[1], record(id, "5:a2 4:b2 0:0"));
        // Another disc's answer of good shape is no entry for this one.
        const std::string others = answer.substr(0, 58) + answer.substr(98, 40);
        QVERIFY(AccurateRipAnswer::recordsFor(others, id).empty());
        QVERIFY(AccurateRipAnswer::isWellFormed(others));
    }

    void oddAnswersAreNoEntry_data()
    {
        QTest::addColumn<QByteArray>("answer");
        const std::string good = goodAnswer();
        const std::string mine = AccurateRipBytes::record(record(threeTracks(), "3:a1 3:b1 3:c1"));
        Record hundred = record(threeTracks(), "");
        hundred.tracks.resize(100, {1, 2, 3});
        std::string noTracks = mine;
        noTracks[0] = 0;
        std::string huge;
        while (huge.size() <= AccurateRipAnswer::MaxBytes)
            huge += mine;
        const auto row = [](const char* name, const std::string& bytes) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes);
        };
        row("empty", {});
        row("a web page",
            "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head></html>\n");
        row("a byte to spare", good + '\0');
        row("cut within a record", good.substr(0, good.size() - 5));
        row("cut within a header", good + mine.substr(0, 7));
        row("a record of no tracks", mine + noTracks);
        row("a record of 100 tracks", AccurateRipBytes::record(hundred) + mine);
        row("larger than any disc's records", huge);
    }
    void oddAnswersAreNoEntry()
    {
        QFETCH(QByteArray, answer);
        QVERIFY(AccurateRipAnswer::recordsFor(answer.toStdString(), threeTracks()).empty());
        QVERIFY(!AccurateRipAnswer::isWellFormed(answer.toStdString()));
    }

    void mangledAnswersAreReadOrRefusedNeverBelieved()
    {
        const AccurateRipId id = threeTracks();
        int read = 0;
        mangle(goodAnswer(), 40, [&](const std::string& answer) {
            for (const Record& found : AccurateRipAnswer::recordsFor(answer, id)) {
                QVERIFY(AccurateRipAnswer::isWellFormed(answer));
                QCOMPARE(found.tracks.size(), std::size_t(3));
                QVERIFY(found.id1 == id.id1 && found.id2 == id.id2 && found.cddb == id.cddb);
                QVERIFY(answer.find(AccurateRipBytes::record(found)) != std::string::npos);
                ++read;
            }
        });
        qInfo() << read << "records read from 20000 mangled answers";
        QVERIFY(read > 1000);
    }

    void verdicts_data()
    {
        // Each record's tracks as confidence:sum; each track's sums as v1/v2.
        addTextRows("tracks records sums verdicts accurate", R"(
v1 of every track on record | 0 10000 25000 | 3:a1 3:b1 3:c1 | a1/a2 b1/b2 c1/c2 | accurate 3 of 3, accurate 3 of 3, accurate 3 of 3 | yes
v2 on record | 0 10000 25000 | 2:a2 2:b2 2:c2 | a1/a2 b1/b2 c1/c2 | accurate 2 of 2, accurate 2 of 2, accurate 2 of 2 | yes
matching records add up their rips | 0 10000 25000 | 3:a1 3:b1 3:c1; 5:a2 5:ff 5:c2 | a1/a2 b1/b2 c1/c2 | accurate 8 of 8, accurate 3 of 8, accurate 8 of 8 | yes
a track that differs | 0 10000 25000 | 3:a1 3:b1 3:c1; 5:a2 5:ff 5:c2 | a1/a2 b9/b8 c1/c2 | accurate 8 of 8, differs 0 of 8, accurate 8 of 8 | no
no rip on record for a track | 0 10000 25000 | 3:a1 0:0 3:c1 | a1/a2 b1/b2 c1/c2 | accurate 3 of 3, unknown 0 of 0, accurate 3 of 3 | no
a place without rips is no match for a sum of 0 | 0 10000 25000 | 3:a1 0:0 3:c1 | a1/a2 0/0 c1/c2 | accurate 3 of 3, unknown 0 of 0, accurate 3 of 3 | no
a sum that no rip vouches for is no information | 0 10000 25000 | 3:a1 0:b1 3:c1 | a1/a2 b1/b2 c1/c2 | accurate 3 of 3, unknown 0 of 0, accurate 3 of 3 | no
a disc not in the database | 0 10000 25000 | | a1/a2 b1/b2 c1/c2 | unknown 0 of 0, unknown 0 of 0, unknown 0 of 0 | no
mixed mode: the data's place first, none for the last track | d0 10000 25000 | 0:0 4:b1 | b1/b2 c1/c2 | accurate 4 of 4, unknown 0 of 0 | no
)");
    }
    void verdicts()
    {
        const AccurateRipId id = *AccurateRipId::of(disc(cell("tracks"), 40000));
        std::vector<Record> records;
        for (const QString& tracks : cell("records").split(';', Qt::SkipEmptyParts))
            records.push_back(record(id, tracks));
        std::vector<TrackVerdict::Sums> sums;
        for (const QString& pair : cell("sums").split(' '))
            sums.push_back({pair.section('/', 0, 0).toUInt(nullptr, 16),
                            pair.section('/', 1).toUInt(nullptr, 16)});
        const std::vector<TrackVerdict> verdicts = TrackVerdict::judge(records, id, sums);
        QStringList shown;
        for (const TrackVerdict& verdict : verdicts) {
            const char* results[] = {"accurate", "differs", "unknown"};
            shown << QString("%1 %2 of %3")
                         .arg(results[int(verdict.result)])
                         .arg(verdict.confidence)
                         .arg(verdict.totalConfidence);
        }
        QCOMPARE(shown, cellList(cell("verdicts")));
        QCOMPARE(TrackVerdict::discIsAccurate(verdicts, id), cell("accurate") == "yes");
        // A disc whose tracks were not all judged is not accurate.
        QVERIFY(!TrackVerdict::discIsAccurate({verdicts.begin(), verdicts.end() - 1}, id));
    }

    void offsetsFoundFromTheDisc_data()
    {
        // Each track's record: the drive offset its sector 450 sum was made at and how many
        // rips vouch for it; "-" for a track the record leaves empty, "0" for a silent one.
        addTextRows("records found", R"(
            two tracks agree | 667/1 667/1 - | 667
            one track two rips vouch for | -1164/2 - - | -1164
            one track one rip vouches for | 30/1 - - |
            two tracks disagree | 30/1 -30/1 - |
            three tracks, one astray | 30/1 30/1 -30/1 | 30
            two offsets each shown twice | 30/1 30/1 5/2 |
            a track too short to hold sector 450 | 30/1 - short/1 |
            silence says nothing | 0/3 - - |
            the edge of reach | 2940/2 - - | 2940
            beyond reach | 2941/2 - - |)");
    }
    void offsetsFoundFromTheDisc()
    {
        // What a drive reads of three tracks, 11 sectors around each one's sector 450, with no
        // offset made good: noise, so that no two offsets sum alike.
        std::mt19937 random(450);
        std::vector<std::vector<std::int16_t>> regions(3);
        for (auto& region : regions) {
            region.resize(std::size_t(OffsetFinder::SectorsRead) * 2 * 588);
            for (std::int16_t& sample : region)
                sample = std::int16_t(random());
        }
        std::vector<AccurateRipAnswer::Record> records(1);
        const QStringList tracks = cell("records").split(' ');
        for (int n = 0; n < tracks.size(); ++n) {
            AccurateRipAnswer::Track& track = records[0].tracks.emplace_back();
            if (tracks[n] == "-")
                continue;
            const QString at = tracks[n].section('/', 0, 0);
            track.confidence = std::uint8_t(tracks[n].section('/', 1).toInt());
            if (at == "short") {
                regions[std::size_t(n)].clear();
                continue;
            }
            const int offset = at.toInt();
            if (at != "0" && std::abs(offset) <= OffsetFinder::Reach)
                track.frame450 = OffsetFinder::sums(
                    regions[std::size_t(n)])[std::size_t(offset + OffsetFinder::Reach)];
            else if (at != "0")
                track.frame450 = 0x12345678;
            if (at == "0")
                std::fill(regions[std::size_t(n)].begin(), regions[std::size_t(n)].end(), 0);
        }
        // The sums slid along are those of sector 450 read at each offset, as a track's are.
        const std::vector<std::uint32_t> slid = OffsetFinder::sums(regions[1]);
        for (const int offset : {-2940, -1, 0, 588, 2940}) {
            TrackChecksum sum(451 * 588, false, false);
            std::vector<std::int16_t> track(451 * 2 * 588);
            std::copy_n(regions[1].begin() + 2 * (5 * 588 + offset), 2 * 588,
                        track.begin() + 450 * 2 * 588);
            sum.add(track.data(), 451 * 588);
            QCOMPARE(slid[std::size_t(offset + OffsetFinder::Reach)], sum.frame450());
        }
        const std::optional<int> found = OffsetFinder::find(regions, records);
        QCOMPARE(found ? QString::number(*found) : QString(), cell("found"));
    }

    void driveOffsets_data()
    {
        // Vendor and model padded to 8 and 16 characters, as libcdio reports them.
        addTextRows("vendor model offset", R"(
a drive on the list | PLEXTOR  | DVDR   PX-716A   | 6
case and runs of spaces do not matter | hl-dt-st | DVDRAM  GH22NS50 | 667
a drive that reads late | PIONEER  | BD-RW   BDR-209D | -472
a drive named twice with two offsets | TSSTcorp | CDDVDW SH-S203B  | none
a drive not on the list | MATSHITA | DVD-RAM UJ8E2    | none
a model without its vendor | | DVDR   PX-716A   | none
)");
    }

    void driveOffsets()
    {
        const DriveOffsets list = DriveOffsets::parse(offsetList());
        QCOMPARE(list.size(), std::size_t(4));
        const auto offset = list.offsetFor(cell("vendor").leftJustified(8).toStdString(),
                                           cell("model").leftJustified(16).toStdString());
        QCOMPARE(offset ? QString::number(*offset) : QString("none"), cell("offset"));
    }

    void oddOffsetListsGiveNoOffsets_data()
    {
        QTest::addColumn<QByteArray>("list");
        const std::string good = offsetList();
        std::string huge;
        while (huge.size() <= DriveOffsets::MaxBytes)
            huge += good;
        const auto row = [](const char* name, const std::string& bytes) {
            QTest::newRow(name) << QByteArray::fromStdString(bytes);
        };
        row("empty", {});
        row("a byte short", good.substr(0, good.size() - 1));
        row("a byte to spare", good + '\0');
        row("a web page of whole records",
            std::string(69 * 3, 'x').replace(0, 15, "<!DOCTYPE html>"));
        row("a name that fills its field",
            good + AccurateRipBytes::driveOffset(1, std::string(32, 'A')));
        row("a name with a control character", good + AccurateRipBytes::driveOffset(1, "A - B\nC"));
        row("larger than any list", huge);
    }
    void oddOffsetListsGiveNoOffsets()
    {
        QFETCH(QByteArray, list);
        const DriveOffsets offsets = DriveOffsets::parse(list.toStdString());
        QCOMPARE(offsets.size(), std::size_t(0));
        QVERIFY(!offsets.offsetFor("PLEXTOR ", "DVDR   PX-716A  "));
    }

    void mangledOffsetListsNeverInventAnOffset()
    {
        int found = 0;
        mangle(offsetList(), DriveOffsets::RecordBytes, [&](const std::string& list) {
            const auto offset = DriveOffsets::parse(list).offsetFor("PLEXTOR", "DVDR PX-716A");
            if (!offset)
                return;
            // Some whole record of the list names the drive with that offset.
            bool named = false;
            for (std::size_t at = 0; at + 69 <= list.size() && !named; at += 69) {
                const QString name = QString::fromLatin1(list.substr(at + 2, 32).c_str());
                named =
                    name.simplified().toLower() == "plextor - dvdr px-716a" &&
                    int16_t(std::uint8_t(list[at]) | std::uint8_t(list[at + 1]) << 8) == *offset;
            }
            QVERIFY(named);
            ++found;
        });
        qInfo() << found << "of 20000 mangled lists still named the drive";
        QVERIFY(found > 1000);
    }

    void standInServerStarts()
    {
        QTemporaryDir dir;
        QProcess server;
        server.start("/usr/bin/python3",
                     {QFINDTESTDATA("mocks/accuraterip.py"), dir.filePath("routes.json"),
                      dir.filePath("requests.log")});
        QVERIFY(server.waitForReadyRead(5000));
        QVERIFY(server.readLine().trimmed().toInt() > 0);
        server.kill();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestAccurateRip)
#include "tst_accuraterip.moc"
