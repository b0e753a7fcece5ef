#pragma once

#include "disc/DiscToc.h"
#include "sound/DeEmphasis.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <mutex>
#include <vector>

class DiscReader;
class DiscSource;
class PlaybackPlan;
class RingBuffer;

/// Everything that touches the drive, on a thread of its own: finding and opening the disc,
/// reading its table of contents, and reading sectors ahead into the ring buffer. Slow drives,
/// spin-up and read errors wait here, never on the user-interface thread.
class DiscWorker : public QObject {
    Q_OBJECT

public:
    enum class Found { Disc, NoDrive, NoDisc };
    Q_ENUM(Found)

    static constexpr int ChunkSectors = 10;
    static constexpr int MaxRetries = 3;
    /// After this many seconds skipped in a row, reading gives up.
    static constexpr int MaxSkips = 5;
    /// Fast enough for playing with room for retries, slow enough for a quiet drive.
    static constexpr int ReadSpeed = 4;

    DiscWorker(DiscSource& source, RingBuffer& ring, PlaybackPlan& plan);
    ~DiscWorker() override;

    /// Stops the worker's timers; on its own thread, as that thread ends.
    void shutDown();

public Q_SLOTS:
    /// Opens the first drive with an audio disc, else the first drive with any disc.
    void open();
    /// Opens that drive, as open() would were it the only one.
    void openDrive(const QString& drive);
    /// Says which drives the computer has, with what they tell of themselves.
    void listDrives();
    /// Takes note of an image to open next, from any thread; the latest note wins.
    void requestImage(std::shared_ptr<DiscSource> image, std::string path);
    /// Puts the image asked for in the drive's place; one that cannot be opened changes nothing.
    void openRequestedImage();
    void startReading(int firstSector, int endSector, quint64 generation);
    void stopReading();
    void eject();
    /// Notices a disc put in or taken out.
    void poll();

Q_SIGNALS:
    /// A disc found in the drive `where`, or the image at `where`; or none.
    void opened(DiscWorker::Found found, const DiscToc& toc, const QString& where);
    /// Each drive's device and its vendor and model (empty where it does not say).
    void drivesListed(const QStringList& devices, const QStringList& descriptions);
    void imageRefused(const QString& why);
    void readFailed(quint64 generation);
    /// Reading went on into the range queued in the plan, [firstSector, endSector).
    void rangeTaken(quint64 generation, int firstSector, int endSector);

private:
    /// One chunk at most each round, so the drive reads steadily instead of in bursts.
    void readAhead();
    /// The range is read: on into what the plan says follows, or the end.
    void readOn();
    /// Takes the reader's disc as the one to play.
    void take(std::unique_ptr<DiscReader> reader);
    void openFrom(const std::vector<std::string>& drives);
    /// The length of the audio in the gap before track 1, 0 when it is silence or unreadable.
    int hiddenTrackLength();
    const TrackInfo* trackAt(int sector) const;

    DiscSource& m_source;
    RingBuffer& m_ring;
    PlaybackPlan& m_plan;
    std::unique_ptr<DiscReader> m_reader;
    /// The image in the drive's place, if one is.
    std::shared_ptr<DiscSource> m_image;
    std::string m_imagePath;
    /// The image asked for, handed over from the interface thread.
    std::mutex m_requestMutex;
    std::shared_ptr<DiscSource> m_requestedImage;
    std::string m_requestedPath;
    DiscToc m_toc;
    std::vector<TrackInfo> m_audio;
    bool m_speedLimited = false;
    DeEmphasis m_deEmphasis;
    bool m_deEmphasising = false;
    std::string m_drive;
    bool m_discPresent = false;
    /// After an eject a disc still seen (an image) must go before one counts as put in.
    bool m_awaitRemoval = false;

    // Children, so they move to the worker's thread with it.
    QTimer m_readTimer{this};
    QTimer m_pollTimer{this};
    std::vector<int16_t> m_chunk;
    int m_next = 0;
    int m_end = 0;
    quint64 m_generation = 0;
    int m_retries = 0;
    int m_skips = 0;
};
