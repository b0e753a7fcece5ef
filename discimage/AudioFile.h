#pragma once

#include "core/Reason.h"

#include "discimage/CueSheet.h"

#include <cstdint>
#include <memory>
#include <string>

typedef struct sf_private_tag SNDFILE;

/// One of an image's files, decoded with libsndfile: CD audio (44.1 kHz, 16-bit stereo) read a
/// sector at a time, in host byte order, from any place in it.
class AudioFile {
public:
    static constexpr int FramesPerSector = 588;

    /// Opens `path` as the sheet's type word says; null, with `error` saying why, when it is not
    /// a regular file, not audio, not CD audio or damaged. Never waits on a pipe or a device.
    static std::unique_ptr<AudioFile> open(const std::string& path, CueSheet::FileType type,
                                           Reason& error);
    ~AudioFile();

    long long frames() const { return m_frames; }
    int sectors() const;
    /// `count` sectors from `first`, silence past the file's end; false when the file cannot
    /// give them.
    bool read(int first, int count, int16_t* samples);

private:
    AudioFile(SNDFILE* file, long long frames);

    SNDFILE* m_file = nullptr;
    long long m_frames = 0;
    long long m_position = 0;
};
