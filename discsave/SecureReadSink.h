#pragma once

#include <cstddef>
#include <cstdint>

/// Takes what a SecureReader reads, in disc order, on the reading thread. The samples are
/// interleaved 16-bit stereo in host order, already corrected for the drive's read offset; they
/// are valid only during the call.
class SecureReadSink {
public:
    /// A sector whose first two reads did not agree (or did not both succeed).
    struct Reread {
        /// The sector as the drive numbers it: with a read offset of k samples its audio starts
        /// 588 * sector - k frames into the disc's corrected audio.
        int sector = 0;
        /// All reads of it, the first two included.
        int reads = 0;
        /// Whether two reads in a row agreed in the end; if not, the copy holds the value read
        /// most often, or silence where no read succeeded.
        bool settled = false;
    };

    virtual ~SecureReadSink() = default;

    /// The next stretch of the copy: what the reader settled on.
    virtual void copied(const int16_t* samples, std::size_t frames) = 0;
    /// The same stretch as the first (test) read gave it, silence where that read failed; it
    /// comes just before the copy of the stretch.
    virtual void tested(const int16_t* samples, std::size_t frames) = 0;
    virtual void reread(const Reread& sector) { (void)sector; }
    /// How far the reading has come, in sectors of the range: now and then while a stretch is
    /// read, and after each stretch is delivered.
    virtual void progress(int sectorsDone, int sectorCount)
    {
        (void)sectorsDone;
        (void)sectorCount;
    }
};
