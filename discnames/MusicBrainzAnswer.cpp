#include "discnames/MusicBrainzAnswer.h"

#include "disc/CdText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

/// More than the service ever sends; anything beyond is not looked at.
constexpr qsizetype MostReleases = 100;
constexpr qsizetype MostMedia = 100;
constexpr int LengthToleranceMs = 3000;
/// As many releases as the service lists at most, to choose from.
constexpr std::size_t MostCandidates = 25;

/// At most `most` of an array's elements, the first.
QJsonArray firstOf(const QJsonArray& array, qsizetype most)
{
    QJsonArray head;
    for (qsizetype n = 0; n < std::min(array.size(), most); ++n)
        head.append(array[n]);
    return head;
}

std::string text(const QJsonValue& value)
{
    return CdText::clean(value.toString().toUtf8().constData());
}

/// An artist credit as it reads: each name followed by its join phrase.
QString credit(const QJsonValue& value)
{
    QString joined;
    const QJsonArray parts = firstOf(value.toArray(), 20);
    for (const auto& part : parts)
        joined += part.toObject().value("name").toString() +
                  part.toObject().value("joinphrase").toString();
    return joined;
}

QJsonArray tracksOf(const QJsonObject& medium)
{
    return firstOf(medium.value("tracks").toArray(), 99);
}

bool listsDisc(const QJsonObject& medium, const std::string& id)
{
    const QJsonArray discs = medium.value("discs").toArray();
    return std::any_of(discs.begin(), discs.end(), [&](const QJsonValue& disc) {
        return disc.toObject().value("id").toString().toStdString() == id;
    });
}

bool lengthsFit(const QJsonObject& medium, const std::vector<int>& lengths)
{
    const QJsonArray tracks = tracksOf(medium);
    if (std::size_t(tracks.size()) != lengths.size() || lengths.empty())
        return false;
    for (qsizetype n = 0; n < tracks.size(); ++n) {
        const QJsonValue length = tracks[n].toObject().value("length");
        if (!length.isDouble() ||
            std::abs(length.toDouble() - lengths[std::size_t(n)]) > LengthToleranceMs)
            return false;
    }
    return true;
}

struct Candidate {
    QJsonObject release;
    QJsonObject medium;
};

/// Smaller is better: the CD-Text title, an official release, the earliest date, the smallest
/// id. A missing date comes last.
auto rank(const Candidate& candidate, const std::string& cdTextTitle)
{
    const QJsonObject& release = candidate.release;
    const QString date = release.value("date").toString();
    return std::make_tuple(cdTextTitle.empty() || text(release.value("title")) != cdTextTitle,
                           release.value("status").toString() != QLatin1String("Official"),
                           date.isEmpty(), date, release.value("id").toString());
}

std::optional<DiscNames> namesOf(const Candidate& candidate, bool exact)
{
    // Every field is checked and cleaned once, where the cache's are too.
    QJsonObject names{
        {"exact", exact},
        {"releaseId", candidate.release.value("id")},
        {"album", candidate.release.value("title")},
        {"albumArtist", credit(candidate.release.value("artist-credit"))},
        {"date", candidate.release.value("date")},
        {"country", candidate.release.value("country")},
        {"discNumber", candidate.medium.value("position")},
        {"discCount", candidate.release.value("media").toArray().size()},
        {"frontCover", candidate.release.value("cover-art-archive").toObject().value("front")}};
    QJsonArray tracks;
    const QJsonArray found = tracksOf(candidate.medium);
    for (const auto& value : found) {
        const QJsonObject track = value.toObject();
        const QJsonValue artists = track.contains("artist-credit")
                                       ? track.value("artist-credit")
                                       : track.value("recording").toObject().value("artist-credit");
        tracks.append(
            QJsonObject{{"title", track.value("title")},
                        {"artist", credit(artists)},
                        {"recordingId", track.value("recording").toObject().value("id")}});
    }
    names.insert("tracks", tracks);
    return DiscNames::fromJson(names);
}

} // namespace

std::vector<DiscNames> MusicBrainzAnswer::namesFor(const QByteArray& answer, const Disc& disc)
{
    const QJsonArray releases =
        QJsonDocument::fromJson(answer).object().value("releases").toArray();
    std::vector<Candidate> exact, fitting;
    const QJsonArray first = firstOf(releases, MostReleases);
    for (const auto& value : first) {
        const QJsonObject release = value.toObject();
        if (!DiscNames::isMbid(release.value("id").toString()))
            continue;
        const QJsonArray media = release.value("media").toArray();
        const QJsonArray firstMedia = firstOf(media, MostMedia);
        for (const auto& medium : firstMedia) {
            if (listsDisc(medium.toObject(), disc.id))
                exact.push_back({release, medium.toObject()});
            else if (lengthsFit(medium.toObject(), disc.trackLengths))
                fitting.push_back({release, medium.toObject()});
        }
    }
    std::vector<Candidate>& found = exact.empty() ? fitting : exact;
    std::stable_sort(found.begin(), found.end(), [&](const Candidate& a, const Candidate& b) {
        return rank(a, disc.cdTextTitle) < rank(b, disc.cdTextTitle);
    });
    std::vector<DiscNames> all;
    for (const Candidate& candidate : found)
        if (const auto names = namesOf(candidate, !exact.empty());
            names && all.size() < MostCandidates)
            all.push_back(*names);
    return all;
}
