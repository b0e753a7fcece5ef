#include "sound/PulseAudioOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIODevice>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int BytesPerSecond = 44100 * 4;
/// Sound kept at the server: enough to ride out a busy moment, little enough to stop at once.
constexpr uint32_t TargetBytes = BytesPerSecond / 5;
constexpr pa_usec_t PumpUSecs = 10000;
/// A server that does not answer at all is no server.
constexpr pa_usec_t ConnectUSecs = 3000000;
/// A sink taken away this soon after the stream left it is the one it played on.
constexpr int64_t MoveWindowUSecs = 1000000;
/// Should the server never say it played everything: no more than this can still be queued
/// (the stream's buffer and a sink's own), and this long after it the end is told anyway.
constexpr qint64 MostQueuedUSecs = 2000000;
constexpr qint64 EndMarginUSecs = 250000;

template <auto Method> void call(void* self)
{
    (static_cast<PulseAudioOutput*>(self)->*Method)();
}

} // namespace

PulseAudioOutput::PulseAudioOutput(QObject* parent) : AudioOutput(parent) {}

PulseAudioOutput::~PulseAudioOutput()
{
    stop();
}

bool PulseAudioOutput::start(QIODevice* source)
{
    stop();
    m_source = source;
    m_written = 0;
    m_ready = m_corked = m_allWritten = m_everythingPlayed = m_failureTold = false;
    m_endDeadline = 0;
    m_loop = pa_threaded_mainloop_new();
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME,
                     qPrintable(QCoreApplication::applicationName()));
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME,
                     qPrintable(QGuiApplication::desktopFileName()));
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "music");
    m_context = pa_context_new_with_proplist(api, nullptr, properties);
    pa_proplist_free(properties);
    pa_context_set_state_callback(
        m_context, [](pa_context*, void* self) { call<&PulseAudioOutput::contextChanged>(self); },
        this);
    // A deadline so that nothing waits for ever; set before the loop runs, as a quick server
    // can be ready (and the deadline let go) before this thread would get to it.
    m_connectDeadline = pa_context_rttime_new(
        m_context, pa_rtclock_now() + ConnectUSecs,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            auto* output = static_cast<PulseAudioOutput*>(self);
            if (!output->m_ready)
                output->fail();
        },
        this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa_threaded_mainloop_start(m_loop) < 0) {
        stop();
        return false;
    }
    return true;
}

void PulseAudioOutput::contextChanged()
{
    const pa_context_state_t state = pa_context_get_state(m_context);
    if (state == PA_CONTEXT_READY && !m_stream)
        openStream();
    else if (!PA_CONTEXT_IS_GOOD(state))
        fail();
}

void PulseAudioOutput::openStream()
{
    pa_sample_spec format{PA_SAMPLE_S16NE, 44100, 2};
    m_stream = pa_stream_new(m_context, "Disc", &format, nullptr);
    pa_stream_set_state_callback(
        m_stream, [](pa_stream*, void* self) { call<&PulseAudioOutput::streamChanged>(self); },
        this);
    pa_stream_set_moved_callback(
        m_stream, [](pa_stream*, void* self) { call<&PulseAudioOutput::moved>(self); }, this);
    // Running dry after the last sound was written is the end.
    pa_stream_set_underflow_callback(
        m_stream,
        [](pa_stream*, void* self) {
            auto* output = static_cast<PulseAudioOutput*>(self);
            if (output->m_allWritten)
                output->ended();
        },
        this);
    pa_buffer_attr buffer{uint32_t(-1), TargetBytes, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
    auto flags = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE);
    if (m_corked)
        flags = pa_stream_flags_t(flags | PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
        fail();
}

void PulseAudioOutput::streamChanged()
{
    const pa_stream_state_t state = pa_stream_get_state(m_stream);
    if (state == PA_STREAM_READY && !m_ready)
        streamReady();
    else if (!PA_STREAM_IS_GOOD(state))
        fail();
}

void PulseAudioOutput::streamReady()
{
    m_ready = true;
    pa_threaded_mainloop_get_api(m_loop)->time_free(m_connectDeadline);
    m_connectDeadline = nullptr;
    m_sink = pa_stream_get_device_index(m_stream);
    m_movedAt = 0;
    pa_context_set_subscribe_callback(
        m_context,
        [](pa_context*, pa_subscription_event_type_t event, uint32_t index, void* self) {
            if ((event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SINK &&
                (event & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE)
                static_cast<PulseAudioOutput*>(self)->sinkRemoved(index);
        },
        this);
    pa_operation_unref(
        pa_context_subscribe(m_context, PA_SUBSCRIPTION_MASK_SINK, nullptr, nullptr));
    m_pump = pa_context_rttime_new(
        m_context, pa_rtclock_now() + PumpUSecs,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            call<&PulseAudioOutput::pump>(self);
        },
        this);
    tell(&AudioOutput::ready);
}

void PulseAudioOutput::fail()
{
    if (!m_failureTold) {
        m_failureTold = true;
        tell(&AudioOutput::failed);
    }
}

void PulseAudioOutput::moved()
{
    m_formerSink = m_sink;
    m_sink = pa_stream_get_device_index(m_stream);
    m_movedAt = int64_t(pa_rtclock_now());
}

void PulseAudioOutput::sinkRemoved(uint32_t index)
{
    // The server moves the stream away before it removes the sink.
    const bool recently = int64_t(pa_rtclock_now()) - m_movedAt < MoveWindowUSecs;
    if (index == m_sink || (recently && index == m_formerSink))
        tell(&AudioOutput::deviceLost);
}

void PulseAudioOutput::pump()
{
    pa_context_rttime_restart(m_context, m_pump, pa_rtclock_now() + PumpUSecs);
    if (!m_source || m_everythingPlayed || pa_stream_get_state(m_stream) != PA_STREAM_READY)
        return;
    if (!m_allWritten) {
        const std::size_t writable = pa_stream_writable_size(m_stream) / 4 * 4;
        m_chunk.resize(writable);
        const qint64 got = writable > 0 ? m_source->read(m_chunk.data(), qint64(writable)) : 0;
        if (got > 0) {
            const double volume = m_volume;
            if (volume < 1.0) {
                auto* samples = reinterpret_cast<int16_t*>(m_chunk.data());
                for (qint64 n = 0; n < got / 2; ++n)
                    samples[n] = int16_t(samples[n] * volume);
            }
            pa_stream_write(m_stream, m_chunk.data(), std::size_t(got), nullptr, 0,
                            PA_SEEK_RELATIVE);
            m_written += got;
            return;
        }
        if (!m_source->atEnd())
            return; // the drive is behind: ask again
        m_allWritten = true;
        // A stream shorter than the server's buffer would otherwise wait to fill it.
        pa_operation_unref(pa_stream_trigger(m_stream, nullptr, nullptr));
        m_drain = pa_stream_drain(
            m_stream,
            [](pa_stream*, int success, void* self) {
                if (success)
                    static_cast<PulseAudioOutput*>(self)->ended();
            },
            this);
    }
    // The server's word is awaited; its clock may stall short of the end, so not for ever.
    const uint64_t now = pa_rtclock_now();
    if (m_corked) {
        m_endDeadline = 0;
    } else if (m_endDeadline == 0) {
        const qint64 queued =
            std::clamp<qint64>(writtenUSecs() - playedLocked(), 0, MostQueuedUSecs);
        m_endDeadline = now + uint64_t(queued + EndMarginUSecs);
    } else if (now >= m_endDeadline) {
        ended();
    }
}

void PulseAudioOutput::ended()
{
    if (m_everythingPlayed)
        return;
    m_everythingPlayed = true;
    tell(&AudioOutput::drained);
}

void PulseAudioOutput::tell(void (AudioOutput::*signal)())
{
    QMetaObject::invokeMethod(
        this, [this, signal] { std::invoke(signal, this); }, Qt::QueuedConnection);
}

void PulseAudioOutput::suspend()
{
    cork(true);
}

void PulseAudioOutput::resume()
{
    cork(false);
}

void PulseAudioOutput::cork(bool corked)
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    m_corked = corked;
    if (m_ready)
        pa_operation_unref(pa_stream_cork(m_stream, corked, nullptr, nullptr));
    pa_threaded_mainloop_unlock(m_loop);
}

void PulseAudioOutput::stop()
{
    if (!m_loop)
        return;
    pa_threaded_mainloop_lock(m_loop);
    m_source = nullptr;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    for (pa_time_event** event : {&m_pump, &m_connectDeadline}) {
        if (*event)
            api->time_free(*event);
        *event = nullptr;
    }
    if (m_drain) {
        pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
        m_drain = nullptr;
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_moved_callback(m_stream, nullptr, nullptr);
        pa_stream_set_underflow_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
    m_ready = false;
    pa_threaded_mainloop_unlock(m_loop);
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
}

qint64 PulseAudioOutput::writtenUSecs() const
{
    return m_written * 1000000 / BytesPerSecond;
}

qint64 PulseAudioOutput::playedLocked() const
{
    pa_usec_t played = 0;
    if (m_everythingPlayed)
        return writtenUSecs();
    if (!m_ready || pa_stream_get_time(m_stream, &played) < 0)
        return 0;
    return std::min<qint64>(qint64(played), writtenUSecs());
}

qint64 PulseAudioOutput::playedUSecs() const
{
    if (!m_loop)
        return 0;
    pa_threaded_mainloop_lock(m_loop);
    const qint64 played = playedLocked();
    pa_threaded_mainloop_unlock(m_loop);
    return played;
}

void PulseAudioOutput::setVolume(double volume)
{
    m_volume = volume;
}
