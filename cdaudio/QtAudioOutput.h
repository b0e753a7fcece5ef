#pragma once

#include "cdaudio/AudioOutput.h"

#include <QByteArray>
#include <QTimer>

#include <memory>

class QAudioSink;

/// Sound through the desktop's sound server with Qt Multimedia.
class QtAudioOutput final : public AudioOutput {
    Q_OBJECT

public:
    explicit QtAudioOutput(QObject* parent = nullptr);
    ~QtAudioOutput() override;

    bool start(QIODevice* source) override;
    void suspend() override;
    void resume() override;
    void stop() override;
    qint64 playedUSecs() const override;
    void setVolume(double volume) override;

private:
    void watchDevice();

    std::unique_ptr<QAudioSink> m_sink;
    /// Where the sound is heard: the desktop's default output, which the stream follows.
    QByteArray m_device;
    QTimer m_deviceWatch;
    QIODevice* m_source = nullptr;
    double m_volume = 1.0;
};
