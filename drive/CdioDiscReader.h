#pragma once

#include "disc/DiscReader.h"

#include <memory>
#include <string>

// libcdio names its handle so; declared here to keep its headers out of ours.
typedef struct _CdIo CdIo_t;

/// A disc read through libcdio: a drive, or a BIN/CUE or TOC image through the same calls.
class CdioDiscReader final : public DiscReader {
public:
    /// Takes ownership of `cdio`; null on a disc without a table of contents.
    static std::unique_ptr<CdioDiscReader> open(CdIo_t* cdio, bool isDrive);
    /// A drive's fixed-width name field (vendor, model), padded with spaces and not always
    /// ended: its printable ASCII in single spaces, trimmed.
    static std::string fixedField(const char* text, std::size_t size);
    ~CdioDiscReader() override;

    const DiscToc& toc() const override { return m_toc; }
    bool read(int firstSector, int count, int16_t* samples) override;
    void limitSpeed(int speed) override;
    void eject() override;
    void readDetails() override;
    DriveModel driveModel() const override { return m_driveModel; }
    std::string byteOrder() const override { return m_byteOrder; }

private:
    CdioDiscReader(CdIo_t* cdio, bool isDrive);
    bool readToc();
    void judgeByteOrder();
    void readSheetsByteOrder();

    /// Longer sheets are read this far: their FILE line comes first.
    static constexpr std::size_t MaxSheetBytes = std::size_t{64} * 1024;
    void release();

    CdIo_t* m_cdio = nullptr;
    bool m_isDrive = false;
    bool m_swapBytes = false;
    bool m_detailsRead = false;
    DiscToc m_toc;
    DriveModel m_driveModel;
    std::string m_byteOrder = "as the image holds it";
};
