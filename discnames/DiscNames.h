#pragma once

#include "disc/DiscToc.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <vector>

/// The names a disc has on MusicBrainz: its release, the medium that is this disc, and its
/// tracks in order from track 1. Or, where the listener chose so, the disc's own CD-Text, or
/// no names but track numbers.
struct DiscNames {
    enum class Source { Release, CdText, TrackNumbers };
    struct Track {
        std::string title;
        std::string artist;
        std::string recordingId;
    };

    Source source = Source::Release;
    /// Found by the disc's own ID, or chosen by the listener; otherwise by its track lengths.
    bool exact = false;
    std::string releaseId;
    std::string album;
    std::string albumArtist;
    std::string date;
    /// Where the release came out, as MusicBrainz codes it (GB, XW...).
    std::string country;
    int discNumber = 0;
    /// How many discs the release has.
    int discCount = 0;
    /// The release has a front cover to be had.
    bool frontCover = false;
    std::vector<Track> tracks;

    /// The disc with these names: those of an exact match stand, CD-Text filling what they
    /// lack; those of a match by track lengths only fill what CD-Text lacks. CD-Text leaves the
    /// disc as it is; track numbers take every name away.
    DiscToc applyTo(DiscToc disc) const;

    QJsonObject toJson() const;
    /// Names written by toJson(), or by anybody: each field checked, nonsense left out.
    static std::optional<DiscNames> fromJson(const QJsonObject& json);

    /// A MusicBrainz id: 36 characters of lower-case hex digits and hyphens.
    static bool isMbid(const QString& text);
};
