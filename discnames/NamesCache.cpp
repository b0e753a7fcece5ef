#include "discnames/NamesCache.h"

#include "discnames/DiscIdentifier.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {
/// A cached answer is small; anything larger is not ours.
constexpr qint64 MostNameBytes = 1 << 20;
} // namespace

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

NamesCache::Known NamesCache::lookUp(const std::string& discId, DiscNames& names) const
{
    QFile file(path(discId, ".json"));
    if (file.fileName().isEmpty() || file.size() > MostNameBytes || !file.open(QIODevice::ReadOnly))
        return Known::Nothing;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    const qint64 notFoundAt = qint64(json.value("notFoundAt").toDouble(-1));
    if (notFoundAt >= 0) {
        const qint64 since = QDateTime::currentSecsSinceEpoch() - notFoundAt;
        return since >= 0 && since < NotFoundSeconds ? Known::NotFound : Known::Nothing;
    }
    const std::optional<DiscNames> found = DiscNames::fromJson(json);
    if (!found)
        return Known::Nothing;
    names = *found;
    return Known::Names;
}

void NamesCache::storeNames(const std::string& discId, const DiscNames& names)
{
    write(path(discId, ".json"), QJsonDocument(names.toJson()).toJson(QJsonDocument::Compact));
}

void NamesCache::storeNotFound(const std::string& discId)
{
    write(path(discId, ".json"),
          QJsonDocument(QJsonObject{{"notFoundAt", double(QDateTime::currentSecsSinceEpoch())}})
              .toJson(QJsonDocument::Compact));
}

QString NamesCache::storeCover(const std::string& discId, const QByteArray& image)
{
    write(path(discId, ".cover"), image);
    return coverUrl(discId);
}

QString NamesCache::coverUrl(const std::string& discId) const
{
    const QString cover = path(discId, ".cover");
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
