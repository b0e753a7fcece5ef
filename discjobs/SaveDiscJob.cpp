#include "discjobs/SaveDiscJob.h"

#include "VersionRecord.h"
#include "accuraterip/OffsetFinder.h"
#include "disc/DiscLayout.h"
#include "disc/DiscPick.h"
#include "disc/DiscReader.h"
#include "disc/DiscSource.h"
#include "discimage/ImageDiscReader.h"
#include "discsave/DiscSaver.h"
#include "discsave/RepairedStretches.h"
#include "player/DiscWorker.h"

#include <QDateTime>
#include <QLocale>
#include <QSettings>

#include <filesystem>
#include <functional>

struct SaveDiscJob::Job {
    std::shared_ptr<DiscSource> source;
    std::unique_ptr<DiscReader> reader;
    std::unique_ptr<DiscSaver> saver;
};

namespace {

/// Tells the saving how its reading goes, from the saving's thread.
class SavingRelay final : public DiscSaver::Listener {
public:
    SavingRelay(SaveDiscJob* saving, WorkThread& work,
                std::function<void(const std::string&)> workingFolder)
        : m_saving(saving), m_work(work), m_workingFolder(std::move(workingFolder))
    {
    }

    void reading(int percent, int track) override
    {
        m_work.answer(m_saving, [saving = m_saving, percent, track] {
            Q_EMIT saving->progress(percent, track);
        });
    }
    void trackRead(const TrackResult& track) override
    {
        m_work.answer(m_saving, [saving = m_saving, track] { Q_EMIT saving->trackRead(track); });
    }
    void writingInto(const std::string& workingFolder) override { m_workingFolder(workingFolder); }

private:
    SaveDiscJob* m_saving;
    WorkThread& m_work;
    std::function<void(const std::string&)> m_workingFolder;
};

} // namespace

SaveDiscJob::SaveDiscJob(QObject* parent)
    : QObject(parent), m_accurateRip({}, this), m_questions(m_accurateRip, this, m_work)
{
}

SaveDiscJob::~SaveDiscJob()
{
    m_cancel = true;
}

void SaveDiscJob::open(std::shared_ptr<DiscSource> source, const std::string& drive)
{
    if (isBusy() || !source)
        return;
    m_step = Step::Opening;
    m_cancel = false;
    m_tracks.clear();
    m_job = std::make_shared<Job>();
    m_job->source = std::move(source);
    m_work.post([this, job = m_job, drive, run = ++m_run] {
        const std::vector<std::string> drives =
            drive.empty() ? job->source->drives() : std::vector<std::string>{drive};
        DiscPick picked = DiscPick::from(*job->source, drives);
        job->reader = std::move(picked.reader);
        Reason why;
        if (drives.empty())
            why = Reason(QT_TRANSLATE_NOOP("Reason", "there is no CD drive"));
        else if (!job->reader)
            why = job->source->whyNot().empty()
                      ? Reason(QT_TRANSLATE_NOOP("Reason", "there is no disc in %1"),
                               {Reason::verbatim(picked.drive)})
                      : job->source->whyNot();
        else if (job->reader->toc().audioTracks().empty())
            why = Reason(QT_TRANSLATE_NOOP("Reason", "the disc in %1 has no audio tracks"),
                         {Reason::verbatim(picked.drive)});
        DiscToc toc;
        DiscReader::DriveModel model;
        if (why.empty()) {
            job->reader->readDetails();
            toc = job->reader->toc();
            model = job->reader->driveModel();
        }
        m_work.answer(this, [this, run, why, toc, model] {
            if (run != m_run)
                return;
            if (!why.empty())
                fail(why);
            else
                opening(toc, model);
        });
    });
}

void SaveDiscJob::opening(const DiscToc& toc, const DiscReader::DriveModel& drive)
{
    if (m_cancel) {
        fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
        return;
    }
    m_step = Step::Opened;
    m_drive = drive;
    m_disc = toc;
    Q_EMIT opened(toc);
}

void SaveDiscJob::save(const DiscToc& names, const QByteArray& cover,
                       const QString& musicBrainzDiscId, const QString& folder)
{
    if (m_step != Step::Opened)
        return;
    m_step = Step::FindingOffset;
    m_names = names;
    m_cover = cover;
    m_discId = musicBrainzDiscId;
    m_folder = folder;
    m_offsetNotes.clear();
    m_offsetLines.clear();
    m_ctdbMayFindOffset = false;
    m_accurateRip.findOffset(m_drive, [this, run = m_run](const AccurateRipClient::Offset& offset) {
        if (run != m_run)
            return;
        if (offset.known)
            read(offset);
        else
            findOffsetOnDisc(offset);
    });
}

void SaveDiscJob::findOffsetOnDisc(const AccurateRipClient::Offset& unknown)
{
    const std::optional<AccurateRipId> id = AccurateRipId::of(m_disc);
    const auto notFound = [this, unknown] {
        // The CUETools database may still find it, from the audio read.
        m_ctdbMayFindOffset = true;
        read(unknown);
    };
    if (!id) {
        notFound();
        return;
    }
    m_accurateRip.lookUp(*id, [this, run = m_run,
                               notFound](const AccurateRipClient::Records& records) {
        if (run != m_run)
            return;
        if (!records || records->empty() || m_cancel) {
            notFound();
            return;
        }
        m_work.post([this, job = m_job, records = *records, run, notFound] {
            // Each audio track's sectors around its sector 450, as the drive gives them.
            const DiscToc& disc = job->reader->toc();
            std::vector<std::vector<std::int16_t>> regions;
            for (const TrackInfo& track : disc.tracks) {
                if (!track.isSavedAudio())
                    continue;
                std::vector<std::int16_t>& region = regions.emplace_back();
                const int first = track.firstSector + OffsetFinder::FirstSectorRead;
                if (track.sectorCount < OffsetFinder::FirstSectorRead + OffsetFinder::SectorsRead ||
                    first + OffsetFinder::SectorsRead > disc.leadOut)
                    continue;
                region.resize(std::size_t(OffsetFinder::SectorsRead) * DiscToc::SamplesPerSector);
                if (!job->reader->read(first, OffsetFinder::SectorsRead, region.data()))
                    region.clear();
            }
            const std::optional<int> found = OffsetFinder::find(regions, records);
            m_work.answer(this, [this, run, found, notFound] {
                if (run != m_run)
                    return;
                if (found)
                    offsetFound(*found, "AccurateRip");
                else
                    notFound();
            });
        });
    });
}

void SaveDiscJob::offsetFound(int samples, const std::string& by)
{
    keepOffset(samples, by);
    read({samples, "found from this disc (" + by + ")", true});
}

void SaveDiscJob::keepOffset(int samples, const std::string& by)
{
    QSettings().setValue(QStringLiteral("Drives/offset/") + QString::fromStdString(m_drive.name()),
                         samples);
    m_offsetNotes = {"Read offset " + std::string(samples > 0 ? "+" : "") +
                     std::to_string(samples) + " found from this disc (" + by + ")"};
}

void SaveDiscJob::read(const AccurateRipClient::Offset& offset)
{
    if (m_cancel) {
        fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
        return;
    }
    m_step = Step::Reading;
    DiscSaver::Request request;
    request.names = m_names;
    request.cover.assign(m_cover.begin(), m_cover.end());
    request.musicBrainzDiscId = m_discId.toStdString();
    request.readOffset = offset.samples;
    request.readOffsetSource = offset.source;
    request.parent = m_folder.toStdString();
    request.notes = m_offsetNotes;
    m_work.post([this, job = m_job, request, run = m_run] {
        job->saver = std::make_unique<DiscSaver>(*job->reader, DiscWorker::ReadSpeed);
        SavingRelay relay(this, m_work, [this](const std::string& folder) {
            const std::lock_guard lock(m_workingFolderMutex);
            m_workingFolder = folder;
        });
        const bool ok = job->saver->read(request, relay, m_cancel);
        DatabaseQuestions::Read read{job->saver->tracks(), job->saver->accurateRipId(),
                                     CtdbToc::of(DiscLayout::of(job->reader->toc())),
                                     job->saver->ctdbSums()};
        m_work.answer(this, [this, run, ok, error = job->saver->reason(), read] {
            if (run == m_run)
                readDone(ok, error, read);
        });
    });
}

void SaveDiscJob::readDone(bool ok, const Reason& error, const DatabaseQuestions::Read& read)
{
    if (!ok) {
        fail(error);
        return;
    }
    m_step = Step::Asking;
    m_tracks = read.tracks;
    m_repairLines.clear();
    m_repaired = {};
    m_questions.ask(read, [this, run = m_run](const DatabaseQuestions::Answers& answers) {
        if (run == m_run)
            asked(answers);
    });
}

void SaveDiscJob::asked(const DatabaseQuestions::Answers& answers)
{
    if (m_cancel) {
        fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
        return;
    }
    if (m_ctdbMayFindOffset) {
        m_ctdbMayFindOffset = false;
        const CtdbVerdict& ctdb = answers.ctdb.verdict;
        // Only a sum that matches proves where the entry's audio lies.
        if (ctdb.result == CtdbVerdict::Result::Accurate ||
            ctdb.repair == CtdbVerdict::Repair::Repairable) {
            if (ctdb.offset != 0) {
                // Read again where the drive's audio lies; the first reading's folder goes.
                m_step = Step::FindingOffset;
                m_work.post([this, job = m_job, samples = ctdb.offset, run = m_run] {
                    job->saver.reset();
                    m_work.answer(this, [this, run, samples] {
                        if (run == m_run)
                            offsetFound(samples, "CTDB");
                    });
                });
                return;
            }
            keepOffset(0, "CTDB");
            m_offsetLines = m_offsetNotes;
        } else {
            m_offsetLines = {"No read offset could be found from this disc: 0 was used"};
        }
    }
    // What the drive gave wrong, the database's parity mends before the folder takes its name.
    if (m_repairLines.empty() && answers.ctdb.verdict.repair == CtdbVerdict::Repair::Repairable &&
        answers.ctdb.fixes) {
        repair(answers.ctdb);
        return;
    }
    m_tracks = answers.tracks;
    m_ctdb = answers.ctdb;
    m_step = Step::Keeping;
    const std::string program =
        std::string(VersionRecord::InternalName) + ' ' + VersionRecord::FileVersion;
    const std::string saved =
        QLocale().toString(QDateTime::currentDateTime(), QLocale::LongFormat).toStdString();
    std::vector<std::string> lines = m_offsetLines;
    lines.insert(lines.end(), m_repairLines.begin(), m_repairLines.end());
    for (std::string& line : answers.ctdbLogLines())
        lines.push_back(std::move(line));
    m_work.post([this, job = m_job, tracks = m_tracks, program, saved, lines, run = m_run] {
        const bool ok = job->saver->keep(tracks, program, saved, lines);
        m_work.answer(this,
                      [this, run, ok, error = job->saver->reason(), folder = job->saver->folder()] {
                          if (run == m_run)
                              kept(ok, error, folder);
                      });
    });
}

void SaveDiscJob::repair(const CtdbCheck::Outcome& ctdb)
{
    m_step = Step::Repairing;
    m_repaired = {ctdb.verdict.repairWords, ctdb.verdict.repairSectors};
    m_work.post([this, job = m_job, fixes = ctdb.fixes, run = m_run] {
        Reason fault;
        const std::unique_ptr<ImageDiscReader> written =
            ImageDiscReader::open(job->saver->workingCueSheet(), fault);
        bool ok = written && job->saver->repair(*written, *fixes, m_cancel);
        std::vector<std::string> lines;
        DatabaseQuestions::Read read;
        if (ok) {
            lines = RepairedStretches::logLines(RepairedStretches::of(written->toc(), *fixes));
            read = {job->saver->tracks(), job->saver->accurateRipId(),
                    CtdbToc::of(DiscLayout::of(job->reader->toc())), job->saver->ctdbSums()};
        }
        const Reason error = written ? job->saver->reason() : fault;
        m_work.answer(this, [this, run, ok, error, lines, read] {
            if (run != m_run)
                return;
            if (!ok) {
                fail(error);
                return;
            }
            m_repairLines = lines;
            m_step = Step::Asking;
            m_questions.ask(read, [this, run](const DatabaseQuestions::Answers& answers) {
                if (run == m_run)
                    asked(answers);
            });
        });
    });
}

void SaveDiscJob::kept(bool ok, const Reason& error, const std::string& folder)
{
    if (!ok) {
        fail(error);
        return;
    }
    DiscReport report;
    report.tracks = m_tracks;
    report.ctdb = m_ctdb.verdict;
    report.ctdbWhy = m_ctdb.why;
    report.ctdbFixes = m_ctdb.fixes;
    report.status = DiscReport::statusOf(m_tracks, m_ctdb.verdict);
    report.folder = folder;
    report.repairedWords = m_repaired.first;
    report.repairedSectors = m_repaired.second;
    finish(report);
}

void SaveDiscJob::cancel()
{
    m_cancel = true;
    // Reading and writing see the flag themselves; a step waiting on this thread ends here.
    if (m_step == Step::Opened || m_step == Step::FindingOffset || m_step == Step::Asking)
        fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
}

Reason SaveDiscJob::abandon()
{
    m_cancel = true;
    std::string folder;
    {
        const std::lock_guard lock(m_workingFolderMutex);
        folder = m_workingFolder;
    }
    std::error_code failed;
    if (!folder.empty())
        std::filesystem::remove_all(folder, failed);
    return failed ? Reason(QT_TRANSLATE_NOOP("Reason", "cannot remove %1: %2"),
                           {Reason::verbatim(folder), Reason::verbatim(failed.message())})
                  : Reason();
}

void SaveDiscJob::fail(const Reason& why)
{
    DiscReport report;
    report.status = DiscReport::Status::NothingDone;
    report.why = why;
    report.tracks = m_tracks;
    finish(report);
}

void SaveDiscJob::finish(const DiscReport& report)
{
    const int run = ++m_run;
    m_step = Step::Keeping;
    m_work.post([this, job = std::move(m_job), report, run]() mutable {
        job.reset();
        m_work.answer(this, [this, report, run] {
            if (run != m_run)
                return;
            m_step = Step::Idle;
            Q_EMIT finished(report);
        });
    });
}
