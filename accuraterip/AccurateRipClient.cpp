#include "accuraterip/AccurateRipClient.h"

#include "accuraterip/DriveOffsets.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr QLatin1StringView DriveListName("DriveOffsets.bin");

std::string_view view(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

DriveOffsets driveList(const QString& path)
{
    QFile file(path);
    if (file.size() > qint64(DriveOffsets::MaxBytes) || !file.open(QIODevice::ReadOnly))
        return {};
    return DriveOffsets::parse(view(file.read(qint64(DriveOffsets::MaxBytes))));
}

} // namespace

AccurateRipClient::Settings AccurateRipClient::Settings::read()
{
    QSettings file;
    file.beginGroup(QStringLiteral("AccurateRip"));
    Settings settings;
    settings.lookup = file.value(QStringLiteral("lookup"), true).toBool();
    settings.server = PoliteFetcher::server(file.value(QStringLiteral("server")), settings.server);
    return settings;
}

AccurateRipClient::AccurateRipClient(QString cacheFolder, QObject* parent)
    : QObject(parent), m_fetcher(this),
      m_cacheFolder(cacheFolder.isEmpty()
                        ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                        : std::move(cacheFolder))
{
}

template <typename Value>
void AccurateRipClient::later(std::function<void(const Value&)> done, Value value)
{
    QTimer::singleShot(0, this,
                       [done = std::move(done), value = std::move(value)] { done(value); });
}

QUrl AccurateRipClient::below(const QUrl& server, const QString& path)
{
    return QUrl(server.toString(QUrl::StripTrailingSlash) + u'/' + path, QUrl::TolerantMode);
}

void AccurateRipClient::lookUp(const AccurateRipId& disc, std::function<void(const Records&)> done)
{
    const Settings settings = Settings::read();
    if (!settings.lookup || settings.server.isEmpty()) {
        later<Records>(std::move(done), std::nullopt);
        return;
    }
    m_fetcher.get(
        below(settings.server, QString::fromStdString(disc.path())), AccurateRipAnswer::MaxBytes,
        [disc, done = std::move(done)](const PoliteFetcher::Answer& answer) {
            Records records;
            if (answer.status == 404)
                records.emplace();
            else if (answer.status == 200 && AccurateRipAnswer::isWellFormed(view(answer.body)))
                records = AccurateRipAnswer::recordsFor(view(answer.body), disc);
            done(records);
        });
}

bool AccurateRipClient::refetchDriveList(bool kept, bool listsDrive, qint64 ageSeconds)
{
    constexpr qint64 Day = 24LL * 60 * 60;
    // New drives reach the list over the months; a drive bought later is looked for again
    // once a day rather than left unknown for ever.
    return !kept || ageSeconds > 30 * Day || (!listsDrive && ageSeconds > Day);
}

void AccurateRipClient::findOffset(const DiscReader::DriveModel& drive,
                                   std::function<void(const Offset&)> done)
{
    const std::string name = drive.name();
    if (name.empty()) {
        later<Offset>(std::move(done), {0, "none: a disc image is no drive"});
        return;
    }
    QSettings file;
    file.beginGroup(QStringLiteral("Drives"));
    const QVariant set = file.value(QStringLiteral("offset/") + QString::fromStdString(name));
    bool isNumber = false;
    const int samples = set.toInt(&isNumber);
    if (set.isValid() && isNumber && std::abs(samples) <= MaxOffset) {
        later<Offset>(std::move(done), {samples, "the settings"});
        return;
    }
    const QString cached = m_cacheFolder + u'/' + DriveListName;
    const auto offsetIn = [drive](const DriveOffsets& list) -> Offset {
        if (const std::optional<int> offset = list.offsetFor(drive.vendor, drive.model))
            return {*offset, "AccurateRip's drive list"};
        return {0,
                list.size() > 0 ? "not known: the drive is not in AccurateRip's drive list"
                                : "not known: AccurateRip's drive list could not be had",
                false};
    };
    const DriveOffsets list = driveList(cached);
    const QDateTime written = QFileInfo(cached).lastModified();
    const qint64 age = written.isValid() ? written.secsTo(QDateTime::currentDateTime()) : 0;
    const Settings settings = Settings::read();
    if (!refetchDriveList(list.size() > 0, list.offsetFor(drive.vendor, drive.model).has_value(),
                          age) ||
        !settings.lookup || settings.server.isEmpty()) {
        later<Offset>(std::move(done), offsetIn(list));
        return;
    }
    m_fetcher.get(below(settings.server, QStringLiteral("accuraterip/") + DriveListName),
                  qint64(DriveOffsets::MaxBytes),
                  [this, cached, list, offsetIn,
                   done = std::move(done)](const PoliteFetcher::Answer& answer) {
                      const DriveOffsets fetched = answer.status == 200
                                                       ? DriveOffsets::parse(view(answer.body))
                                                       : DriveOffsets();
                      // A list that could not be had again leaves the one kept.
                      if (fetched.size() == 0) {
                          done(offsetIn(list));
                          return;
                      }
                      if (fetched.size() > 0 && QDir().mkpath(m_cacheFolder)) {
                          // Whole or not at all, as the names cache keeps its files.
                          QSaveFile file(cached);
                          if (file.open(QIODevice::WriteOnly) &&
                              file.write(answer.body) == answer.body.size())
                              file.commit();
                      }
                      done(offsetIn(fetched));
                  });
}
