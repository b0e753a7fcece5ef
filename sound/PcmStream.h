#pragma once

#include <QIODevice>

class RingBuffer;

/// The sound output's side of the ring buffer: it only copies, so the output never waits for
/// the drive. Running dry before the end is an underrun: the output reads nothing and asks again.
class PcmStream : public QIODevice {
    Q_OBJECT

public:
    explicit PcmStream(RingBuffer& ring, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;

    /// The next bytes delivered are a new start's first.
    void restart();

Q_SIGNALS:
    /// The first bytes since restart() went to the output.
    void firstData();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    RingBuffer& m_ring;
    bool m_delivering = false;
};
