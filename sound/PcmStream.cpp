#include "sound/PcmStream.h"

#include "sound/RingBuffer.h"

PcmStream::PcmStream(RingBuffer& ring, QObject* parent) : QIODevice(parent), m_ring(ring) {}

qint64 PcmStream::bytesAvailable() const
{
    return qint64(m_ring.available()) + QIODevice::bytesAvailable();
}

bool PcmStream::atEnd() const
{
    return m_ring.finished() && m_ring.available() == 0;
}

void PcmStream::restart()
{
    m_delivering = false;
}

qint64 PcmStream::readData(char* data, qint64 maxSize)
{
    // Whole stereo frames only, so the channels never swap.
    const qint64 frames = maxSize / 4 * 4;
    const auto got = qint64(m_ring.read(data, std::size_t(frames)));
    if (got == 0)
        return 0;
    if (!m_delivering) {
        m_delivering = true;
        Q_EMIT firstData();
    }
    return got;
}

qint64 PcmStream::writeData(const char*, qint64)
{
    return -1;
}
