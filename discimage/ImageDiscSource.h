#pragma once

#include "disc/DiscSource.h"

/// One disc image standing in for a drive with its disc always in.
class ImageDiscSource final : public DiscSource {
public:
    explicit ImageDiscSource(std::string path) : m_path(std::move(path)) {}

    std::vector<std::string> drives() override { return {m_path}; }
    std::unique_ptr<DiscReader> open(const std::string& path) override;
    Media media(const std::string&) override { return Media::Present; }
    Reason whyNot() const override { return m_error; }

private:
    std::string m_path;
    Reason m_error;
};
