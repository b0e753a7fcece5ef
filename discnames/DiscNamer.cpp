#include "discnames/DiscNamer.h"

#include "cdaudio/CdPlayer.h"

#include <QImage>

#include <QSettings>
#include <algorithm>

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
    m_found = {};
    if (m_id.id.empty())
        return;
    m_settings = Settings::read();
    m_asked = {m_id.id, m_toc.title, {}};
    for (const TrackInfo& track : m_toc.tracks)
        if (track.audio && track.number >= 1)
            m_asked.trackLengths.push_back(int(DiscToc::usecs(track.sectorCount) / 1000));

    switch (m_cache.lookUp(m_id.id, m_found)) {
    case NamesCache::Known::Names:
        give();
        fetchCover();
        if (!m_found.releases.empty())
            return;
        break; // a choice of CD-Text or numbers alone: the releases are still to be found
    case NamesCache::Known::NotFound:
        return;
    case NamesCache::Known::Nothing:
        break;
    }
    lookUp(false);
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
    m_found.releases = MusicBrainzAnswer::namesFor(answer.body, m_asked);
    if (m_found.releases.empty()) {
        m_cache.storeNotFound(m_id.id);
        return;
    }
    m_cache.storeReleases(m_id.id, m_found.releases);
    give();
    fetchCover();
}

void DiscNamer::fetchCover()
{
    const DiscNames chosen = m_found.chosen();
    if (chosen.source != DiscNames::Source::Release || !chosen.frontCover ||
        !m_cache.coverUrl(chosen.releaseId).isEmpty() || !m_settings.lookup ||
        m_settings.coverArtServer.isEmpty())
        return;
    const QUrl url = below(
        m_settings.coverArtServer,
        QStringLiteral("/release/%1/front-500").arg(QString::fromStdString(chosen.releaseId)));
    m_fetcher.get(url, MostCoverBytes,
                  [this, release = chosen.releaseId](const PoliteFetcher::Answer& answer) {
                      // Kept only what shows as a picture.
                      if (answer.status != 200 || QImage::fromData(answer.body).isNull())
                          return;
                      m_cache.storeCover(release, answer.body);
                      give();
                  });
}

void DiscNamer::give()
{
    if (m_player.transport().discsLoaded() != m_disc)
        return;
    const DiscNames chosen = m_found.chosen();
    DiscToc named = chosen.applyTo(m_toc);
    if (chosen.source == DiscNames::Source::Release)
        named.artUrl = m_cache.coverUrl(chosen.releaseId).toStdString();
    m_player.renameDisc(named);
}

QList<NameSources::Source> DiscNamer::sources() const
{
    QList<Source> list;
    if (m_disc != m_player.transport().discsLoaded() || m_id.id.empty())
        return list;
    const DiscNames chosen = m_found.chosen();
    for (const DiscNames& release : m_found.releases) {
        QStringList details;
        if (!release.date.empty())
            details << QString::fromStdString(release.date.substr(0, 4));
        if (!release.country.empty())
            details << QString::fromStdString(release.country);
        if (release.discCount > 1)
            details << tr("disc %1 of %2").arg(release.discNumber).arg(release.discCount);
        QString label = QString::fromStdString(release.album);
        if (!release.albumArtist.empty())
            label += QStringLiteral(" – ") + QString::fromStdString(release.albumArtist);
        if (!details.isEmpty())
            label += QStringLiteral(" (%1)").arg(details.join(QStringLiteral(", ")));
        list.push_back({label, chosen.source == DiscNames::Source::Release &&
                                   chosen.releaseId == release.releaseId});
    }
    const bool cdText =
        !m_toc.title.empty() || !m_toc.performer.empty() ||
        std::any_of(m_toc.tracks.begin(), m_toc.tracks.end(),
                    [](const TrackInfo& t) { return !t.title.empty() || !t.performer.empty(); });
    if (cdText)
        list.push_back({tr("CD-Text"), chosen.source == DiscNames::Source::CdText});
    list.push_back({tr("Track numbers only"), chosen.source == DiscNames::Source::TrackNumbers});
    return list;
}

void DiscNamer::choose(qsizetype index)
{
    const QList<Source> offered = sources();
    if (index < 0 || index >= offered.size())
        return;
    const auto releases = qsizetype(m_found.releases.size());
    if (index < releases)
        m_found.choice = m_found.releases[std::size_t(index)].releaseId;
    else if (index == offered.size() - 1)
        m_found.choice = "numbers";
    else
        m_found.choice = "cdtext";
    m_cache.storeChoice(m_id.id, m_found.choice);
    give();
    fetchCover();
}
