#pragma once

#include "cdaudio/NameSources.h"
#include "discnames/DiscIdentifier.h"
#include "discnames/MusicBrainzAnswer.h"
#include "discnames/NamesCache.h"
#include "web/PoliteFetcher.h"

#include <QObject>
#include <QUrl>

class CdPlayer;

/// Gives each disc its names and front cover from MusicBrainz, found by its disc ID (else by
/// its track lengths), once per disc and kept in the cache, and never in the way: the player
/// plays on with the names it has and takes new ones when they come. Where the disc was found
/// as several releases, the listener may choose another, or CD-Text, or track numbers only; the
/// choice is kept for the disc.
class DiscNamer : public QObject, public NameSources {
    Q_OBJECT

public:
    /// The [MusicBrainz] group of the program's settings file.
    struct Settings {
        bool lookup = true;
        QUrl server = QUrl(QStringLiteral("https://musicbrainz.org"));
        QUrl coverArtServer = QUrl(QStringLiteral("https://coverartarchive.org"));

        static Settings read();
    };

    static constexpr qint64 MostAnswerBytes = 2 << 20;
    static constexpr qint64 MostCoverBytes = 5 << 20;

    DiscNamer(CdPlayer& player, NamesCache cache = NamesCache(), QObject* parent = nullptr);

    QList<Source> sources() const override;
    void choose(qsizetype index) override;

private:
    /// A disc the player took that is not named yet.
    void follow();
    void lookUp(bool byTrackLengths);
    void answered(const PoliteFetcher::Answer& answer, bool byTrackLengths);
    void fetchCover();
    /// The names to the player, for the disc that is still in it.
    void give();

    CdPlayer& m_player;
    NamesCache m_cache;
    PoliteFetcher m_fetcher;
    Settings m_settings;
    /// The disc being named, by the player's count of discs.
    int m_disc = -1;
    DiscToc m_toc;
    DiscIdentifier m_id;
    MusicBrainzAnswer::Disc m_asked;
    NamesCache::Entry m_found;
};
