#pragma once

#include "ctdb/CtdbEntry.h"

#include <string>
#include <string_view>
#include <vector>

/// The database's answer to a lookup, read as the untrusted input it is: an answer that is not
/// the database's XML, or any entry out of shape, is an error that says why.
struct CtdbAnswer {
    static constexpr std::size_t MaxBytes = 1 << 20;

    std::vector<CtdbEntry> entries;
    /// Empty when the answer was read.
    std::string error;

    static CtdbAnswer read(std::string_view bytes);
};
