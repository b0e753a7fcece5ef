#pragma once

#include "sound/AudioOutput.h"

#include <QByteArray>
#include <QIODevice>
#include <QTimer>

#include <algorithm>

/// A sound output that records what it is given, pulling faster than real time. Its clock runs
/// a tenth of a second behind what it pulled, as a real output's does, so it stalls short of
/// the end: only its word that everything was heard marks the end.
class RecordingOutput final : public AudioOutput {
public:
    static constexpr qint64 LagBytes = 176400 / 10;

    explicit RecordingOutput(QByteArray& recording) : m_recording(recording)
    {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { pull(); });
    }

    bool start(QIODevice* source) override
    {
        m_source = source;
        m_played = 0;
        m_drained = false;
        m_timer.start();
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT ready(); }, Qt::QueuedConnection);
        return true;
    }
    void suspend() override { m_timer.stop(); }
    void resume() override { m_timer.start(); }
    void stop() override
    {
        m_timer.stop();
        m_source = nullptr;
    }
    qint64 playedUSecs() const override
    {
        return std::max<qint64>(m_played - LagBytes, 0) * 1000000 / 176400;
    }
    void setVolume(double volume) override { m_volume = volume; }
    double volume() const { return m_volume; }

private:
    void pull()
    {
        if (!m_source || m_drained)
            return;
        // 3528 bytes is what a real sink asks for every 20 ms.
        const QByteArray chunk = m_source->read(3528);
        m_recording += chunk;
        m_played += chunk.size();
        if (chunk.isEmpty() && m_source->atEnd()) {
            m_drained = true;
            Q_EMIT drained();
        }
    }

    QByteArray& m_recording;
    QIODevice* m_source = nullptr;
    QTimer m_timer;
    qint64 m_played = 0;
    bool m_drained = false;
    double m_volume = 1.0;
};
