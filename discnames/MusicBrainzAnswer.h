#pragma once

#include "discnames/DiscNames.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

/// What the MusicBrainz web service answers about a disc, read as the untrusted input it is: a
/// field of the wrong type or out of shape counts as missing.
namespace MusicBrainzAnswer {

/// The disc as the player knows it.
struct Disc {
    std::string id;
    std::string cdTextTitle;
    /// Each audio track's length from track 1, in milliseconds.
    std::vector<int> trackLengths;
};

/// Every release's medium that lists the disc's ID is the disc; without a listed ID (the lookup
/// by track lengths), every medium of as many tracks as the disc, each within 3 s. The best
/// first: the one titled as the disc's CD-Text, else an official one, else the earliest, else
/// the one of the smallest id. None when none fits.
std::vector<DiscNames> namesFor(const QByteArray& answer, const Disc& disc);

} // namespace MusicBrainzAnswer
