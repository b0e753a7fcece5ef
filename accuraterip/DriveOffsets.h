#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

/// Drives' read offsets as AccurateRip's list of them gives them, in samples: positive for a
/// drive that reads early. The list is records of 69 bytes, each a little-endian 16-bit offset
/// and "VENDOR - MODEL" in 32 bytes padded with NULs, then figures of no use here.
class DriveOffsets {
public:
    static constexpr std::size_t RecordBytes = 69;
    /// Several times the list's size; a larger file is not believed.
    static constexpr std::size_t MaxBytes = 4 << 20;

    /// The list in `file`, empty for a file out of shape (not whole records, larger than
    /// MaxBytes, a name that is not printable text ended by a NUL).
    static DriveOffsets parse(std::string_view file);

    /// The offset of the drive libcdio names so (vendor and model as the drive reports them,
    /// padded with spaces), matched without regard to case or runs of spaces. Nothing where the
    /// list does not know the drive, or names it more than once with different offsets.
    std::optional<int> offsetFor(std::string_view vendor, std::string_view model) const;
    /// How many drives the list names.
    std::size_t size() const { return m_offsets.size(); }

private:
    std::unordered_map<std::string, std::optional<int>> m_offsets;
};
