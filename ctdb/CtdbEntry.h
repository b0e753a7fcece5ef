#pragma once

#include "ctdb/CtdbToc.h"

#include <cstdint>
#include <string>
#include <vector>

/// One of the database's records of a disc, as its lookup answer gives it.
struct CtdbEntry {
    /// The database's number for it, in decimal.
    std::string id;
    std::uint32_t crc = 0;
    /// How many rips were submitted that match it.
    int confidence = 0;
    /// The syndromes it holds of column 0, 16 at most; 0 for an entry without them.
    int npar = 0;
    /// S0 to S(npar-1) of column 0, from the syndromes or from an old entry's parity.
    std::vector<std::uint16_t> syndrome;
    /// Where its parity file is, absolute or relative to the server; empty for none.
    std::string parityUrl;
    /// Each audio track's sum; empty for an old entry.
    std::vector<std::uint32_t> trackCrcs;
    /// Its own table of contents, which a fuzzy lookup lets differ from the disc's.
    CtdbToc toc;
};
