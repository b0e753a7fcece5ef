#pragma once

#include "ctdb/CtdbDiscSums.h"
#include "ctdb/CtdbEntry.h"
#include "ctdb/CtdbRepair.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What the database's entries say of a disc's audio and of each of its audio tracks: the
/// audio is accurate when its sum, read at the offset an entry was made at, is that entry's.
/// A disc that differs may be mended from an entry's parity. Plain C++.
struct CtdbVerdict {
    enum class Result {
        /// Not asked, or no whole answer came.
        NotChecked,
        NotInDatabase,
        Accurate,
        Differs,
    };
    /// What the parity can do for a disc that differs.
    enum class Repair {
        /// Not looked into: the disc does not differ, or the parity was not fetched.
        Unknown,
        Repairable,
        /// Too many wrong words, no entry the audio lines up with, no parity, or a mend whose
        /// sum would not be the entry's.
        NotRepairable,
        /// The parity file was short, too long, or not the entry's.
        ParityUnusable,
    };
    struct Track {
        Result result = Result::NotChecked;
        /// The submissions of every entry whose sum of the track is this one's.
        int confidence = 0;
    };

    Result result = Result::NotChecked;
    int confidence = 0;
    /// In samples: +N when the entry's audio is found N samples further into the image.
    int offset = 0;
    std::vector<Track> tracks;
    Repair repair = Repair::Unknown;
    /// For a repairable disc: the words a repair changes and the sectors holding them.
    int repairWords = 0;
    int repairSectors = 0;
    /// For a disc that differs: the entry whose parity would mend it, the one the audio lines
    /// up with that most submissions made.
    std::optional<CtdbEntry> repairFrom;

    /// The verdict of `entries` (those of the disc's audio) on summed audio of `tracks` tracks.
    static CtdbVerdict judge(const CtdbDiscSums& sums, const std::vector<CtdbEntry>& entries);
    /// Every track and the disc alike, for a database that was not asked or holds nothing.
    static CtdbVerdict all(Result result, std::size_t tracks);
    /// For a disc that differs, from its repairFrom entry's parity file: whether it can be
    /// mended, and the mends. The repair is believed only when the mended audio's sum is the
    /// entry's; nothing otherwise, with `repair` saying why.
    std::optional<std::vector<CtdbRepair::Fix>> mend(const CtdbDiscSums& sums,
                                                     std::string_view parityFile);

    /// The verdict on the whole disc in English, as a log says it: "differs, repairable (12
    /// words in 3 sectors) at offset +48".
    std::string english() const;
    /// A track's verdict in English.
    static std::string english(const Track& track);
    /// The log's lines: one per audio track, "CTDB track 2: accurate (confidence 4)", then the
    /// disc's, "CTDB: ...".
    std::vector<std::string> logLines(const std::vector<int>& trackNumbers) const;
};
