#pragma once

#include "discnames/DiscNames.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <vector>

/// What was found for each disc, kept between runs in the user's cache folder: one file per
/// disc ID with every release the disc was found as and the listener's choice among them (or
/// of its CD-Text, or of track numbers only), and each release's front cover. A disc looked up
/// once is not looked up again; one the service did not know is left alone for a day. A broken
/// file counts as none.
class NamesCache {
public:
    enum class Known { Nothing, Names, NotFound };

    /// A disc's entry: the releases, the best first, and the choice.
    struct Entry {
        std::vector<DiscNames> releases;
        /// A release's id, "cdtext" or "numbers"; empty for the best release.
        std::string choice;

        /// The names chosen: a release, or CD-Text or track numbers as a choice of their own.
        DiscNames chosen() const;
    };

    /// The cache in `folder`; by default the program's own cache folder.
    explicit NamesCache(QString folder = {});

    Known lookUp(const std::string& discId, Entry& entry) const;
    /// Keeps the releases found, and the choice made so far where it still stands.
    void storeReleases(const std::string& discId, const std::vector<DiscNames>& releases);
    /// Keeps a listener's choice; it holds whatever a later lookup finds.
    void storeChoice(const std::string& discId, const std::string& choice);
    void storeNotFound(const std::string& discId);
    /// Keeps a release's front cover; its file's address, or empty when it cannot be kept.
    QString storeCover(const std::string& releaseId, const QByteArray& image);
    /// The address of a release's kept front cover, or empty.
    QString coverUrl(const std::string& releaseId) const;

    /// How long a disc the service did not know is left alone.
    static constexpr qint64 NotFoundSeconds = 24LL * 60 * 60;

private:
    QString path(const std::string& discId, const char* suffix) const;
    QString coverPath(const std::string& releaseId) const;
    QJsonObject read(const std::string& discId) const;
    void write(const QString& path, const QByteArray& bytes);

    QString m_folder;
};
