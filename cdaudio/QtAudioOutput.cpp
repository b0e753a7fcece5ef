#include "cdaudio/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

QtAudioOutput::QtAudioOutput(QObject* parent) : AudioOutput(parent) {}

QtAudioOutput::~QtAudioOutput()
{
    stop();
}

bool QtAudioOutput::start(QIODevice* source)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;

    m_sink = std::make_unique<QAudioSink>(device, format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (!m_sink)
            return;
        if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            Q_EMIT failed();
        else if (state == QAudio::IdleState && m_source && m_source->atEnd())
            Q_EMIT drained();
    });
    m_sink->setVolume(m_volume);
    m_source = source;
    m_sink->start(source);
    // With no server the sink fails at once and says so only here.
    if (m_sink->error() != QAudio::NoError) {
        m_sink.reset();
        return false;
    }
    return true;
}

void QtAudioOutput::suspend()
{
    if (m_sink)
        m_sink->suspend();
}

void QtAudioOutput::resume()
{
    if (m_sink)
        m_sink->resume();
}

void QtAudioOutput::stop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_source = nullptr;
}

qint64 QtAudioOutput::playedUSecs() const
{
    return m_sink ? m_sink->processedUSecs() : 0;
}

void QtAudioOutput::setVolume(double volume)
{
    m_volume = volume;
    if (m_sink)
        m_sink->setVolume(volume);
}
