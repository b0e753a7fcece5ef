#include "player/DiscWorker.h"

#include "player/SaidWords.h"

#include "core/ThreadHandOff.h"
#include "disc/DiscPick.h"
#include "disc/DiscReader.h"
#include "disc/DiscSource.h"
#include "player/PlaybackPlan.h"
#include "sound/RingBuffer.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int ReadIntervalMs = 10;
constexpr int PollIntervalMs = 1500;
} // namespace

DiscWorker::DiscWorker(DiscSource& source, RingBuffer& ring, PlaybackPlan& plan)
    : m_source(source), m_ring(ring), m_plan(plan),
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
    openFrom(m_source.drives());
}

void DiscWorker::openDrive(const QString& drive)
{
    openFrom({drive.toStdString()});
}

void DiscWorker::listDrives()
{
    QStringList devices, descriptions;
    for (const std::string& drive : m_source.drives()) {
        devices << QString::fromStdString(drive);
        descriptions << QString::fromStdString(m_source.describe(drive));
    }
    ThreadHandOff::release(&m_ring);
    Q_EMIT drivesListed(devices, descriptions);
}

void DiscWorker::openFrom(const std::vector<std::string>& drives)
{
    ThreadHandOff::acquire(&m_ring);
    stopReading();
    m_reader.reset();
    m_image.reset();
    if (drives.empty()) {
        m_drive.clear();
        m_pollTimer.stop();
        ThreadHandOff::release(&m_ring);
        Q_EMIT opened(Found::NoDrive, {}, {});
        return;
    }

    DiscPick picked = DiscPick::from(m_source, drives);
    m_drive = picked.drive;
    m_awaitRemoval = false;
    m_pollTimer.start();
    take(std::move(picked.reader));
}

void DiscWorker::requestImage(std::shared_ptr<DiscSource> image, std::string path)
{
    std::lock_guard lock(m_requestMutex);
    m_requestedImage = std::move(image);
    m_requestedPath = std::move(path);
}

void DiscWorker::openRequestedImage()
{
    std::shared_ptr<DiscSource> image;
    std::string path;
    {
        std::lock_guard lock(m_requestMutex);
        image = std::exchange(m_requestedImage, nullptr);
        path = std::move(m_requestedPath);
    }
    if (!image)
        return; // an earlier call took it
    ThreadHandOff::acquire(&m_ring);
    std::unique_ptr<DiscReader> reader = image->open(path);
    if (!reader) {
        ThreadHandOff::release(&m_ring);
        Q_EMIT imageRefused(SaidWords::said(image->whyNot()));
        return;
    }
    stopReading();
    // Whatever was read ahead of the disc before must not be heard.
    m_ring.clear();
    m_image = image;
    m_imagePath = path;
    m_drive.clear(); // an image is never taken out
    m_pollTimer.stop();
    take(std::move(reader));
}

void DiscWorker::take(std::unique_ptr<DiscReader> reader)
{
    m_reader = std::move(reader);
    m_discPresent = m_reader != nullptr;
    m_speedLimited = false;
    m_toc = m_reader ? m_reader->toc() : DiscToc{};
    m_toc.hiddenSectors = hiddenTrackLength();
    m_audio = m_toc.audioTracks();
    ThreadHandOff::release(&m_ring);
    if (m_reader)
        Q_EMIT opened(Found::Disc, m_toc, QString::fromStdString(m_image ? m_imagePath : m_drive));
    else
        Q_EMIT opened(Found::NoDisc, {}, {});
}

void DiscWorker::startReading(int firstSector, int endSector, quint64 generation)
{
    ThreadHandOff::acquire(&m_ring);
    m_next = firstSector;
    m_end = endSector;
    m_generation = generation;
    m_retries = 0;
    m_skips = 0;
    m_deEmphasising = false;
    if (!m_reader) {
        ThreadHandOff::release(&m_ring);
        Q_EMIT readFailed(generation);
        return;
    }
    if (!m_speedLimited) {
        m_reader->limitSpeed(ReadSpeed);
        m_speedLimited = true;
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

int DiscWorker::hiddenTrackLength()
{
    const auto first = std::find_if(m_toc.tracks.begin(), m_toc.tracks.end(),
                                    [](const TrackInfo& t) { return t.number == 1; });
    if (!m_reader || first == m_toc.tracks.end() || !first->audio || first->firstSector <= 0)
        return 0;
    const std::size_t samplesPerSector = DiscToc::BytesPerSector / 2;
    for (int sector = 0; sector < first->firstSector; sector += ChunkSectors) {
        const int count = std::min(ChunkSectors, first->firstSector - sector);
        if (!m_reader->read(sector, count, m_chunk.data()))
            return 0;
        const auto end = m_chunk.begin() + std::ptrdiff_t(std::size_t(count) * samplesPerSector);
        if (std::any_of(m_chunk.begin(), end, [](int16_t sample) { return sample != 0; }))
            return first->firstSector;
    }
    return 0;
}

const TrackInfo* DiscWorker::trackAt(int sector) const
{
    for (const TrackInfo& track : m_audio)
        if (sector >= track.firstSector && sector < track.endSector())
            return &track;
    return nullptr;
}

void DiscWorker::readAhead()
{
    if (!m_readTimer.isActive())
        return;
    if (m_ring.generation() != m_generation) {
        m_readTimer.stop(); // superseded; the next start brings the new position
        return;
    }
    if (m_next >= m_end) {
        readOn();
        return;
    }
    const TrackInfo* track = trackAt(m_next);
    const int count =
        std::min(ChunkSectors, (track ? std::min(m_end, track->endSector()) : m_end) - m_next);
    const std::size_t bytes = std::size_t(count) * DiscToc::BytesPerSector;
    const std::size_t second = std::size_t(DiscToc::SectorsPerSecond) * DiscToc::BytesPerSector;
    // Room for a skipped second as well, so that a skip never has to wait.
    if (m_ring.freeSpace() < std::max(bytes, second))
        return;

    if (m_reader->read(m_next, count, m_chunk.data())) {
        const bool emphasised = track && track->preEmphasis;
        if (emphasised) {
            // Carried on across a boundary between two emphasised tracks, fresh otherwise.
            if (!m_deEmphasising)
                m_deEmphasis.reset();
            m_deEmphasis.process(m_chunk.data(), std::size_t(count) * DiscToc::BytesPerSector / 4);
        }
        m_deEmphasising = emphasised;
        m_ring.write(reinterpret_cast<const char*>(m_chunk.data()), bytes, m_generation);
        m_next += count;
        m_retries = 0;
        m_skips = 0;
    } else {
        if (++m_retries <= MaxRetries)
            return; // try again on the next round
        m_retries = 0;
        // A hidden track that cannot be read is left for track 1, which the player moves to.
        if ((track && track->number == 0) || ++m_skips > MaxSkips) {
            m_readTimer.stop();
            ThreadHandOff::release(&m_ring);
            Q_EMIT readFailed(m_generation);
            return;
        }
        // Skip a second, keeping time with silence so the position shown stays true.
        const int skip = std::min(DiscToc::SectorsPerSecond, m_end - m_next);
        const std::vector<char> silence(std::size_t(skip) * DiscToc::BytesPerSector, 0);
        m_ring.write(silence.data(), silence.size(), m_generation);
        m_next += skip;
        m_deEmphasising = false;
    }
    if (m_next >= m_end)
        readOn();
}

void DiscWorker::readOn()
{
    PlaybackPlan::Range next;
    switch (m_plan.take(m_generation, next)) {
    case PlaybackPlan::Next::Range:
        // A range that does not carry on from this one starts the de-emphasis afresh.
        if (next.first != m_end)
            m_deEmphasising = false;
        // Skips carry on: a drive that reads nothing gives up however short the tracks.
        m_next = next.first;
        m_end = next.end;
        ThreadHandOff::release(&m_ring);
        Q_EMIT rangeTaken(m_generation, next.first, next.end);
        break;
    case PlaybackPlan::Next::End:
        m_readTimer.stop();
        m_ring.finish(m_generation);
        break;
    case PlaybackPlan::Next::Undecided:
        break; // asked again next round
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
    m_image.reset();
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
        Q_EMIT opened(Found::NoDisc, {}, {});
    } else {
        open();
    }
}
