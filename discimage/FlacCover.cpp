#include "discimage/FlacCover.h"

#include "disc/CoverPicture.h"

#include <FLAC/metadata.h>

std::vector<std::uint8_t> FlacCover::front(const std::string& path)
{
    FLAC__StreamMetadata* picture = nullptr;
    // Bounded before it is read whole: a file may claim any size.
    if (!FLAC__metadata_get_picture(
            path.c_str(), &picture, FLAC__STREAM_METADATA_PICTURE_TYPE_FRONT_COVER, nullptr,
            nullptr, unsigned(-1), unsigned(-1), unsigned(-1), unsigned(-1)) ||
        !picture)
        return {};
    std::vector<std::uint8_t> bytes;
    const FLAC__StreamMetadata_Picture& found = picture->data.picture;
    if (found.data_length <= CoverPicture::MostBytes)
        bytes.assign(found.data, found.data + found.data_length);
    FLAC__metadata_object_delete(picture);
    return bytes;
}
