#include "discnames/DiscNamer.h"

#include "player/CdPlayer.h"

#include <algorithm>

DiscNamer::DiscNamer(CdPlayer& player, NamesCache cache, QObject* parent)
    : QObject(parent), m_player(player), m_lookup(std::move(cache))
{
    connect(&m_player, &CdPlayer::changed, this, &DiscNamer::follow);
    connect(&m_lookup, &NamesLookup::namesChanged, this, &DiscNamer::give);
}

void DiscNamer::follow()
{
    const Transport& transport = m_player.transport();
    if (!transport.hasDisc() || transport.discsLoaded() == m_disc)
        return;
    m_disc = transport.discsLoaded();
    m_lookup.find(transport.toc());
}

void DiscNamer::give()
{
    if (m_player.transport().discsLoaded() == m_disc)
        m_player.renameDisc(m_lookup.named());
}

QList<NameSources::Source> DiscNamer::sources() const
{
    QList<Source> list;
    if (m_disc != m_player.transport().discsLoaded() || m_lookup.id().id.empty())
        return list;
    const NamesCache::Entry& found = m_lookup.found();
    const DiscNames chosen = found.chosen();
    for (const DiscNames& release : found.releases) {
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
    const DiscToc& disc = m_lookup.disc();
    const bool cdText = !disc.title.empty() || !disc.performer.empty() ||
                        std::any_of(disc.tracks.begin(), disc.tracks.end(), [](const TrackInfo& t) {
                            return !t.title.empty() || !t.performer.empty();
                        });
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
    const std::vector<DiscNames>& releases = m_lookup.found().releases;
    if (index < qsizetype(releases.size()))
        m_lookup.choose(releases[std::size_t(index)].releaseId);
    else
        m_lookup.choose(index == offered.size() - 1 ? "numbers" : "cdtext");
}
