#pragma once

#include "disc/DiscReader.h"
#include "discimage/CueSheet.h"
#include "discimage/ImageLayout.h"

#include <memory>
#include <string>
#include <vector>

class AudioFile;

/// A disc image, a cue sheet with its audio files, read as a drive reads a disc. Only the file
/// being read is kept open.
class ImageDiscReader final : public DiscReader {
public:
    struct File {
        std::string path;
        CueSheet::FileType type = CueSheet::FileType::Other;
    };

    ImageDiscReader(ImageLayout layout, std::vector<File> files);
    ~ImageDiscReader() override;

    /// The image at `path`: a cue sheet, or an audio file with its cue sheet beside it; null,
    /// with `error` saying why, when it cannot be played.
    static std::unique_ptr<ImageDiscReader> open(const std::string& path, Reason& error);
    /// The same, `error` in English.
    static std::unique_ptr<ImageDiscReader> open(const std::string& path, std::string& error);

    const DiscToc& toc() const override { return m_layout.toc; }
    bool read(int firstSector, int count, int16_t* samples) override;
    void limitSpeed(int) override {}
    void eject() override;

private:
    ImageLayout m_layout;
    std::vector<File> m_files;
    int m_openFile = -1;
    std::unique_ptr<AudioFile> m_open;
};
