#pragma once

#include "discsave/SecureReadSink.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

class DiscReader;

/// Reads a stretch of a disc so that a saved image holds what is on it: every sector is read
/// twice, the drive's cache pushed out between the two reads, and a sector whose reads differ is
/// read again until two reads in a row agree. Corrects the drive's read offset on the way.
///
/// Some drives keep what they read (up to 16 MB) across seeks, and only reading past it empties
/// their cache: one read far away is not enough. So the work goes a chunk at a time, a chunk
/// holding more sectors than such a cache: a test read of the chunk, then a copy read of it, so
/// that between two reads of a sector the drive reads a cache's worth of others. A short chunk
/// (the end of the disc) and each round of re-reads of what differed read the rest of that worth
/// elsewhere on the disc. Both reads of a chunk stay in memory for an exact comparison.
///
/// A sector whose every read fails is given up after UnreadableAfter reads, and read alone, so
/// that a scratch costs its own reads only, not its neighbours'.
///
/// A drive that stops answering is told from a damaged stretch by the reads themselves: after
/// FailuresBeforeDriveCheck failed reads in a row the reader reads again a sector that read well
/// before (before any has, the middle of the disc); when that fails too, reading ends with
/// Status::DriveGone.
class SecureReader {
public:
    /// Stereo frames in a sector: the unit of the read offset.
    static constexpr int FramesPerSector = 588;
    /// The most sectors asked of the drive at once: under 64 KiB, which every drive takes.
    static constexpr int SectorsPerRead = 27;
    /// The largest cache a drive keeps, in sectors: 16 MiB.
    static constexpr int LargestCacheSectors = (16 << 20) / 2352 + 1;
    /// Reads of a sector beyond its first two, at most.
    static constexpr int MaxRereads = 20;
    /// Reads after which a sector none of whose reads succeeded is given up.
    static constexpr int UnreadableAfter = 4;
    static constexpr int FailuresBeforeDriveCheck = 8;

    enum class Status {
        Done,
        Cancelled,
        /// The drive stopped answering: ejected, unplugged, or unable to read the disc at all.
        DriveGone,
        /// The range asked for does not lie within the disc's audio.
        BadRange,
    };

    struct Result {
        Status status = Status::Done;
        /// Sectors of the range delivered to the sink.
        int sectorsDone = 0;
        /// Sectors that took more than two reads, and how many reads beyond two they took.
        int rereadSectors = 0;
        long long rereads = 0;
        /// Sectors (as the drive numbers them) where no two reads in a row agreed.
        std::vector<int> suspicious;
    };

    /// `readOffset` in samples, signed as AccurateRip's drive list signs it: a drive with +k
    /// delivers the disc's sample p - k at position p. `cacheSectors`: the most a drive may keep.
    SecureReader(DiscReader& disc, int readOffset, int cacheSectors = LargestCacheSectors);

    /// Sectors read twice before they are compared.
    int chunkSectors() const { return m_chunkSectors; }

    /// Reads sectors [firstSector, endSector) of the corrected audio into `sink`: when Done,
    /// exactly (endSector - firstSector) * 588 frames of test and of copy. Samples the correction
    /// needs from before sector 0 or from `audioEnd` on are silence. `cancel` is looked at before
    /// every read of the disc.
    Result read(int firstSector, int endSector, int audioEnd, SecureReadSink& sink,
                const std::atomic<bool>& cancel);

private:
    struct Variant {
        std::size_t poolIndex = 0;
        int count = 0;
    };
    /// A sector whose first two reads did not agree, while it is read again.
    struct Unsettled {
        int sector = 0;
        int reads = 0;
        /// The variant the latest read gave, or -1 when it failed.
        int last = -1;
        bool settled = false;
        /// Every read failed, UnreadableAfter times.
        bool givenUp = false;
        std::vector<Variant> variants;
    };

    bool stopped();
    bool readDisc(int firstSector, int count, int16_t* samples);
    void pushOutCache(int firstSector, int endSector, int sectors);
    bool readPass(int firstSector, int count, int16_t* samples, std::vector<char>& ok);
    bool fill(long long heldFirst, long long freshFirst, long long heldEnd);
    bool readSecurely(int firstSector, int endSector, int16_t* test, int16_t* copy);
    bool rereadUnsettled(int firstSector, int endSector);
    void observe(Unsettled& sector, const int16_t* samples);
    void settleAndReport(int firstSector, int16_t* copy);

    DiscReader& m_disc;
    int m_offset = 0;
    int m_cacheSectors = 0;
    int m_chunkSectors = 0;
    std::vector<int16_t> m_test;
    std::vector<int16_t> m_copy;
    std::vector<int16_t> m_scratch;
    std::vector<int16_t> m_probe;
    std::vector<char> m_testOk;
    std::vector<char> m_copyOk;
    std::vector<Unsettled> m_unsettled;
    /// Every distinct value the unsettled sectors of a chunk have read as.
    std::vector<int16_t> m_pool;

    // The reading under way.
    SecureReadSink* m_sink = nullptr;
    const std::atomic<bool>* m_cancel = nullptr;
    int m_audioEnd = 0;
    int m_failuresInARow = 0;
    /// A sector that read well lately, or -1.
    int m_witness = -1;
    /// Where the next read that pushes the cache out starts: it walks the disc round, so that
    /// no such read finds its sectors still cached from the one before.
    int m_pushCursor = 0;
    /// Sectors whose reads failed, which reads that push the cache out leave alone.
    std::set<int> m_failed;
    /// Sectors of the range before the chunk under way, in it, and in all.
    int m_chunkDone = 0;
    int m_chunkSectorsNow = 0;
    int m_rangeSectors = 0;
    /// Status::Done while reading goes on.
    Result m_result;
};
