#include "discnames/DiscNamer.h"

#include "cdaudio/CdPlayer.h"

#include <QImage>
#include <QSettings>

namespace {

QUrl serverUrl(const QVariant& value, const QUrl& fallback)
{
    const QUrl url(value.toString(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    return value.isValid() ? (web && !url.host().isEmpty() ? url : QUrl()) : fallback;
}

QUrl below(const QUrl& server, const QString& path)
{
    return QUrl(server.toString(QUrl::StripTrailingSlash) + path, QUrl::TolerantMode);
}

} // namespace

DiscNamer::Settings DiscNamer::Settings::read()
{
    QSettings file;
    file.beginGroup(QStringLiteral("MusicBrainz"));
    Settings settings;
    settings.lookup = file.value(QStringLiteral("lookup"), true).toBool();
    settings.server = serverUrl(file.value(QStringLiteral("server")), settings.server);
    settings.coverArtServer =
        serverUrl(file.value(QStringLiteral("coverArtServer")), settings.coverArtServer);
    return settings;
}

DiscNamer::DiscNamer(CdPlayer& player, NamesCache cache, QObject* parent)
    : QObject(parent), m_player(player), m_cache(std::move(cache))
{
    connect(&m_player, &CdPlayer::changed, this, &DiscNamer::follow);
}

void DiscNamer::follow()
{
    const Transport& transport = m_player.transport();
    if (!transport.hasDisc() || transport.discsLoaded() == m_disc)
        return;
    m_fetcher.cancelAll();
    m_disc = transport.discsLoaded();
    m_toc = transport.toc();
    m_id = DiscIdentifier::of(m_toc);
    m_names = {};
    m_artUrl.clear();
    if (m_id.id.empty())
        return;
    m_settings = Settings::read();
    m_asked = {m_id.id, m_toc.title, {}};
    for (const TrackInfo& track : m_toc.tracks)
        if (track.audio && track.number >= 1)
            m_asked.trackLengths.push_back(int(DiscToc::usecs(track.sectorCount) / 1000));

    switch (m_cache.lookUp(m_id.id, m_names)) {
    case NamesCache::Known::Names:
        m_artUrl = m_cache.coverUrl(m_id.id);
        give();
        if (m_artUrl.isEmpty())
            fetchCover();
        return;
    case NamesCache::Known::NotFound:
        return;
    case NamesCache::Known::Nothing:
        lookUp(false);
    }
}

void DiscNamer::lookUp(bool byTrackLengths)
{
    if (!m_settings.lookup || m_settings.server.isEmpty())
        return;
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

void DiscNamer::answered(const PoliteFetcher::Answer& answer, bool byTrackLengths)
{
    if (answer.status == 404 && !byTrackLengths) {
        lookUp(true);
        return;
    }
    if (answer.status != 200 && answer.status != 404)
        return; // offline or refused: asked again with the next disc
    const std::optional<DiscNames> names = MusicBrainzAnswer::namesFor(answer.body, m_asked);
    if (!names) {
        m_cache.storeNotFound(m_id.id);
        return;
    }
    m_names = *names;
    m_cache.storeNames(m_id.id, m_names);
    give();
    fetchCover();
}

void DiscNamer::fetchCover()
{
    if (!m_names.frontCover || !m_settings.lookup || m_settings.coverArtServer.isEmpty())
        return;
    const QUrl url = below(
        m_settings.coverArtServer,
        QStringLiteral("/release/%1/front-500").arg(QString::fromStdString(m_names.releaseId)));
    m_fetcher.get(url, MostCoverBytes, [this](const PoliteFetcher::Answer& answer) {
        // Kept only what shows as a picture.
        if (answer.status != 200 || QImage::fromData(answer.body).isNull())
            return;
        m_artUrl = m_cache.storeCover(m_id.id, answer.body);
        give();
    });
}

void DiscNamer::give()
{
    if (m_player.transport().discsLoaded() != m_disc)
        return;
    DiscToc named = m_names.applyTo(m_toc);
    named.artUrl = m_artUrl.toStdString();
    m_player.renameDisc(named);
}
