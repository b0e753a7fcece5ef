#pragma once

#include "accuraterip/AccurateRipClient.h"
#include "core/Reason.h"
#include "disc/DiscToc.h"
#include "discjobs/DatabaseQuestions.h"
#include "discjobs/WorkThread.h"
#include "discsave/DiscReport.h"
#include "discsave/TrackResult.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

class DiscSource;

/// Saves the disc in a drive as a verified image, for the window and the command line alike.
/// The drive is opened, read and the files written on a thread of the saving's own (never the
/// window's, nor the player's disc thread, which must have stopped playing first); AccurateRip
/// is asked on the thread that made this object. Two steps: open() finds the disc and tells its
/// table, so that names can be found for it; save() then saves it under those names. Every
/// open() ends in finished(), whether saved, refused, failed or cancelled.
class SaveDiscJob : public QObject {
    Q_OBJECT

public:
    explicit SaveDiscJob(QObject* parent = nullptr);
    /// Cancels what is under way and waits for its thread.
    ~SaveDiscJob() override;

    /// Opens the disc in `drive` of `source`, or the one Load picks for an empty `drive`:
    /// opened(), or finished() with why not. Ignored while a saving is under way.
    void open(std::shared_ptr<DiscSource> source, const std::string& drive = {});
    /// After opened(): saves the disc into a folder of its own in `folder`, named as `names`
    /// says (the disc, its release and its tracks by number), with `cover` (a PNG or JPEG) as
    /// its front cover.
    void save(const DiscToc& names, const QByteArray& cover, const QString& musicBrainzDiscId,
              const QString& folder);
    /// Stops promptly, leaving nothing behind; finished() follows.
    void cancel();
    /// For a program that ends at once, as a read may hang in the drive: removes the folder the
    /// saving is writing into, whatever its thread is doing. A kept folder stays. Returns why
    /// the folder could not be removed, or nothing.
    Reason abandon();
    /// Between open() and finished().
    bool isBusy() const { return m_step != Step::Idle; }

Q_SIGNALS:
    /// The disc's table: CD-Text, ISRCs and gaps included; names are found for it by its disc ID.
    void opened(const DiscToc& toc);
    /// How far the reading has come, and the track (by number) being read.
    void progress(int percent, int track);
    /// A track read to its end, before AccurateRip is asked about it.
    void trackRead(const TrackResult& track);
    /// The end: the folder made, each track's answer and the status; or why nothing was saved.
    void finished(const DiscReport& report);

private:
    enum class Step { Idle, Opening, Opened, FindingOffset, Reading, Asking, Repairing, Keeping };
    struct Job;

    void opening(const DiscToc& toc, const DiscReader::DriveModel& drive);
    /// For a drive whose offset nobody knows: AccurateRip's sums of the disc's tracks around
    /// their sector 450, at every offset within reach; else the CUETools database's verdict on
    /// the audio read, which reads it again where that lies.
    void findOffsetOnDisc(const AccurateRipClient::Offset& unknown);
    /// Keeps the offset found for the drive, and reads with it.
    void offsetFound(int samples, const std::string& by);
    /// Writes the drive's offset into the settings, for the next disc, and says so in the log.
    void keepOffset(int samples, const std::string& by);
    void read(const AccurateRipClient::Offset& offset);
    void readDone(bool ok, const Reason& error, const DatabaseQuestions::Read& read);
    /// What both databases said of what was read, or of it repaired.
    void asked(const DatabaseQuestions::Answers& answers);
    /// Mends the image in the working folder, then asks again.
    void repair(const CtdbCheck::Outcome& ctdb);

    void kept(bool ok, const Reason& error, const std::string& folder);
    /// Lets the drive and the working folder go, on the saving's thread, then tells finished().
    void finish(const DiscReport& report);
    void fail(const Reason& why);

    AccurateRipClient m_accurateRip;
    DatabaseQuestions m_questions;
    Step m_step = Step::Idle;
    /// Counts the savings, so that answers for one that ended are dropped.
    int m_run = 0;
    std::atomic<bool> m_cancel = false;
    /// Touched on the saving's thread only.
    std::shared_ptr<Job> m_job;
    /// Set on the saving's thread, read by abandon().
    std::mutex m_workingFolderMutex;
    std::string m_workingFolder;
    DiscReader::DriveModel m_drive;
    DiscToc m_disc;
    /// What the log says of an offset found from the disc.
    std::vector<std::string> m_offsetNotes;
    std::vector<std::string> m_offsetLines;
    /// Whether the CUETools database's verdict on what is read decides the drive's offset.
    bool m_ctdbMayFindOffset = false;
    DiscToc m_names;
    QByteArray m_cover;
    QString m_discId;
    QString m_folder;
    std::vector<TrackResult> m_tracks;
    CtdbCheck::Outcome m_ctdb;
    /// The log's lines on the stretches repaired, once they are.
    std::vector<std::string> m_repairLines;
    /// The words and sectors repaired.
    std::pair<int, int> m_repaired;
    // Last, so that its thread ends before anything it uses goes.
    WorkThread m_work;
};
