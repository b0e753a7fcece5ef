#pragma once

#include "accuraterip/AccurateRipClient.h"
#include "discjobs/DatabaseQuestions.h"
#include "discjobs/VerifyImageJob.h"
#include "discjobs/WorkThread.h"
#include "discsave/DiscReport.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class DiscSaver;

/// How a repair ended.
struct RepairReport {
    enum class Outcome {
        /// A repaired copy was written and proven: `repaired` says where and what it is.
        Repaired,
        /// The CUETools database finds the image accurate: nothing to repair.
        AlreadyAccurate,
        /// The database cannot mend it, or does not know it: `why` says.
        NotRepaired,
        /// Nothing could be done: a bad image, no lookup, no answer. `why` says.
        NothingDone,
    };
    Outcome outcome = Outcome::NothingDone;
    /// The image as it was verified first.
    DiscReport found;
    /// The repaired copy as it was verified once written, its folder with it.
    DiscReport repaired;
    Reason why;

    /// As the program's exit statuses.
    DiscReport::Status status() const;
};

/// Repairs a disc image from the CUETools database's parity, for the window and the command
/// line alike: the image is verified as a verifying does; when the database can mend it, a new
/// image is written, laid out as a saved disc, its audio read through the mends, then verified
/// again, and kept only when the database finds it accurate. The image itself is never changed.
class RepairImageJob : public QObject {
    Q_OBJECT

public:
    explicit RepairImageJob(QObject* parent = nullptr);
    /// Cancels what is under way and waits for its thread.
    ~RepairImageJob() override;

    /// Repairs the image whose cue sheet (or audio file) is at `path` into "<its folder's name>
    /// (repaired)" in `output`, or beside the image's folder when `output` is empty.
    /// finished() follows. Ignored while one is under way.
    void start(const QString& path, const QString& output = {});
    /// Stops promptly, leaving nothing behind; finished() follows.
    void cancel();
    bool isBusy() const { return m_busy; }

Q_SIGNALS:
    /// How far verifying, then writing, has come as one percentage, and the track being read.
    void progress(int percent, int track);
    void finished(const RepairReport& report);

private:
    struct Job;
    void verified(const DiscReport& report);
    void written(bool ok, const Reason& error, const DatabaseQuestions::Read& read);
    void judged(const DatabaseQuestions::Answers& answers);
    void kept(bool ok, const Reason& error, const std::string& folder);
    void finish(RepairReport::Outcome outcome, const Reason& why);

    VerifyImageJob m_verifying;
    AccurateRipClient m_accurateRip;
    DatabaseQuestions m_questions;
    bool m_busy = false;
    /// Between writing and the databases' answers on what was written.
    bool m_asking = false;
    int m_run = 0;
    std::atomic<bool> m_cancel = false;
    QString m_path;
    QString m_output;
    RepairReport m_report;
    /// Touched on the work thread only.
    std::shared_ptr<Job> m_job;
    // Last, so that its thread ends before anything it uses goes.
    WorkThread m_work;
};
