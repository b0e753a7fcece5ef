#include "discjobs/VerifyImageJob.h"

#include "discimage/ImageDiscReader.h"
#include "discsave/ImageVerifier.h"

VerifyImageJob::VerifyImageJob(QObject* parent) : QObject(parent), m_accurateRip({}, this) {}

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
        std::vector<TrackResult> tracks;
        std::optional<AccurateRipId> id;
        if (image) {
            ImageVerifier verifier(*image);
            const auto progress = [this](int percent, int track) {
                m_work.answer(this,
                              [this, percent, track] { Q_EMIT this->progress(percent, track); });
            };
            if (verifier.read(progress, m_cancel)) {
                tracks = verifier.tracks();
                id = AccurateRipId::of(image->toc());
            } else {
                error = verifier.reason();
            }
        } else {
            error = Reason(QT_TRANSLATE_NOOP("Reason", "%1 cannot be verified: %2"),
                           {Reason::verbatim(path), fault});
        }
        m_work.answer(this, [this, run, error, tracks, id] {
            if (run != m_run)
                return;
            if (!error.empty()) {
                DiscReport report;
                report.why = error;
                finish(report);
            } else {
                read(tracks, id);
            }
        });
    });
}

void VerifyImageJob::read(const std::vector<TrackResult>& tracks,
                          const std::optional<AccurateRipId>& id)
{
    const auto judged = [this, tracks, id, run = m_run](const AccurateRipClient::Records& records) {
        if (run != m_run)
            return;
        DiscReport report;
        report.tracks = tracks;
        DiscReport::judge(report.tracks, id, records);
        report.status = DiscReport::statusOf(report.tracks);
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
        if (!report.why.empty())
            report.status = DiscReport::Status::NothingDone;
        finish(report);
    };
    if (id)
        m_accurateRip.lookUp(*id, judged);
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
