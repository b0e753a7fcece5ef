#pragma once

#include "player/DiscWorker.h"
#include "player/PlaybackControl.h"
#include "player/PlaybackPlan.h"
#include "player/Transport.h"
#include "sound/AudioOutput.h"
#include "sound/PcmStream.h"
#include "sound/RingBuffer.h"

#include <QBuffer>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class DiscSource;

/// The player behind the panel: the transport's rules on the user-interface thread, the drive
/// on a worker thread, and the sound output pulling from the ring buffer between them.
class CdPlayer : public QObject, private PlaybackControl {
    Q_OBJECT

public:
    using OutputFactory = std::function<std::unique_ptr<AudioOutput>()>;
    /// Opens the disc image at a path; handed down by whoever knows how images are read.
    using ImageSourceFactory = std::function<std::shared_ptr<DiscSource>(const std::string& path)>;
    /// A drive of the computer's, and its vendor and model where it tells them.
    struct Drive {
        QString device;
        QString description;
    };

    static constexpr int BufferSeconds = 4;

    CdPlayer(std::unique_ptr<DiscSource> source, OutputFactory outputs, QObject* parent = nullptr);
    ~CdPlayer() override;
    /// How images are opened; without it, opening an image is a programming error.
    void setImageSources(ImageSourceFactory images) { m_images = std::move(images); }

    const Transport& transport() const { return m_transport; }
    PcmStream& stream() { return m_stream; }

    /// Opens the drive and reads the disc; while a disc plays it just goes on playing, while an
    /// image plays the drive takes its place.
    void open();
    /// Opens that drive and reads its disc, whatever played.
    void openDrive(const QString& device);
    /// The drive the disc is in; empty without a disc, or for an image.
    const QString& drive() const { return m_drive; }
    /// The image in the drive's place; empty without one.
    const QString& imagePath() const { return m_image; }
    /// The computer's drives, as last listed (at start and at each Load).
    const QList<Drive>& drives() const { return m_drives; }
    /// Puts the image at `path` in the drive's place, once it is known to play; a bad one leaves
    /// everything as it was, but for the display saying so.
    void openImage(const QString& path);
    void pressPlay();
    void pressPause();
    void pressStop();
    void pressPrevious();
    void pressNext();
    void pressEject();
    /// Moves within the playing or paused track.
    void seek(qint64 usecsIntoTrack);
    /// Plays the track numbered `number` from its start; false when the disc has none.
    bool chooseTrack(int number);
    void setShuffle(bool shuffle);
    void setRepeat(Transport::Repeat repeat);
    /// Seeds the shuffling, so that tests know the order.
    void seedOrder(std::uint32_t seed) { m_transport.seedOrder(seed); }
    /// Microseconds into the current track.
    qint64 positionUSecs() const;
    double volume() const { return m_volume; }
    /// Linear, clamped to 0 to 1; kept for every output to come.
    void setVolume(double volume);
    /// The computer is about to sleep: a playing disc pauses, and stays paused on waking.
    void prepareForSleep();
    /// New names for the disc in place; nothing else changes.
    void renameDisc(const DiscToc& named);

Q_SIGNALS:
    /// The state, the position or the disc changed.
    void changed();
    /// To the worker: read [firstSector, endSector) into the buffer's generation.
    void readRequested(int firstSector, int endSector, quint64 generation);
    /// An image took the drive's place; it is meant to play at once.
    void imageOpened();

private:
    void start(int firstSector, int endSector) override;
    void queue(int firstSector, int endSector) override;
    bool requeue(int firstSector, int endSector) override;
    void pause() override;
    void resume() override;
    void stop() override;
    void eject() override;

    void onOpened(DiscWorker::Found found, const DiscToc& toc, const QString& where);
    void onReadFailed(quint64 generation);
    void onRangeTaken(quint64 generation, int firstSector, int endSector);
    void onImageRefused(const QString& why);
    void onDrained();
    void updatePosition(bool drained = false);
    void onOutputFailed();
    void onDeviceLost();
    /// While the sound server is awaited: whether it answers again.
    void checkForSound();
    void stopAwaitingSound();
    void dropProbe();

    std::unique_ptr<DiscSource> m_source;
    OutputFactory m_outputs;
    ImageSourceFactory m_images;
    RingBuffer m_ring;
    PlaybackPlan m_plan;
    PcmStream m_stream;
    Transport m_transport;
    QThread m_thread;
    DiscWorker* m_worker = nullptr;
    std::unique_ptr<AudioOutput> m_output;
    /// An output opened only to learn whether the sound server answers again.
    std::unique_ptr<AudioOutput> m_probe;
    QBuffer m_nothing;
    QTimer m_positionTimer;
    QTimer m_refusalTimer;
    QTimer m_soundCheck;
    QTimer m_soundDeadline;
    QString m_imagePath;
    QList<Drive> m_drives;
    QString m_drive;
    QString m_image;
    /// The range being heard, and where in the output's time it began.
    int m_startSector = 0;
    int m_endSector = 0;
    qint64 m_rangeStartUSecs = 0;
    /// Ranges reading went on into, not yet heard.
    std::deque<PlaybackPlan::Range> m_rangesAhead;
    quint64 m_generation = 0;
    double m_volume = 1.0;
};
