#pragma once

#include "disc/DiscSource.h"

/// The computer's CD drives through libcdio; or, for tests, a fixed list of disc images that
/// stand in for drives and take the very same path.
class CdioDiscSource final : public DiscSource {
public:
    CdioDiscSource();
    explicit CdioDiscSource(std::vector<std::string> images);

    std::vector<std::string> drives() override;
    std::unique_ptr<DiscReader> open(const std::string& drive) override;
    Media media(const std::string& drive) override;
    std::string describe(const std::string& drive) override;

private:
    std::vector<std::string> m_images;
    bool m_useImages = false;
};
