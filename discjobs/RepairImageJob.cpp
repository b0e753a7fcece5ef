#include "discjobs/RepairImageJob.h"

#include "VersionRecord.h"
#include "disc/DiscLayout.h"
#include "discimage/FlacCover.h"
#include "discimage/ImageDiscReader.h"
#include "discsave/DiscSaver.h"
#include "discsave/RepairedStretches.h"
#include "discsave/RepairingReader.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

struct RepairImageJob::Job {
    std::unique_ptr<ImageDiscReader> image;
    std::unique_ptr<RepairingReader> reader;
    std::unique_ptr<DiscSaver> saver;
    std::vector<std::string> stretches;
};

namespace {

/// Verifying is the first part of a repair's progress, writing the rest.
constexpr int VerifyingShare = 40;

/// Tells the repair how the writing goes, from its thread.
class RepairRelay final : public DiscSaver::Listener {
public:
    RepairRelay(RepairImageJob* repair, WorkThread& work) : m_repair(repair), m_work(work) {}

    void reading(int percent, int track) override
    {
        m_work.answer(m_repair, [repair = m_repair, percent, track] {
            Q_EMIT repair->progress(VerifyingShare + percent * (100 - VerifyingShare) / 100, track);
        });
    }
    void trackRead(const TrackResult&) override {}

private:
    RepairImageJob* m_repair;
    WorkThread& m_work;
};

std::string signedOffset(int samples)
{
    return (samples > 0 ? "+" : "") + std::to_string(samples);
}

} // namespace

DiscReport::Status RepairReport::status() const
{
    switch (outcome) {
    case Outcome::Repaired:
        return repaired.status;
    case Outcome::AlreadyAccurate:
        return DiscReport::Status::Fine;
    case Outcome::NotRepaired:
        return DiscReport::Status::Differs;
    case Outcome::NothingDone:
        break;
    }
    return DiscReport::Status::NothingDone;
}

RepairImageJob::RepairImageJob(QObject* parent)
    : QObject(parent), m_accurateRip({}, this), m_questions(m_accurateRip, this, m_work)
{
    connect(&m_verifying, &VerifyImageJob::progress, this, [this](int percent, int track) {
        Q_EMIT progress(percent * VerifyingShare / 100, track);
    });
    connect(&m_verifying, &VerifyImageJob::finished, this, &RepairImageJob::verified);
}

RepairImageJob::~RepairImageJob()
{
    m_cancel = true;
}

void RepairImageJob::start(const QString& path, const QString& output)
{
    if (m_busy)
        return;
    m_busy = true;
    m_cancel = false;
    ++m_run;
    m_path = QFileInfo(path).absoluteFilePath();
    m_output = output;
    m_report = {};
    m_verifying.start(m_path);
}

void RepairImageJob::cancel()
{
    if (!m_busy)
        return;
    m_cancel = true;
    if (m_verifying.isBusy())
        m_verifying.cancel();
    else if (!m_job || m_asking)
        finish(RepairReport::Outcome::NothingDone,
               Reason(QT_TRANSLATE_NOOP("Reason", "repairing was cancelled")));
}

void RepairImageJob::verified(const DiscReport& report)
{
    if (!m_busy)
        return;
    m_report.found = report;
    using Result = CtdbVerdict::Result;
    if (report.tracks.empty()) {
        finish(RepairReport::Outcome::NothingDone, report.why);
        return;
    }
    if (m_cancel) {
        finish(RepairReport::Outcome::NothingDone,
               Reason(QT_TRANSLATE_NOOP("Reason", "repairing was cancelled")));
        return;
    }
    switch (report.ctdb.result) {
    case Result::NotChecked:
        finish(RepairReport::Outcome::NothingDone,
               Reason(CtdbClient::Settings::read().lookup
                          ? QT_TRANSLATE_NOOP("Reason", "the CUETools database could not be asked")
                          : QT_TRANSLATE_NOOP("Reason", "the CUETools database is not asked: "
                                                        "lookup is off in the settings")));
        return;
    case Result::Accurate:
        finish(RepairReport::Outcome::AlreadyAccurate, {});
        return;
    case Result::NotInDatabase:
        finish(RepairReport::Outcome::NotRepaired,
               report.ctdbWhy.empty()
                   ? Reason(QT_TRANSLATE_NOOP("Reason", "the disc is not in the CUETools database"))
                   : report.ctdbWhy);
        return;
    case Result::Differs:
        break;
    }
    if (report.ctdb.repair != CtdbVerdict::Repair::Repairable || !report.ctdbFixes) {
        finish(
            RepairReport::Outcome::NotRepaired,
            Reason(report.ctdb.repair == CtdbVerdict::Repair::ParityUnusable
                       ? QT_TRANSLATE_NOOP("Reason",
                                           "the CUETools database's parity could not be used")
                       : QT_TRANSLATE_NOOP("Reason", "the image differs from the CUETools "
                                                     "database's beyond what its parity mends")));
        return;
    }

    const QFileInfo image(m_path);
    QDir parent = image.absoluteDir();
    const QString folderName = parent.dirName() + QStringLiteral(" (repaired)");
    parent.cdUp();
    DiscSaver::Request request;
    request.parent = (m_output.isEmpty() ? parent.absolutePath() : m_output).toStdString();
    request.folderName = folderName.toStdString();
    request.fileName = image.completeBaseName().toStdString();
    request.readOffsetSource = "none: an image is read as it was saved";
    request.reading = "the image read twice, the CUETools database's mends made as it was read";
    const CtdbVerdict& ctdb = report.ctdb;
    request.notes.push_back("Repaired from " + m_path.toStdString() +
                            " with the parity of the CUETools database's entry " +
                            ctdb.repairFrom->id + " (confidence " +
                            std::to_string(ctdb.repairFrom->confidence) + ") at offset " +
                            signedOffset(ctdb.offset));
    const QString flac =
        image.suffix().compare(QLatin1String("flac"), Qt::CaseInsensitive) == 0
            ? m_path
            : image.absoluteDir().filePath(image.completeBaseName() + QStringLiteral(".flac"));
    m_job = std::make_shared<Job>();
    m_work.post([this, job = m_job, path = m_path.toStdString(), flac = flac.toStdString(), request,
                 fixes = report.ctdbFixes, run = m_run]() mutable {
        Reason fault;
        job->image = ImageDiscReader::open(path, fault);
        if (!job->image) {
            m_work.answer(this, [this, run, fault, path] {
                if (run == m_run)
                    written(false,
                            Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot be repaired: %2"),
                                   {Reason::verbatim(path), fault}),
                            {});
            });
            return;
        }
        const DiscToc& toc = job->image->toc();
        const auto first = std::find_if(toc.tracks.begin(), toc.tracks.end(),
                                        [](const TrackInfo& t) { return t.isSavedAudio(); });
        job->reader = std::make_unique<RepairingReader>(
            *job->image, first == toc.tracks.end() ? 0 : first->firstSector, *fixes);
        job->stretches = RepairedStretches::logLines(RepairedStretches::of(toc, *fixes));
        request.names = toc;
        request.cover = FlacCover::front(flac);
        job->saver = std::make_unique<DiscSaver>(*job->reader, 0);
        RepairRelay relay(this, m_work);
        const bool ok = job->saver->read(request, relay, m_cancel);
        DatabaseQuestions::Read read{job->saver->tracks(), job->saver->accurateRipId(),
                                     CtdbToc::of(DiscLayout::of(toc)), job->saver->ctdbSums()};
        m_work.answer(this, [this, run, ok, error = job->saver->reason(), read] {
            if (run == m_run)
                written(ok, error, read);
        });
    });
}

void RepairImageJob::written(bool ok, const Reason& error, const DatabaseQuestions::Read& read)
{
    if (!ok || m_cancel) {
        finish(RepairReport::Outcome::NothingDone,
               m_cancel ? Reason(QT_TRANSLATE_NOOP("Reason", "repairing was cancelled")) : error);
        return;
    }
    m_asking = true;
    m_questions.ask(read, [this, run = m_run](const DatabaseQuestions::Answers& answers) {
        if (run != m_run)
            return;
        m_asking = false;
        judged(answers);
    });
}

void RepairImageJob::judged(const DatabaseQuestions::Answers& answers)
{
    if (m_cancel) {
        finish(RepairReport::Outcome::NothingDone,
               Reason(QT_TRANSLATE_NOOP("Reason", "repairing was cancelled")));
        return;
    }
    m_report.repaired = VerifyImageJob::reportOf(answers);
    // The mends were proven by the entry's sum before a word was written; what was written is
    // proven again, unless the database could not be asked a second time.
    if (m_report.repaired.ctdb.result != CtdbVerdict::Result::Accurate &&
        m_report.repaired.ctdb.result != CtdbVerdict::Result::NotChecked) {
        finish(RepairReport::Outcome::NotRepaired,
               Reason(QT_TRANSLATE_NOOP(
                   "Reason", "the repaired image's sums are not the CUETools database's")));
        return;
    }
    const std::string program =
        std::string(VersionRecord::InternalName) + ' ' + VersionRecord::FileVersion;
    const std::string saved =
        QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat).toStdString();
    std::vector<std::string> lines = m_job->stretches;
    for (std::string& line : answers.ctdbLogLines())
        lines.push_back(std::move(line));
    m_work.post([this, job = m_job, tracks = answers.tracks, program, saved, lines, run = m_run] {
        const bool ok = job->saver->keep(tracks, program, saved, lines);
        m_work.answer(this,
                      [this, run, ok, error = job->saver->reason(), folder = job->saver->folder()] {
                          if (run == m_run)
                              kept(ok, error, folder);
                      });
    });
}

void RepairImageJob::kept(bool ok, const Reason& error, const std::string& folder)
{
    if (!ok) {
        finish(RepairReport::Outcome::NothingDone, error);
        return;
    }
    m_report.repaired.folder = folder;
    finish(RepairReport::Outcome::Repaired, {});
}

void RepairImageJob::finish(RepairReport::Outcome outcome, const Reason& why)
{
    m_asking = false;
    m_report.outcome = outcome;
    m_report.why = why;
    const int run = ++m_run;
    // The saver goes on its own thread; an unkept working folder goes with it.
    m_work.post([this, job = std::move(m_job), run]() mutable {
        job.reset();
        m_work.answer(this, [this, run] {
            if (run != m_run)
                return;
            m_busy = false;
            Q_EMIT finished(m_report);
        });
    });
}
