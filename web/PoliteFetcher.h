#pragma once

#include <QByteArray>
#include <QHash>
#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <optional>

class QNetworkReply;

/// Fetches from web services as a good client of free ones: the program's name and home page
/// in every request, at most one request a second to each server, a busy answer (503) waited
/// out and asked again at most three times, nothing that takes longer than 10 s and nothing
/// larger than asked for.
class PoliteFetcher : public QObject {
    Q_OBJECT

public:
    /// The HTTP status, 0 when there was no answer (offline, refused, too slow, too large).
    struct Answer {
        int status = 0;
        QByteArray body;
        /// The answer was dropped for being larger than asked for; the status is then 0.
        bool tooLarge = false;
    };
    /// Bytes first to last of a file, both counted from 0, as a Range header asks for them.
    struct Range {
        qint64 first = 0;
        qint64 last = 0;
    };
    using Done = std::function<void(const Answer&)>;

    static constexpr int TimeoutMs = 10000;
    static constexpr int Retries = 3;

    /// Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    /// A server as a setting names it: a web address (http or https, with a host), else none;
    /// `byDefault` when the setting is not there.
    static QUrl server(const QVariant& setting, const QUrl& byDefault);

    /// By default on the system's monotonic clock.
    explicit PoliteFetcher(QObject* parent = nullptr, Clock clock = {});

    /// Fetches `url`, or only `range` of it, following redirects, and tells `done` once. A
    /// server may answer a range with the whole file (200) or with the range (206).
    void get(const QUrl& url, qint64 mostBytes, Done done,
             std::optional<Range> range = std::nullopt);
    /// Forgets every fetch not yet answered; their `done` is never told.
    void cancelAll();

private:
    struct Request {
        QUrl url;
        qint64 mostBytes = 0;
        Done done;
        std::optional<Range> range;
        int retries = 0;
    };
    /// Sends when the server's second allows it.
    void schedule(const Request& request, qint64 notBeforeMs = 0);
    void send(const Request& request);
    void finished(QNetworkReply* reply, const Request& request, bool tooLarge);

    Clock m_clock;
    QNetworkAccessManager m_network;
    /// When each server may be asked next, on the monotonic clock.
    QHash<QString, qint64> m_nextAllowed;
    quint64 m_generation = 0;
};
