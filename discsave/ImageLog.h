#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// How a disc was saved, and its log: plain text a collector can show others, ending in a line
/// with the SHA-256 of all the text above it, so that a changed log can be told from the one
/// the program wrote. Anyone can compute a new sum: it shows changes, it proves no origin.
struct ImageLog {
    enum class AccurateRip { NotChecked, NotInDatabase, Differs, Accurate };

    /// What a track's test read says of its copy.
    enum class Agreement {
        /// Read once only.
        NotTested,
        Agrees,
        /// The test read differed where re-reads later settled: the copy is what two reads in a
        /// row gave.
        Corrected,
        /// Some sectors never read alike twice: equal CRCs prove nothing there.
        Unsettled,
        Differs,
    };

    struct Track {
        int number = 0;
        /// In sectors, from the file's start: INDEX 01, up to the next track's, INDEX 00 before.
        int start = 0;
        int length = 0;
        int gap = 0;
        /// Of the test read; none when the track was read once only.
        std::optional<std::uint32_t> testCrc;
        std::uint32_t copyCrc = 0;
        std::uint32_t accurateRipV1 = 0;
        std::uint32_t accurateRipV2 = 0;
        AccurateRip accurateRip = AccurateRip::NotChecked;
        /// How many pressings in the database agree, when accurate.
        int confidence = 0;
        int rereads = 0;
        /// Where the reads did not agree or the drive reported errors, in sectors from the
        /// track's start; before it (track 1's hidden audio) negative.
        std::vector<int> suspicious;

        Agreement agreement() const;
    };

    /// The program and its version, as it names itself.
    std::string program;
    /// When the disc was saved, as the person saving it reads dates.
    std::string saved;
    std::string performer;
    std::string title;
    std::string drive;
    /// In samples, with the sign AccurateRip's drive list uses.
    int readOffset = 0;
    /// Where the offset came from, e.g. "AccurateRip's drive list".
    std::string readOffsetSource;
    std::string readingMode;
    /// In which byte order the audio was read, and why.
    std::string byteOrder;
    std::vector<Track> tracks;
    /// Lines the log says after the reading, e.g. what was left out of the image.
    std::vector<std::string> notes;
    /// Lines after the summary: what other databases say, what was repaired.
    std::vector<std::string> afterSummary;

    /// The log, its last line the checksum.
    std::string text() const;

    /// Whether `log` ends in a checksum line whose sum is that of the text above it.
    static bool isIntact(std::string_view log);

    /// The start of the last line, before its hexadecimal sum.
    static constexpr std::string_view ChecksumLabel = "Log checksum (SHA-256 of the text above): ";
    /// Longer logs are not read; a log of 99 tracks is a small fraction of this.
    static constexpr std::size_t MaxLogBytes = 1 << 20;
};
