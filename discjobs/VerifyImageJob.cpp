#include "discjobs/VerifyImageJob.h"

#include "disc/DiscLayout.h"
#include "discimage/ImageDiscReader.h"
#include "discsave/ImageVerifier.h"

VerifyImageJob::VerifyImageJob(QObject* parent)
    : QObject(parent), m_accurateRip({}, this), m_questions(m_accurateRip, this, m_work)
{
}

VerifyImageJob::~VerifyImageJob()
{
    m_cancel = true;
}

void VerifyImageJob::start(const QString& path)
{
    if (m_busy)
        return;
    m_busy = true;
    m_cancel = false;
    m_work.post([this, path = path.toStdString(), run = ++m_run] {
        Reason fault;
        std::unique_ptr<ImageDiscReader> image = ImageDiscReader::open(path, fault);
        Reason error;
        DatabaseQuestions::Read read;
        if (image) {
            ImageVerifier verifier(*image);
            const auto progress = [this](int percent, int track) {
                m_work.answer(this,
                              [this, percent, track] { Q_EMIT this->progress(percent, track); });
            };
            if (verifier.read(progress, m_cancel)) {
                read.tracks = verifier.tracks();
                read.id = AccurateRipId::of(image->toc());
                read.toc = CtdbToc::of(DiscLayout::of(image->toc()));
                read.ctdbSums = verifier.ctdbSums();
            } else {
                error = verifier.reason();
            }
        } else {
            error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot be verified: %2"),
                           {Reason::verbatim(path), fault});
        }
        m_work.answer(this, [this, run, error, read] {
            if (run != m_run)
                return;
            if (!error.empty()) {
                DiscReport report;
                report.why = error;
                finish(report);
            } else {
                ask(read);
            }
        });
    });
}

void VerifyImageJob::ask(const DatabaseQuestions::Read& read)
{
    m_questions.ask(read, [this, run = m_run](const DatabaseQuestions::Answers& answers) {
        if (run != m_run)
            return;
        finish(reportOf(answers));
    });
}

DiscReport VerifyImageJob::reportOf(const DatabaseQuestions::Answers& answers)
{
    DiscReport report;
    report.tracks = answers.tracks;
    report.why = answers.accurateRipSilent;
    report.ctdb = answers.ctdb.verdict;
    report.ctdbWhy = answers.ctdb.why;
    report.ctdbFixes = answers.ctdb.fixes;
    report.status = DiscReport::statusOf(report.tracks, report.ctdb);
    // Nothing verified: neither database said anything of the image.
    if (!report.why.empty() && report.ctdb.result == CtdbVerdict::Result::NotChecked)
        report.status = DiscReport::Status::NothingDone;
    return report;
}

void VerifyImageJob::cancel()
{
    if (!m_busy)
        return;
    m_cancel = true;
    DiscReport report;
    report.why = Reason(QT_TRANSLATE_NOOP("Reason", "verifying was cancelled"));
    ++m_run;
    finish(report);
}

void VerifyImageJob::finish(const DiscReport& report)
{
    m_busy = false;
    Q_EMIT finished(report);
}
