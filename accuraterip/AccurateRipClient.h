#pragma once

#include "accuraterip/AccurateRipAnswer.h"
#include "accuraterip/AccurateRipId.h"
#include "disc/DiscReader.h"
#include "web/PoliteFetcher.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// Asks the AccurateRip database, through the program's one polite web client, what it holds of
/// a disc, and finds a drive's read offset: the user's word in the settings first, else the
/// database's list of drives, kept in the program's cache folder and fetched again as it ages. The
/// settings are read afresh for each question; answers come on the thread that made the client,
/// never before the call returns.
class AccurateRipClient : public QObject {
    Q_OBJECT

public:
    /// The [AccurateRip] group of the program's settings file.
    struct Settings {
        bool lookup = true;
        QUrl server = QUrl(QStringLiteral("http://www.accuraterip.com"));

        static Settings read();
    };
    /// The database's records of a disc: none when it does not know the disc; nothing when it
    /// was not asked, did not answer, or answered nonsense.
    using Records = std::optional<std::vector<AccurateRipAnswer::Record>>;
    struct Offset {
        /// In samples, signed as the drive list signs them.
        int samples = 0;
        /// Where it came from, for the log.
        std::string source;
        /// False for a drive whose offset neither the settings nor the drive list know.
        bool known = true;
    };

    /// Farther than any drive reads off; a setting beyond is a slip.
    static constexpr int MaxOffset = 10 * 588;

    /// The drive list is kept in `cacheFolder`; by default the program's own cache folder.
    explicit AccurateRipClient(QString cacheFolder = {}, QObject* parent = nullptr);

    void lookUp(const AccurateRipId& disc, std::function<void(const Records&)> done);
    void findOffset(const DiscReader::DriveModel& drive, std::function<void(const Offset&)> done);
    /// Whether the drive list is fetched again: none kept, kept over 30 days, or kept over a day
    /// without the drive in it.
    static bool refetchDriveList(bool kept, bool listsDrive, qint64 ageSeconds);

private:
    /// Tells `done` on the next turn of the event loop.
    template <typename Value> void later(std::function<void(const Value&)> done, Value value);
    static QUrl below(const QUrl& server, const QString& path);

    PoliteFetcher m_fetcher;
    QString m_cacheFolder;
};
