// Saving a disc as a verified image through the real path (disc images served as drives by
// libcdio, a stand-in AccurateRip on this machine) and verifying images: the saved image read
// back is the disc as the drive gives it, AccurateRip's answers are judged, and a saving that
// fails leaves nothing behind.
#include "accuraterip/AccurateRipClient.h"
#include "accuraterip/AccurateRipId.h"
#include "accuraterip/TrackChecksum.h"
#include "ctdb/CtdbClient.h"
#include "ctdb/CtdbCrc.h"
#include "ctdb/CtdbSyndromes.h"
#include "ctdb/CtdbToc.h"
#include "disc/DiscLayout.h"
#include "discimage/FlacCover.h"
#include "discimage/ImageDiscReader.h"
#include "discjobs/RepairImageJob.h"
#include "discjobs/SaveDiscJob.h"
#include "discjobs/VerifyImageJob.h"
#include "discsave/DiscSaver.h"
#include "discsave/FlacWriter.h"
#include "drive/CdioDiscSource.h"
#include "player/SaidWords.h"
#include "support/AccurateRipBytes.h"
#include "support/CtdbEntryFiles.h"
#include "support/DiscImage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(DiscImage::Design)

namespace {

constexpr int Frames = 588;

/// A read that hangs in the drive until it is let go.
struct Hang {
    int at = -1;
    std::atomic<bool> hanging = false;
    std::atomic<bool> letGo = false;
};

/// A drive whose disc is taken out while it reads: every read from the first that reaches
/// `ejectAt` on fails. It notes the speeds it is asked for.
class EjectingReader final : public DiscReader {
public:
    EjectingReader(std::unique_ptr<DiscReader> disc, int ejectAt, QList<int>& speeds, Hang& hang)
        : m_disc(std::move(disc)), m_ejectAt(ejectAt), m_speeds(speeds), m_hang(hang)
    {
    }
    const DiscToc& toc() const override { return m_disc->toc(); }
    bool read(int first, int count, int16_t* samples) override
    {
        if (m_hang.at >= 0 && first + count > m_hang.at)
            for (m_hang.hanging = true; !m_hang.letGo;)
                QThread::msleep(5);
        m_ejected = m_ejected || first + count > m_ejectAt;
        return !m_ejected && m_disc->read(first, count, samples);
    }
    void limitSpeed(int speed) override { m_speeds << speed; }
    void eject() override {}
    void readDetails() override { m_disc->readDetails(); }
    DriveModel driveModel() const override { return m_disc->driveModel(); }

private:
    std::unique_ptr<DiscReader> m_disc;
    int m_ejectAt;
    bool m_ejected = false;
    QList<int>& m_speeds;
    Hang& m_hang;
};

class EjectingSource final : public DiscSource {
public:
    EjectingSource(std::string image, int ejectAt) : m_images({image}), m_ejectAt(ejectAt) {}
    std::vector<std::string> drives() override { return m_images.drives(); }
    std::unique_ptr<DiscReader> open(const std::string& drive) override
    {
        return std::make_unique<EjectingReader>(m_images.open(drive), m_ejectAt, speeds, hang);
    }
    Media media(const std::string& drive) override { return m_images.media(drive); }

    QList<int> speeds;
    Hang hang;

private:
    CdioDiscSource m_images;
    int m_ejectAt;
};

DiscImage::Design threeTracks()
{
    DiscImage::Design design;
    design.title = "Songs";
    design.performer = "The Band";
    design.tracks = {{440, 2.0}, {660, 3.0}, {880, 1.5}};
    return design;
}

/// The same tracks of noise, which the database's sums tell apart at every offset.
DiscImage::Design noisyTracks()
{
    DiscImage::Design noise = threeTracks();
    for (DiscImage::Track& track : noise.tracks)
        track.frequency = -1;
    return noise;
}

/// The disc as libcdio gives it.
DiscToc tocOf(const DiscImage& disc)
{
    return CdioDiscSource({disc.cuePath}).open(disc.cuePath)->toc();
}

/// The drive's sample at `frame` of the disc corrected for `offset`: silence off the audio.
int16_t corrected(const DiscImage& disc, long long frame, int channel, int offset, int audioStart,
                  int audioEnd)
{
    const long long at = frame + offset;
    return at >= (long long)audioStart * Frames && at < (long long)audioEnd * Frames
               ? disc.samples[2 * at + channel]
               : 0;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

/// Saves the disc of `source` as its CD-Text names it, into `folder`; `during` is told of the
/// saving's progress.
DiscReport save(std::shared_ptr<DiscSource> source, const QString& folder,
                const std::function<void(SaveDiscJob&, int)>& during = {},
                const QByteArray& cover = {})
{
    SaveDiscJob saving;
    QObject::connect(&saving, &SaveDiscJob::opened, &saving, [&](const DiscToc& toc) {
        saving.save(toc, cover, QStringLiteral("lwHl8fGzJyLXQR33ug60E8jhf4k-"), folder);
    });
    QObject::connect(&saving, &SaveDiscJob::progress, &saving,
                     [&](int percent) { during ? during(saving, percent) : void(); });
    QSignalSpy finished(&saving, &SaveDiscJob::finished);
    saving.open(std::move(source));
    if (!finished.wait(30000))
        return {};
    return finished.at(0).at(0).value<DiscReport>();
}

DiscReport verify(const QString& path)
{
    VerifyImageJob verifying;
    QSignalSpy finished(&verifying, &VerifyImageJob::finished);
    verifying.start(path);
    if (!finished.wait(30000))
        return {};
    return finished.at(0).at(0).value<DiscReport>();
}

} // namespace

class SavingTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_routes;
    QProcess m_ctdb;
    QString m_ctdbRoutes;

    void route(const QString& scenario)
    {
        QFile routes(m_routes);
        QVERIFY(routes.open(QIODevice::WriteOnly));
        routes.write(QJsonDocument(QJsonObject{{"*", scenario}}).toJson());
    }
    /// The settings, with the drive's offset in them or else in the stand-in's list of drives.
    void settings(int offset, bool lookup = true, bool inList = false)
    {
        QSettings file;
        file.clear();
        file.setValue("AccurateRip/server",
                      "http://127.0.0.1:" + m_server.property("port").toString());
        file.setValue("AccurateRip/lookup", lookup);
        file.setValue("CTDB/server", "http://127.0.0.1:" + m_ctdb.property("port").toString());
        file.setValue("CTDB/lookup", false);
        if (offset != 0 && !inList)
            file.setValue("Drives/offset/libcdio CDRWIN", offset);
        QFile::remove(m_dir.filePath("cache/Halcyra/Spindella/DriveOffsets.bin"));
        QFile list(m_dir.filePath("DriveOffsets.bin"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(
            QByteArray::fromStdString(AccurateRipBytes::driveOffset(-3, "HL-DT-ST - BD") +
                                      AccurateRipBytes::driveOffset(offset, "LIBCDIO - CDRWIN")));
    }

    /// Has the stand-in database answer with an entry of `audio`, the disc's audio tracks read
    /// `shift` samples later, and serve its parity as `parity` ("range", "whole", "short").
    void serveEntry(const DiscImage& disc, const std::vector<std::int16_t>& audio, int shift,
                    const QString& lookup, const QString& parity)
    {
        QVERIFY(
            writeCtdbEntry(m_dir.path(), CtdbToc::of(DiscLayout::of(tocOf(disc))), audio, shift));
        QFile routes(m_ctdbRoutes);
        QVERIFY(routes.open(QIODevice::WriteOnly));
        routes.write(QJsonDocument(QJsonObject{{"/lookup2.php", lookup},
                                               {"/parity/7", parity + ":parity.bin"}})
                         .toJson());
        routes.close();
    }

    /// How far into the parity file the requests logged after the log's first `from` bytes
    /// reached, in bytes.
    qint64 parityFetched(qint64 from) const
    {
        QFile log(m_dir.filePath("ctdb-requests.log"));
        if (!log.open(QIODevice::ReadOnly) || !log.seek(from))
            return -1;
        qint64 end = 0;
        for (const QByteArray& line : log.readAll().split('\n')) {
            const QJsonObject request = QJsonDocument::fromJson(line).object();
            if (request["path"].toString().startsWith("/parity"))
                end = std::max(end, request["range"].toString().section('-', 1).toLongLong() + 1);
        }
        return end;
    }

private slots:
    void initTestCase()
    {
        // Never the user's settings or cache.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toLocal8Bit());
        qputenv("XDG_CACHE_HOME", m_dir.filePath("cache").toLocal8Bit());
        QCoreApplication::setOrganizationName("Halcyra");
        QCoreApplication::setApplicationName("Spindella");
        m_routes = m_dir.filePath("routes.json");
        route("absent");
        m_server.start("/usr/bin/python3",
                       {QFINDTESTDATA("mocks/accuraterip.py"), m_routes,
                        m_dir.filePath("requests.log"), m_dir.filePath("DriveOffsets.bin")});
        QVERIFY(m_server.waitForReadyRead(5000));
        m_server.setProperty("port", m_server.readLine().trimmed());
        m_ctdbRoutes = m_dir.filePath("ctdb-routes.json");
        QFile ctdbRoutes(m_ctdbRoutes);
        QVERIFY(ctdbRoutes.open(QIODevice::WriteOnly));
        ctdbRoutes.write("{}");
        ctdbRoutes.close();
        m_ctdb.start("/usr/bin/python3", {QFINDTESTDATA("mocks/ctdb.py"), m_dir.path(),
                                          m_ctdbRoutes, m_dir.filePath("ctdb-requests.log")});
        QVERIFY(m_ctdb.waitForReadyRead(5000));
        m_ctdb.setProperty("port", m_ctdb.readLine().trimmed());
    }
    void cleanupTestCase()
    {
        for (QProcess* server : {&m_server, &m_ctdb}) {
            server->kill();
            server->waitForFinished();
        }
    }

    void savedImageIsTheDiscAsTheDriveGivesIt_data()
    {
        QTest::addColumn<DiscImage::Design>("design");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("offsetFrom");
        QTest::addColumn<QString>("cueLines");
        DiscImage::Design hidden = threeTracks();
        hidden.gapSeconds = 1;
        hidden.gapFrequency = 330;
        hidden.catalog = "0724384960650";
        hidden.tracks[0].isrc = "GBAYE9900123";
        hidden.tracks[1].preEmphasis = true;
        hidden.tracks[1].gapSeconds = 0.4;
        hidden.tracks[2].isrc = "usabc1234567"; // not in capitals: no ISRC
        QTest::newRow("hidden track, gaps, codes and pre-emphasis")
            << hidden << 0 << "0 samples (AccurateRip's drive list)"
            << "CATALOG 0724384960650, ISRC GBAYE9900123, FLAGS PRE, INDEX 00 00:00:00, "
               "INDEX 01 00:01:00, INDEX 00 00:02:45, INDEX 01 00:03:00";
        DiscImage::Design silent = threeTracks();
        silent.gapSeconds = 1;
        QTest::newRow("silence before track 1, offset from the settings")
            << silent << 6 << "+6 samples (the settings)"
            << "PREGAP 00:01:00, INDEX 01 00:00:00";
        QTest::newRow("offset from AccurateRip's drive list")
            << threeTracks() << 30 << "+30 samples (AccurateRip's drive list)"
            << "TRACK 03";
        // Noise looks alike in either byte order: only the sheet may say which it is.
        DiscImage::Design noise = noisyTracks();
        QTest::newRow("noise") << noise << 0 << "0 samples (AccurateRip's drive list)"
                               << "TRACK 03";
        noise.bigEndian = true;
        QTest::newRow("noise, big-endian") << noise << 0 << "0 samples (AccurateRip's drive list)"
                                           << "TRACK 03";
        DiscImage::Design enhanced = threeTracks();
        enhanced.tracks.push_back({0, 2.0, 0, {}, {}, false, true});
        DiscImage::Design mixed = threeTracks();
        mixed.tracks.insert(mixed.tracks.begin(), DiscImage::Track(0, 2.0, 0, {}, {}, false, true));
        QTest::newRow("mixed-mode disc, offset back into its data")
            << mixed << -700 << "-700 samples (the settings)"
            << "TRACK 02 AUDIO";
        QTest::newRow("enhanced CD, offset back more than a sector")
            << enhanced << -700 << "-700 samples (the settings)"
            << "TRACK 03 AUDIO";
    }
    void savedImageIsTheDiscAsTheDriveGivesIt()
    {
        QFETCH(DiscImage::Design, design);
        QFETCH(int, offset);
        QFETCH(QString, offsetFrom);
        QFETCH(QString, cueLines);
        settings(offset, true, offsetFrom.contains("list"));
        QTemporaryDir dir;
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", design);
        QVERIFY(QDir(dir.path()).mkdir("out"));
        const DiscReport report =
            save(std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}), dir.filePath("out"));
        QVERIFY2(report.status == DiscReport::Status::Fine, report.why.english().c_str());
        QCOMPARE(QString::fromStdString(report.folder), dir.filePath("out/The Band - Songs"));
        QFile cue(dir.filePath("out/The Band - Songs/The Band - Songs.cue"));
        QVERIFY(cue.open(QIODevice::ReadOnly));
        const QString sheet = cue.readAll();
        for (const QString& line : cueLines.split(", "))
            QVERIFY2(sheet.contains(line), qPrintable(sheet));
        QVERIFY(!sheet.contains("MODE1") && !sheet.contains("usabc"));
        QFile log(dir.filePath("out/The Band - Songs/The Band - Songs.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray logText = log.readAll();
        QVERIFY(logText.contains("Read offset     " + offsetFrom.toUtf8() + "\n"));
        QVERIFY(logText.contains(design.bigEndian
                                     ? "Byte order      big-endian, as the image's sheet says"
                                     : "Byte order      little-endian, as the image holds it"));

        const DiscToc drive = tocOf(disc);
        std::string error;
        const auto saved = ImageDiscReader::open(cue.fileName().toStdString(), error);
        QVERIFY2(saved, error.c_str());
        // The image keeps the disc's whole table: it is the same disc to AccurateRip and every
        // database, its data tracks left out or not.
        QVERIFY(
            sheet.contains("REM CDTOC " + QString::fromStdString(DiscLayout::of(drive).cdToc())));
        QCOMPARE(AccurateRipId::of(saved->toc())->fileName(), AccurateRipId::of(drive)->fileName());
        const std::vector<TrackInfo> expected = drive.audioTracks();
        const std::vector<TrackInfo> got = saved->toc().audioTracks();
        QCOMPARE(got.size(), expected.size());
        // A mixed-mode disc's image starts where its audio does.
        const int shift = expected.front().firstSector - got.front().firstSector;
        const int audioStart = design.tracks[0].data ? expected.front().firstSector : 0;
        for (std::size_t n = 0; n < got.size(); ++n) {
            QCOMPARE(got[n].firstSector + shift, expected[n].firstSector);
            QCOMPARE(got[n].sectorCount, expected[n].sectorCount);
            QCOMPARE(got[n].preEmphasis, expected[n].preEmphasis);
        }
        const int audioEnd = expected.back().endSector();
        QCOMPARE(saved->toc().leadOut + shift, audioEnd);

        // Without its sheet, the FLAC's own cue sheet and CDTOC make the same image.
        QVERIFY(QFile::rename(cue.fileName(), cue.fileName() + ".away"));
        const auto alone = ImageDiscReader::open(
            dir.filePath("out/The Band - Songs/The Band - Songs.flac").toStdString(), error);
        QVERIFY2(alone, error.c_str());
        QCOMPARE(AccurateRipId::of(alone->toc())->fileName(), AccurateRipId::of(drive)->fileName());
        QCOMPARE(DiscLayout::of(alone->toc()).cdToc(), DiscLayout::of(drive).cdToc());
        QCOMPARE(alone->toc().leadOut, saved->toc().leadOut);
        for (std::size_t n = 0; n < got.size(); ++n) {
            const TrackInfo track = alone->toc().audioTracks().at(n);
            QCOMPARE(track.firstSector, got[n].firstSector);
            QCOMPARE(track.gapSectors, got[n].gapSectors);
            QCOMPARE(track.preEmphasis, got[n].preEmphasis);
        }
        QCOMPARE(alone->toc().title, "Songs");
        QCOMPARE(alone->toc().performer, "The Band");
        std::vector<int16_t> fromAlone(2 * Frames);
        // The file holds the hidden track, or starts at track 1 after silence.
        const int fileStart = design.gapFrequency > 0 ? 0 : expected.front().firstSector;
        std::vector<int16_t> samples(2 * Frames);
        for (int sector = shift; sector < audioEnd; ++sector) {
            QVERIFY(saved->read(sector - shift, 1, samples.data()));
            QVERIFY(alone->read(sector - shift, 1, fromAlone.data()));
            QVERIFY(samples == fromAlone);
            for (int i = 0; i < 2 * Frames; ++i) {
                const int16_t want = sector < fileStart
                                         ? 0
                                         : corrected(disc, (long long)sector * Frames + i / 2,
                                                     i % 2, offset, audioStart, audioEnd);
                if (samples[i] != want)
                    QFAIL(qPrintable(QString("sector %1, sample %2: %3, not %4")
                                         .arg(sector)
                                         .arg(i)
                                         .arg(samples[i])
                                         .arg(want)));
            }
        }
    }

    void accurateRipAnswersAreJudged_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("lookup");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("status");
        QTest::newRow("every track matches, one by its v2 sum")
            << "file:match.bin" << true << "accurate 7, accurate 7, accurate 7" << 0;
        QTest::newRow("one track differs")
            << "file:differs.bin" << true << "accurate 7, differs, accurate 7" << 2;
        QTest::newRow("the disc is not in the database")
            << "absent" << true << "not in database, not in database, not in database" << 0;
        QTest::newRow("a web page instead of records")
            << "html" << true << "not checked, not checked, not checked" << 0;
        QTest::newRow("records cut short")
            << "truncated:match.bin" << true << "not checked, not checked, not checked" << 0;
        QTest::newRow("lookups turned off")
            << "file:match.bin" << false << "not checked, not checked, not checked" << 0;
    }
    void accurateRipAnswersAreJudged()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, lookup);
        QFETCH(QString, answers);
        QFETCH(int, status);
        settings(0, lookup);
        QTemporaryDir dir;
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", threeTracks());
        // The database's records, from sums worked out on the image's own samples.
        const DiscToc toc = tocOf(disc);
        const AccurateRipId id = *AccurateRipId::of(toc);
        AccurateRipAnswer::Record match{id.id1, id.id2, id.cddb, {}};
        for (std::size_t n = 0; n < toc.tracks.size(); ++n) {
            const TrackInfo& track = toc.tracks[n];
            TrackChecksum sum(std::size_t(track.sectorCount) * Frames, n == 0,
                              n + 1 == toc.tracks.size());
            sum.add(disc.samples.data() + 2LL * track.firstSector * Frames,
                    std::size_t(track.sectorCount) * Frames);
            match.tracks.push_back({7, n == 1 ? sum.v2() : sum.v1(), sum.frame450()});
        }
        AccurateRipAnswer::Record differs = match;
        differs.tracks[1].sum ^= 1;
        for (const auto& [name, record] :
             {std::pair("match.bin", match), {"differs.bin", differs}}) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(AccurateRipBytes::record(record)));
        }
        route(scenario);

        const DiscReport saved =
            save(std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}), dir.path());
        QCOMPARE(int(saved.status), status);
        const auto said = [](const DiscReport& report) {
            QStringList words;
            for (const TrackResult& track : report.tracks)
                words << QStringList{"not checked", "not in database", "differs",
                                     "accurate " + QString::number(track.confidence)}
                             .at(int(track.accurateRip));
            return words.join(", ");
        };
        QCOMPARE(said(saved), answers);
        // The image made by hand, verified, agrees with the saving's answers and sums.
        const DiscReport verified = verify(QString::fromStdString(disc.cuePath));
        QCOMPARE(said(verified), answers);
        QCOMPARE(int(verified.status), answers.startsWith("not checked") ? 1 : status);
        QCOMPARE(verified.tracks.size(), saved.tracks.size());
        for (std::size_t n = 0; n < saved.tracks.size(); ++n) {
            QCOMPARE(verified.tracks[n].copyCrc, saved.tracks[n].copyCrc);
            QCOMPARE(*saved.tracks[n].testCrc, saved.tracks[n].copyCrc);
            QCOMPARE(verified.tracks[n].frame450, saved.tracks[n].frame450);
        }
    }

    void ctdbAnswersAreJudged_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("spoiledRows");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("status");
        // Saving asks as verifying does: saved too only where the saving does more.
        QTest::addColumn<bool>("saved");
        QTest::newRow("the entry's own audio")
            << "entry" << 0 << 0 << "range"
            << "accurate (confidence 3) | accurate (confidence 3), "
               "accurate (confidence 3), accurate (confidence 3)"
            << 0 << true;
        QTest::newRow("an entry read 48 samples later")
            << "entry" << 48 << 0 << "range"
            << "accurate (confidence 3) at offset +48 | accurate "
               "(confidence 3), accurate (confidence 3), accurate (confidence 3)"
            << 0 << true;
        QTest::newRow("an entry read 1164 samples earlier")
            << "entry" << -1164 << 0 << "range"
            << "accurate (confidence 3) at offset -1164 | "
               "accurate (confidence 3), accurate (confidence 3), accurate (confidence 3)"
            << 0 << false;
        QTest::newRow("two rows differ")
            << "entry" << 0 << 2 << "range"
            << "differs, repairable (23520 words in 20 sectors) | "
               "accurate (confidence 3), differs, accurate (confidence 3)"
            << 2 << true;
        QTest::newRow("two rows differ at an offset, the parity whole for a range")
            << "entry" << 667 << 2 << "whole"
            << "differs, repairable (23520 words in 21 sectors) "
               "at offset +667 | accurate (confidence 3), differs, accurate (confidence 3)"
            << 2 << true;
        QTest::newRow("nine rows differ") << "entry" << 0 << 9 << "range"
                                          << "differs, not repairable | accurate (confidence 3), "
                                             "differs, accurate (confidence 3)"
                                          << 2 << false;
        QTest::newRow("a parity file cut short")
            << "entry" << 0 << 2 << "short"
            << "differs, not repairable (the parity could not be "
               "used) | accurate (confidence 3), differs, accurate (confidence 3)"
            << 2 << false;
        QTest::newRow("the disc is not in the database")
            << "absent" << 0 << 0 << "range"
            << "not in database | not in database, not in database, not in database" << 0 << true;
        QTest::newRow("an answer that is not the database's")
            << "garbage" << 0 << 0 << "range"
            << "not in database | not in database, not in database, not in database" << 0 << false;
        QTest::newRow("lookups turned off")
            << "off" << 0 << 0 << "range"
            << "not checked | not checked, not checked, not checked" << 0 << false;
    }
    void ctdbAnswersAreJudged()
    {
        QFETCH(QString, lookup);
        QFETCH(int, shift);
        QFETCH(int, spoiledRows);
        QFETCH(QString, parity);
        QFETCH(QString, said);
        QFETCH(int, status);
        QFETCH(bool, saved);
        settings(0);
        QSettings().setValue("CTDB/lookup", lookup != "off");
        route("absent");
        QTemporaryDir dir;
        const DiscImage::Design noise = noisyTracks();
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", noise);
        // The entry: the image's audio as a drive read it `shift` samples later, some rows of
        // it other than the image's.
        std::vector<std::int16_t> audio = disc.samples;
        for (std::size_t at = 0; at < std::size_t(spoiledRows) * CtdbLayout::Stride; ++at)
            audio[200 * CtdbLayout::WordsPerSector + std::size_t(2 * shift) + at] ^= 0x0101;
        serveEntry(disc, audio, shift, lookup == "entry" ? "xml:entry.xml" : lookup, parity);

        const auto words = [](const DiscReport& report) {
            QStringList tracks;
            for (const CtdbVerdict::Track& track : report.ctdb.tracks)
                tracks << QString::fromStdString(CtdbVerdict::english(track));
            return QString::fromStdString(report.ctdb.english()) + " | " + tracks.join(", ");
        };
        const DiscReport verified = verify(QString::fromStdString(disc.cuePath));
        QCOMPARE(words(verified), said);
        QCOMPARE(int(verified.status), status);
        QCOMPARE(verified.ctdbWhy.empty(), lookup != "garbage");
        if (!saved)
            return;
        // A saving mends what the database can, before the folder takes its name, and is then
        // judged as the mended image; the image it was read from is the entry's then.
        const DiscReport savedReport =
            save(std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}), dir.path());
        const QRegularExpression repairable(
            R"(^differs, repairable \((\d+) words in \d+ sectors\))");
        const QRegularExpressionMatch mended = repairable.match(said);
        const QString savedSaid = mended.hasMatch()
                                      ? QString(said)
                                            .replace(mended.captured(0), "accurate (confidence 3)")
                                            .replace("differs", "accurate (confidence 3)")
                                      : said;
        QCOMPARE(words(savedReport), savedSaid);
        QCOMPARE(int(savedReport.status), mended.hasMatch() ? 0 : status);
        QCOMPARE(savedReport.repairedWords, mended.hasMatch() ? mended.captured(1).toInt() : 0);
        QFile log(
            QDir(QString::fromStdString(savedReport.folder)).filePath("The Band - Songs.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY(text.contains(("\nCTDB: " + savedSaid.section(" | ", 0, 0) + "\n").toUtf8()));
        QCOMPARE(text.contains("\nRepaired from CTDB: track 2 at 00:00:5"), mended.hasMatch());
        if (mended.hasMatch()) {
            Reason fault;
            const auto image =
                ImageDiscReader::open(QDir(QString::fromStdString(savedReport.folder))
                                          .filePath("The Band - Songs.cue")
                                          .toStdString(),
                                      fault);
            QVERIFY(image);
            std::vector<std::int16_t> samples(disc.samples.size());
            QVERIFY(image->read(0, disc.sectors, samples.data()));
            // The entry's audio, where the image's was read `shift` samples early.
            QVERIFY(std::equal(samples.begin() + 2 * shift + 200 * 1176,
                               samples.begin() + 2 * shift + 230 * 1176,
                               audio.begin() + 2 * shift + 200 * 1176));
        }
    }

    void repairsWriteAMendedCopy_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("damagedRows");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("status");
        // The image is taken away once verified, before the repair reads it.
        QTest::addColumn<bool>("goes");
        QTest::newRow("a burst mended") << "xml:entry.xml" << 0 << 2 << "range"
                                        << "repaired 23519 words in 20 sectors" << 0 << false;
        QTest::newRow("a burst mended, the entry read 667 samples later")
            << "xml:entry.xml" << 667 << 3 << "range"
            << "repaired 35279 words in 30 sectors" << 0 << false;
        // Six wrong words in a column want all 16 planes of the file, fetched after 4 and 8.
        QTest::newRow("a burst mended from the whole parity")
            << "xml:entry.xml" << 0 << 6 << "range"
            << "repaired 70559 words in 60 sectors" << 0 << false;
        QTest::newRow("already accurate") << "xml:entry.xml" << 0 << 0 << "range"
                                          << "accurate" << 0 << false;
        // Column 0 holds 8 wrong words, so the entry is found; the others hold 9, one more than
        // the whole file mends.
        QTest::newRow("beyond repair") << "xml:entry.xml" << 0 << 9 << "range"
                                       << "the image differs from the CUETools database's beyond "
                                          "what its parity mends"
                                       << 2 << false;
        QTest::newRow("a parity file cut short")
            << "xml:entry.xml" << 0 << 2 << "short"
            << "the CUETools database's parity could not be used" << 2 << false;
        QTest::newRow("not in the database")
            << "absent" << 0 << 2 << "range"
            << "the disc is not in the CUETools database" << 2 << false;
        QTest::newRow("no answer") << "error" << 0 << 2 << "range"
                                   << "the CUETools database could not be asked" << 1 << false;
        QTest::newRow("the image gone before its repair") << "xml:entry.xml" << 0 << 2 << "range"
                                                          << "cannot be repaired" << 1 << true;
    }
    void repairsWriteAMendedCopy()
    {
        QFETCH(QString, lookup);
        QFETCH(int, shift);
        QFETCH(int, damagedRows);
        QFETCH(QString, parity);
        QFETCH(QString, outcome);
        QFETCH(int, status);
        QFETCH(bool, goes);
        settings(0);
        QSettings().setValue("CTDB/lookup", true);
        route("absent");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Band - Songs"));
        const DiscImage::Design noise = noisyTracks();
        const DiscImage disc =
            DiscImage::write(dir.filePath("Band - Songs").toStdString(), "Songs", noise);
        // The entry is the disc as a drive read it `shift` samples later; the image is damaged in
        // a burst of rows less their first word, which puts one wrong word fewer in column 0.
        serveEntry(disc, disc.samples, shift, lookup, parity);
        QFile bin(QString::fromStdString(disc.cuePath).replace(".cue", ".bin"));
        QVERIFY(bin.open(QIODevice::ReadWrite));
        QByteArray bytes = bin.readAll();
        for (qsizetype at = 2; at < qsizetype(damagedRows) * 11760 * 2; ++at)
            bytes[150 * 2352 + at] = char(bytes[150 * 2352 + at] ^ 0x5a);
        QVERIFY(bin.seek(0) && bin.write(bytes) == bytes.size());
        bin.close();

        const qint64 logged = QFileInfo(m_dir.filePath("ctdb-requests.log")).size();
        RepairImageJob repairing;
        QSignalSpy finished(&repairing, &RepairImageJob::finished);
        if (goes)
            connect(&repairing, &RepairImageJob::progress, &repairing, [&bin](int percent) {
                if (percent >= 40)
                    bin.remove();
            });
        const QString output = dir.filePath("out");
        QVERIFY(QDir().mkdir(output));
        repairing.start(QString::fromStdString(disc.cuePath), output);
        QVERIFY(finished.wait(60000));
        const RepairReport report = finished.at(0).at(0).value<RepairReport>();
        QCOMPARE(int(report.status()), status);
        QString said = SaidWords::said(report.why);
        if (report.outcome == RepairReport::Outcome::Repaired)
            said = QString("repaired %1 words in %2 sectors")
                       .arg(report.found.ctdb.repairWords)
                       .arg(report.found.ctdb.repairSectors);
        else if (report.outcome == RepairReport::Outcome::AlreadyAccurate)
            said = "accurate";
        if (goes)
            said = said.mid(qsizetype(disc.cuePath.size()) + 1).section(": ", 0, 0);
        QCOMPARE(said, outcome);
        // The image given is never changed; nothing is written but a repaired image.
        QFile kept(bin.fileName());
        QVERIFY(goes || (kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes));
        if (report.outcome != RepairReport::Outcome::Repaired) {
            QCOMPARE(entries(output), QStringList());
            return;
        }
        // The parity is fetched no further than the mends need: 4 planes mend 2 wrong words a
        // column, 8 mend 4, all 16 mend 8.
        const qint64 planes = damagedRows <= 2 ? 4 : damagedRows <= 4 ? 8 : 16;
        QCOMPARE(parityFetched(logged), planes * CtdbClient::PlaneBytes);
        QCOMPARE(entries(output), QStringList{"Band - Songs (repaired)"});
        const QString folder = output + "/Band - Songs (repaired)";
        QCOMPARE(QString::fromStdString(report.repaired.folder), folder);
        QCOMPARE(entries(folder), (QStringList{"Songs.cue", "Songs.flac", "Songs.log"}));
        QCOMPARE(QString::fromStdString(report.repaired.ctdb.english()),
                 shift == 0 ? "accurate (confidence 3)"
                            : "accurate (confidence 3) at offset +" + QString::number(shift));
        // Played back, the repaired image is the disc's audio sample for sample.
        Reason fault;
        const auto repaired = ImageDiscReader::open((folder + "/Songs.cue").toStdString(), fault);
        QVERIFY(repaired);
        std::vector<std::int16_t> samples(disc.samples.size());
        QVERIFY(repaired->read(0, disc.sectors, samples.data()));
        QVERIFY(samples == disc.samples);
        QFile log(folder + "/Songs.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(ImageLog::isIntact(text.toStdString()));
        QVERIFY2(
            text.contains(QRegularExpression("\\nRepaired from CTDB: track 2 at 00:00:00, "
                                             "(20|30|60) sectors, (23519|35279|70559) words\\n")),
            qPrintable(text));
        QVERIFY(text.contains("\nCTDB: accurate (confidence 3)"));
        QVERIFY(text.contains(QString("with the parity of the CUETools database's entry 7 "
                                      "(confidence 3) at offset %1\n")
                                  .arg(shift > 0 ? "+" + QString::number(shift) : "0")));
    }

    void anUnknownDrivesOffsetIsFoundFromTheDisc_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("by");
        QTest::newRow("+667 by AccurateRip") << 667 << "AccurateRip";
        QTest::newRow("-1164 by AccurateRip") << -1164 << "AccurateRip";
        QTest::newRow("+667 by CTDB") << 667 << "CTDB";
        QTest::newRow("by neither") << 30 << "";
    }
    void anUnknownDrivesOffsetIsFoundFromTheDisc()
    {
        QFETCH(int, offset);
        QFETCH(QString, by);
        settings(0);
        QSettings().setValue("CTDB/lookup", by == "CTDB");
        QFile list(m_dir.filePath("DriveOffsets.bin"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray::fromStdString(AccurateRipBytes::driveOffset(-3, "HL-DT-ST - BD")));
        list.close();
        QTemporaryDir dir;
        DiscImage::Design design = threeTracks();
        design.tracks = {{-1, 7.0}, {-1, 7.0}};
        // What the drive gives: the disc's audio `offset` samples late.
        const DiscImage drive = DiscImage::write(dir.path().toStdString(), "disc", design);
        std::vector<std::int16_t> disc(drive.samples.size());
        for (std::size_t n = 0; n + 2 * std::size_t(std::max(offset, 0)) < disc.size(); ++n) {
            const long long from = (long long)n + 2LL * offset;
            if (from >= 0 && from < (long long)disc.size())
                disc[n] = drive.samples[std::size_t(from)];
        }
        const DiscToc toc = tocOf(drive);
        const AccurateRipId id = *AccurateRipId::of(toc);
        AccurateRipAnswer::Record record{id.id1, id.id2, id.cddb, {}};
        for (std::size_t n = 0; n < toc.tracks.size(); ++n) {
            const TrackInfo& track = toc.tracks[n];
            TrackChecksum sum(std::size_t(track.sectorCount) * Frames, n == 0,
                              n + 1 == toc.tracks.size());
            sum.add(disc.data() + 2LL * track.firstSector * Frames,
                    std::size_t(track.sectorCount) * Frames);
            record.tracks.push_back({1, sum.v1(), sum.frame450()});
        }
        QFile records(m_dir.filePath("offset.bin"));
        QVERIFY(records.open(QIODevice::WriteOnly));
        records.write(QByteArray::fromStdString(AccurateRipBytes::record(record)));
        records.close();
        route(by == "AccurateRip" ? "file:offset.bin" : "absent");
        serveEntry(drive, disc, 0, "xml:entry.xml", "range");

        const DiscReport saved =
            save(std::make_shared<CdioDiscSource>(std::vector{drive.cuePath}), dir.path());
        QCOMPARE(int(saved.status), 0);
        QFile log(QDir(QString::fromStdString(saved.folder)).filePath("The Band - Songs.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        const QVariant kept = QSettings().value("Drives/offset/libcdio CDRWIN");
        if (by.isEmpty()) {
            QVERIFY(text.contains("\nNo read offset could be found from this disc: 0 was used\n"));
            QVERIFY(!kept.isValid());
            return;
        }
        const QString found = QString("Read offset %1%2 found from this disc (%3)")
                                  .arg(offset > 0 ? "+" : "")
                                  .arg(offset)
                                  .arg(by);
        QVERIFY2(text.contains(found), qPrintable(text));
        QCOMPARE(kept.toInt(), offset);
        // Read where the disc's audio lies, the image is the disc's.
        if (by == "AccurateRip")
            QCOMPARE(saved.tracks[1].accurateRip, ImageLog::AccurateRip::Accurate);
        QCOMPARE(saved.ctdb.result,
                 by == "CTDB" ? CtdbVerdict::Result::Accurate : CtdbVerdict::Result::NotChecked);
        QCOMPARE(saved.ctdb.offset, 0);
        QCOMPARE(entries(dir.path()).filter("Songs").size(), 1);
    }

    void driveListsAreFetchedAgainAsTheyAge_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("hoursOld");
        QTest::addColumn<bool>("serverUp");
        QTest::addColumn<int>("offset");
        // The stand-in's list gives the drive +48; the kept list gives it `kept`, 0 for a list
        // without it.
        QTest::newRow("without the drive, two days old") << 0 << 48 << true << 48;
        QTest::newRow("without the drive, an hour old") << 0 << 1 << true << 0;
        QTest::newRow("with the drive, 31 days old") << 7 << 31 * 24 << true << 48;
        QTest::newRow("with the drive, ten days old") << 7 << 240 << true << 7;
        QTest::newRow("31 days old, the server gone") << 7 << 31 * 24 << false << 7;
    }
    void driveListsAreFetchedAgainAsTheyAge()
    {
        QFETCH(int, kept);
        QFETCH(int, hoursOld);
        QFETCH(bool, serverUp);
        QFETCH(int, offset);
        settings(48, true, true);
        if (!serverUp)
            QSettings().setValue("AccurateRip/server", "http://127.0.0.1:1");
        const QString folder = m_dir.filePath("cache/Halcyra/Spindella");
        QVERIFY(QDir().mkpath(folder));
        QFile list(folder + "/DriveOffsets.bin");
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray::fromStdString(
            AccurateRipBytes::driveOffset(-3, "HL-DT-ST - BD") +
            (kept != 0 ? AccurateRipBytes::driveOffset(kept, "LIBCDIO - CDRWIN") : "")));
        list.close();
        QVERIFY(list.open(QIODevice::ReadWrite));
        QVERIFY(list.setFileTime(QDateTime::currentDateTime().addSecs(-3600LL * hoursOld),
                                 QFileDevice::FileModificationTime));
        list.close();

        AccurateRipClient client(folder);
        int got = -1;
        bool done = false;
        client.findOffset({"libcdio", "CDRWIN"}, [&](const AccurateRipClient::Offset& answer) {
            got = answer.samples;
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 15000);
        QCOMPARE(got, offset);
    }

    void coversThatCannotBeKeptAreLeftOutAndSaid_data()
    {
        QTest::addColumn<QByteArray>("cover");
        QTest::addColumn<QString>("note");
        QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x02\0\0\0", 29);
        QTest::newRow("larger than a FLAC file holds")
            << png + QByteArray(16 << 20, '\0') << "it is larger than a FLAC file holds";
        QTest::newRow("no picture")
            << QByteArray("GIF89a") << "it is neither a PNG nor a JPEG picture";
    }
    void coversThatCannotBeKeptAreLeftOutAndSaid()
    {
        QFETCH(QByteArray, cover);
        QFETCH(QString, note);
        settings(0);
        route("absent");
        QTemporaryDir dir;
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", threeTracks());
        const DiscReport report = save(std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}),
                                       dir.path(), {}, cover);
        QVERIFY2(report.status == DiscReport::Status::Fine, report.why.english().c_str());
        QFile log(QString::fromStdString(report.folder) + "/The Band - Songs.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = log.readAll();
        QVERIFY2(text.contains("Note            The cover was left out: " + note),
                 qPrintable(text));
    }

    void aRepairedImageKeepsItsNamesAndCover()
    {
        // A saved image, damaged on the disk since, is repaired with its names and cover.
        settings(0);
        route("absent");
        QTemporaryDir dir;
        const DiscImage::Design noise = noisyTracks();
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", noise);
        const QByteArray cover = QByteArray::fromHex(
            "89504e470d0a1a0a0000000d4948445200000001000000010806000000"
            "1f15c4890000000a49444154789c63000100000500010d0a2db40000000049454e44ae426082");
        const DiscReport saved = save(std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}),
                                      dir.path(), {}, cover);
        QCOMPARE(int(saved.status), 0);
        serveEntry(disc, disc.samples, 0, "xml:entry.xml", "range");
        QSettings().setValue("CTDB/lookup", true);
        const QString flac = QString::fromStdString(saved.folder) + "/The Band - Songs.flac";
        // One wrong sample, written into the FLAC as a damaged copy would hold it.
        {
            Reason fault;
            auto image = ImageDiscReader::open(
                (QString::fromStdString(saved.folder) + "/The Band - Songs.cue").toStdString(),
                fault);
            QVERIFY(image);
            std::vector<std::int16_t> samples(disc.samples.size());
            QVERIFY(image->read(0, disc.sectors, samples.data()));
            samples[300 * 1176 + 11] ^= 0x100;
            QCOMPARE(samples.size(), disc.samples.size());
            ImageDescription described =
                DiscSaver::describe(tocOf(disc), DiscSaver::Request{}, false);
            described.title = "Songs";
            described.performer = "The Band";
            described.cover.assign(cover.begin(), cover.end());
            QVERIFY(QFile::remove(flac));
            FlacWriter writer;
            QVERIFY2(writer.open(flac.toStdString(), described, (long long)disc.sectors * Frames),
                     writer.error().c_str());
            QVERIFY(writer.write(samples) && writer.finish());
        }
        RepairImageJob repairing;
        QSignalSpy finished(&repairing, &RepairImageJob::finished);
        repairing.start(flac, dir.filePath("out"));
        QVERIFY(QDir().mkdir(dir.filePath("out")));
        QVERIFY(finished.wait(60000));
        const RepairReport report = finished.at(0).at(0).value<RepairReport>();
        QCOMPARE(int(report.outcome), int(RepairReport::Outcome::Repaired));
        QCOMPARE(report.found.ctdb.repairWords, 1);
        const QString repaired =
            dir.filePath("out/The Band - Songs (repaired)/The Band - Songs.flac");
        const std::vector<std::uint8_t> kept = FlacCover::front(repaired.toStdString());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(kept.data()), qsizetype(kept.size())),
                 cover);
        Reason fault;
        const auto image = ImageDiscReader::open(repaired.toStdString(), fault);
        QVERIFY2(image, fault.english().c_str());
        QCOMPARE(image->toc().title, std::string("Songs"));
        QCOMPARE(image->toc().performer, std::string("The Band"));
    }

    void failedSavingsLeaveNothingBehind_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("why");
        QTest::newRow("cancelled halfway") << "cancel"
                                           << "saving was cancelled";
        QTest::newRow("disc taken out while reading")
            << "eject"
            << "the disc was taken out, or the drive stopped reading it";
        QTest::newRow("the disk fills up") << "full"
                                           << "the disk is full";
        QTest::newRow("a file where the folder should be")
            << "file"
            << "cannot make a folder in %1/out: not a directory";
    }
    void failedSavingsLeaveNothingBehind()
    {
        QFETCH(QString, failure);
        QFETCH(QString, why);
        settings(0);
        route("absent");
        QTemporaryDir dir;
        DiscImage::Design design = threeTracks();
        design.tracks[1].seconds = 60; // several of the reader's chunks
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", design);
        const QString out = dir.filePath("out");
        if (failure == "file")
            QVERIFY(QFile(out).open(QIODevice::WriteOnly));
        else
            QVERIFY(QDir().mkdir(out));
        auto source = std::make_shared<EjectingSource>(
            disc.cuePath, failure == "eject" ? disc.sectors / 2 : disc.sectors + 1);

        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        if (failure == "full") {
            rlimit limited = before;
            limited.rlim_cur = 256 * 1024;
            setrlimit(RLIMIT_FSIZE, &limited);
        }
        const DiscReport report = save(source, out, [&](SaveDiscJob& saving, int percent) {
            if (failure == "cancel" && percent < 100)
                saving.cancel();
        });
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signalBefore);

        QCOMPARE(int(report.status), int(DiscReport::Status::NothingDone));
        QCOMPARE(QString::fromStdString(report.why.english()), why.replace("%1", dir.path()));
        QCOMPARE(entries(out), QStringList());
        if (failure == "eject")
            QCOMPARE(source->speeds, QList<int>({0, 4}));
    }

    void abandoningRemovesTheWorkingFolderWhileAReadHangs()
    {
        settings(0);
        route("absent");
        QTemporaryDir dir;
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "disc", threeTracks());
        auto source = std::make_shared<EjectingSource>(disc.cuePath, disc.sectors + 1);
        source->hang.at = disc.sectors / 2;
        const QString out = dir.filePath("out");
        QVERIFY(QDir().mkdir(out));
        SaveDiscJob saving;
        QObject::connect(&saving, &SaveDiscJob::opened, &saving,
                         [&](const DiscToc& toc) { saving.save(toc, {}, {}, out); });
        QSignalSpy finished(&saving, &SaveDiscJob::finished);
        saving.open(source);
        QTRY_VERIFY(source->hang.hanging);
        saving.cancel();
        QCOMPARE(entries(out).size(), 1);
        QVERIFY(entries(out).at(0).startsWith(".spindella-"));

        QVERIFY(saving.abandon().empty());
        QCOMPARE(entries(out), QStringList());
        source->hang.letGo = true;
        QVERIFY(finished.wait(30000));
        QCOMPARE(entries(out), QStringList());
    }
};

QTEST_GUILESS_MAIN(SavingTest)
#include "tst_saving.moc"
