#include "cdaudio/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace {
// Qt 6.4 never announces outputs coming and going (measured with PulseAudio 16), though its
// list of them stays current; a look this often pauses well within half a second.
constexpr int DeviceWatchMs = 100;
} // namespace

QtAudioOutput::QtAudioOutput(QObject* parent) : AudioOutput(parent)
{
    m_deviceWatch.setInterval(DeviceWatchMs);
    connect(&m_deviceWatch, &QTimer::timeout, this, &QtAudioOutput::watchDevice);
}

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
    m_device = device.id();
    m_deviceWatch.start();
    return true;
}

void QtAudioOutput::watchDevice()
{
    // By id: Qt 6.4 tells two descriptions of one device apart once its list was rebuilt.
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (std::none_of(outputs.begin(), outputs.end(),
                     [&](const QAudioDevice& output) { return output.id() == m_device; })) {
        m_deviceWatch.stop();
        Q_EMIT deviceLost();
        return;
    }
    // The device is still there, so a new default is one the stream went on to.
    const QAudioDevice current = QMediaDevices::defaultAudioOutput();
    if (!current.isNull())
        m_device = current.id();
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
    m_deviceWatch.stop();
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
