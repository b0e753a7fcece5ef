#pragma once

#include "ctdb/CtdbRepair.h"
#include "disc/DiscReader.h"

#include <memory>
#include <vector>

/// An image read with the CUETools database's mends made: each mended word is XORed as it
/// passes, so that a saving of it writes the repaired audio. Plain C++.
class RepairingReader final : public DiscReader {
public:
    /// `fixes` are places in the audio from sector `audioStart` on, where the first audio
    /// track starts.
    RepairingReader(DiscReader& image, int audioStart, const std::vector<CtdbRepair::Fix>& fixes);

    const DiscToc& toc() const override { return m_image.toc(); }
    bool read(int firstSector, int count, int16_t* samples) override;
    void limitSpeed(int speed) override { m_image.limitSpeed(speed); }
    void eject() override { m_image.eject(); }
    void readDetails() override { m_image.readDetails(); }
    std::string byteOrder() const override { return m_image.byteOrder(); }

private:
    DiscReader& m_image;
    long long m_audioStart = 0;
    /// By place, so that a read finds its own at once.
    std::vector<CtdbRepair::Fix> m_fixes;
};
