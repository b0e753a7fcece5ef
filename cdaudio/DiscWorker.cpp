#include "cdaudio/DiscWorker.h"

#include "cdaudio/DiscReader.h"
#include "cdaudio/DiscSource.h"
#include "cdaudio/RingBuffer.h"
#include "cdaudio/ThreadHandOff.h"

#include <algorithm>

namespace {
constexpr int ReadIntervalMs = 10;
constexpr int PollIntervalMs = 1500;
} // namespace

DiscWorker::DiscWorker(DiscSource& source, RingBuffer& ring)
    : m_source(source), m_ring(ring),
      m_chunk(std::size_t(ChunkSectors) * DiscToc::BytesPerSector / 2)
{
    m_readTimer.setInterval(ReadIntervalMs);
    connect(&m_readTimer, &QTimer::timeout, this, &DiscWorker::readAhead);
    m_pollTimer.setInterval(PollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &DiscWorker::poll);
}

DiscWorker::~DiscWorker() = default;

void DiscWorker::shutDown()
{
    m_readTimer.stop();
    m_pollTimer.stop();
}

void DiscWorker::open()
{
    ThreadHandOff::acquire(&m_ring);
    stopReading();
    m_reader.reset();
    const std::vector<std::string> drives = m_source.drives();
    if (drives.empty()) {
        m_drive.clear();
        m_pollTimer.stop();
        ThreadHandOff::release(&m_ring);
        Q_EMIT opened(Found::NoDrive, {});
        return;
    }

    std::unique_ptr<DiscReader> fallback;
    std::string fallbackDrive = drives.front();
    for (const std::string& drive : drives) {
        std::unique_ptr<DiscReader> reader = m_source.open(drive);
        if (!reader)
            continue;
        if (!reader->toc().audioTracks().empty()) {
            m_reader = std::move(reader);
            m_drive = drive;
            break;
        }
        if (!fallback) {
            fallback = std::move(reader);
            fallbackDrive = drive;
        }
    }
    if (!m_reader) {
        m_reader = std::move(fallback);
        m_drive = fallbackDrive;
    }
    m_discPresent = m_reader != nullptr;
    m_awaitRemoval = false;
    m_pollTimer.start();
    ThreadHandOff::release(&m_ring);
    if (m_reader)
        Q_EMIT opened(Found::Disc, m_reader->toc());
    else
        Q_EMIT opened(Found::NoDisc, {});
}

void DiscWorker::startReading(int firstSector, int endSector, quint64 generation)
{
    ThreadHandOff::acquire(&m_ring);
    m_next = firstSector;
    m_end = endSector;
    m_generation = generation;
    m_retries = 0;
    m_skips = 0;
    if (!m_reader) {
        ThreadHandOff::release(&m_ring);
        Q_EMIT readFailed(generation);
        return;
    }
    m_readTimer.start();
    // The first chunk at once: it is what the listener waits for after pressing Play.
    readAhead();
}

void DiscWorker::stopReading()
{
    ThreadHandOff::acquire(&m_ring);
    m_readTimer.stop();
}

void DiscWorker::readAhead()
{
    const std::size_t silenceSecond =
        std::size_t(DiscToc::SectorsPerSecond) * DiscToc::BytesPerSector;
    bool wrote = false;
    while (m_readTimer.isActive() && m_next < m_end) {
        if (m_ring.generation() != m_generation) {
            m_readTimer.stop(); // superseded; the next start brings the new position
            return;
        }
        const int count = std::min(ChunkSectors, m_end - m_next);
        const std::size_t bytes = std::size_t(count) * DiscToc::BytesPerSector;
        if (m_ring.freeSpace() < std::max(bytes, silenceSecond))
            break;
        if (m_reader->read(m_next, count, m_chunk.data())) {
            m_ring.write(reinterpret_cast<const char*>(m_chunk.data()), bytes, m_generation);
            m_next += count;
            m_retries = 0;
            m_skips = 0;
            wrote = true;
            continue;
        }
        if (++m_retries <= MaxRetries)
            break; // try again on the next round, not in a tight loop
        // Skip a second, keeping time with silence so the position shown stays true.
        m_retries = 0;
        if (++m_skips > MaxSkips) {
            m_readTimer.stop();
            ThreadHandOff::release(&m_ring);
            Q_EMIT readFailed(m_generation);
            return;
        }
        const int skip = std::min(DiscToc::SectorsPerSecond, m_end - m_next);
        const std::vector<char> silence(std::size_t(skip) * DiscToc::BytesPerSector, 0);
        m_ring.write(silence.data(), silence.size(), m_generation);
        m_next += skip;
        wrote = true;
    }
    if (wrote) {
        ThreadHandOff::release(&m_ring);
        Q_EMIT dataWritten();
    }
    if (m_readTimer.isActive() && m_next >= m_end) {
        m_readTimer.stop();
        m_ring.finish(m_generation);
        ThreadHandOff::release(&m_ring);
        Q_EMIT readingFinished(m_generation);
    }
}

void DiscWorker::eject()
{
    ThreadHandOff::acquire(&m_ring);
    stopReading();
    if (m_reader)
        m_reader->eject();
    m_reader.reset();
    m_discPresent = false;
    m_awaitRemoval = true;
}

void DiscWorker::poll()
{
    if (m_drive.empty())
        return;
    const bool present = m_source.media(m_drive) == DiscSource::Media::Present;
    if (!present)
        m_awaitRemoval = false;
    if (present == m_discPresent || (present && m_awaitRemoval))
        return;
    if (!present) {
        stopReading();
        m_reader.reset();
        m_discPresent = false;
        ThreadHandOff::release(&m_ring);
        Q_EMIT opened(Found::NoDisc, {});
    } else {
        open();
    }
}
