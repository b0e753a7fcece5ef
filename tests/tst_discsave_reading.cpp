// Secure reading for saving a disc: the read offset corrected at the disc's edges and across
// chunks, re-reads until two reads in a row agree, a drive's cache that survives seeks read past
// between reads of a sector, a scratch that costs its own reads only, a drive that stops
// answering, cancellation, and the CRC the caller checks with.
#include "disc/DiscReader.h"
#include "discsave/Crc32.h"
#include "discsave/SecureReader.h"

#include <QtTest>

#include <atomic>
#include <deque>
#include <map>

namespace {

constexpr int Frames = SecureReader::FramesPerSector;
constexpr int Samples = 2 * Frames;
/// The cache the reader reads past, small to keep the discs small.
constexpr int Cache = 300;
/// 12 reads: a chunk holds more sectors than the cache.
constexpr int Chunk = 324;
/// Three chunks, the last a short one.
constexpr int AudioEnd = 2 * Chunk + 100;

/// What the drive delivers at `frame` of its own numbering: no two neighbours alike.
int16_t driveSample(long long frame, int channel)
{
    return int16_t(std::uint32_t(std::uint64_t(frame * 2 + channel) * 2654435761u) >> 16);
}

/// A drive over a made-up disc, with faults scripted per sector; it logs every read. With a
/// cache, it keeps the sectors it read last, seeks or not, and answers from them.
class FakeDrive final : public DiscReader {
public:
    /// What the successive reads of a sector give: 0 its data, -1 a failure (which fails the
    /// whole read), n > 0 its data spoilt by n. After the last, the sector reads well, or the
    /// script starts again.
    struct Script {
        QList<int> reads;
        bool repeats = false;
    };
    struct Read {
        int first = 0;
        int count = 0;
    };

    explicit FakeDrive(int leadOut = AudioEnd) { m_toc.leadOut = leadOut; }

    const DiscToc& toc() const override { return m_toc; }
    void limitSpeed(int) override {}
    void eject() override {}
    bool read(int first, int count, int16_t* samples) override
    {
        log.push_back({first, count});
        if (cancel && log.size() == cancelAtRead)
            cancel->store(true);
        if (ejectedAtRead < 0 && first <= ejectAt && ejectAt < first + count)
            ejectedAtRead = int(log.size()) - 1;
        if (ejectedAtRead >= 0 || first < 0 || count <= 0 || first + count > m_toc.leadOut)
            return false;
        bool read = true;
        for (int sector = first; sector < first + count; ++sector) {
            const int outcome = fromCacheOrDisc(sector);
            read = read && outcome >= 0;
            // A failed read leaves rubbish behind, as a drive may.
            for (int i = 0; i < Samples; ++i)
                *samples++ = int16_t(driveSample(sector * Frames + i / 2, i % 2) ^ outcome);
        }
        return read;
    }

    std::map<int, Script> scripts;
    /// Sectors the drive keeps; none when 0.
    int cacheSectors = 0;
    int unreadableFrom = 0;
    int unreadableTo = 0;
    /// The read that covers this sector, and every read after it, fails.
    int ejectAt = -1;
    int ejectedAtRead = -1;
    std::atomic<bool>* cancel = nullptr;
    std::size_t cancelAtRead = 0;
    std::vector<Read> log;

private:
    int fromDisc(int sector)
    {
        if (sector >= unreadableFrom && sector < unreadableTo)
            return -1;
        if (const auto script = scripts.find(sector); script != scripts.end()) {
            const QList<int>& reads = script->second.reads;
            const qsizetype n = m_readsOf[sector]++;
            if (n < reads.size() || script->second.repeats)
                return reads[n % reads.size()];
        }
        return 0;
    }
    int fromCacheOrDisc(int sector)
    {
        const auto cached =
            std::find_if(m_cache.begin(), m_cache.end(),
                         [sector](const auto& kept) { return kept.first == sector; });
        const int outcome = cached != m_cache.end() ? cached->second : fromDisc(sector);
        if (cached != m_cache.end())
            m_cache.erase(cached);
        if (cacheSectors > 0 && outcome >= 0) {
            m_cache.emplace_back(sector, outcome);
            if (int(m_cache.size()) > cacheSectors)
                m_cache.pop_front();
        }
        return outcome;
    }

    DiscToc m_toc;
    std::map<int, qsizetype> m_readsOf;
    /// Sector and what it read as, the latest last.
    std::deque<std::pair<int, int>> m_cache;
};

struct Collected final : SecureReadSink {
    std::vector<int16_t> copy;
    std::vector<int16_t> test;
    std::vector<Reread> rereads;
    int sectorsDone = 0;

    void copied(const int16_t* samples, std::size_t frames) override
    {
        copy.insert(copy.end(), samples, samples + 2 * frames);
    }
    void tested(const int16_t* samples, std::size_t frames) override
    {
        test.insert(test.end(), samples, samples + 2 * frames);
    }
    void reread(const Reread& sector) override { rereads.push_back(sector); }
    void progress(int done, int) override { sectorsDone = done; }
};

struct Reading {
    FakeDrive drive;
    Collected sink;
    std::atomic<bool> cancel = false;
    SecureReader::Result result;

    explicit Reading(int leadOut = AudioEnd) : drive(leadOut) {}
    void read(int first, int end, int audioEnd = AudioEnd, int offset = 0)
    {
        SecureReader reader(drive, offset, Cache);
        QCOMPARE(reader.chunkSectors(), Chunk);
        result = reader.read(first, end, audioEnd, sink, cancel);
    }
};

/// Sectors [first, end) corrected for `offset`, worked out frame by frame.
std::vector<int16_t> corrected(int first, int end, int audioEnd, int offset)
{
    std::vector<int16_t> samples;
    for (long long frame = (long long)first * Frames; frame < (long long)end * Frames; ++frame) {
        const long long driveFrame = frame + offset;
        const bool onDisc = driveFrame >= 0 && driveFrame < (long long)audioEnd * Frames;
        for (int channel = 0; channel < 2; ++channel)
            samples.push_back(onDisc ? driveSample(driveFrame, channel) : 0);
    }
    return samples;
}

/// The first frame where two recordings part, or -1.
long long firstDifference(const std::vector<int16_t>& a, const std::vector<int16_t>& b)
{
    const auto [x, y] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return x == a.end() && y == b.end() ? -1 : (x - a.begin()) / 2;
}

/// The drive's data of one sector spoilt by `outcome` (as the fake's scripts say), or silence.
std::vector<int16_t> sectorAs(int sector, int outcome)
{
    std::vector<int16_t> samples(Samples, 0);
    if (outcome >= 0)
        for (int i = 0; i < Samples; ++i)
            samples[i] = int16_t(driveSample(sector * Frames + i / 2, i % 2) ^ outcome);
    return samples;
}

QList<int> alternating(int reads)
{
    QList<int> script;
    for (int n = 0; n < reads; ++n)
        script << 1 + n % 2;
    return script;
}

} // namespace

class TestDiscSaveReading : public QObject {
    Q_OBJECT

private slots:
    void offsetIsCorrectedAcrossChunksAndAtTheEdges_data();
    void offsetIsCorrectedAcrossChunksAndAtTheEdges();
    void sectorsAreReadAgainUntilTwoReadsAgree_data();
    void sectorsAreReadAgainUntilTwoReadsAgree();
    void aCacheThatSurvivesSeeksIsReadPast_data();
    void aCacheThatSurvivesSeeksIsReadPast();
    void aScratchCostsItsOwnReads();
    void aDriveThatStopsAnsweringEndsReading_data();
    void aDriveThatStopsAnsweringEndsReading();
    void cancellingStopsBeforeTheNextRead_data();
    void cancellingStopsBeforeTheNextRead();
    void rangesOutsideTheAudioAreRefused_data();
    void rangesOutsideTheAudioAreRefused();
    void crc32MatchesZlib_data();
    void crc32MatchesZlib();
};

void TestDiscSaveReading::offsetIsCorrectedAcrossChunksAndAtTheEdges_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("leadOut");
    QTest::addColumn<bool>("flaky");
    for (int offset : {0, 1, -1, 6, 587, -587, 588, -588, 589, -589, -1176, 1776, -2940}) {
        QTest::addRow("whole disc, offset %d", offset)
            << offset << 0 << AudioEnd << AudioEnd << false;
        QTest::addRow("inside the disc, offset %d", offset)
            << offset << 5 << AudioEnd - 7 << AudioEnd << false;
    }
    // Audio ending before the lead-out, as on an enhanced CD: beyond it is silence, not data.
    QTest::newRow("audio ends before the lead-out, offset 589")
        << 589 << 0 << AudioEnd << AudioEnd + 300 << false;
    for (int offset : {6, -1176, 589})
        QTest::addRow("flaky sectors at the edges, offset %d", offset)
            << offset << 0 << AudioEnd << AudioEnd << true;
}

void TestDiscSaveReading::offsetIsCorrectedAcrossChunksAndAtTheEdges()
{
    QFETCH(int, offset);
    QFETCH(int, first);
    QFETCH(int, end);
    QFETCH(int, leadOut);
    QFETCH(bool, flaky);
    Reading reading(leadOut);
    if (flaky)
        for (int sector : {0, Chunk - 1, Chunk, Chunk + 1, 2 * Chunk, AudioEnd - 1})
            reading.drive.scripts[sector] = {sector % 2 ? QList{-1} : QList{1, -1, 2}};
    reading.read(first, end, AudioEnd, offset);

    QCOMPARE(reading.result.status, SecureReader::Status::Done);
    QCOMPARE(reading.result.sectorsDone, end - first);
    QCOMPARE(reading.sink.sectorsDone, end - first);
    const std::vector<int16_t> expected = corrected(first, end, AudioEnd, offset);
    QCOMPARE(firstDifference(reading.sink.copy, expected), -1);
    QVERIFY(reading.result.suspicious.empty());
    if (flaky)
        QVERIFY(!reading.sink.rereads.empty());
    else
        QCOMPARE(firstDifference(reading.sink.test, expected), -1);
}

void TestDiscSaveReading::sectorsAreReadAgainUntilTwoReadsAgree_data()
{
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<bool>("repeats");
    QTest::addColumn<int>("reads");
    QTest::addColumn<bool>("settled");
    QTest::addColumn<int>("tested");
    QTest::addColumn<int>("copied");

    QTest::newRow("one odd read, then alike") << QList{1} << false << 3 << true << 1 << 0;
    QTest::newRow("two odd reads, then alike") << QList{1, 2} << false << 4 << true << 1 << 0;
    QTest::newRow("failed test read") << QList{-1} << false << 3 << true << -1 << 0;
    QTest::newRow("alike only on the last re-read")
        << alternating(20) + QList{0, 0} << false << 22 << true << 1 << 0;
    QTest::newRow("alike one read too late")
        << alternating(21) + QList{0, 0} << false << 22 << false << 1 << 1;
    QTest::newRow("never twice alike: most often wins")
        << QList{3, 1, 2, 1} << true << 22 << false << 3 << 1;
    QTest::newRow("never twice alike: of equals the first")
        << QList{2, 1} << true << 22 << false << 2 << 2;
    QTest::newRow("failures between alike reads agree with nothing")
        << QList{1, -1} << true << 22 << false << 1 << 1;
    QTest::newRow("never reads: given up") << QList{-1} << true << 4 << false << -1 << -1;
    QTest::newRow("reads once in a while: not given up")
        << QList{-1, 1, -1, -1} << true << 22 << false << -1 << 1;
}

void TestDiscSaveReading::sectorsAreReadAgainUntilTwoReadsAgree()
{
    QFETCH(QList<int>, script);
    QFETCH(bool, repeats);
    QFETCH(int, reads);
    QFETCH(bool, settled);
    QFETCH(int, tested);
    QFETCH(int, copied);
    // One sector alone, so that every read of it is a read of it alone.
    const int sector = Chunk / 2;
    Reading reading;
    reading.drive.scripts[sector] = {script, repeats};
    reading.read(sector, sector + 1);

    QCOMPARE(reading.result.status, SecureReader::Status::Done);
    QCOMPARE(reading.sink.rereads.size(), std::size_t(1));
    QCOMPARE(reading.sink.rereads[0].sector, sector);
    QCOMPARE(reading.sink.rereads[0].reads, reads);
    QCOMPARE(reading.sink.rereads[0].settled, settled);
    QCOMPARE(reading.result.rereads, reads - 2);
    QCOMPARE(reading.result.suspicious, settled ? std::vector<int>{} : std::vector{sector});
    QVERIFY(reading.sink.test == sectorAs(sector, tested));
    QVERIFY(reading.sink.copy == sectorAs(sector, copied));
}

void TestDiscSaveReading::aCacheThatSurvivesSeeksIsReadPast_data()
{
    QTest::addColumn<int>("sector");
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<int>("driveCache");

    QTest::newRow("first read wrong, inside a chunk") << Chunk / 2 << QList{1} << Cache;
    QTest::newRow("first read wrong, the first sector") << 0 << QList{1} << Cache;
    QTest::newRow("first read wrong, a chunk's last") << Chunk - 1 << QList{1} << Cache;
    QTest::newRow("first read wrong, in the short chunk") << 2 * Chunk + 50 << QList{1} << Cache;
    QTest::newRow("first read wrong, the disc's last") << AudioEnd - 1 << QList{1} << Cache;
    // A re-read served from the cache would agree with the wrong copy read.
    QTest::newRow("two wrong reads, unalike") << Chunk / 2 << QList{1, 2} << Cache;
    QTest::newRow("three wrong reads, unalike") << Chunk + 7 << QList{1, 2, 3} << Cache;
    QTest::newRow("a smaller cache") << Chunk / 2 << QList{1, 2} << Cache / 3;
}

void TestDiscSaveReading::aCacheThatSurvivesSeeksIsReadPast()
{
    QFETCH(int, sector);
    QFETCH(QList<int>, script);
    QFETCH(int, driveCache);
    Reading reading;
    reading.drive.cacheSectors = driveCache;
    reading.drive.scripts[sector] = {script};
    reading.read(0, AudioEnd);

    QCOMPARE(reading.result.status, SecureReader::Status::Done);
    QCOMPARE(firstDifference(reading.sink.copy, corrected(0, AudioEnd, AudioEnd, 0)), -1);
    QVERIFY(reading.result.suspicious.empty());
    QCOMPARE(reading.sink.rereads.size(), std::size_t(1));
    QCOMPARE(reading.sink.rereads[0].sector, sector);
    QCOMPARE(reading.sink.rereads[0].reads, int(script.size()) + 2);
}

void TestDiscSaveReading::aScratchCostsItsOwnReads()
{
    // Two unreadable sectors in two chunks, their neighbours read again before they agree.
    const std::vector<int> scratches = {Chunk / 2, Chunk + 100};
    Reading reading;
    for (const int scratch : scratches) {
        reading.drive.scripts[scratch] = {{-1}, true};
        for (const int neighbour : {scratch - 1, scratch + 1})
            reading.drive.scripts[neighbour] = {{1, 2, 3, 4, 5, 6}};
    }
    reading.read(0, AudioEnd);

    QCOMPARE(reading.result.status, SecureReader::Status::Done);
    QCOMPARE(reading.result.suspicious, scratches);
    std::vector<int16_t> expected = corrected(0, AudioEnd, AudioEnd, 0);
    for (const int scratch : scratches)
        std::fill_n(expected.begin() + scratch * Samples, Samples, 0);
    QCOMPARE(firstDifference(reading.sink.copy, expected), -1);

    int failing = 0;
    for (const int scratch : scratches) {
        int withOthers = 0;
        for (const FakeDrive::Read& read : reading.drive.log)
            if (read.first <= scratch && scratch < read.first + read.count) {
                ++failing;
                withOthers += read.count > 1;
            }
        // Only reads that cannot know of it yet take others with it: its chunk's test and copy
        // reads, and one read elsewhere that pushes the cache out before its chunk's turn.
        QCOMPARE_LE(withOthers, 3);
    }
    // A drive that takes 4 s to give up on a sector ends the disc within 3 minutes.
    QCOMPARE_LT(failing * 4, 3 * 60);
}

void TestDiscSaveReading::aDriveThatStopsAnsweringEndsReading_data()
{
    QTest::addColumn<int>("ejectAt");
    QTest::addColumn<int>("unreadableFrom");
    QTest::addColumn<int>("unreadableTo");
    QTest::addColumn<SecureReader::Status>("status");

    QTest::newRow("ejected while reading")
        << Chunk + 100 << 0 << 0 << SecureReader::Status::DriveGone;
    QTest::newRow("no disc from the start") << 0 << 0 << 0 << SecureReader::Status::DriveGone;
    QTest::newRow("a damaged stretch still answers")
        << -1 << Chunk - 30 << Chunk + 30 << SecureReader::Status::Done;
}

void TestDiscSaveReading::aDriveThatStopsAnsweringEndsReading()
{
    QFETCH(int, ejectAt);
    QFETCH(int, unreadableFrom);
    QFETCH(int, unreadableTo);
    QFETCH(SecureReader::Status, status);
    Reading reading;
    reading.drive.ejectAt = ejectAt;
    reading.drive.unreadableFrom = unreadableFrom;
    reading.drive.unreadableTo = unreadableTo;
    reading.read(0, AudioEnd);

    QCOMPARE(reading.result.status, status);
    QCOMPARE(reading.sink.copy.size(), std::size_t(reading.result.sectorsDone) * Samples);
    if (status == SecureReader::Status::DriveGone) {
        QCOMPARE_LE(reading.result.sectorsDone, ejectAt);
        // Not 20 re-reads of each sector left: a few failures, then one check of the drive.
        QCOMPARE_LE(int(reading.drive.log.size()) - reading.drive.ejectedAtRead,
                    SecureReader::FailuresBeforeDriveCheck + 1);
        return;
    }
    std::vector<int16_t> expected = corrected(0, AudioEnd, AudioEnd, 0);
    std::fill(expected.begin() + unreadableFrom * Samples,
              expected.begin() + unreadableTo * Samples, 0);
    QCOMPARE(firstDifference(reading.sink.copy, expected), -1);
    QCOMPARE(int(reading.result.suspicious.size()), unreadableTo - unreadableFrom);
}

void TestDiscSaveReading::cancellingStopsBeforeTheNextRead_data()
{
    QTest::addColumn<int>("cancelAtRead");
    // A chunk is 12 reads of test, 12 of copy, then rounds of re-reads, each after 12 reads
    // elsewhere.
    QTest::newRow("before reading") << 0;
    QTest::newRow("during the test read") << 6;
    QTest::newRow("at the copy read") << 13;
    QTest::newRow("while reading a sector again") << 40;
}

void TestDiscSaveReading::cancellingStopsBeforeTheNextRead()
{
    QFETCH(int, cancelAtRead);
    Reading reading;
    reading.drive.scripts[Chunk / 2] = {{1, 2}, true};
    reading.drive.cancel = &reading.cancel;
    reading.drive.cancelAtRead = std::size_t(cancelAtRead);
    reading.cancel = cancelAtRead == 0;
    reading.read(0, AudioEnd);

    QCOMPARE(reading.result.status, SecureReader::Status::Cancelled);
    QCOMPARE(int(reading.drive.log.size()), cancelAtRead);
    QVERIFY(reading.sink.copy.empty());
}

void TestDiscSaveReading::rangesOutsideTheAudioAreRefused_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("audioEnd");
    QTest::newRow("starts before the disc") << -1 << 10 << AudioEnd;
    QTest::newRow("ends before it starts") << 10 << 9 << AudioEnd;
    QTest::newRow("runs past the audio") << 0 << AudioEnd + 1 << AudioEnd;
    QTest::newRow("audio past the lead-out") << 0 << 10 << AudioEnd + 1;
}

void TestDiscSaveReading::rangesOutsideTheAudioAreRefused()
{
    QFETCH(int, first);
    QFETCH(int, end);
    QFETCH(int, audioEnd);
    Reading reading;
    reading.read(first, end, audioEnd);
    QCOMPARE(reading.result.status, SecureReader::Status::BadRange);
    QVERIFY(reading.drive.log.empty());
}

void TestDiscSaveReading::crc32MatchesZlib_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("piece");
    QTest::addColumn<uint>("crc");
    QByteArray pattern;
    for (int i = 0; i < 1000; ++i)
        pattern += char(i * i + 7 * i);

    QTest::newRow("nothing") << QByteArray() << 1 << 0u;
    QTest::newRow("check value") << QByteArray("123456789") << 9 << 0xcbf43926u;
    QTest::newRow("check value a byte at a time") << QByteArray("123456789") << 1 << 0xcbf43926u;
    QTest::newRow("one letter") << QByteArray("a") << 1 << 0xe8b7be43u;
    QTest::newRow("pangram") << QByteArray("The quick brown fox jumps over the lazy dog") << 43
                             << 0x414fa339u;
    QTest::newRow("1000 bytes at once") << pattern << 1000 << 0xe7057bddu;
    QTest::newRow("1000 bytes in sevens") << pattern << 7 << 0xe7057bddu;
    QTest::newRow("1000 bytes in 67s") << pattern << 67 << 0xe7057bddu;
}

void TestDiscSaveReading::crc32MatchesZlib()
{
    QFETCH(QByteArray, data);
    QFETCH(int, piece);
    QFETCH(uint, crc);
    Crc32 streamed;
    for (qsizetype at = 0; at < data.size(); at += piece)
        streamed.update(data.constData() + at,
                        std::size_t(std::min<qsizetype>(piece, data.size() - at)));
    QCOMPARE(streamed.value(), crc);
    QCOMPARE(Crc32::of(data.constData(), std::size_t(data.size())), crc);
}

QTEST_APPLESS_MAIN(TestDiscSaveReading)
#include "tst_discsave_reading.moc"
