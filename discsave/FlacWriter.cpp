#include "discsave/FlacWriter.h"

#include "disc/CoverPicture.h"
#include "discsave/FileError.h"
#include "discsave/PlainText.h"

#include <FLAC/metadata.h>
#include <FLAC/stream_encoder.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

struct FlacWriterCallbacks {
    static FLAC__StreamEncoderWriteStatus write(const FLAC__StreamEncoder*,
                                                const FLAC__byte buffer[], size_t bytes, uint32_t,
                                                uint32_t, void* writer)
    {
        return static_cast<FlacWriter*>(writer)->writeOut(buffer, bytes)
                   ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                   : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
    }
    static FLAC__StreamEncoderSeekStatus seek(const FLAC__StreamEncoder*, FLAC__uint64 offset,
                                              void* writer)
    {
        return static_cast<FlacWriter*>(writer)->seekTo(offset)
                   ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
                   : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
    }
    static FLAC__StreamEncoderTellStatus tell(const FLAC__StreamEncoder*, FLAC__uint64* offset,
                                              void* writer)
    {
        std::uint64_t at = 0;
        if (!static_cast<FlacWriter*>(writer)->tellWhere(at))
            return FLAC__STREAM_ENCODER_TELL_STATUS_ERROR;
        *offset = at;
        return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
    }
};

namespace {

constexpr unsigned SampleRate = 44100;
/// Frames converted for the encoder at a time.
constexpr long long ChunkFrames = 4096;
/// A metadata block's length has 24 bits; the picture's other fields need a little of it.
/// Room for taggers to change the names without rewriting the whole file.
constexpr unsigned PaddingBytes = 8192;
constexpr unsigned SeekPointSeconds = 10;

bool addTag(FLAC__StreamMetadata* comments, const char* name, const std::string& value)
{
    const std::string text = PlainText::oneLine(value);
    if (text.empty())
        return true;
    FLAC__StreamMetadata_VorbisComment_Entry entry;
    return FLAC__metadata_object_vorbiscomment_entry_from_name_value_pair(&entry, name,
                                                                          text.c_str()) &&
           FLAC__metadata_object_vorbiscomment_append_comment(comments, entry, false);
}

} // namespace

FlacWriter::FlacWriter() = default;

FlacWriter::~FlacWriter()
{
    // Deleting an unfinished encoder finishes it: whatever it still writes must go nowhere.
    m_finished = true;
    if (m_encoder)
        FLAC__stream_encoder_delete(m_encoder);
    for (FLAC__StreamMetadata* block : m_metadata)
        FLAC__metadata_object_delete(block);
    closeFile();
}

bool FlacWriter::open(const std::string& path, const ImageDescription& image, long long frames)
{
    if (m_fd >= 0 || m_encoder || !m_reason.empty())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the FLAC writer was opened twice")));
    if (const Reason problem = image.problem(); !problem.empty())
        return fail(problem);
    if (frames != static_cast<long long>(image.sectors) * ImageDescription::FramesPerSector)
        return fail(Reason(
            QT_TRANSLATE_NOOP("Reason", "the disc's length and the frames to write differ")));
    m_frames = frames;
    m_encoder = FLAC__stream_encoder_new();
    if (!m_encoder)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
    if (!addMetadata(image))
        return false;
    FLAC__stream_encoder_set_channels(m_encoder, 2);
    FLAC__stream_encoder_set_bits_per_sample(m_encoder, 16);
    FLAC__stream_encoder_set_sample_rate(m_encoder, SampleRate);
    FLAC__stream_encoder_set_compression_level(m_encoder, CompressionLevel);
    FLAC__stream_encoder_set_total_samples_estimate(m_encoder, FLAC__uint64(frames));
    FLAC__stream_encoder_set_metadata(m_encoder, m_metadata.data(), unsigned(m_metadata.size()));

    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return fail(FileError::describe(errno));
    const FLAC__StreamEncoderInitStatus status = FLAC__stream_encoder_init_stream(
        m_encoder, FlacWriterCallbacks::write, FlacWriterCallbacks::seek, FlacWriterCallbacks::tell,
        nullptr, this);
    if (status == FLAC__STREAM_ENCODER_INIT_STATUS_ENCODER_ERROR)
        return failEncoding(QT_TRANSLATE_NOOP("Reason", "cannot start"));
    if (status != FLAC__STREAM_ENCODER_INIT_STATUS_OK)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the FLAC encoder cannot start: %1"),
                           {Reason::verbatim(FLAC__StreamEncoderInitStatusString[status])}));
    m_buffer.resize(2 * ChunkFrames);
    return true;
}

bool FlacWriter::addMetadata(const ImageDescription& image)
{
    const auto block = [&](FLAC__MetadataType type) {
        FLAC__StreamMetadata* made = FLAC__metadata_object_new(type);
        if (made)
            m_metadata.push_back(made);
        return made;
    };

    FLAC__StreamMetadata* comments = block(FLAC__METADATA_TYPE_VORBIS_COMMENT);
    const auto number = [](int n) {
        return n > 0 ? std::to_string(n) : std::string();
    };
    if (!comments || !addTag(comments, "ALBUM", image.title) ||
        !addTag(comments, "ALBUMARTIST", image.performer) ||
        !addTag(comments, "DATE", image.date) ||
        !addTag(comments, "DISCNUMBER", number(image.discNumber)) ||
        !addTag(comments, "DISCTOTAL", number(image.discTotal)) ||
        !addTag(comments, "TRACKTOTAL", number(int(image.tracks.size()))) ||
        !addTag(comments, "MUSICBRAINZ_ALBUMID", image.musicBrainzAlbumId) ||
        !addTag(comments, "MUSICBRAINZ_DISCID", image.musicBrainzDiscId) ||
        !addTag(comments, "CDTOC", image.cdToc))
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));

    FLAC__StreamMetadata* seekTable = block(FLAC__METADATA_TYPE_SEEKTABLE);
    if (!seekTable ||
        !FLAC__metadata_object_seektable_template_append_spaced_points_by_samples(
            seekTable, SeekPointSeconds * SampleRate, FLAC__uint64(m_frames)) ||
        !FLAC__metadata_object_seektable_template_sort(seekTable, true))
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));

    FLAC__StreamMetadata* cueSheet = block(FLAC__METADATA_TYPE_CUESHEET);
    if (!cueSheet)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
    FLAC__StreamMetadata_CueSheet& sheet = cueSheet->data.cue_sheet;
    std::strncpy(sheet.media_catalog_number, image.catalog.c_str(),
                 sizeof sheet.media_catalog_number - 1);
    // From the disc's first sample to track 1's first index: the two seconds before every
    // disc's first track and the silence the file leaves out.
    sheet.lead_in = FLAC__uint64(2 * SampleRate) +
                    FLAC__uint64(image.pregap) * ImageDescription::FramesPerSector;
    sheet.is_cd = true;
    for (unsigned n = 0; n <= image.tracks.size(); ++n) {
        if (!FLAC__metadata_object_cuesheet_insert_blank_track(cueSheet, n))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
        FLAC__StreamMetadata_CueSheet_Track& track = sheet.tracks[n];
        if (n == image.tracks.size()) {
            track.number = 170;
            track.offset = FLAC__uint64(m_frames);
            break;
        }
        const ImageDescription::Track& source = image.tracks[n];
        track.number = FLAC__byte(source.number);
        track.offset = FLAC__uint64(source.start - source.gap) * ImageDescription::FramesPerSector;
        std::strncpy(track.isrc, source.isrc.c_str(), sizeof track.isrc - 1);
        track.pre_emphasis = source.preEmphasis;
        FLAC__StreamMetadata_CueSheet_Index index{};
        if (source.gap > 0 &&
            !FLAC__metadata_object_cuesheet_track_insert_index(cueSheet, n, 0, index))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
        index.number = 1;
        index.offset = FLAC__uint64(source.gap) * ImageDescription::FramesPerSector;
        if (!FLAC__metadata_object_cuesheet_track_insert_index(cueSheet, n, track.num_indices,
                                                               index))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
    }
    const char* violation = nullptr;
    if (!FLAC__metadata_object_cuesheet_is_legal(cueSheet, true, &violation))
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the disc's layout is no CD's: %1"),
                           {Reason::verbatim(violation)}));

    if (!image.cover.empty()) {
        const std::optional<CoverPicture> cover = CoverPicture::read(image.cover);
        if (!cover)
            return fail(Reason(
                QT_TRANSLATE_NOOP("Reason", "the cover is neither a PNG nor a JPEG picture")));
        if (image.cover.size() > CoverPicture::MostBytes)
            return fail(Reason(
                QT_TRANSLATE_NOOP("Reason", "the cover is larger than a FLAC file can hold")));
        FLAC__StreamMetadata* picture = block(FLAC__METADATA_TYPE_PICTURE);
        if (!picture ||
            !FLAC__metadata_object_picture_set_mime_type(
                picture, const_cast<char*>(cover->mimeType.c_str()), true) ||
            !FLAC__metadata_object_picture_set_data(picture,
                                                    const_cast<FLAC__byte*>(image.cover.data()),
                                                    FLAC__uint32(image.cover.size()), true))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
        picture->data.picture.type = FLAC__STREAM_METADATA_PICTURE_TYPE_FRONT_COVER;
        picture->data.picture.width = cover->width;
        picture->data.picture.height = cover->height;
        picture->data.picture.depth = cover->depth;
        picture->data.picture.colors = cover->colors;
        if (!FLAC__metadata_object_picture_is_legal(picture, &violation))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the cover cannot be kept: %1"),
                               {Reason::verbatim(violation)}));
    }

    FLAC__StreamMetadata* padding = block(FLAC__METADATA_TYPE_PADDING);
    if (!padding)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "out of memory")));
    padding->length = PaddingBytes;
    return true;
}

bool FlacWriter::write(std::span<const std::int16_t> samples)
{
    if (!m_reason.empty())
        return false;
    if (!m_encoder || m_finished)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the FLAC writer is not open")));
    if (m_written + (static_cast<long long>(samples.size()) + m_hasLeft) / 2 > m_frames)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "more audio came than the disc holds")));
    while (!samples.empty()) {
        std::size_t filled = 0;
        if (m_hasLeft) {
            m_buffer[filled++] = m_left;
            m_buffer[filled++] = samples.front();
            samples = samples.subspan(1);
            m_hasLeft = false;
        }
        const std::size_t taken = std::min(samples.size() / 2 * 2, m_buffer.size() - filled);
        std::copy_n(samples.begin(), taken, m_buffer.begin() + std::ptrdiff_t(filled));
        filled += taken;
        samples = samples.subspan(taken);
        if (samples.size() == 1) {
            m_left = samples.front();
            m_hasLeft = true;
            samples = {};
        }
        if (filled > 0 && !encode(m_buffer.data(), static_cast<long long>(filled / 2)))
            return false;
    }
    return true;
}

bool FlacWriter::encode(const std::int32_t* samples, long long frames)
{
    if (!FLAC__stream_encoder_process_interleaved(m_encoder, samples, unsigned(frames)))
        return failEncoding(QT_TRANSLATE_NOOP("Reason", "stopped"));
    m_written += frames;
    return true;
}

bool FlacWriter::finish()
{
    if (!m_reason.empty())
        return false;
    if (!m_encoder || m_finished)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the FLAC writer is not open")));
    if (m_written != m_frames || m_hasLeft)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the audio ended before the disc's end")));
    if (!FLAC__stream_encoder_finish(m_encoder))
        return failEncoding(QT_TRANSLATE_NOOP("Reason", "cannot end the file"));
    m_finished = true;
    if (::fsync(m_fd) != 0)
        return fail(FileError::describe(errno));
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(FileError::describe(errno));
    return true;
}

bool FlacWriter::fail(const Reason& reason)
{
    if (m_reason.empty())
        m_reason = reason;
    return false;
}

bool FlacWriter::failEncoding(const char* what)
{
    // A failure of the file is the one to tell; the encoder only saw its callback fail.
    if (m_fileError != 0)
        return fail(FileError::describe(m_fileError));
    return fail(
        Reason(QT_TRANSLATE_NOOP("Reason", "the FLAC encoder %1: %2"),
               {Reason(what),
                Reason::verbatim(FLAC__stream_encoder_get_resolved_state_string(m_encoder))}));
}

void FlacWriter::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool FlacWriter::writeOut(const unsigned char* bytes, std::size_t length)
{
    if (m_finished || m_fd < 0)
        return false;
    while (length > 0) {
        const ssize_t written = ::write(m_fd, bytes, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_fileError = written < 0 ? errno : ENOSPC;
            return false;
        }
        bytes += written;
        length -= std::size_t(written);
    }
    return true;
}

bool FlacWriter::seekTo(std::uint64_t offset)
{
    if (m_finished || m_fd < 0)
        return false;
    if (::lseek(m_fd, off_t(offset), SEEK_SET) < 0) {
        m_fileError = errno;
        return false;
    }
    return true;
}

bool FlacWriter::tellWhere(std::uint64_t& offset)
{
    if (m_finished || m_fd < 0)
        return false;
    const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
    if (at < 0) {
        m_fileError = errno;
        return false;
    }
    offset = std::uint64_t(at);
    return true;
}
