#include "discimage/ImageDiscSource.h"

#include "discimage/ImageDiscReader.h"

std::unique_ptr<DiscReader> ImageDiscSource::open(const std::string& path)
{
    m_error = {};
    return ImageDiscReader::open(path, m_error);
}
