#include "discsave/SecureReader.h"

#include "core/Division.h"

#include "disc/DiscReader.h"
#include "disc/DiscToc.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t SectorBytes = DiscToc::BytesPerSector;

bool sameSector(const int16_t* a, const int16_t* b)
{
    return std::memcmp(a, b, SectorBytes) == 0;
}

void silence(int16_t* samples, long long sectors)
{
    std::memset(samples, 0, std::size_t(sectors) * SectorBytes);
}

} // namespace

SecureReader::SecureReader(DiscReader& disc, int readOffset, int cacheSectors)
    : m_disc(disc), m_offset(readOffset), m_cacheSectors(std::max(cacheSectors, 0)),
      // Between a sector's two reads lie the chunk's other sectors: more than the cache holds.
      m_chunkSectors(int(Division::ceil(m_cacheSectors + 1, SectorsPerRead)) * SectorsPerRead),
      // A chunk's corrected audio straddles one sector more than the chunk when the offset is
      // not a whole number of sectors.
      m_test(std::size_t(m_chunkSectors + 1) * DiscToc::SamplesPerSector),
      m_copy(std::size_t(m_chunkSectors + 1) * DiscToc::SamplesPerSector),
      m_scratch(std::size_t(SectorsPerRead) * DiscToc::SamplesPerSector),
      m_probe(DiscToc::SamplesPerSector)
{
}

SecureReader::Result SecureReader::read(int firstSector, int endSector, int audioEnd,
                                        SecureReadSink& sink, const std::atomic<bool>& cancel)
{
    m_result = {};
    if (firstSector < 0 || endSector < firstSector || endSector > audioEnd ||
        audioEnd > m_disc.toc().leadOut) {
        m_result.status = Status::BadRange;
        return m_result;
    }
    m_sink = &sink;
    m_cancel = &cancel;
    m_audioEnd = audioEnd;
    m_failuresInARow = 0;
    m_witness = -1;
    m_pushCursor = 0;
    m_failed.clear();

    // The drive's sectors held in m_test and m_copy, settled; none yet.
    long long heldFirst = std::numeric_limits<long long>::min();
    long long heldEnd = heldFirst;
    for (int chunk = firstSector; chunk < endSector && !stopped();) {
        const int chunkEnd =
            endSector - chunk > m_chunkSectors ? chunk + m_chunkSectors : endSector;
        const long long from = (long long)chunk * FramesPerSector + m_offset;
        const long long to = (long long)chunkEnd * FramesPerSector + m_offset;
        const long long first = Division::floor(from, FramesPerSector);
        const long long end = Division::ceil(to, FramesPerSector);
        long long fresh = first;
        if (heldEnd > first) {
            // The sector the last chunk ended in is settled already: read once, reported once.
            const std::size_t kept = std::size_t(first - heldFirst) * DiscToc::SamplesPerSector;
            const std::size_t bytes = std::size_t(heldEnd - first) * SectorBytes;
            std::memmove(m_test.data(), m_test.data() + kept, bytes);
            std::memmove(m_copy.data(), m_copy.data() + kept, bytes);
            fresh = heldEnd;
        }
        m_chunkDone = chunk - firstSector;
        m_chunkSectorsNow = chunkEnd - chunk;
        m_rangeSectors = endSector - firstSector;
        if (!fill(first, fresh, end))
            break;
        heldFirst = first;
        heldEnd = end;

        const std::size_t skip = std::size_t(from - first * FramesPerSector) * 2;
        const std::size_t frames = std::size_t(chunkEnd - chunk) * FramesPerSector;
        sink.tested(m_test.data() + skip, frames);
        sink.copied(m_copy.data() + skip, frames);
        m_result.sectorsDone = chunkEnd - firstSector;
        sink.progress(m_result.sectorsDone, endSector - firstSector);
        chunk = chunkEnd;
    }
    m_sink = nullptr;
    m_cancel = nullptr;
    return m_result;
}

bool SecureReader::stopped()
{
    if (m_result.status != Status::Done)
        return true;
    if (m_cancel->load(std::memory_order_relaxed)) {
        m_result.status = Status::Cancelled;
        return true;
    }
    return false;
}

bool SecureReader::readDisc(int firstSector, int count, int16_t* samples)
{
    if (stopped())
        return false;
    if (m_disc.read(firstSector, count, samples)) {
        m_failuresInARow = 0;
        m_witness = firstSector;
        return true;
    }
    if (++m_failuresInARow < FailuresBeforeDriveCheck || stopped())
        return false;
    // A damaged stretch fails read after read too, but there a sector read well before still
    // reads.
    const int probe = m_witness >= 0 ? m_witness : m_audioEnd / 2;
    if (m_disc.read(probe, 1, m_probe.data())) {
        m_failuresInARow = 0;
        m_witness = probe;
    } else {
        m_result.status = Status::DriveGone;
    }
    return false;
}

void SecureReader::pushOutCache(int firstSector, int endSector, int sectors)
{
    // Reading again what is cached pushes nothing out: a disc whose other sectors fit in the
    // cache is read round once.
    int left = std::min(sectors, m_audioEnd - (endSector - firstSector));
    while (left > 0 && !stopped()) {
        if (m_pushCursor >= m_audioEnd)
            m_pushCursor = 0;
        if (m_pushCursor >= firstSector && m_pushCursor < endSector) {
            m_pushCursor = endSector;
            continue;
        }
        const int until = m_pushCursor < firstSector ? firstSector : m_audioEnd;
        int n = std::min({SectorsPerRead, left, until - m_pushCursor});
        // A stretch that failed before would cost its failure again, and read nothing.
        if (const auto failed = m_failed.lower_bound(m_pushCursor);
            failed != m_failed.end() && *failed < m_pushCursor + n) {
            n = *failed - m_pushCursor;
            if (n == 0) {
                ++m_pushCursor;
                continue;
            }
        }
        // Its data mean nothing here.
        if (!readDisc(m_pushCursor, n, m_scratch.data()))
            for (int sector = m_pushCursor; sector < m_pushCursor + n; ++sector)
                m_failed.insert(sector);
        m_pushCursor += n;
        left -= n;
    }
}

bool SecureReader::readPass(int firstSector, int count, int16_t* samples, std::vector<char>& ok)
{
    ok.assign(std::size_t(count), 1);
    // The test pass is the first half of the chunk's reading, the copy pass the second.
    const int passFirst = &ok == &m_testOk ? 0 : count;
    for (int done = 0; done < count; done += SectorsPerRead) {
        const int n = std::min(SectorsPerRead, count - done);
        const int read = (passFirst + done) * m_chunkSectorsNow / (2 * count);
        m_sink->progress(m_chunkDone + std::min(read, m_chunkSectorsNow - 1), m_rangeSectors);
        int16_t* at = samples + std::size_t(done) * DiscToc::SamplesPerSector;
        if (readDisc(firstSector + done, n, at))
            continue;
        if (stopped())
            return false;
        // One bad sector fails the whole read; alone, the others may read.
        for (int i = 0; i < n; ++i) {
            int16_t* sector = at + std::size_t(i) * DiscToc::SamplesPerSector;
            const bool read = n > 1 && readDisc(firstSector + done + i, 1, sector);
            if (stopped())
                return false;
            if (!read) {
                m_failed.insert(firstSector + done + i);
                ok[std::size_t(done) + std::size_t(i)] = 0;
                silence(sector, 1);
            }
        }
    }
    return true;
}

bool SecureReader::fill(long long heldFirst, long long freshFirst, long long heldEnd)
{
    int16_t* test = m_test.data();
    int16_t* copy = m_copy.data();
    const auto at = [heldFirst](long long sector) {
        return std::size_t(sector - heldFirst) * DiscToc::SamplesPerSector;
    };
    const long long readFirst = std::max(freshFirst, 0LL);
    const long long readEnd = std::max(readFirst, std::min(heldEnd, (long long)m_audioEnd));
    // Outside the disc's audio, the offset reaches into silence.
    for (const auto& [from, to] : {std::pair(freshFirst, std::min(readFirst, heldEnd)),
                                   std::pair(std::max(readEnd, freshFirst), heldEnd)}) {
        if (from < to) {
            silence(test + at(from), to - from);
            silence(copy + at(from), to - from);
        }
    }
    if (readFirst >= readEnd)
        return true;
    return readSecurely(int(readFirst), int(readEnd), test + at(readFirst), copy + at(readFirst));
}

bool SecureReader::readSecurely(int firstSector, int endSector, int16_t* test, int16_t* copy)
{
    const int count = endSector - firstSector;
    if (!readPass(firstSector, count, test, m_testOk))
        return false;
    // A sector's copy read comes after the test reads of the sectors after it and the copy reads
    // of those before: count - 1 others.
    pushOutCache(firstSector, endSector, m_cacheSectors - (count - 1));
    if (!readPass(firstSector, count, copy, m_copyOk))
        return false;
    const bool allRead = std::find(m_testOk.begin(), m_testOk.end(), 0) == m_testOk.end() &&
                         std::find(m_copyOk.begin(), m_copyOk.end(), 0) == m_copyOk.end();
    if (allRead && std::memcmp(test, copy, std::size_t(count) * SectorBytes) == 0)
        return true;

    m_unsettled.clear();
    m_pool.clear();
    for (int i = 0; i < count; ++i) {
        const std::size_t at = std::size_t(i) * DiscToc::SamplesPerSector;
        const bool testRead = m_testOk[std::size_t(i)];
        const bool copyRead = m_copyOk[std::size_t(i)];
        if (testRead && copyRead && sameSector(test + at, copy + at))
            continue;
        Unsettled& sector = m_unsettled.emplace_back();
        sector.sector = firstSector + i;
        observe(sector, testRead ? test + at : nullptr);
        observe(sector, copyRead ? copy + at : nullptr);
    }
    if (!rereadUnsettled(firstSector, endSector))
        return false;
    settleAndReport(firstSector, copy);
    return true;
}

bool SecureReader::rereadUnsettled(int firstSector, int endSector)
{
    const auto unsettled = [](const Unsettled& sector) {
        return !sector.settled && !sector.givenUp;
    };
    // A sector whose latest read failed is read alone: with it, its neighbours' read fails too.
    const auto joins = [&](const Unsettled& sector) {
        return unsettled(sector) && sector.last >= 0;
    };
    for (int round = 0; round < MaxRereads; ++round) {
        const auto first = std::find_if(m_unsettled.begin(), m_unsettled.end(), unsettled);
        if (first == m_unsettled.end())
            return true;
        pushOutCache(firstSector, endSector, m_cacheSectors);
        for (auto run = first; run != m_unsettled.end();) {
            auto runEnd = run + 1;
            if (joins(*run))
                while (runEnd != m_unsettled.end() && runEnd - run < SectorsPerRead &&
                       joins(*runEnd) && runEnd->sector == (runEnd - 1)->sector + 1)
                    ++runEnd;
            const int n = int(runEnd - run);
            const bool read = readDisc(run->sector, n, m_scratch.data());
            for (int i = 0; i < n; ++i) {
                if (stopped())
                    return false;
                const int16_t* samples =
                    m_scratch.data() + std::size_t(i) * DiscToc::SamplesPerSector;
                if (!read)
                    samples = n > 1 && readDisc(run[i].sector, 1, m_scratch.data())
                                  ? m_scratch.data()
                                  : nullptr;
                if (stopped())
                    return false;
                observe(run[i], samples);
            }
            run = std::find_if(runEnd, m_unsettled.end(), unsettled);
        }
    }
    return true;
}

void SecureReader::observe(Unsettled& sector, const int16_t* samples)
{
    ++sector.reads;
    if (!samples) {
        sector.last = -1;
        sector.givenUp = sector.variants.empty() && sector.reads >= UnreadableAfter;
        return;
    }
    int variant = 0;
    const int variants = int(sector.variants.size());
    while (variant < variants &&
           !sameSector(m_pool.data() + sector.variants[std::size_t(variant)].poolIndex, samples))
        ++variant;
    if (variant == variants) {
        sector.variants.push_back({m_pool.size(), 0});
        m_pool.insert(m_pool.end(), samples, samples + DiscToc::SamplesPerSector);
    }
    ++sector.variants[std::size_t(variant)].count;
    // Two reads in a row, the drive's cache pushed out between them.
    sector.settled = sector.last == variant;
    sector.last = variant;
}

void SecureReader::settleAndReport(int firstSector, int16_t* copy)
{
    for (const Unsettled& sector : m_unsettled) {
        // Settled: the value just read twice. Otherwise the value read most often, the earliest
        // of equals; silence where nothing read.
        const Variant* chosen = nullptr;
        if (sector.settled)
            chosen = &sector.variants[std::size_t(sector.last)];
        else
            for (const Variant& variant : sector.variants)
                if (!chosen || variant.count > chosen->count)
                    chosen = &variant;
        int16_t* at = copy + std::size_t(sector.sector - firstSector) * DiscToc::SamplesPerSector;
        if (chosen)
            std::memcpy(at, m_pool.data() + chosen->poolIndex, SectorBytes);
        else
            silence(at, 1);

        m_sink->reread({sector.sector, sector.reads, sector.settled});
        ++m_result.rereadSectors;
        m_result.rereads += sector.reads - 2;
        if (!sector.settled)
            m_result.suspicious.push_back(sector.sector);
    }
}
