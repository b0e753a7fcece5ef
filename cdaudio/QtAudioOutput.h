#pragma once

#include "cdaudio/AudioOutput.h"

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
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_source = nullptr;
    double m_volume = 1.0;
};
