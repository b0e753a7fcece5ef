#pragma once

#include "discnames/DiscNames.h"

#include <QByteArray>
#include <QString>

#include <optional>

/// What was found for each disc, kept between runs in the user's cache folder: one file of names
/// per disc ID and its front cover beside it. A disc looked up once is not looked up again; one
/// the service did not know is left alone for a day. A broken file counts as none.
class NamesCache {
public:
    enum class Known { Nothing, Names, NotFound };

    /// The cache in `folder`; by default the program's own cache folder.
    explicit NamesCache(QString folder = {});

    Known lookUp(const std::string& discId, DiscNames& names) const;
    void storeNames(const std::string& discId, const DiscNames& names);
    void storeNotFound(const std::string& discId);
    /// Keeps a front cover; its file's address, or empty when it cannot be kept.
    QString storeCover(const std::string& discId, const QByteArray& image);
    /// The address of a kept front cover, or empty.
    QString coverUrl(const std::string& discId) const;

    /// How long a disc the service did not know is left alone.
    static constexpr qint64 NotFoundSeconds = 24 * 60 * 60;

private:
    QString path(const std::string& discId, const char* suffix) const;
    void write(const QString& path, const QByteArray& bytes);

    QString m_folder;
};
