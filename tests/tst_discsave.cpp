// Saving a disc: the FLAC file, its cue sheet, its log and its folder, each read back the way
// players, the program's own image reader and collectors read them.
#include "disc/CoverPicture.h"
#include "discimage/CueSheet.h"
#include "discimage/ImageLayout.h"
#include "discsave/CueSheetWriter.h"
#include "discsave/FlacWriter.h"
#include "discsave/ImageFolder.h"
#include "discsave/ImageLog.h"

#include <FLAC/metadata.h>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>
#include <sndfile.h>
#include <sys/resource.h>

Q_DECLARE_METATYPE(ImageDescription)
Q_DECLARE_METATYPE(std::optional<std::uint32_t>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int Frames = ImageDescription::FramesPerSector;

void append(Bytes& bytes, std::initializer_list<unsigned> values, int width = 1)
{
    for (const unsigned value : values)
        for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
            bytes.push_back(std::uint8_t(value >> shift));
}

/// A PNG's signature, header chunk and, for a palette, its palette; the picture data is not
/// needed by anything that reads only headers.
Bytes png(unsigned width, unsigned height, unsigned bits, unsigned colourType, unsigned colours)
{
    Bytes bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    append(bytes, {13, 0x49484452, width, height}, 4);
    append(bytes, {bits, colourType, 0, 0, 0, 0, 0, 0, 0});
    if (colours > 0) {
        append(bytes, {3 * colours, 0x504c5445}, 4);
        bytes.resize(bytes.size() + 3 * colours + 4);
    }
    append(bytes, {0, 0x49444154}, 4);
    return bytes;
}

/// A JPEG's start, an application segment, fill bytes and the frame header `frame`.
Bytes jpeg(unsigned frame, unsigned width, unsigned height, unsigned components)
{
    Bytes bytes{0xff, 0xd8, 0xff, 0xe0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    append(bytes, {0xff, 0xff, 0xff, frame, 0, 8 + 3 * components, 8});
    append(bytes, {height, width}, 2);
    append(bytes, {components});
    bytes.resize(bytes.size() + 3 * components);
    return bytes;
}

ImageDescription discWithEverything()
{
    ImageDescription image;
    image.title = "Songs \"Live\" / Rare";
    image.performer = "The Performers";
    image.date = "1999-05-12";
    image.catalog = "0724384960650";
    image.musicBrainzAlbumId = "8b2f5e3a-9b7c-4e1a-9f6d-2c4b1a0e7d11";
    image.musicBrainzDiscId = "lwHl8fGzJyLXQR33ug60E8jhf4k-";
    image.freedbId = "2a08c305";
    image.cdToc = "3+96+3FB3+82AC+FD20+13916";
    image.discNumber = 2;
    image.discTotal = 3;
    // A hidden track of 2 s, a track with a gap, flags and an ISRC, and a last one.
    image.tracks = {{1, 150, 150, false, false, "", "Opening", ""},
                    {2, 600, 75, true, true, "GBAYE9900123", "The \"Long\" Mix", "Guest"},
                    {3, 800, 0, false, false, "", "Ending", ""}};
    image.sectors = 1000;
    image.cover = png(600, 400, 8, 6, 0);
    return image;
}

ImageDescription discWithSilentPregap()
{
    ImageDescription image;
    image.title = "Quiet";
    image.performer = "Nobody";
    image.pregap = 33;
    image.tracks = {{1, 0, 0, false, false, "", "One", ""}, {2, 300, 0, false, false, "", "", ""}};
    image.sectors = 500;
    return image;
}

std::vector<std::int16_t> noise(long long frames)
{
    std::mt19937 random(20261208);
    std::vector<std::int16_t> samples(std::size_t(2 * frames));
    for (std::int16_t& sample : samples)
        sample = std::int16_t(random());
    return samples;
}

std::string tag(const FLAC__StreamMetadata* tags, const char* name)
{
    const int at = FLAC__metadata_object_vorbiscomment_find_entry_from(tags, 0, name);
    if (at < 0)
        return {};
    const auto& entry = tags->data.vorbis_comment.comments[at];
    const std::string text(reinterpret_cast<const char*>(entry.entry), entry.length);
    return text.substr(text.find('=') + 1);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

class DiscSaveTest : public QObject {
    Q_OBJECT

private slots:
    void flacHoldsTheAudioAndTheDisc_data()
    {
        QTest::addColumn<ImageDescription>("image");
        QTest::newRow("hidden track, gaps, codes and a cover") << discWithEverything();
        QTest::newRow("silence left out before track 1, names only") << discWithSilentPregap();
    }
    void flacHoldsTheAudioAndTheDisc()
    {
        QFETCH(ImageDescription, image);
        QTemporaryDir dir;
        const std::string path = dir.filePath("disc.flac").toStdString();
        const long long frames = static_cast<long long>(image.sectors) * Frames;
        const std::vector<std::int16_t> samples = noise(frames);
        FlacWriter writer;
        QVERIFY2(writer.open(path, image, frames), writer.error().c_str());
        // Chunks of odd sizes, some ending between a frame's two samples.
        std::size_t at = 0;
        for (std::size_t size = 1; at < samples.size(); size = size * 7 % 9973) {
            const std::size_t count = std::min(size, samples.size() - at);
            QVERIFY2(writer.write(std::span(samples).subspan(at, count)), writer.error().c_str());
            at += count;
        }
        QVERIFY2(writer.finish(), writer.error().c_str());

        SF_INFO info{};
        SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
        QVERIFY(file);
        std::vector<std::int16_t> read(samples.size() + 2);
        const sf_count_t got = sf_readf_short(file, read.data(), frames + 1);
        sf_close(file);
        QCOMPARE(info.samplerate, 44100);
        QCOMPARE(info.channels, 2);
        QCOMPARE(static_cast<long long>(got), frames);
        read.resize(samples.size());
        QVERIFY(read == samples);

        FLAC__StreamMetadata* tags = nullptr;
        QVERIFY(FLAC__metadata_get_tags(path.c_str(), &tags));
        const auto number = [](int n) {
            return n > 0 ? std::to_string(n) : std::string();
        };
        QCOMPARE(tag(tags, "ALBUM"), image.title);
        QCOMPARE(tag(tags, "ALBUMARTIST"), image.performer);
        QCOMPARE(tag(tags, "DATE"), image.date);
        QCOMPARE(tag(tags, "DISCNUMBER"), number(image.discNumber));
        QCOMPARE(tag(tags, "DISCTOTAL"), number(image.discTotal));
        QCOMPARE(tag(tags, "TRACKTOTAL"), number(int(image.tracks.size())));
        QCOMPARE(tag(tags, "MUSICBRAINZ_ALBUMID"), image.musicBrainzAlbumId);
        QCOMPARE(tag(tags, "MUSICBRAINZ_DISCID"), image.musicBrainzDiscId);
        QCOMPARE(tag(tags, "CDTOC"), image.cdToc);
        FLAC__metadata_object_delete(tags);

        FLAC__StreamMetadata* block = nullptr;
        QVERIFY(FLAC__metadata_get_cuesheet(path.c_str(), &block));
        const FLAC__StreamMetadata_CueSheet sheet = block->data.cue_sheet;
        QVERIFY(sheet.is_cd);
        QCOMPARE(sheet.lead_in, FLAC__uint64(88200 + image.pregap * Frames));
        QCOMPARE(std::string(sheet.media_catalog_number), image.catalog);
        QCOMPARE(sheet.num_tracks, unsigned(image.tracks.size() + 1));
        for (std::size_t n = 0; n < image.tracks.size(); ++n) {
            const ImageDescription::Track& expected = image.tracks[n];
            const FLAC__StreamMetadata_CueSheet_Track& track = sheet.tracks[n];
            QCOMPARE(int(track.number), expected.number);
            QCOMPARE(track.offset, FLAC__uint64((expected.start - expected.gap) * Frames));
            QCOMPARE(std::string(track.isrc), expected.isrc);
            QCOMPARE(bool(track.pre_emphasis), expected.preEmphasis);
            QCOMPARE(int(track.num_indices), expected.gap > 0 ? 2 : 1);
            const auto& start = track.indices[track.num_indices - 1];
            QCOMPARE(int(start.number), 1);
            QCOMPARE(start.offset, FLAC__uint64(expected.gap * Frames));
        }
        QCOMPARE(int(sheet.tracks[image.tracks.size()].number), 170);
        QCOMPARE(sheet.tracks[image.tracks.size()].offset, FLAC__uint64(frames));
        FLAC__metadata_object_delete(block);

        const bool hasPicture = FLAC__metadata_get_picture(
            path.c_str(), &block, FLAC__STREAM_METADATA_PICTURE_TYPE_FRONT_COVER, nullptr, nullptr,
            unsigned(-1), unsigned(-1), unsigned(-1), unsigned(-1));
        QCOMPARE(hasPicture, !image.cover.empty());
        if (!hasPicture)
            return;
        const FLAC__StreamMetadata_Picture& picture = block->data.picture;
        QCOMPARE(std::string(picture.mime_type), std::string("image/png"));
        QCOMPARE(picture.width, 600u);
        QCOMPARE(picture.height, 400u);
        QCOMPARE(picture.depth, 32u);
        QVERIFY(Bytes(picture.data, picture.data + picture.data_length) == image.cover);
        FLAC__metadata_object_delete(block);
    }

    void writerRefusesWhatIsNoDisc_data()
    {
        QTest::addColumn<int>("extraFrames");
        QTest::addColumn<QByteArray>("cover");
        QTest::addColumn<QString>("reason");
        QTest::newRow("audio past the disc's end")
            << 1 << QByteArray() << "more audio came than the disc holds";
        QTest::newRow("audio ending early")
            << -1 << QByteArray() << "the audio ended before the disc's end";
        QTest::newRow("a cover that is no picture")
            << 0 << QByteArray("GIF89a") << "the cover is neither a PNG nor a JPEG picture";
    }
    void writerRefusesWhatIsNoDisc()
    {
        QFETCH(int, extraFrames);
        QFETCH(QByteArray, cover);
        QFETCH(QString, reason);
        ImageDescription image = discWithSilentPregap();
        image.cover.assign(cover.begin(), cover.end());
        QTemporaryDir dir;
        const long long frames = static_cast<long long>(image.sectors) * Frames;
        FlacWriter writer;
        const bool written = writer.open(dir.filePath("a.flac").toStdString(), image, frames) &&
                             writer.write(noise(frames + extraFrames)) && writer.finish();
        QVERIFY(!written);
        QCOMPARE(QString::fromStdString(writer.error()), reason);
        QVERIFY(!writer.write(noise(1)));
    }

    void cueSheetReadsBackThroughThePlayersReader_data()
    {
        QTest::addColumn<ImageDescription>("image");
        QTest::addColumn<QString>("secondTitle");
        QTest::addColumn<QString>("line");
        QTest::newRow("hidden track, gaps and quotes") << discWithEverything() << "The “Long” Mix"
                                                       << "    FLAGS PRE DCP\n";
        QTest::newRow("silence left out before track 1") << discWithSilentPregap() << ""
                                                         << "    PREGAP 00:00:33\n";
    }
    void cueSheetReadsBackThroughThePlayersReader()
    {
        QFETCH(ImageDescription, image);
        QFETCH(QString, secondTitle);
        QFETCH(QString, line);
        const std::string text = CueSheetWriter::text(image, "Disc.flac");
        QVERIFY2(text.find(line.toStdString()) != std::string::npos, text.c_str());
        const auto parsed = CueSheet::parse(text);
        const auto* problem = std::get_if<Reason>(&parsed);
        QVERIFY2(!problem, problem ? problem->english().c_str() : "");
        const CueSheet& sheet = std::get<CueSheet>(parsed);
        QCOMPARE(sheet.files.size(), std::size_t(1));
        QCOMPARE(sheet.files[0].name, std::string("Disc.flac"));
        QCOMPARE(sheet.performer, image.performer);
        QCOMPARE(sheet.tracks.size(), image.tracks.size());
        QCOMPARE(QString::fromStdString(sheet.tracks[1].title), secondTitle);
        const auto layout = ImageLayout::build(sheet, {image.sectors});
        QVERIFY(std::holds_alternative<ImageLayout>(layout));
        const DiscToc& toc = std::get<ImageLayout>(layout).toc;
        QCOMPARE(toc.leadOut, image.sectors + image.pregap);
        for (std::size_t n = 0; n < image.tracks.size(); ++n) {
            const ImageDescription::Track& expected = image.tracks[n];
            const CueSheet::Track& track = sheet.tracks[n];
            QCOMPARE(track.number, expected.number);
            QCOMPARE(track.preEmphasis, expected.preEmphasis);
            QCOMPARE(track.performer, expected.performer);
            QCOMPARE(track.pregap, n == 0 ? image.pregap : 0);
            QCOMPARE(track.start().sector, expected.start);
            const int gap = track.indexes.front().number == 0
                                ? expected.start - track.indexes.front().sector
                                : 0;
            QCOMPARE(gap, expected.gap);
            QCOMPARE(toc.tracks[n].firstSector, expected.start + image.pregap);
            QCOMPARE(toc.tracks[n].preEmphasis, expected.preEmphasis);
        }
    }

    void coversAreKnownByTheirHeaders_data()
    {
        QTest::addColumn<Bytes>("bytes");
        QTest::addColumn<QString>("mimeType");
        QTest::addColumn<uint>("width");
        QTest::addColumn<uint>("height");
        QTest::addColumn<uint>("depth");
        QTest::addColumn<uint>("colors");
        QTest::newRow("PNG, colour with alpha")
            << png(600, 400, 8, 6, 0) << "image/png" << 600u << 400u << 32u << 0u;
        QTest::newRow("PNG, 16-colour palette")
            << png(500, 500, 4, 3, 16) << "image/png" << 500u << 500u << 24u << 16u;
        QTest::newRow("JPEG, baseline")
            << jpeg(0xc0, 1200, 1000, 3) << "image/jpeg" << 1200u << 1000u << 24u << 0u;
        QTest::newRow("JPEG, progressive grey")
            << jpeg(0xc2, 300, 200, 1) << "image/jpeg" << 300u << 200u << 8u << 0u;
        QTest::newRow("GIF") << Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0} << "" << 0u << 0u
                             << 0u << 0u;
        QTest::newRow("PNG of width 0") << png(0, 400, 8, 2, 0) << "" << 0u << 0u << 0u << 0u;
        QTest::newRow("PNG palette missing before the data")
            << png(16, 16, 8, 3, 0) << "" << 0u << 0u << 0u << 0u;
        Bytes scanFirst = jpeg(0xc0, 10, 10, 3);
        scanFirst[23] = 0xda;
        QTest::newRow("JPEG data before any frame header")
            << scanFirst << "" << 0u << 0u << 0u << 0u;
    }
    void coversAreKnownByTheirHeaders()
    {
        QFETCH(Bytes, bytes);
        QFETCH(QString, mimeType);
        const std::optional<CoverPicture> picture = CoverPicture::read(bytes);
        QCOMPARE(picture.has_value(), !mimeType.isEmpty());
        if (!picture)
            return;
        QCOMPARE(QString::fromStdString(picture->mimeType), mimeType);
        QTEST(picture->width, "width");
        QTEST(picture->height, "height");
        QTEST(picture->depth, "depth");
        QTEST(picture->colors, "colors");
    }

    void mangledCoversAreReadOrRefusedNeverBelieved()
    {
        const std::vector<Bytes> pictures{png(20, 10, 8, 3, 200), jpeg(0xc1, 64, 48, 3)};
        std::mt19937 random(20261208);
        for (int round = 0; round < 20000; ++round) {
            Bytes bytes = pictures[random() % pictures.size()];
            for (unsigned changes = 1 + random() % 4; changes > 0; --changes) {
                const std::size_t at = random() % bytes.size();
                if (random() % 3 == 0)
                    bytes.erase(bytes.begin() + std::ptrdiff_t(at), bytes.end());
                else
                    bytes[at] = std::uint8_t(random());
                if (bytes.empty())
                    bytes.push_back(0xff);
            }
            const std::optional<CoverPicture> picture = CoverPicture::read(bytes);
            if (!picture)
                continue;
            QVERIFY(picture->mimeType == "image/png" || picture->mimeType == "image/jpeg");
            QVERIFY(picture->width > 0 && picture->height > 0 && picture->depth > 0);
            QVERIFY(picture->colors <= 256);
        }
    }

    void logSaysWhatHappenedAndShowsChanges_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("intact");
        QTest::newRow("as written") << 0 << true;
        QTest::newRow("a byte of a CRC changed") << 1 << false;
        QTest::newRow("a line after the checksum") << 2 << false;
        QTest::newRow("the checksum line taken away") << 3 << false;
    }
    void logSaysWhatHappenedAndShowsChanges()
    {
        QFETCH(int, change);
        ImageLog report;
        report.program = "Spindella 1.00.0001";
        report.performer = "The Performers";
        report.title = "Songs";
        report.drive = "HL-DT-ST BD-RE WH16NS40";
        report.readOffset = 6;
        report.readOffsetSource = "AccurateRip's drive list";
        ImageLog::Track track{1,           150,         450,
                              150,         0x1a2b3c4du, 0x1a2b3c4du,
                              0x0badf00du, 0xfeedbeefu, ImageLog::AccurateRip::Accurate,
                              12,          1,           {}};
        report.tracks = {track};
        track.number = 2;
        track.accurateRip = ImageLog::AccurateRip::Differs;
        track.suspicious = {4650};
        report.tracks.push_back(track);
        std::string log = report.text();
        for (const char* line :
             {"Read offset     +6 samples (AccurateRip's drive list)\n",
              "v1 0BADF00D, v2 FEEDBEEF: accurate (confidence 12)\n", "Suspicious    01:02:00\n",
              "Copy CRC32    1A2B3C4D (some sectors never read alike twice)\n",
              "Summary: 1 of 2 tracks accurate; test and copy agree on 1 of 2 "
              "tracks read twice; 1 suspicious position.\n"})
            QVERIFY2(log.find(line) != std::string::npos, log.c_str());
        if (change == 1)
            log[log.find("1A2B3C4D")] = '2';
        else if (change == 2)
            log += "Checked by hand.\n";
        else if (change == 3)
            log.erase(log.rfind("Log checksum"));
        QTEST(ImageLog::isIntact(log), "intact");
    }

    void logTellsWhatTheTestReadShows_data()
    {
        QTest::addColumn<std::optional<std::uint32_t>>("testCrc");
        QTest::addColumn<std::uint32_t>("copyCrc");
        QTest::addColumn<int>("rereads");
        QTest::addColumn<int>("start");
        QTest::addColumn<std::vector<int>>("suspicious");
        QTest::addColumn<QString>("copyField");
        QTest::addColumn<QString>("suspiciousField");
        const std::optional<std::uint32_t> none;
        const std::uint32_t a = 0xa;
        const std::uint32_t b = 0xb;
        const std::vector<int> clean;
        QTest::newRow("read once") << none << a << 0 << 0 << clean << "0000000A"
                                   << "none";
        QTest::newRow("agrees") << std::optional(a) << a << 0 << 0 << clean << "0000000A (agrees)"
                                << "none";
        QTest::newRow("re-reads back to the test read")
            << std::optional(a) << a << 3 << 0 << clean << "0000000A (agrees)"
            << "none";
        QTest::newRow("re-reads settled a wrong test read")
            << std::optional(a) << b << 2 << 0 << clean << "0000000B (corrected by re-reading)"
            << "none";
        QTest::newRow("equal sums over sectors that never agreed")
            << std::optional(a) << a << 40 << 0 << std::vector{4650, 4651}
            << "0000000A (some sectors never read alike twice)"
            << "01:02:00, 01:02:01";
        QTest::newRow("differs") << std::optional(a) << b << 0 << 0 << clean << "0000000B (differs)"
                                 << "none";
        // A file keeping the audio before track 1 starts with the disc.
        QTest::newRow("in the hidden audio before track 1")
            << std::optional(a) << b << 20 << 1500 << std::vector{-300, 10}
            << "0000000B (some sectors never read alike twice)"
            << "00:16:00 on the disc, 00:00:10";
        QTest::newRow("a sector straddling the file's start")
            << std::optional(a) << b << 20 << 0 << std::vector{-1}
            << "0000000B (some sectors never read alike twice)"
            << "00:00:00";
    }
    void logTellsWhatTheTestReadShows()
    {
        QFETCH(std::optional<std::uint32_t>, testCrc);
        QFETCH(std::uint32_t, copyCrc);
        QFETCH(QString, copyField);
        QFETCH(QString, suspiciousField);
        ImageLog report;
        ImageLog::Track& track = report.tracks.emplace_back();
        track.number = 1;
        track.testCrc = testCrc;
        track.copyCrc = copyCrc;
        QFETCH(int, rereads);
        track.rereads = rereads;
        QFETCH(int, start);
        track.start = start;
        QFETCH(std::vector<int>, suspicious);
        track.suspicious = suspicious;
        const QString log = QString::fromStdString(report.text());
        QVERIFY2(log.contains("  Copy CRC32    " + copyField + "\n"), qPrintable(log));
        QVERIFY2(log.contains("  Suspicious    " + suspiciousField + "\n"), qPrintable(log));
    }

    void namesAreSafeForFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("name");
        const QByteArray longName = QByteArray(199, 'a') + "é and more";
        QTest::newRow("slashes") << QByteArray("AC/DC / Live") << QByteArray("AC-DC - Live");
        QTest::newRow("two dots") << QByteArray("..") << QByteArray("__");
        QTest::newRow("one dot") << QByteArray(".") << QByteArray("_");
        QTest::newRow("leading and trailing dots")
            << QByteArray("...And More..") << QByteArray("___And More");
        QTest::newRow("what a USB stick refuses")
            << QByteArray("Live: 1999? <A|B> *C\\D") << QByteArray("Live- 1999_ _A_B_ _C-D");
        QTest::newRow("a space before a cut")
            << QByteArray(199, 'a') + " b" << QByteArray(199, 'a');
        QTest::newRow("NUL inside") << QByteArray("Be\0fore", 7) << QByteArray("Be fore");
        QTest::newRow("control characters")
            << QByteArray("\tTwo\nLines\x7f\r") << QByteArray("Two Lines");
        QTest::newRow("300 bytes cut before a split character")
            << longName + QByteArray(100, 'b') << QByteArray(199, 'a');
        QTest::newRow("empty") << QByteArray() << QByteArray("untitled");
        QTest::newRow("spaces only") << QByteArray("   ") << QByteArray("untitled");
        QTest::newRow("straight quotes") << QByteArray("12\" \"Mix\"") << QByteArray("12” “Mix”");
        QTest::newRow("broken UTF-8") << QByteArray("Caf\xe9") << QByteArray("Caf\xef\xbf\xbd");
    }
    void namesAreSafeForFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, name);
        QCOMPARE(QByteArray::fromStdString(
                     ImageFolder::safeName(std::string_view(text.data(), text.size()))),
                 name);
    }

    void keptFoldersTakeFreeNamesAndNeverReplace()
    {
        QTemporaryDir parent;
        QVERIFY(QFile(parent.filePath("A - B (3)")).open(QIODevice::WriteOnly));
        QStringList kept;
        for (int copy = 0; copy < 3; ++copy) {
            ImageFolder folder;
            QVERIFY(folder.create(parent.path().toStdString()));
            QVERIFY(folder.writeFile("A - B.cue", std::to_string(copy)));
            QVERIFY2(folder.keep("A - B"), folder.error().c_str());
            kept << QFileInfo(QString::fromStdString(folder.path())).fileName();
        }
        QCOMPARE(kept, QStringList({"A - B", "A - B (2)", "A - B (4)"}));
        // Readable by whoever may read any new folder there, as a media server must.
        QVERIFY(QDir(parent.path()).mkdir("made"));
        QCOMPARE(QFileInfo(parent.filePath("A - B")).permissions(),
                 QFileInfo(parent.filePath("made")).permissions());
        QVERIFY(QDir(parent.path()).rmdir("made"));
        QCOMPARE(entries(parent.path()),
                 QStringList({"A - B", "A - B (2)", "A - B (3)", "A - B (4)"}));
        QFile first(parent.filePath("A - B/A - B.cue"));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), QByteArray("0"));
    }

    void failedSavesLeaveNothing()
    {
        QTemporaryDir parent;
        {
            ImageFolder abandoned;
            QVERIFY(abandoned.create(parent.path().toStdString()));
            QVERIFY(abandoned.writeFile("x.log", "half"));
            QVERIFY(!abandoned.keep("../elsewhere"));
            ImageFolder discarded;
            QVERIFY(discarded.create(parent.path().toStdString()));
            QVERIFY(discarded.writeFile("x.cue", "half"));
            QVERIFY(discarded.discard());
            QCOMPARE(entries(parent.path()).size(), qsizetype(1));
        }
        QCOMPARE(entries(parent.path()), QStringList());
    }

    void aFullDiskIsSaidSoAndLeavesNothing()
    {
        QTemporaryDir parent;
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit limited = before;
        limited.rlim_cur = 64 * 1024;
        const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        std::string flacError, fileError;
        {
            ImageFolder folder;
            if (folder.create(parent.path().toStdString())) {
                const ImageDescription image = discWithEverything();
                const long long frames = static_cast<long long>(image.sectors) * Frames;
                FlacWriter writer;
                if (!writer.open(folder.path() + "/a.flac", image, frames) ||
                    !writer.write(noise(frames)) || !writer.finish())
                    flacError = writer.error();
                if (!folder.writeFile("a.log", std::string(100 * 1024, 'x')))
                    fileError = folder.error();
            }
        }
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signalBefore);
        QCOMPARE(flacError, std::string("the disk is full"));
        QCOMPARE(fileError, std::string("the disk is full"));
        QCOMPARE(entries(parent.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(DiscSaveTest)
#include "tst_discsave.moc"
