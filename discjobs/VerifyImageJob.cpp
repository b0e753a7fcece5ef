#include "discjobs/VerifyImageJob.h"

#include "disc/DiscLayout.h"
#include "discimage/ImageDiscReader.h"
#include "discsave/ImageVerifier.h"

VerifyImageJob::VerifyImageJob(QObject* parent)
    : QObject(parent), m_accurateRip({}, this), m_ctdb(this)
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
        Read read;
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

void VerifyImageJob::ask(const Read& read)
{
    struct Answers {
        DiscReport report;
        bool accurateRipDone = false;
        bool ctdbDone = false;
    };
    auto answers = std::make_shared<Answers>();
    answers->report.tracks = read.tracks;
    const auto finishWhenBoth = [this, answers, run = m_run] {
        if (run != m_run || !answers->accurateRipDone || !answers->ctdbDone)
            return;
        DiscReport& report = answers->report;
        report.status = DiscReport::statusOf(report.tracks, report.ctdb);
        // Nothing verified: neither database said anything of the image.
        if (!report.why.empty() && report.ctdb.result == CtdbVerdict::Result::NotChecked)
            report.status = DiscReport::Status::NothingDone;
        finish(report);
    };
    const auto judged = [answers, id = read.id,
                         finishWhenBoth](const AccurateRipClient::Records& records) {
        DiscReport& report = answers->report;
        DiscReport::judge(report.tracks, id, records);
        if (!id)
            report.why = Reason(QT_TRANSLATE_NOOP(
                "Reason", "the image's tracks name no disc AccurateRip could know"));
        else if (!records)
            report.why = Reason(
                AccurateRipClient::Settings::read().lookup
                    ? QT_TRANSLATE_NOOP("Reason",
                                        "AccurateRip could not be asked, or answered nonsense")
                    : QT_TRANSLATE_NOOP("Reason",
                                        "AccurateRip is not asked: lookup is off in the settings"));
        answers->accurateRipDone = true;
        finishWhenBoth();
    };
    m_ctdb.check(read.toc, read.ctdbSums, read.tracks.size(),
                 [answers, finishWhenBoth](const CtdbCheck::Outcome& outcome) {
                     answers->report.ctdb = outcome.verdict;
                     answers->report.ctdbWhy = outcome.why;
                     answers->ctdbDone = true;
                     finishWhenBoth();
                 });
    if (read.id)
        m_accurateRip.lookUp(*read.id, judged);
    else
        judged(std::nullopt);
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
