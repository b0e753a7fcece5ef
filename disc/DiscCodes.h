#pragma once

#include <string_view>

/// The codes a disc carries, as the Red Book writes them: whatever comes from a drive, a cue
/// sheet or a saved image's description is held to these shapes before it is believed.
class DiscCodes {
public:
    /// The catalogue number (MCN, UPC/EAN): 13 digits.
    static bool isCatalogNumber(std::string_view code);
    /// A track's ISRC: 12 capitals and digits.
    static bool isIsrc(std::string_view code);
    /// A freedb disc ID: 8 hexadecimal digits, either case.
    static bool isFreedbId(std::string_view code);
};
