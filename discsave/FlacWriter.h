#pragma once

#include "core/Reason.h"

#include "discsave/ImageDescription.h"

#include <FLAC/stream_encoder.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

/// A saved disc's audio as one FLAC file (CD audio, compression level 5), with the disc's
/// names, its cue sheet and its front cover inside. Every failure comes back as false with a
/// reason in error(); once failed, it stays failed.
class FlacWriter {
public:
    static constexpr int CompressionLevel = 5;

    FlacWriter();
    /// Unfinished, the file is left as far as it got; the folder around it is what goes.
    ~FlacWriter();
    FlacWriter(const FlacWriter&) = delete;
    FlacWriter& operator=(const FlacWriter&) = delete;

    /// Creates `path` (never replacing a file) for the disc `image` describes, `frames` stereo
    /// frames long, and writes the metadata.
    bool open(const std::string& path, const ImageDescription& image, long long frames);
    /// Interleaved left and right samples; a chunk may end between the two of a frame.
    bool write(std::span<const std::int16_t> samples);
    /// After the last sample: completes the stream and its header and makes the file durable.
    bool finish();

    std::string error() const { return m_reason.english(); }
    const Reason& reason() const { return m_reason; }

private:
    bool fail(const Reason& reason);
    bool failEncoding(const char* what);
    bool encode(const std::int32_t* samples, long long frames);
    bool addMetadata(const ImageDescription& image);
    void closeFile();

    // The encoder's way out to the file, through the file descriptor so that errno is seen.
    friend struct FlacWriterCallbacks;
    bool writeOut(const unsigned char* bytes, std::size_t length);
    bool seekTo(std::uint64_t offset);
    bool tellWhere(std::uint64_t& offset);

    FLAC__StreamEncoder* m_encoder = nullptr;
    std::vector<FLAC__StreamMetadata*> m_metadata;
    int m_fd = -1;
    /// The errno of the file's last failure; 0 while it has none.
    int m_fileError = 0;
    Reason m_reason;
    long long m_frames = 0;
    long long m_written = 0;
    /// Half a frame carried over to the next chunk.
    bool m_hasLeft = false;
    std::int16_t m_left = 0;
    std::vector<std::int32_t> m_buffer;
    bool m_finished = false;
};
