#include "discnames/NamesLookup.h"

#include "disc/CoverPicture.h"

#include <QImage>
#include <QSettings>

namespace {

QUrl below(const QUrl& server, const QString& path)
{
    return QUrl(server.toString(QUrl::StripTrailingSlash) + path, QUrl::TolerantMode);
}

} // namespace

NamesLookup::Settings NamesLookup::Settings::read()
{
    QSettings file;
    file.beginGroup(QStringLiteral("MusicBrainz"));
    Settings settings;
    settings.lookup = file.value(QStringLiteral("lookup"), true).toBool();
    settings.server = PoliteFetcher::server(file.value(QStringLiteral("server")), settings.server);
    settings.coverArtServer = PoliteFetcher::server(file.value(QStringLiteral("coverArtServer")),
                                                    settings.coverArtServer);
    return settings;
}

NamesLookup::NamesLookup(NamesCache cache, QObject* parent)
    : QObject(parent), m_cache(std::move(cache))
{
}

void NamesLookup::find(const DiscToc& disc)
{
    m_fetcher.cancelAll();
    m_toc = disc;
    m_id = DiscIdentifier::of(m_toc);
    m_found = {};
    if (m_id.id.empty()) {
        Q_EMIT settled();
        return;
    }
    m_settings = Settings::read();
    m_asked = {m_id.id, m_toc.title, {}};
    for (const TrackInfo& track : m_toc.tracks)
        if (track.audio && track.number >= 1)
            m_asked.trackLengths.push_back(int(DiscToc::usecs(track.sectorCount) / 1000));

    switch (m_cache.lookUp(m_id.id, m_found)) {
    case NamesCache::Known::Names:
        Q_EMIT namesChanged();
        if (!m_found.releases.empty()) {
            fetchCover();
            return;
        }
        break; // a choice of CD-Text or numbers alone: the releases are still to be found
    case NamesCache::Known::NotFound:
        Q_EMIT settled();
        return;
    case NamesCache::Known::Nothing:
        break;
    }
    lookUp(false);
}

void NamesLookup::lookUp(bool byTrackLengths)
{
    if (!m_settings.lookup || m_settings.server.isEmpty()) {
        Q_EMIT settled();
        return;
    }
    const QString query =
        QStringLiteral("/ws/2/discid/%1?inc=recordings+artist-credits&cdstubs=no&fmt=json%2")
            .arg(QString::fromStdString(m_id.id),
                 byTrackLengths ? QStringLiteral("&toc=") + QString::fromStdString(m_id.toc)
                                : QString());
    m_fetcher.get(below(m_settings.server, query), MostAnswerBytes,
                  [this, byTrackLengths](const PoliteFetcher::Answer& answer) {
                      answered(answer, byTrackLengths);
                  });
}

void NamesLookup::answered(const PoliteFetcher::Answer& answer, bool byTrackLengths)
{
    if (answer.status == 404 && !byTrackLengths) {
        lookUp(true);
        return;
    }
    if (answer.status != 200 && answer.status != 404) {
        Q_EMIT settled(); // offline or refused: asked again with the next disc
        return;
    }
    m_found.releases = MusicBrainzAnswer::namesFor(answer.body, m_asked);
    if (m_found.releases.empty()) {
        m_cache.storeNotFound(m_id.id);
        Q_EMIT settled();
        return;
    }
    m_cache.storeReleases(m_id.id, m_found.releases);
    Q_EMIT namesChanged();
    fetchCover();
}

void NamesLookup::fetchCover()
{
    const DiscNames chosen = m_found.chosen();
    if (chosen.source != DiscNames::Source::Release || !chosen.frontCover ||
        !m_cache.coverUrl(chosen.releaseId).isEmpty() || !m_settings.lookup ||
        m_settings.coverArtServer.isEmpty()) {
        Q_EMIT settled();
        return;
    }
    const QUrl url = below(
        m_settings.coverArtServer,
        QStringLiteral("/release/%1/front-500").arg(QString::fromStdString(chosen.releaseId)));
    m_fetcher.get(url, qint64(CoverPicture::MostBytes),
                  [this, release = chosen.releaseId](const PoliteFetcher::Answer& answer) {
                      // Kept only what shows as a picture.
                      if (answer.status == 200 && !QImage::fromData(answer.body).isNull()) {
                          m_cache.storeCover(release, answer.body);
                          Q_EMIT namesChanged();
                      }
                      Q_EMIT settled();
                  });
}

DiscToc NamesLookup::named() const
{
    const DiscNames chosen = m_found.chosen();
    DiscToc named = chosen.applyTo(m_toc);
    if (chosen.source == DiscNames::Source::Release)
        named.artUrl = m_cache.coverUrl(chosen.releaseId).toStdString();
    return named;
}

void NamesLookup::choose(const std::string& choice)
{
    if (m_id.id.empty())
        return;
    m_found.choice = choice;
    m_cache.storeChoice(m_id.id, choice);
    Q_EMIT namesChanged();
    fetchCover();
}
