#include "drive/CdioDiscReader.h"

#include "drive/ByteOrder.h"

#include "disc/CdText.h"
#include "disc/DiscCodes.h"

#include <cdio/cdio.h>
#include <cdio/cdtext.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace {
std::string text(CdIo_t* cdio, cdtext_field_t field, track_t track)
{
    cdtext_t* cdtext = cdio_get_cdtext(cdio);
    return CdText::clean(cdtext ? cdtext_get_const(cdtext, field, track) : nullptr);
}

/// A code the disc gives (ISRC, catalogue number) when it has the shape `fits` allows; empty
/// otherwise. Takes ownership of `given`.
std::string code(char* given, bool (*fits)(std::string_view))
{
    std::string made;
    if (given && fits(given))
        made = given;
    cdio_free(given);
    return made;
}
} // namespace

std::string CdioDiscReader::fixedField(const char* text, std::size_t size)
{
    std::string made;
    for (std::size_t n = 0; n < size && text[n] != '\0'; ++n) {
        const char c = text[n] >= 0x20 && text[n] < 0x7f ? text[n] : ' ';
        if (c != ' ' || (!made.empty() && made.back() != ' '))
            made += c;
    }
    if (!made.empty() && made.back() == ' ')
        made.pop_back();
    return made;
}

CdioDiscReader::CdioDiscReader(CdIo_t* cdio, bool isDrive) : m_cdio(cdio), m_isDrive(isDrive) {}

std::unique_ptr<CdioDiscReader> CdioDiscReader::open(CdIo_t* cdio, bool isDrive)
{
    if (!cdio)
        return nullptr;
    std::unique_ptr<CdioDiscReader> reader(new CdioDiscReader(cdio, isDrive));
    if (!reader->readToc())
        return nullptr;
    return reader;
}

CdioDiscReader::~CdioDiscReader()
{
    release();
}

bool CdioDiscReader::readToc()
{
    const track_t first = cdio_get_first_track_num(m_cdio);
    const track_t last = cdio_get_last_track_num(m_cdio);
    if (first == CDIO_INVALID_TRACK || last == CDIO_INVALID_TRACK || last < first)
        return false;
    m_toc.leadOut = cdio_get_track_lsn(m_cdio, CDIO_CDROM_LEADOUT_TRACK);
    m_toc.title = text(m_cdio, CDTEXT_FIELD_TITLE, 0);
    m_toc.performer = text(m_cdio, CDTEXT_FIELD_PERFORMER, 0);
    for (track_t t = first; t <= last; ++t) {
        TrackInfo track;
        track.number = t;
        track.firstSector = cdio_get_track_lsn(m_cdio, t);
        const bool hasNext = t < last;
        const lsn_t end = hasNext ? cdio_get_track_lsn(m_cdio, track_t(t + 1)) : m_toc.leadOut;
        track.audio = cdio_get_track_format(m_cdio, t) == TRACK_FORMAT_AUDIO;
        track.sectorCount = std::max(0, int(end) - track.firstSector);
        track.preEmphasis = cdio_get_track_preemphasis(m_cdio, t) == CDIO_TRACK_FLAG_TRUE;
        track.title = text(m_cdio, CDTEXT_FIELD_TITLE, t);
        track.performer = text(m_cdio, CDTEXT_FIELD_PERFORMER, t);
        track.songwriter = text(m_cdio, CDTEXT_FIELD_SONGWRITER, t);
        m_toc.tracks.push_back(track);
    }
    m_toc.leaveOutSessionGaps();

    cdio_hwinfo_t hardware{};
    if (cdio_get_hwinfo(m_cdio, &hardware))
        m_driveModel = {fixedField(hardware.psz_vendor, sizeof hardware.psz_vendor),
                        fixedField(hardware.psz_model, sizeof hardware.psz_model)};

    if (m_isDrive)
        judgeByteOrder();
    else
        readSheetsByteOrder();
    return true;
}

void CdioDiscReader::readSheetsByteOrder()
{
    // An image's order is what its sheet says, never a guess from how its audio looks.
    // libcdio names a BIN/CUE image's sheet "cue", its data file "source".
    const char* source = cdio_get_arg(m_cdio, "cue");
    std::ifstream file(source ? source : "", std::ios::binary);
    std::string sheet(MaxSheetBytes, '\0');
    file.read(sheet.data(), std::streamsize(sheet.size()));
    sheet.resize(std::size_t(file.gcount()));
    m_swapBytes = ByteOrder::ofSheet(sheet) == ByteOrder::Verdict::Swapped;
    m_byteOrder = m_swapBytes ? "big-endian, as the image's sheet says (MOTOROLA)"
                              : "little-endian, as the image holds it";
}

void CdioDiscReader::judgeByteOrder()
{
    // A few seconds from the middle of the first tracks, where music is.
    constexpr int Sectors = 75;
    std::vector<int16_t> heard;
    const std::vector<TrackInfo> audio = m_toc.audioTracks();
    for (std::size_t n = 0; n < audio.size() && n < 3; ++n) {
        const TrackInfo& track = audio[n];
        const int count = std::min(Sectors, track.sectorCount);
        const std::size_t at = heard.size();
        heard.resize(at + std::size_t(count) * DiscToc::BytesPerSector / 2);
        if (count <= 0 ||
            !read(track.firstSector + (track.sectorCount - count) / 2, count, heard.data() + at))
            heard.resize(at);
    }
    const ByteOrder::Verdict verdict = ByteOrder::judge(heard);
    m_swapBytes = verdict == ByteOrder::Verdict::Swapped;
    m_byteOrder = verdict == ByteOrder::Verdict::Swapped
                      ? "swapped: the drive gives its audio in the other byte order"
                  : verdict == ByteOrder::Verdict::AsGiven
                      ? "as the drive gives it, which its audio shows"
                      : "as the drive gives it: its audio does not show the order";
}

bool CdioDiscReader::read(int firstSector, int count, int16_t* samples)
{
    // Past the lead-out a read can report success and leave the buffer as it was.
    if (!m_cdio || firstSector < 0 || count <= 0 || firstSector + count > m_toc.leadOut)
        return false;
    if (cdio_read_audio_sectors(m_cdio, samples, firstSector, unsigned(count)) != DRIVER_OP_SUCCESS)
        return false;
    if (m_swapBytes) {
        const std::size_t n = std::size_t(count) * DiscToc::BytesPerSector / 2;
        for (std::size_t i = 0; i < n; ++i)
            samples[i] = int16_t(__builtin_bswap16(uint16_t(samples[i])));
    }
    return true;
}

void CdioDiscReader::readDetails()
{
    if (!m_cdio || m_detailsRead)
        return;
    m_detailsRead = true;
    m_toc.catalog = code(cdio_get_mcn(m_cdio), DiscCodes::isCatalogNumber);
    int previousStart = -1;
    for (TrackInfo& track : m_toc.tracks) {
        const auto number = track_t(track.number);
        track.isrc = code(cdio_get_track_isrc(m_cdio, number), DiscCodes::isIsrc);
        track.copyPermitted = cdio_get_track_copy_permit(m_cdio, number) == CDIO_TRACK_FLAG_TRUE;
        // A gap lies within the track before, or before track 1 on the disc.
        const lsn_t gapStart = cdio_get_track_pregap_lsn(m_cdio, number);
        if (gapStart != CDIO_INVALID_LSN && gapStart > previousStart &&
            gapStart < track.firstSector && gapStart >= 0)
            track.gapSectors = track.firstSector - gapStart;
        previousStart = track.firstSector;
    }
}

void CdioDiscReader::limitSpeed(int speed)
{
    // A drive or image that refuses reads at its own speed; nothing to tell the user.
    if (m_cdio)
        cdio_set_speed(m_cdio, speed);
}

void CdioDiscReader::eject()
{
    if (m_isDrive && m_cdio) {
        // Ejecting frees the driver's data whatever it returns.
        cdio_eject_media(&m_cdio);
        m_cdio = nullptr;
    }
    release();
}

void CdioDiscReader::release()
{
    if (m_cdio) {
        cdio_destroy(m_cdio);
        m_cdio = nullptr;
    }
}
