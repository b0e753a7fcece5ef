// One description of a disc's layout, every database's name for the disc made from it: each
// compared with one worked out by hand from the databases' own rules.
#include "accuraterip/AccurateRipId.h"
#include "ctdb/CtdbToc.h"
#include "disc/DiscCodes.h"
#include "disc/DiscLayout.h"
#include "discnames/DiscIdentifier.h"
#include "support/TextTable.h"

#include <QtTest>

class TestDiscLayout : public QObject {
    Q_OBJECT

    /// "0 16157 -64650 / 80000": track starts, data tracks after a '-', then the lead-out.
    static DiscLayout layout(const QString& text)
    {
        DiscLayout disc;
        const QStringList halves = text.split(" / ");
        const QStringList starts = halves[0].split(' ');
        disc.leadOut = halves[1].toInt();
        for (qsizetype n = 0; n < starts.size(); ++n) {
            const int start = std::abs(starts[n].toInt());
            const int next = n + 1 < starts.size() ? std::abs(starts[n + 1].toInt()) : disc.leadOut;
            disc.tracks.push_back({int(n) + 1, start, next - start, !starts[n].startsWith('-')});
        }
        return disc;
    }

private slots:
    void everyNameFromOneLayout_data()
    {
        addTextRows("layout musicbrainz accuraterip ctdbToc ctdbId cdToc", R"(
track 1 at sector 32, silence the file leaves out | 32 16189 33334 / 226659 | vOyxTdo_oBOWqbQTveL0ONu4W7E- | dBAR-003-000436f6-000fdac8-1a0bce03.bin | 32:16189:33334:226659 | ZiaS4ZcO2CcMAJlFXS6DxOvwmWI- | 3+B6+3FD3+82CC+375F9
an enhanced CD, its data last | 0 16157 33302 -64650 / 80000 | b9_xo_PDGnVDEBxKJ4c523B4aKk- | dBAR-003-0001f9b3-0006e67d-2c042a04.bin | 0:16157:33302:-64650:80000 | pBukuI_mSevuN36OcXsMbaDiVbk- | 3+96+3FB3+82AC+FD20+13916
a mixed-mode disc, its data first | -0 11400 27557 44702 / 64650 | VPM6x4KS68SFF.m0N3Yj884rr1I- | dBAR-003-00024355-000701d4-34035e04.bin | -0:11400:27557:44702:64650 | pBukuI_mSevuN36OcXsMbaDiVbk- | 3+2D1E+6C3B+AF34+FD20+X96
)");
    }

    void everyNameFromOneLayout()
    {
        const DiscLayout disc = layout(cell("layout"));
        QCOMPARE(QString::fromStdString(DiscIdentifier::of(disc).id), cell("musicbrainz"));
        const std::optional<AccurateRipId> accurateRip = AccurateRipId::of(disc);
        QVERIFY(accurateRip);
        QCOMPARE(QString::fromStdString(accurateRip->fileName()), cell("accuraterip"));
        const CtdbToc toc = CtdbToc::of(disc);
        QCOMPARE(QString::fromStdString(toc.toString()), cell("ctdbToc"));
        QCOMPARE(QString::fromStdString(toc.id()), cell("ctdbId"));

        // Kept beside an image as its CDTOC, the layout comes back whole, and wins over the
        // image's own table, which has the audio alone from its first sector.
        QCOMPARE(QString::fromStdString(disc.cdToc()), cell("cdToc"));
        const std::optional<DiscLayout> kept = DiscLayout::fromCdToc(disc.cdToc());
        QVERIFY(kept);
        QCOMPARE(kept->cdToc(), disc.cdToc());
        DiscToc image;
        image.pressedToc = disc.cdToc();
        const int first = disc.lastAudio() ? (disc.tracks.front().audio ? disc.tracks[0].start
                                                                        : disc.tracks[1].start)
                                           : 0;
        for (const DiscLayout::Track& track : disc.tracks) {
            if (!track.audio)
                continue;
            TrackInfo& made = image.tracks.emplace_back();
            made.number = int(image.tracks.size());
            made.firstSector = track.start - first;
            made.sectorCount = track.length;
        }
        image.leadOut = disc.audioLeadOut() - first;
        QCOMPARE(QString::fromStdString(DiscIdentifier::of(image).id), cell("musicbrainz"));
        QCOMPARE(QString::fromStdString(AccurateRipId::of(image)->fileName()), cell("accuraterip"));
        // A table kept for other audio is not believed.
        image.tracks.back().firstSector += 1;
        QVERIFY(AccurateRipId::of(image)->fileName() != cell("accuraterip").toStdString());
    }

    void aOneTrackDiscsCdTocIsRead()
    {
        const std::optional<DiscLayout> disc = DiscLayout::fromCdToc("1+96+1000");
        QVERIFY(disc);
        QCOMPARE(disc->tracks.size(), std::size_t(1));
        QCOMPARE(disc->tracks[0].start, 0);
        QCOMPARE(disc->leadOut, 0x1000 - 150);
        QCOMPARE(disc->cdToc(), std::string("1+96+1000"));
    }

    void cdTocsThatDescribeNoDiscAreRefused_data()
    {
        addTextRows("text", R"(
empty | 
no lead-out | 1+96
a count of none | 0+96+1000
more tracks than it counts | 1+96+1000+2000+3000+4000
fewer than it counts | 3+96+1000+2000
starts going back | 2+1000+96+3000
past 100 minutes | 1+96+1B7740
not hexadecimal | 1+96+10G0
a data start in the middle | 2+96+X1000+2000+3000
more values than 99 tracks have | 63+96+97+98+99+9A+9B+9C+9D+9E+9F+A0+A1+A2+A3+A4+A5+A6+A7+A8+A9+AA+AB+AC+AD+AE+AF+B0+B1+B2+B3+B4+B5+B6+B7+B8+B9+BA+BB+BC+BD+BE+BF+C0+C1+C2+C3+C4+C5+C6+C7+C8+C9+CA+CB+CC+CD+CE+CF+D0+D1+D2+D3+D4+D5+D6+D7+D8+D9+DA+DB+DC+DD+DE+DF+E0+E1+E2+E3+E4+E5+E6+E7+E8+E9+EA+EB+EC+ED+EE+EF+F0+F1+F2+F3+F4+F5+F6+F7+F8+1000+2000+3000+4000+5000
an address before the lead-in | 1+10+1000
three digits of count | 001+96+1000
)");
    }
    void cdTocsThatDescribeNoDiscAreRefused()
    {
        QVERIFY(!DiscLayout::fromCdToc(cell("text").toStdString()));
    }

    void codesAreBelievedOnlyInTheirShape_data()
    {
        addTextRows("kind code fits", R"(
a catalogue number | catalog | 0724384960650 | yes
a catalogue number a digit short | catalog | 072438496065 | no
a letter in a catalogue number | catalog | 07243849606A0 | no
an ISRC | isrc | GBAYE9900123 | yes
an ISRC in lower case | isrc | gbaye9900123 | no
an ISRC with a dash | isrc | GBAYE99001-3 | no
an ISRC a character long | isrc | GBAYE99001234 | no
a freedb ID | freedb | 2a08c305 | yes
a freedb ID in capitals | freedb | 2A08C305 | yes
a freedb ID past f | freedb | 2g08c305 | no
)");
    }
    void codesAreBelievedOnlyInTheirShape()
    {
        const std::string code = cell("code").toStdString();
        const bool fits = cell("kind") == "catalog" ? DiscCodes::isCatalogNumber(code)
                          : cell("kind") == "isrc"  ? DiscCodes::isIsrc(code)
                                                    : DiscCodes::isFreedbId(code);
        QCOMPARE(fits, cell("fits") == "yes");
    }

    void aDiscsTableGivesItsLayout()
    {
        // An image's table counts the silence before track 1 in its sectors, as the disc does.
        DiscToc toc;
        for (const auto& [number, start, length, audio] :
             {std::tuple{1, 32, 16157, true}, {2, 16189, 17145, true}, {3, 33334, 20000, false}}) {
            TrackInfo& track = toc.tracks.emplace_back();
            track.number = number;
            track.firstSector = start;
            track.sectorCount = length;
            track.audio = audio;
        }
        toc.leadOut = 53334;
        const DiscLayout disc = DiscLayout::of(toc);
        QCOMPARE(disc.tracks.size(), std::size_t(3));
        QCOMPARE(disc.tracks[1].start, 16189);
        QCOMPARE(disc.tracks[2].audio, false);
        QCOMPARE(disc.leadOut, 53334);
        QCOMPARE(disc.lastAudio(), &disc.tracks[1]);
        QCOMPARE(disc.audioLeadOut(), 33334 - DiscToc::SessionGap);
        toc.tracks.pop_back();
        toc.leadOut = 33334;
        QCOMPARE(DiscLayout::of(toc).audioLeadOut(), 33334);
    }
};

QTEST_GUILESS_MAIN(TestDiscLayout)
#include "tst_disclayout.moc"
