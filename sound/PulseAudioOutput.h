#pragma once

#include "sound/AudioOutput.h"

#include <atomic>
#include <cstdint>
#include <vector>

typedef struct pa_threaded_mainloop pa_threaded_mainloop;
typedef struct pa_context pa_context;
typedef struct pa_stream pa_stream;
typedef struct pa_time_event pa_time_event;
typedef struct pa_operation pa_operation;

/// Sound through the desktop's sound server: PulseAudio, or PipeWire in its place. Each start
/// is a connection of its own, so a server that restarted is heard at once; connecting happens
/// on the connection's own thread, so a server that hangs never holds up the caller. The stream
/// goes where the desktop's default output goes; the device it plays on going away is told
/// apart. The end is told when the server says everything was played, or, should it never say
/// so, once what was still queued has had time to play.
class PulseAudioOutput final : public AudioOutput {
    Q_OBJECT

public:
    explicit PulseAudioOutput(QObject* parent = nullptr);
    ~PulseAudioOutput() override;

    bool start(QIODevice* source) override;
    void suspend() override;
    void resume() override;
    void stop() override;
    qint64 playedUSecs() const override;
    void setVolume(double volume) override;

private:
    // On the server connection's own thread, its lock held.
    void contextChanged();
    void streamChanged();
    void openStream();
    void streamReady();
    void pump();
    /// Everything written was played.
    void ended();
    void fail();
    void moved();
    void sinkRemoved(uint32_t index);
    qint64 playedLocked() const;
    qint64 writtenUSecs() const;
    /// Says something to whoever listens, on their own thread.
    void tell(void (AudioOutput::*signal)());

    void cork(bool corked);

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    pa_time_event* m_pump = nullptr;
    pa_time_event* m_connectDeadline = nullptr;
    pa_operation* m_drain = nullptr;
    QIODevice* m_source = nullptr;
    std::vector<char> m_chunk;
    qint64 m_written = 0;
    bool m_ready = false;
    bool m_corked = false;
    /// The source's end was reached and all of it written.
    bool m_allWritten = false;
    /// When the end is told at the latest, on the server's clock; 0 while not known.
    uint64_t m_endDeadline = 0;
    bool m_everythingPlayed = false;
    bool m_failureTold = false;
    /// The sink the stream plays on, and the one it was moved from, with when.
    uint32_t m_sink = 0;
    uint32_t m_formerSink = 0;
    int64_t m_movedAt = 0;
    std::atomic<double> m_volume{1.0};
};
