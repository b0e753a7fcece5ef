#include "discnames/NamesCache.h"

#include "discnames/DiscIdentifier.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {
/// A cached answer is small; anything larger is not ours.
constexpr qint64 MostNameBytes = 1 << 20;
constexpr qsizetype MostKeptReleases = 25;
constexpr QLatin1String CdTextChoice("cdtext");
constexpr QLatin1String Numbers("numbers");
} // namespace

DiscNames NamesCache::Entry::chosen() const
{
    DiscNames names;
    if (choice == CdTextChoice.latin1())
        names.source = DiscNames::Source::CdText;
    else if (choice == Numbers.latin1())
        names.source = DiscNames::Source::TrackNumbers;
    else if (!releases.empty())
        names = releases.front();
    for (const DiscNames& release : releases)
        if (release.releaseId == choice) {
            names = release;
            names.exact = true; // the listener's word
        }
    return names;
}

NamesCache::NamesCache(QString folder)
    : m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                                : std::move(folder))
{
}

QString NamesCache::path(const std::string& discId, const char* suffix) const
{
    // Only a disc ID's own alphabet and length ever make a file name.
    if (!DiscIdentifier::isWellFormed(discId) || m_folder.isEmpty())
        return {};
    return m_folder + QLatin1Char('/') + QString::fromStdString(discId) + QLatin1String(suffix);
}

QString NamesCache::coverPath(const std::string& releaseId) const
{
    const QString id = QString::fromStdString(releaseId);
    if (!DiscNames::isMbid(id) || m_folder.isEmpty())
        return {};
    return m_folder + QLatin1Char('/') + id + QLatin1String(".cover");
}

QJsonObject NamesCache::read(const std::string& discId) const
{
    QFile file(path(discId, ".json"));
    if (file.fileName().isEmpty() || file.size() > MostNameBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

NamesCache::Known NamesCache::lookUp(const std::string& discId, Entry& entry) const
{
    const QJsonObject json = read(discId);
    const QString choice = json.value("choice").toString();
    entry.choice = choice == CdTextChoice || choice == Numbers || DiscNames::isMbid(choice)
                       ? choice.toStdString()
                       : std::string();
    entry.releases.clear();
    // A file of one release's names is what earlier versions kept.
    QJsonArray releases = json.value("releases").toArray();
    if (json.contains("releaseId"))
        releases = {json};
    for (qsizetype n = 0; n < std::min(releases.size(), MostKeptReleases); ++n)
        if (const auto names = DiscNames::fromJson(releases[n].toObject()))
            entry.releases.push_back(*names);
    if (!entry.releases.empty())
        return Known::Names;
    const qint64 notFoundAt = qint64(json.value("notFoundAt").toDouble(-1));
    const qint64 since = QDateTime::currentSecsSinceEpoch() - notFoundAt;
    if (notFoundAt >= 0 && since >= 0 && since < NotFoundSeconds)
        return Known::NotFound;
    // A choice of CD-Text or track numbers holds without any release.
    return entry.choice.empty() ? Known::Nothing : Known::Names;
}

void NamesCache::storeReleases(const std::string& discId, const std::vector<DiscNames>& releases)
{
    QJsonObject json{{"choice", read(discId).value("choice")}};
    QJsonArray list;
    for (const DiscNames& names : releases)
        list.append(names.toJson());
    json.insert("releases", list);
    write(path(discId, ".json"), QJsonDocument(json).toJson(QJsonDocument::Compact));
}

void NamesCache::storeChoice(const std::string& discId, const std::string& choice)
{
    QJsonObject json = read(discId);
    json.insert("choice", QString::fromStdString(choice));
    write(path(discId, ".json"), QJsonDocument(json).toJson(QJsonDocument::Compact));
}

void NamesCache::storeNotFound(const std::string& discId)
{
    QJsonObject json{{"notFoundAt", double(QDateTime::currentSecsSinceEpoch())}};
    if (const QJsonValue choice = read(discId).value("choice"); choice.isString())
        json.insert("choice", choice);
    write(path(discId, ".json"), QJsonDocument(json).toJson(QJsonDocument::Compact));
}

QString NamesCache::storeCover(const std::string& releaseId, const QByteArray& image)
{
    write(coverPath(releaseId), image);
    return coverUrl(releaseId);
}

QString NamesCache::coverUrl(const std::string& releaseId) const
{
    const QString cover = coverPath(releaseId);
    return !cover.isEmpty() && QFile::exists(cover) ? QUrl::fromLocalFile(cover).toString()
                                                    : QString();
}

void NamesCache::write(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || !QDir().mkpath(m_folder))
        return;
    // Whole or not at all: a half-written file would be broken on the next start.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}
