#include "web/PoliteFetcher.h"

#include "VersionRecord.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr qint64 SpacingMs = 1000;
/// A busy server's own word on when to come back is heeded up to this.
constexpr qint64 LongestWaitMs = 10000;

qint64 now()
{
    return QDeadlineTimer::current().deadline();
}

QString serverOf(const QUrl& url)
{
    return url.scheme() + QLatin1String("://") + url.host() + QLatin1Char(':') +
           QString::number(url.port(-1));
}

} // namespace

QUrl PoliteFetcher::server(const QVariant& setting, const QUrl& byDefault)
{
    if (!setting.isValid())
        return byDefault;
    const QUrl url(setting.toString(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    return web && !url.host().isEmpty() ? url : QUrl();
}

PoliteFetcher::PoliteFetcher(QObject* parent, Clock clock)
    : QObject(parent), m_clock(clock ? std::move(clock) : Clock(now))
{
}

void PoliteFetcher::get(const QUrl& url, qint64 mostBytes, Done done, std::optional<Range> range)
{
    schedule({url, mostBytes, std::move(done), range, 0});
}

void PoliteFetcher::cancelAll()
{
    ++m_generation;
    for (QNetworkReply* reply : m_network.findChildren<QNetworkReply*>())
        reply->abort();
}

void PoliteFetcher::schedule(const Request& request, qint64 notBeforeMs)
{
    qint64& next = m_nextAllowed[serverOf(request.url)];
    // One reading of the clock: a second one, later on a busy machine, made the wait negative,
    // and a timer with a negative wait never fires, so the request was never sent.
    const qint64 current = m_clock();
    const qint64 at = std::max({current, next, notBeforeMs});
    next = at + SpacingMs;
    QTimer::singleShot(int(at - current), this, [this, request, generation = m_generation] {
        if (generation == m_generation)
            send(request);
    });
}

void PoliteFetcher::send(const Request& request)
{
    QNetworkRequest asked(request.url);
    asked.setHeader(QNetworkRequest::UserAgentHeader,
                    QStringLiteral("Spindella/%1 ( %2 )")
                        .arg(QLatin1String(VersionRecord::FileVersion),
                             QLatin1String(VersionRecord::Homepage)));
    asked.setRawHeader("Accept", "application/json, image/*");
    if (request.range) {
        asked.setRawHeader("Range", "bytes=" + QByteArray::number(request.range->first) + '-' +
                                        QByteArray::number(request.range->last));
        // A range of a compressed answer would be bytes of the compressed form.
        asked.setRawHeader("Accept-Encoding", "identity");
    }
    QNetworkReply* reply = m_network.get(asked);
    // A deadline for the whole answer: a server that trickles a byte a second never times out
    // a timer of silence.
    QTimer::singleShot(TimeoutMs, reply, &QNetworkReply::abort);
    // More than asked for is never read: the answer is dropped as soon as it says so.
    const auto tooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, tooLarge, most = request.mostBytes](qint64 received, qint64 total) {
                if (received > most || total > most) {
                    *tooLarge = true;
                    reply->abort();
                }
            });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, request, tooLarge, generation = m_generation] {
                reply->deleteLater();
                if (generation == m_generation)
                    finished(reply, request, *tooLarge);
            });
}

void PoliteFetcher::finished(QNetworkReply* reply, const Request& request, bool tooLarge)
{
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (answer.status == 503 && request.retries < Retries) {
        // The server's word is bounded before it is believed: a number of seconds, or none.
        bool isNumber = false;
        const qint64 seconds = reply->rawHeader("Retry-After").trimmed().toLongLong(&isNumber);
        const qint64 wait =
            isNumber ? std::clamp<qint64>(seconds, 0, LongestWaitMs / 1000) * 1000 : SpacingMs;
        Request again = request;
        ++again.retries;
        schedule(again, m_clock() + std::max(wait, SpacingMs));
        return;
    }
    const bool whole = reply->error() == QNetworkReply::NoError ||
                       reply->error() == QNetworkReply::ContentNotFoundError;
    answer.tooLarge = tooLarge || reply->bytesAvailable() > request.mostBytes;
    if (!whole || answer.tooLarge)
        answer.status = 0;
    else
        answer.body = reply->read(request.mostBytes);
    request.done(answer);
}
