#pragma once

#include "accuraterip/AccurateRipClient.h"
#include "discjobs/DatabaseQuestions.h"
#include "discjobs/WorkThread.h"
#include "discsave/DiscReport.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

/// Verifies a disc image against AccurateRip and the CUETools database, for the window and the
/// command line alike: any
/// rip a cue sheet describes (one file or one a track, gaps appended or left out) is read once
/// on a thread of its own and summed as a saving sums a disc, then judged the same way.
class VerifyImageJob : public QObject {
    Q_OBJECT

public:
    explicit VerifyImageJob(QObject* parent = nullptr);
    /// Cancels what is under way and waits for its thread.
    ~VerifyImageJob() override;

    /// Verifies the image whose cue sheet (or audio file beside one) is at `path`; finished()
    /// follows. Ignored while one is under way.
    void start(const QString& path);
    /// Stops promptly; finished() follows.
    void cancel();
    bool isBusy() const { return m_busy; }

    /// What the databases' answers on an image make of it.
    static DiscReport reportOf(const DatabaseQuestions::Answers& answers);

Q_SIGNALS:
    /// How far the reading has come, and the track (by number) being read.
    void progress(int percent, int track);
    /// Each track's answer and the status; or why the image could not be verified. A database
    /// that was not asked or did not answer verifies nothing.
    void finished(const DiscReport& report);

private:
    /// Asks both databases about what was read; finished() once both have answered.
    void ask(const DatabaseQuestions::Read& read);

    void finish(const DiscReport& report);

    AccurateRipClient m_accurateRip;
    DatabaseQuestions m_questions;
    bool m_busy = false;
    int m_run = 0;
    std::atomic<bool> m_cancel = false;
    // Last, so that its thread ends before anything it uses goes.
    WorkThread m_work;
};
