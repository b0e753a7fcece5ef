#include "discnames/DiscNames.h"

#include "disc/CdText.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

/// Text from outside, as CD-Text is kept: clean UTF-8, cut short.
std::string clean(const QJsonValue& value)
{
    return CdText::clean(value.toString().toUtf8().constData());
}

} // namespace

DiscToc DiscNames::applyTo(DiscToc disc) const
{
    if (source == Source::CdText)
        return disc;
    if (source == Source::TrackNumbers) {
        disc.title.clear();
        disc.performer.clear();
        for (TrackInfo& track : disc.tracks)
            track.title.clear(), track.performer.clear(), track.songwriter.clear();
        return disc;
    }
    const auto fill = [this](std::string& field, const std::string& name) {
        if (!name.empty() && (exact || field.empty()))
            field = name;
    };
    fill(disc.title, album);
    fill(disc.performer, albumArtist);
    disc.releaseDate = date;
    disc.discNumber = discNumber;
    disc.discCount = discCount;
    disc.musicBrainzAlbumId = releaseId;
    std::size_t next = 0;
    for (TrackInfo& track : disc.tracks) {
        if (!track.audio || track.number < 1 || next >= tracks.size())
            continue;
        const Track& named = tracks[next++];
        fill(track.title, named.title);
        fill(track.performer, named.artist);
        track.musicBrainzTrackId = named.recordingId;
    }
    return disc;
}

QJsonObject DiscNames::toJson() const
{
    QJsonArray list;
    for (const Track& track : tracks)
        list.append(QJsonObject{{"title", QString::fromStdString(track.title)},
                                {"artist", QString::fromStdString(track.artist)},
                                {"recordingId", QString::fromStdString(track.recordingId)}});
    return QJsonObject{{"exact", exact},
                       {"releaseId", QString::fromStdString(releaseId)},
                       {"album", QString::fromStdString(album)},
                       {"albumArtist", QString::fromStdString(albumArtist)},
                       {"date", QString::fromStdString(date)},
                       {"country", QString::fromStdString(country)},
                       {"discNumber", discNumber},
                       {"discCount", discCount},
                       {"frontCover", frontCover},
                       {"tracks", list}};
}

std::optional<DiscNames> DiscNames::fromJson(const QJsonObject& json)
{
    const QString release = json.value("releaseId").toString();
    if (!isMbid(release))
        return std::nullopt;
    DiscNames names;
    names.exact = json.value("exact").toBool();
    names.releaseId = release.toStdString();
    names.album = clean(json.value("album"));
    names.albumArtist = clean(json.value("albumArtist"));
    const QString date = json.value("date").toString();
    static const QRegularExpression Date(QStringLiteral("^\\d{4}(-\\d\\d){0,2}$"));
    if (Date.match(date).hasMatch())
        names.date = date.toStdString();
    const QString country = json.value("country").toString();
    static const QRegularExpression Country(QStringLiteral("^[A-Z]{2}$"));
    if (Country.match(country).hasMatch())
        names.country = country.toStdString();
    names.discNumber = std::clamp(json.value("discNumber").toInt(), 0, 999);
    names.discCount = std::clamp(json.value("discCount").toInt(), 0, 999);
    names.frontCover = json.value("frontCover").toBool();
    const QJsonArray tracks = json.value("tracks").toArray();
    for (const auto& value : tracks) {
        const QJsonObject track = value.toObject();
        const QString recording = track.value("recordingId").toString();
        names.tracks.push_back({clean(track.value("title")), clean(track.value("artist")),
                                isMbid(recording) ? recording.toStdString() : std::string()});
        if (names.tracks.size() == 99)
            break;
    }
    return names;
}

bool DiscNames::isMbid(const QString& text)
{
    static const QRegularExpression shape(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    return shape.match(text).hasMatch();
}
