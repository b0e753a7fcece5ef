#pragma once

#include "accuraterip/AccurateRipId.h"

#include <cstdint>
#include <string_view>
#include <vector>

/// What the AccurateRip database answers for a disc, read as the untrusted bytes they are: a
/// sequence of records, one for each pressing and kind of sum, each its track count, the disc's
/// IDs and, for every track, how many rips agreed, their sum and their sector 450 sum, in
/// little-endian order.
namespace AccurateRipAnswer {

/// Far more than the records of any disc; a larger answer is not believed.
constexpr std::size_t MaxBytes = 1 << 20;

struct Track {
    std::uint8_t confidence = 0;
    std::uint32_t sum = 0;
    std::uint32_t frame450 = 0;

    /// A track nobody vouched for, which the record only holds a place for.
    bool isEmpty() const { return confidence == 0; }
    bool operator==(const Track&) const = default;
};

struct Record {
    std::uint32_t id1 = 0;
    std::uint32_t id2 = 0;
    std::uint32_t cddb = 0;
    std::vector<Track> tracks;

    bool operator==(const Record&) const = default;
};

/// Whether `answer` has the database's shape, whichever discs its records are of: whole records
/// of 1 to 99 tracks, at most MaxBytes in all.
bool isWellFormed(std::string_view answer);

/// The records of `disc` in `answer`, in their order; records of other discs are passed over.
/// None at all for an answer out of shape (empty, cut short, with bytes to spare, a record of
/// no tracks or of more than 99, larger than MaxBytes), as no part of it can be trusted then.
std::vector<Record> recordsFor(std::string_view answer, const AccurateRipId& disc);

} // namespace AccurateRipAnswer
