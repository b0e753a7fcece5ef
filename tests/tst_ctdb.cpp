// What checking and mending an image with the CUETools database computes: the disc's name, its
// sums, the syndromes of its columns, the read offset and the mends they find, against the
// database's own test vectors; and its answers and parity files read as untrusted bytes.
#include "ctdb/CtdbAnswer.h"
#include "ctdb/CtdbCrc.h"
#include "ctdb/CtdbDiscSums.h"
#include "ctdb/CtdbOffset.h"
#include "ctdb/CtdbRepair.h"
#include "ctdb/CtdbVerdict.h"
#include "ctdb/ReedSolomon.h"
#include "support/CtdbTestImage.h"
#include "support/TextTable.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

constexpr std::size_t SectorWords = CtdbLayout::WordsPerSector;
constexpr int Stride = int(CtdbLayout::Stride);
/// The database's decode test: a disc of 9801 sectors, its audio 32 sectors into seed 2423.
constexpr int DiscStart = 32 * 588;
/// A shorter disc of the same noise, for the tests that sum and mend it many times over.
constexpr int Sectors = 2000;

std::vector<std::int16_t> disc(int start = DiscStart, int sectors = 9801)
{
    // Made once for each stretch of noise: the tests ask for the same few again and again.
    static std::map<std::pair<int, int>, std::vector<std::int16_t>> made;
    auto [at, isNew] = made.try_emplace({start, sectors});
    if (isNew)
        at->second =
            CtdbTestImage::noise(2423, std::size_t(start) * 4, std::size_t(sectors) * SectorWords);
    return at->second;
}

QByteArray bytes(const std::vector<std::uint16_t>& words)
{
    QByteArray made;
    for (std::uint16_t word : words)
        made.append(char(word & 0xff)).append(char(word >> 8));
    return made;
}

std::vector<std::uint16_t> words(const QByteArray& bytes)
{
    std::vector<std::uint16_t> made;
    for (qsizetype n = 0; n + 1 < bytes.size(); n += 2)
        made.push_back(std::uint16_t(std::uint8_t(bytes[n]) | std::uint8_t(bytes[n + 1]) << 8));
    return made;
}

/// The first columns' syndromes, S0 of each, then S1, as the database's tests write them.
QByteArray firstColumns(const CtdbSyndromes& syndromes, int columns)
{
    std::vector<std::uint16_t> made;
    for (int i = 0; i < syndromes.npar(); ++i)
        for (int j = 0; j < columns; ++j)
            made.push_back(syndromes.at(i, j));
    return bytes(made).toBase64();
}

/// Column 0 of such a list of four columns.
std::vector<std::uint16_t> columnZero(const QString& base64)
{
    const std::vector<std::uint16_t> all = words(QByteArray::fromBase64(base64.toLatin1()));
    std::vector<std::uint16_t> made;
    for (std::size_t i = 0; i < all.size(); i += 4)
        made.push_back(all[i]);
    return made;
}

std::vector<std::uint16_t> columnOf(const std::vector<std::int16_t>& audio, int column,
                                    int offset = 0)
{
    std::vector<std::uint16_t> made;
    const int rows = CtdbLayout::of(int(audio.size() / SectorWords))->rows;
    for (int row = 0; row < rows; ++row)
        made.push_back(std::uint16_t(audio[std::size_t((row + 1) * Stride + column + 2 * offset)]));
    return made;
}

/// XORs `count` words of `audio` from `from` with seeded noise that is never 0.
void spoil(std::vector<std::int16_t>& audio, std::size_t from, std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    for (std::size_t at = from; at < from + count; ++at)
        audio[at] = std::int16_t(std::uint16_t(audio[at]) ^ (1 + random() % 65535));
}

const char* const Syndromes0 =
    "DP5e7sS+kHjtAEb/o599As2tA3puoW+wuWA5hT1cZxCBRs0bU7Ow3jyLb97/pW1Yjt6H3pph7zKa+hFsT6Wct1r7Ic"
    "iaQ8QUhvzxCof3sJEnJZERL/LnLGrfbjkmdw6wZ0PJjSD5cmwGKFvLpslT/OYwc5M3fbmmFmVDJWRvQdE=";
const char* const SyndromesPlus48 =
    "x5gK5qlKM0HjrEEWOVHQX5VRqD0FtDWGqO/JP2ArcdR0yxE04pdR6B06J3iXbKv9CghrqvNiq+AlMAVWr/pm7bp5s3"
    "s+v5Bo3oYpQymmtd0FDKaZ4GQhi9yDu0Vm22j0Cllf5fLPFixhRMCBN/3S3t8IeHtVfmo5Vw0icN7OTHo=";
const char* const SyndromesMinus48 =
    "wDLTEG5XPVhGlH8fuucGl8St2G/jGLyN3dByVGzOWeZ0CzI1M9jJq4DLj8A3XsMh8u80yvCq36SHXU+iO5cpVcfyiu"
    "08pqO1PjPUynqQa/aOcjbFhwjaEZePD42rQCBVdhViBeBEYzMhCTKroorw/Tt0AFC+NlRCMOsUmzSlsRU=";
const char* const Syndromes75000 =
    "YJNmzBE8sVjyo1l59bs/6I+Kqb4PRwEWY34ZHS/yKY5P+AzgGYtQrDplinhvvDKkjMpKOJm6iYplMDQ6OnR0ZwrzJv"
    "39czortUxnzOsjIxmzYtdszjDV6jFf/lA8+3lTS2veoTxIJ1a46z9+5hIbAthejftqYB8h9/PAk5PfWDk=";

const char* const GoodEntry =
    R"(<entry id="123" crc32="0a1b2c3d" confidence="7" npar="16" stride="5880" )"
    R"(hasparity="http://p.cuetools.net/123" syndrome="%1" trackcrcs="00000001 fffffffe" )"
    R"(toc="32:22817:208132" />)";

QByteArray answer(const QString& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ctdb "
           "xmlns=\"http://db.cuetools.net/ns/mmd-1.0#\" "
           "xmlns:ext=\"http://db.cuetools.net/ns/ext-1.0#\">\n " +
           entries.toUtf8() +
           "\n <metadata source=\"musicbrainz\" id=\"x\" artist=\"A\" album=\"B\">"
           "<track name=\"C\" /></metadata>\n</ctdb>\n";
}

QString syndrome16()
{
    return QString::fromLatin1(bytes(columnZero(Syndromes0)).toBase64());
}

QString tocOf(int tracks)
{
    QString toc;
    for (int n = 0; n <= tracks; ++n)
        toc += QString::number(n * 100) + (n < tracks ? ":" : "");
    return toc;
}

} // namespace

class TestCtdb : public QObject {
    Q_OBJECT

private slots:
    void tocText_data()
    {
        addTextRows("toc id", R"(
            audio alone | 0:16157:33302:53250:226627 | gqBZOxqN2BD5T3Y7nucoVIIIwhU-
            a hidden track before track 1 | 32:16189:33334:53282:226659 | gqBZOxqN2BD5T3Y7nucoVIIIwhU-
            data first | -0:11400:27557:44702:64650:238027 | gqBZOxqN2BD5T3Y7nucoVIIIwhU-
            data after a session gap | 0:16157:33302:53250:-238027:256877 | gqBZOxqN2BD5T3Y7nucoVIIIwhU-
            a sector longer | 0:16157:33302:53250:226628 | Q2PzoNa.NeqfaVwIzVZke6935zw-
            one track | 0:9801 | T8ERmKXtI61N3R65_pSw8w4NatQ-)");
    }
    void tocText()
    {
        const std::optional<CtdbToc> toc = CtdbToc::parse(cell("toc").toStdString());
        QVERIFY(toc);
        QCOMPARE(QString::fromStdString(toc->toString()), cell("toc"));
        QCOMPARE(QString::fromStdString(toc->id()), cell("id"));
        const CtdbToc reference = *CtdbToc::parse("0:16157:33302:53250:226627");
        QCOMPARE(toc->hasSameAudio(reference), toc->id() == reference.id());
    }

    void tocRefused_data()
    {
        addTextRows("toc", R"(
            empty |
            a lead-out alone | 100
            an empty value | 0::100
            a lead-out of data | 0:-100
            no audio | -0:100
            descending | 100:50:200
            two tracks at once | 0:0:100
            past 100 minutes | 0:450001
            a plus sign | 0:+5:100
            two minus signs | 0:--5:100
            a space | 0: 5:100
            hexadecimal | 0:0x10:100
            seven digits | 0:1000000:1000001
            audio ending before its last track | 0:100:-150:160)");
        QTest::newRow("100 tracks") << tocOf(100);
        QTest::newRow("255 tracks") << tocOf(255);
    }
    void tocRefused()
    {
        QVERIFY(!CtdbToc::parse(cell("toc").toStdString()));
        QVERIFY(CtdbToc::parse(tocOf(99).toStdString()));
    }

    void layout_data()
    {
        addTextRows("sectors rows lastStride", R"(
            an uneven length | 9801 | 978 | 12936
            whole rows | 75000 | 7498 | 11760
            the shortest | 30 | 1 | 11760
            too short | 29 | |
            nothing | 0 | |)");
    }
    void layout()
    {
        const std::optional<CtdbLayout> layout = CtdbLayout::of(cell("sectors").toInt());
        QCOMPARE(layout ? QString::number(layout->rows) : QString(), cell("rows"));
        QCOMPARE(layout ? QString::number(layout->lastStride) : QString(), cell("lastStride"));
    }

    void crcOfNoise_data()
    {
        addTextRows("from to crc", R"(
            the whole image | 0 | 136 | 3791227907
            track 1 | 13 | 68 | 321342250
            track 2 | 68 | 99 | 37001035
            track 3 | 99 | 136 | 516255430
            track 1 from 5 sectors in | 18 | 68 | 4209773141
            track 3 to 5 sectors before its end | 99 | 131 | 1024656428)");
    }
    void crcOfNoise()
    {
        const std::vector<std::int16_t> image = CtdbTestImage::noise(2314, 0, 136 * SectorWords);
        const std::size_t from = cell("from").toUInt() * SectorWords;
        const std::size_t to = cell("to").toUInt() * SectorWords;
        QCOMPARE(CtdbCrc::ofSamples(std::span(image).subspan(from, to - from)),
                 cell("crc").toUInt());
    }

    void discSums_data()
    {
        addTextRows("start sectors offset crc syndromes",
                    QString(R"(
            aligned | 18816 | 9801 | 0 | 377539636 | %1
            the window 48 samples on | 18816 | 9801 | 48 | 860766083 | %2
            the window 48 samples back | 18816 | 9801 | -48 | 225790416 | %3
            whole rows | 0 | 75000 | 0 | 1493503606 | %4)")
                        .arg(Syndromes0, SyndromesPlus48, SyndromesMinus48, Syndromes75000)
                        .toLatin1());
    }
    void discSums()
    {
        const int sectors = cell("sectors").toInt();
        const int offset = cell("offset").toInt();
        const std::vector<std::int16_t> audio = disc(cell("start").toInt(), sectors);
        const CtdbToc toc{{{0, true}}, sectors};
        const std::optional<CtdbCrc> crc = CtdbCrc::of(toc, audio, offset);
        QVERIFY(crc);
        QCOMPARE(crc->disc, cell("crc").toUInt());
        QCOMPARE(crc->tracks, std::vector<std::uint32_t>{crc->disc});
        const auto syndromes = CtdbSyndromes::of(*CtdbLayout::of(sectors), audio, offset);
        QVERIFY(syndromes);
        QCOMPARE(firstColumns(*syndromes, 4), cell("syndromes").toLatin1());
        // The fast table against the plain sum of a column, one far from column 0 too.
        for (int column : {0, 1, 11759})
            QCOMPARE(syndromes->column(column),
                     ReedSolomon::syndromes(columnOf(audio, column, offset), 16));
        QVERIFY(!CtdbCrc::of(toc, audio, 5880));
        QVERIFY(!CtdbSyndromes::of(*CtdbLayout::of(sectors), audio, -5880));
        QVERIFY(!CtdbCrc::of(toc, std::span(audio).first(audio.size() - 2), 0));
    }

    void trackSums()
    {
        const std::vector<std::int16_t> audio = disc();
        const auto range = [&](std::size_t from, std::size_t to) {
            return CtdbCrc::ofSamples(std::span(audio).subspan(from, to - from));
        };
        const std::size_t end = audio.size() - 12936;
        const std::vector<std::uint32_t> expected{range(Stride, 1000 * SectorWords),
                                                  range(1000 * SectorWords, 5000 * SectorWords),
                                                  range(5000 * SectorWords, end)};
        for (const char* toc : {"0:1000:5000:9801", "150:1150:5150:9951",
                                "-0:11400:12400:16400:21201", "0:1000:5000:-21201:30000"}) {
            const std::optional<CtdbCrc> crc = CtdbCrc::of(*CtdbToc::parse(toc), audio, 0);
            QVERIFY(crc);
            QCOMPARE(crc->tracks, expected);
            QCOMPARE(crc->disc, 377539636u);
        }
    }

    void parity_data()
    {
        addTextRows("npar columns parity", R"(
            columns 0 to 3 at npar 8 | 8 | 4 | jvR9QJ1cSWpqbyP0I0tBrBkQRjCDTDDQkttZGj14ROvsXyg+AnnxVKxL7gwLZbrQmTw5ZPps1Q3744g94qaOOQ==
            columns 0 and 1 at npar 16 | 16 | 2 | gwln1GxlYWH/Jn74PreMLv4aFF2glkScSWVFlxMBx94v5D3/3wPx+2guRLquED0s9tOFikPLiSnAv0Xq8aIQ6Q==)");
    }

    void streamedSums_data()
    {
        addTextRows("toc offset chunk", R"(
            three tracks aligned | 0:300:1200:2000 | 0 | 1177
            three tracks 48 samples on | 0:300:1200:2000 | 48 | 7
            three tracks 48 samples back | 0:300:1200:2000 | -48 | 100000
            short tracks at the edges, furthest on | 0:3:12:1989:2000 | 5879 | 2351
            short tracks at the edges, furthest back | 0:3:12:1989:2000 | -5879 | 588
            one track | 0:2000 | -1 | 2000)");
    }
    void streamedSums()
    {
        // Streamed in pieces, the sums are those of the whole audio in memory at any offset,
        // with or without mends.
        const CtdbToc toc = *CtdbToc::parse(cell("toc").toStdString());
        const int offset = cell("offset").toInt();
        const std::vector<std::int16_t> audio = disc(DiscStart, Sectors);
        std::optional<CtdbDiscSums> sums = CtdbDiscSums::start(toc.audioBounds());
        QVERIFY(sums);
        const auto chunk = std::size_t(cell("chunk").toInt());
        for (std::size_t at = 0; at < audio.size(); at += chunk) {
            QVERIFY(!sums->isComplete());
            sums->add(std::span(audio).subspan(at, std::min(chunk, audio.size() - at)));
        }
        QVERIFY(sums->isComplete());
        const CtdbCrc whole = *CtdbCrc::of(toc, audio, offset);
        const std::optional<CtdbCrc> streamed = sums->crcAt(offset);
        QVERIFY(streamed);
        QCOMPARE(streamed->tracks, whole.tracks);
        QCOMPARE(streamed->disc, whole.disc);
        const CtdbLayout layout = *CtdbLayout::of(Sectors);
        const auto planes = [](const CtdbSyndromes& syndromes) {
            return std::vector<std::uint16_t>(syndromes.planes().begin(), syndromes.planes().end());
        };
        QVERIFY(planes(*sums->syndromesAt(offset)) ==
                planes(*CtdbSyndromes::of(layout, audio, offset)));

        std::mt19937 random(unsigned(offset + 6000));
        std::vector<CtdbRepair::Fix> fixes;
        for (std::size_t word : {layout.bodyBegin(), layout.bodyBegin() + 1, std::size_t(200000),
                                 300 * SectorWords - 1, 300 * SectorWords, layout.bodyEnd() - 1})
            fixes.push_back({std::size_t(std::ptrdiff_t(word) + 2 * offset),
                             std::uint16_t(random() % 65535 + 1)});
        std::vector<std::int16_t> mended = audio;
        CtdbRepair::apply(mended, fixes);
        const CtdbCrc mendedWhole = *CtdbCrc::of(toc, mended, offset);
        QCOMPARE(sums->crcAt(offset, fixes)->tracks, mendedWhole.tracks);
        QCOMPARE(sums->crcAt(offset, fixes)->disc, mendedWhole.disc);
        QVERIFY(!sums->crcAt(5880));
        QVERIFY(!sums->syndromesAt(-5880));
    }

    void verdict_data()
    {
        addTextRows("start entries sectors scattered said", R"(
            the entry's own audio | 0 | full | 0 | 0 | accurate (confidence 5): accurate 5, accurate 5, accurate 5
            two entries agree | 0 | full twice | 0 | 0 | accurate (confidence 10): accurate 10, accurate 10, accurate 10
            read 48 samples early | -48 | full | 0 | 0 | accurate (confidence 5) at offset +48: accurate 5, accurate 5, accurate 5
            read 48 samples late | 48 | full | 0 | 0 | accurate (confidence 5) at offset -48: accurate 5, accurate 5, accurate 5
            a burst in track 2 | -48 | full | 70 | 0 | differs, repairable (82320 words in 70 sectors) at offset +48: accurate 5, differs, accurate 5
            a burst of 75 sectors, 8 wrong words in column 0 | 0 | full | 75 | 0 | differs, repairable (88200 words in 75 sectors): accurate 5, differs, accurate 5
            a word wrong in track 3 | 0 | full | 0 | 1 | differs, repairable (1 words in 1 sectors): accurate 5, accurate 5, differs
            a burst too long | 0 | full | 81 | 0 | differs, not repairable: accurate 5, differs, accurate 5
            an entry without parity | 0 | no parity | 70 | 0 | differs, not repairable: accurate 5, differs, accurate 5
            an old entry without track sums | 0 | no track sums | 0 | 0 | accurate (confidence 5): accurate 5, accurate 5, accurate 5
            an old entry without track sums that differs | 0 | no track sums | 70 | 0 | differs, repairable (82320 words in 70 sectors): not in database, not in database, not in database
            no entry | 0 | none | 0 | 0 | not in database: not in database, not in database, not in database)");
    }
    void verdict()
    {
        const CtdbToc toc = *CtdbToc::parse("0:300:1200:2000");
        static const CtdbSyndromes syndromes =
            *CtdbSyndromes::of(*CtdbLayout::of(Sectors), disc(DiscStart, Sectors), 0);
        static const CtdbCrc crc = *CtdbCrc::of(toc, disc(DiscStart, Sectors), 0);
        CtdbEntry entry{"7", crc.disc, 5, 16, syndromes.column(0), "/parity/7", crc.tracks, toc};
        std::vector<CtdbEntry> entries{entry};
        if (cell("entries") == "full twice")
            entries.push_back(entry);
        else if (cell("entries") == "no parity")
            entries[0].parityUrl.clear();
        else if (cell("entries") == "no track sums")
            entries[0].trackCrcs.clear();
        else if (cell("entries") == "none")
            entries.clear();

        std::vector<std::int16_t> audio = disc(DiscStart + cell("start").toInt(), Sectors);
        spoil(audio, 500 * SectorWords, std::size_t(cell("sectors").toInt()) * SectorWords, 1);
        for (int n = 0; n < cell("scattered").toInt(); ++n)
            spoil(audio, 1500 * SectorWords + 3, 1, 2);
        std::optional<CtdbDiscSums> sums = CtdbDiscSums::start(toc.audioBounds());
        sums->add(audio);
        CtdbVerdict verdict = CtdbVerdict::judge(*sums, entries);
        const auto planes = syndromes.planes();
        const QByteArray file = bytes({planes.begin(), planes.end()});
        std::optional<std::vector<CtdbRepair::Fix>> fixes;
        if (verdict.repairFrom) {
            QCOMPARE(verdict.repairFrom->id, std::string("7"));
            fixes =
                verdict.mend(*sums, std::string_view(file.constData(), std::size_t(file.size())));
        }
        QStringList tracks;
        for (const CtdbVerdict::Track& track : verdict.tracks)
            tracks << QString::fromStdString(CtdbVerdict::english(track))
                          .replace(QRegularExpression(R"(\(confidence (\d+)\))"), "\\1");
        QCOMPARE(QString::fromStdString(verdict.english()) + ": " + tracks.join(", "),
                 cell("said"));
        QCOMPARE(fixes.has_value(), verdict.repair == CtdbVerdict::Repair::Repairable);
        if (fixes) {
            // The mends make the entry's audio of the image's.
            CtdbRepair::apply(audio, *fixes);
            QVERIFY(audio == disc(DiscStart + cell("start").toInt(), Sectors));
        }
    }

    void verdictOnAParityFileThatIsNotTheEntrys()
    {
        const CtdbToc toc = *CtdbToc::parse("0:9801");
        const std::vector<std::int16_t> clean = disc();
        const CtdbLayout layout = *CtdbLayout::of(9801);
        const CtdbSyndromes syndromes = *CtdbSyndromes::of(layout, clean, 0);
        const CtdbCrc crc = *CtdbCrc::of(toc, clean, 0);
        std::vector<std::int16_t> audio = clean;
        spoil(audio, 300 * SectorWords, 100, 3);
        std::optional<CtdbDiscSums> sums = CtdbDiscSums::start(toc.audioBounds());
        sums->add(audio);
        CtdbVerdict verdict = CtdbVerdict::judge(
            *sums, {{"7", crc.disc, 5, 16, syndromes.column(0), "/parity/7", crc.tracks, toc}});
        const auto planes = syndromes.planes();
        QByteArray file = bytes({planes.begin(), planes.end()});
        file[0] = char(file[0] ^ 1);
        QVERIFY(!verdict.mend(*sums, std::string_view(file.constData(), std::size_t(file.size()))));
        QCOMPARE(verdict.english(),
                 std::string("differs, not repairable (the parity could not be used)"));
    }

    void parity()
    {
        const std::vector<std::int16_t> audio = disc();
        const int npar = cell("npar").toInt();
        QByteArray made;
        for (int column = 0; column < cell("columns").toInt(); ++column) {
            const std::vector<std::uint16_t> data = columnOf(audio, column);
            const std::vector<std::uint16_t> parity = ReedSolomon::parity(data, npar);
            made += bytes(parity);
            QCOMPARE(ReedSolomon::syndromesOfParity(parity), ReedSolomon::syndromes(data, npar));
        }
        QCOMPARE(made.toBase64(), cell("parity").toLatin1());

        const std::vector<std::int16_t> noise = CtdbTestImage::noise(2314, 0, 512);
        const std::vector<std::uint16_t> data(noise.begin(), noise.end());
        QCOMPARE(bytes(ReedSolomon::parity(data, 4)),
                 QByteArray("\xc1\x03\xde\x97\x09\x02\x80\xf6"));
    }

    void decoder_data()
    {
        addTextRows("npar rows wrong", R"(
            npar 16 and a word | 16 | 978 | 1
            npar 16 and 4 words | 16 | 978 | 4
            npar 16 and 8 words | 16 | 978 | 8
            npar 16 and 9 words | 16 | 978 | 9
            npar 8 and 4 words | 8 | 978 | 4
            npar 8 and 5 words | 8 | 978 | 5
            npar 16 and 8 words in 36000 rows | 16 | 36000 | 8)");
    }
    void decoder()
    {
        const int npar = cell("npar").toInt();
        const int rows = cell("rows").toInt();
        const int wrong = cell("wrong").toInt();
        std::mt19937 random(unsigned(npar * 100 + wrong));
        for (int round = 0; round < 20; ++round) {
            std::vector<std::uint16_t> column(static_cast<std::size_t>(rows), 0);
            std::generate(column.begin(), column.end(), [&] { return std::uint16_t(random()); });
            const std::vector<std::uint16_t> good = ReedSolomon::syndromes(column, npar);
            std::vector<int> places(static_cast<std::size_t>(rows));
            std::iota(places.begin(), places.end(), 0);
            std::shuffle(places.begin(), places.end(), random);
            if (round % 2 == 0) {
                // Both ends among the wrong rows, where an off-by-one would show.
                std::iter_swap(places.begin(), std::find(places.begin(), places.end(), 0));
                std::iter_swap(places.begin() + 1,
                               std::find(places.begin() + 1, places.end(), rows - 1));
            }
            std::vector<ReedSolomon::Fix> spoilt;
            for (int n = 0; n < wrong; ++n) {
                spoilt.push_back({places[std::size_t(n)], std::uint16_t(1 + random() % 65535)});
                column[std::size_t(spoilt.back().row)] ^= spoilt.back().error;
            }
            std::sort(spoilt.begin(), spoilt.end(), [](auto a, auto b) { return a.row < b.row; });
            std::vector<std::uint16_t> difference = ReedSolomon::syndromes(column, npar);
            for (std::size_t i = 0; i < difference.size(); ++i)
                difference[i] ^= good[i];
            const auto fixes = ReedSolomon::decode(difference, rows);
            if (2 * wrong <= npar) {
                QVERIFY(fixes);
                QCOMPARE(*fixes, spoilt);
            } else {
                QVERIFY(!fixes);
            }
        }
    }

    void offset_data()
    {
        addTextRows("entry wrong offset errors",
                    QString(R"(
            aligned | %1 | 0 | 0 | 0
            found 48 samples further | %2 | 0 | 48 | 0
            found 48 samples earlier | %3 | 0 | -48 | 0
            aligned with 8 wrong words | %1 | 8 | 0 | 8
            aligned with 9 wrong words | %1 | 9 | |
            another disc | %4 | 0 | |)")
                        .arg(Syndromes0, SyndromesPlus48, SyndromesMinus48, Syndromes75000)
                        .toLatin1());
    }
    void offset()
    {
        std::vector<std::int16_t> audio = disc();
        for (int row = 0; row < cell("wrong").toInt(); ++row)
            spoil(audio, std::size_t(row * 100 + 1) * Stride, 1, unsigned(row));
        const CtdbLayout layout = *CtdbLayout::of(9801);
        const std::optional<CtdbOffset> found = CtdbOffset::find(
            *CtdbSyndromes::of(layout, audio, 0), layout, audio, columnZero(cell("entry")));
        QCOMPARE(found ? QString::number(found->samples) : QString(), cell("offset"));
        QCOMPARE(found ? QString::number(found->errors) : QString(), cell("errors"));
    }

    void repair_data()
    {
        addTextRows("npar burst more mended", R"(
            npar 16 and 8 wrong words in a column | 16 | 7 | 1 | yes
            npar 16 and 9 wrong words in a column | 16 | 7 | 2 | no
            npar 8 and 4 wrong words in a column | 8 | 3 | 1 | yes
            npar 8 and 5 wrong words in a column | 8 | 3 | 2 | no)");
    }
    void repair()
    {
        const int npar = cell("npar").toInt();
        const CtdbLayout layout = *CtdbLayout::of(9801);
        const CtdbSyndromes entrySyndromes = *CtdbSyndromes::of(layout, disc(), 0);
        const auto planes = entrySyndromes.planes();
        const QByteArray file = bytes({planes.begin(), planes.end()}).left(npar * 2 * Stride);
        std::vector<std::uint16_t> entry = columnZero(Syndromes0);
        entry.resize(std::size_t(npar));

        // The image reads 48 samples early, a burst of rows is lost and a column has more.
        const std::vector<std::int16_t> good = disc(DiscStart - 48);
        std::vector<std::int16_t> audio = good;
        spoil(audio, 400 * SectorWords + 5, std::size_t(cell("burst").toInt()) * Stride, 1);
        for (int n = 0; n < cell("more").toInt(); ++n)
            spoil(audio, std::size_t(600 + 200 * n) * SectorWords + 101, 1, unsigned(n));

        const auto own = CtdbSyndromes::of(layout, audio, 0);
        const std::optional<CtdbOffset> offset = CtdbOffset::find(*own, layout, audio, entry);
        QVERIFY(offset);
        QCOMPARE(offset->samples, 48);
        const auto fromFile = CtdbSyndromes::fromParityFile(file.toStdString(), entry);
        QVERIFY(fromFile);
        const auto fixes =
            CtdbRepair::fixes(*CtdbSyndromes::of(layout, audio, 48), *fromFile, layout, 48);
        QCOMPARE(fixes.has_value(), cell("mended") == "yes");
        if (!fixes)
            return;
        CtdbRepair::apply(audio, *fixes);
        QVERIFY(audio == good);
        QCOMPARE(CtdbCrc::of(CtdbToc{{{0, true}}, 9801}, audio, 48)->disc, 377539636u);
    }

    void parityFile_data()
    {
        addTextRows("bytes npar accepted", R"(
            the whole file | 376320 | 16 | 16
            its first 8 planes | 188160 | 16 | 8
            its first 4 planes | 94080 | 16 | 4
            a byte short | 376319 | 16 |
            three planes | 70560 | 16 |
            nothing | 0 | 16 |
            more than the entry has | 376320 | 8 |
            another entry's | 376320 | 0 |)");
    }
    void parityFile()
    {
        const std::vector<std::int16_t> audio = disc();
        const auto syndromes = CtdbSyndromes::of(*CtdbLayout::of(9801), audio, 0);
        const std::vector<std::uint16_t> all(syndromes->planes().begin(),
                                             syndromes->planes().end());
        const std::string file = bytes(all).left(cell("bytes").toInt()).toStdString();
        std::vector<std::uint16_t> entry = syndromes->column(0);
        if (cell("npar").toInt() == 0)
            entry[3] ^= 1;
        else
            entry.resize(std::size_t(cell("npar").toInt()));
        const auto read = CtdbSyndromes::fromParityFile(file, entry);
        QCOMPARE(read ? QString::number(read->npar()) : QString(), cell("accepted"));
        if (read)
            QVERIFY(std::equal(read->planes().begin(), read->planes().end(), all.begin()));
    }

    void answerRead()
    {
        const QString legacy =
            QString(R"(<entry id="9" crc32="FFFFFFFF" confidence="1" npar="8" )"
                    R"(parity="%1" toc="-0:11400:20000:30000" />)")
                .arg(QString::fromLatin1(bytes(std::vector<std::uint16_t>(8, 1)).toBase64()));
        const CtdbAnswer read =
            CtdbAnswer::read(answer(QString(GoodEntry).arg(syndrome16()) + legacy).toStdString());
        QCOMPARE(QString::fromStdString(read.error), QString());
        QCOMPARE(read.entries.size(), std::size_t(2));
        const CtdbEntry& entry = read.entries[0];
        QCOMPARE(entry.id, std::string("123"));
        QCOMPARE(entry.crc, 0x0a1b2c3du);
        QCOMPARE(entry.confidence, 7);
        QCOMPARE(entry.npar, 16);
        QCOMPARE(entry.syndrome, columnZero(Syndromes0));
        QCOMPARE(entry.parityUrl, std::string("http://p.cuetools.net/123"));
        QCOMPARE(entry.trackCrcs, (std::vector<std::uint32_t>{1, 0xfffffffe}));
        QCOMPARE(entry.toc.toString(), std::string("32:22817:208132"));
        // An old entry's parity read as the syndromes it stands for.
        QCOMPARE(read.entries[1].npar, 8);
        QCOMPARE(read.entries[1].syndrome,
                 ReedSolomon::syndromesOfParity(std::vector<std::uint16_t>(8, 1)));
        QVERIFY(read.entries[1].trackCrcs.empty() && read.entries[1].parityUrl.empty());
        QVERIFY(CtdbAnswer::read(answer("").toStdString()).error.empty());
    }

    void answerRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray good = answer(QString(GoodEntry).arg(syndrome16()));
        const auto with = [&](const char* from, const QString& to) {
            return QByteArray(good).replace(from, to.toUtf8());
        };
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("an HTML page")
            << QByteArray("<!DOCTYPE html><html><body>Not Found</body></html>") << "document type";
        QTest::newRow("bare HTML") << QByteArray("<html><body/></html>") << "not the database's";
        QTest::newRow("another namespace") << with("mmd-1.0#", "mmd-2.0#") << "not the database's";
        QTest::newRow("truncated") << good.left(good.size() / 2) << "not well-formed";
        QTest::newRow("oversized") << good + QByteArray(CtdbAnswer::MaxBytes, ' ') << "1 MB";
        QTest::newRow("255 tracks") << with("32:22817:208132", tocOf(255)) << "toc";
        QTest::newRow("a syndrome of npar 8 for 16")
            << with("npar=\"16\"", "npar=\"8\"") << "16 bytes";
        QTest::newRow("base64 that does not decode")
            << with("syndrome=\"", "syndrome=\"!") << "syndrome";
        QTest::newRow("no syndrome length") << with("npar=\"16\"", "") << "npar";
        QTest::newRow("sums for another disc") << with("00000001 ", "") << "1 sums for 2";
        QTest::newRow("sums run together") << with("00000001 ", "00000001") << "trackcrcs";
        QTest::newRow("another stride") << with("5880", "5881") << "stride";
        QTest::newRow("a sum of 7 digits") << with("0a1b2c3d", "a1b2c3d") << "crc32";
        QTest::newRow("a negative confidence") << with("\"7\"", "\"-7\"") << "confidence";
        QTest::newRow("no table") << with("toc=", "tic=") << "no toc";
        QTest::newRow("a parity address with a space") << with("/123", "/1 23") << "hasparity";
        QTest::newRow("an overlong attribute")
            << with("id=\"123\"", "id=\"" + QString(2000, '1') + '"') << "too long";
    }
    void answerRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const CtdbAnswer read = CtdbAnswer::read(bytes.toStdString());
        QVERIFY2(QString::fromStdString(read.error).contains(error), read.error.c_str());
        QVERIFY(read.entries.empty());
    }

    void answerMangled()
    {
        const std::string good = answer(QString(GoodEntry).arg(syndrome16())).toStdString();
        std::mt19937 random(20260315);
        const auto pick = [&](std::size_t n) {
            return std::size_t(random() % std::max<std::size_t>(n, 1));
        };
        int readRounds = 0;
        for (int round = 0; round < 4000; ++round) {
            std::string bytes = good;
            for (std::size_t changes = 1 + pick(4); changes > 0; --changes) {
                const std::size_t at = pick(bytes.size());
                switch (pick(3)) {
                case 0:
                    bytes[at] = char(random());
                    break;
                case 1:
                    bytes.erase(at, 1 + pick(8));
                    break;
                default:
                    bytes.insert(at, bytes.substr(pick(bytes.size()), 1 + pick(16)));
                }
            }
            const CtdbAnswer read = CtdbAnswer::read(bytes);
            if (!read.error.empty())
                continue;
            ++readRounds;
            for (const CtdbEntry& entry : read.entries) {
                QVERIFY(entry.toc.isValid() && entry.npar <= 16);
                QCOMPARE(entry.syndrome.size(), std::size_t(entry.npar));
                QVERIFY(entry.trackCrcs.empty() ||
                        entry.trackCrcs.size() == entry.toc.audioBounds().size() - 1);
            }
        }
        // Changes to the metadata or a sum's digits leave an answer that still reads.
        QVERIFY(readRounds > 100 && readRounds < 2000);
    }
};

QTEST_GUILESS_MAIN(TestCtdb)
#include "tst_ctdb.moc"
