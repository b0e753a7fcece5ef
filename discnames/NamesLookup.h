#pragma once

#include "discnames/DiscIdentifier.h"
#include "discnames/MusicBrainzAnswer.h"
#include "discnames/NamesCache.h"
#include "web/PoliteFetcher.h"

#include <QObject>
#include <QUrl>

/// Finds a disc's names and front cover: in the cache, else on MusicBrainz by its disc ID (else
/// by its track lengths) and on the Cover Art Archive, once per disc, kept in the cache. Where
/// the disc was found as several releases, any may be chosen, or CD-Text, or track numbers
/// only; the choice is kept for the disc. Never in the way: it tells whenever it has more, and
/// when nothing more will come.
class NamesLookup : public QObject {
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

    explicit NamesLookup(NamesCache cache = NamesCache(), QObject* parent = nullptr);

    /// Looks `disc` up (its names as the disc itself has them), leaving any disc before.
    void find(const DiscToc& disc);
    const DiscIdentifier& id() const { return m_id; }
    const DiscToc& disc() const { return m_toc; }
    const NamesCache::Entry& found() const { return m_found; }
    /// The disc with the names chosen, its front cover's address in it where there is one.
    DiscToc named() const;
    /// A release's id, "cdtext" or "numbers"; kept for the disc.
    void choose(const std::string& choice);

Q_SIGNALS:
    void namesChanged();
    /// Nothing more will come for the disc.
    void settled();

private:
    void lookUp(bool byTrackLengths);
    void answered(const PoliteFetcher::Answer& answer, bool byTrackLengths);
    /// Fetches the chosen release's front cover where it has one not yet kept; else settles.
    void fetchCover();

    NamesCache m_cache;
    PoliteFetcher m_fetcher;
    Settings m_settings;
    DiscToc m_toc;
    DiscIdentifier m_id;
    MusicBrainzAnswer::Disc m_asked;
    NamesCache::Entry m_found;
};
