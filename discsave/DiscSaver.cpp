#include "discsave/DiscSaver.h"

#include "core/Division.h"
#include "disc/CoverPicture.h"
#include "disc/DiscLayout.h"
#include "disc/DiscReader.h"
#include "discsave/CueSheetWriter.h"
#include "discsave/FlacWriter.h"
#include "discsave/ImageLog.h"
#include "discsave/RepairingReader.h"
#include "discsave/SecureReader.h"
#include "discsave/TrackSums.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>

namespace {

constexpr int Frames = ImageDescription::FramesPerSector;

/// The tracks saved: audio ones with a place on the disc.
std::vector<const TrackInfo*> audioTracks(const DiscToc& disc)
{
    std::vector<const TrackInfo*> audio;
    for (const TrackInfo& track : disc.tracks)
        if (track.isSavedAudio())
            audio.push_back(&track);
    return audio;
}

const TrackInfo* named(const DiscToc& names, int number)
{
    for (const TrackInfo& track : names.tracks)
        if (track.number == number)
            return &track;
    return nullptr;
}

/// Sets the drive to its full speed while it lives, back to the player's speed after.
class FullSpeed {
public:
    FullSpeed(DiscReader& disc, int playingSpeed) : m_disc(disc), m_playingSpeed(playingSpeed)
    {
        m_disc.limitSpeed(0);
    }
    ~FullSpeed() { m_disc.limitSpeed(m_playingSpeed); }
    FullSpeed(const FullSpeed&) = delete;
    FullSpeed& operator=(const FullSpeed&) = delete;

private:
    DiscReader& m_disc;
    int m_playingSpeed;
};

/// The disc as a mixed-mode disc's audio is read: the sectors of the data track just before the
/// first audio track, which a read offset reaches back into, read as silence, as the disc's
/// edges do, not as noise or errors.
class AudioAfterData final : public DiscReader {
public:
    AudioAfterData(DiscReader& disc, int silentFrom, int audioStart)
        : m_disc(disc), m_silentFrom(silentFrom), m_audioStart(audioStart)
    {
    }
    const DiscToc& toc() const override { return m_disc.toc(); }
    bool read(int first, int count, int16_t* samples) override
    {
        const int before = std::clamp(m_silentFrom - first, 0, count);
        const int silent = std::clamp(m_audioStart - first, before, count) - before;
        std::fill_n(samples + std::ptrdiff_t(before) * 2 * Frames, silent * 2 * Frames, 0);
        const int rest = before + silent;
        return (before == 0 || m_disc.read(first, before, samples)) &&
               (rest == count || m_disc.read(first + rest, count - rest,
                                             samples + std::ptrdiff_t(rest) * 2 * Frames));
    }
    void limitSpeed(int speed) override { m_disc.limitSpeed(speed); }
    void eject() override { m_disc.eject(); }

private:
    DiscReader& m_disc;
    int m_silentFrom;
    int m_audioStart;
};

} // namespace

/// Takes what the secure reader settles on: into the FLAC file and the tracks' sums, each track
/// told once its copy has come to its end.
class DiscSaver::Sink final : public SecureReadSink {
public:
    Sink(const std::vector<TrackResult>& tracks, const std::vector<TrackSums::Stretch>& stretches,
         int fileStart, int readOffset, FlacWriter& flac, Listener& listener,
         std::atomic<bool>& stop)
        : m_tracks(tracks), m_sums(stretches, fileStart), m_readOffset(readOffset),
          m_fileStart(fileStart), m_flac(flac), m_listener(listener), m_stop(stop)
    {
    }

    void tested(const int16_t* samples, std::size_t frames) override
    {
        m_sums.tested(samples, frames);
    }

    void copied(const int16_t* samples, std::size_t frames) override
    {
        m_sums.copied(samples, frames);
        if (!m_writeFailed && !m_flac.write(std::span(samples, 2 * frames))) {
            m_writeFailed = true;
            m_stop = true;
        }
        for (std::size_t done = m_sums.tracksCopied(); m_told < done; ++m_told)
            m_listener.trackRead(finished(m_told));
    }

    void reread(const Reread& sector) override
    {
        // The drive's sector holds the corrected audio from 588 * sector - offset on.
        const long long first =
            Division::floor((long long)sector.sector * Frames - m_readOffset, Frames);
        TrackResult& track = m_tracks[m_sums.trackOf(first)];
        track.rereads += sector.reads - 2;
        if (!sector.settled)
            track.suspicious.push_back(int(first - startOf(track)));
    }

    void progress(int sectorsDone, int sectorCount) override
    {
        const int percent = sectorCount > 0 ? int(100LL * sectorsDone / sectorCount) : 100;
        const int track = m_tracks[m_sums.trackCopying()].number;
        // Told as often as the reader reads, it would flood the listener's thread.
        if (percent == m_percent && track == m_track)
            return;
        m_percent = percent;
        m_track = track;
        m_listener.reading(percent, track);
    }

    bool writeFailed() const { return m_writeFailed; }
    TrackResult finished(std::size_t n)
    {
        const TrackSums::Sums sums = m_sums.sums(n);
        TrackResult& track = m_tracks[n];
        track.testCrc = sums.testCrc;
        track.copyCrc = sums.copyCrc;
        track.accurateRipV1 = sums.accurateRipV1;
        track.accurateRipV2 = sums.accurateRipV2;
        track.frame450 = sums.frame450;
        return track;
    }
    std::optional<CtdbDiscSums> takeCtdbSums() { return m_sums.takeCtdbSums(); }
    std::vector<TrackResult> tracks()
    {
        for (std::size_t n = 0; n < m_tracks.size(); ++n)
            finished(n);
        return m_tracks;
    }

private:
    /// The track's first sector on the disc, from its place in the file.
    long long startOf(const TrackResult& track) const { return track.start + m_fileStart; }

    std::vector<TrackResult> m_tracks;
    TrackSums m_sums;
    int m_readOffset;
    int m_fileStart;
    int m_percent = -1;
    int m_track = -1;
    FlacWriter& m_flac;
    Listener& m_listener;
    std::atomic<bool>& m_stop;
    std::size_t m_told = 0;
    bool m_writeFailed = false;
};

DiscSaver::DiscSaver(DiscReader& disc, int playingSpeed)
    : m_disc(disc), m_playingSpeed(playingSpeed)
{
}

DiscSaver::~DiscSaver()
{
    discard();
}

void DiscSaver::discard()
{
    // The file is closed before its folder goes.
    m_flac.reset();
    m_folder.discard();
}

bool DiscSaver::fail(const Reason& reason)
{
    if (m_reason.empty())
        m_reason = reason;
    discard();
    return false;
}

std::string DiscSaver::performerOf(const DiscToc& names)
{
    // In the listener's language: the folder, its files and their tags are named so.
    return names.performer.empty()
               ? QCoreApplication::translate("DiscSaver", "Unknown performer").toStdString()
               : names.performer;
}

std::string DiscSaver::titleOf(const DiscToc& names, const std::string& musicBrainzDiscId)
{
    if (!names.title.empty())
        return names.title;
    if (musicBrainzDiscId.empty())
        return QCoreApplication::translate("DiscSaver", "Unknown title").toStdString();
    //: %1 is the disc's MusicBrainz disc ID.
    return QCoreApplication::translate("DiscSaver", "Unknown title (%1)")
        .arg(QString::fromStdString(musicBrainzDiscId))
        .toStdString();
}

ImageDescription DiscSaver::describe(const DiscToc& disc, const Request& request, bool hiddenAudio)
{
    ImageDescription image;
    const std::vector<const TrackInfo*> audio = audioTracks(disc);
    if (audio.empty())
        return image;
    const TrackInfo& first = *audio.front();
    // The audio before track 1 is kept or left out; a data track 1 is left out with its gap.
    const bool isTrackOne = &first == &disc.tracks.front();
    const bool keepHidden = isTrackOne && hiddenAudio;
    const int fileStart = keepHidden ? 0 : first.firstSector;
    image.pregap = isTrackOne && !keepHidden ? first.firstSector : 0;
    image.sectors = audio.back()->endSector() - fileStart;

    const DiscToc& names = request.names;
    image.title = names.title;
    image.performer = names.performer;
    image.date = names.releaseDate;
    image.discNumber = names.discNumber;
    image.discTotal = names.discCount;
    image.musicBrainzAlbumId = names.musicBrainzAlbumId;
    image.musicBrainzDiscId = request.musicBrainzDiscId;
    image.catalog = disc.catalog;
    image.cdToc = DiscLayout::of(disc).cdToc();
    if (const std::optional<AccurateRipId> id = AccurateRipId::of(disc)) {
        char freedb[16];
        std::snprintf(freedb, sizeof freedb, "%08x", unsigned(id->cddb));
        image.freedbId = freedb;
    }
    if (request.cover.size() <= CoverPicture::MostBytes && CoverPicture::read(request.cover))
        image.cover = request.cover;

    int previousStart = fileStart;
    for (const TrackInfo* track : audio) {
        ImageDescription::Track& made = image.tracks.emplace_back();
        made.number = track->number;
        made.start = track->firstSector - fileStart;
        if (track == &first)
            made.gap = keepHidden ? made.start : 0;
        else if (track->gapSectors > 0 && track->gapSectors < track->firstSector - previousStart)
            made.gap = track->gapSectors;
        made.preEmphasis = track->preEmphasis;
        made.copyPermitted = track->copyPermitted;
        made.isrc = track->isrc;
        if (const TrackInfo* name = named(names, track->number)) {
            made.title = name->title;
            made.performer = name->performer;
        }
        previousStart = track->firstSector;
    }
    return image;
}

bool DiscSaver::holdsAudio(int firstSector, int endSector, const std::atomic<bool>& stop)
{
    std::vector<int16_t> samples(std::size_t(SecureReader::SectorsPerRead) * 2 * Frames);
    for (int sector = firstSector; sector < endSector && !stop;
         sector += SecureReader::SectorsPerRead) {
        const int count = std::min(SecureReader::SectorsPerRead, endSector - sector);
        // Unreadable, it is left out as the player leaves it.
        if (!m_disc.read(sector, count, samples.data()))
            return false;
        const auto end = samples.begin() + std::ptrdiff_t(count) * 2 * Frames;
        if (std::any_of(samples.begin(), end, [](int16_t sample) { return sample != 0; }))
            return true;
    }
    return false;
}

bool DiscSaver::read(const Request& request, Listener& listener, std::atomic<bool>& stop)
{
    if (m_read || !m_reason.empty())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the disc was read twice")));
    m_read = true;
    m_disc.readDetails();
    const DiscToc& disc = m_disc.toc();
    m_id = AccurateRipId::of(disc);
    const std::vector<const TrackInfo*> audio = audioTracks(disc);
    if (audio.empty())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the disc has no audio tracks")));
    const TrackInfo& first = *audio.front();
    const int end = audio.back()->endSector();
    if (first.firstSector < 0 || end > disc.leadOut || end > ImageDescription::MaxSectors)
        return fail(
            Reason(QT_TRANSLATE_NOOP("Reason", "the disc's table of contents makes no sense")));

    const bool hidden = &first == &disc.tracks.front() && first.firstSector > 0 &&
                        holdsAudio(0, first.firstSector, stop);
    m_image = describe(disc, request, hidden);
    if (const Reason problem = m_image.problem(); !problem.empty())
        return fail(
            Reason(QT_TRANSLATE_NOOP("Reason", "the disc's table of contents makes no sense: %1"),
                   {problem}));
    const int fileStart = end - m_image.sectors;
    m_performer = performerOf(request.names);
    m_title = titleOf(request.names, request.musicBrainzDiscId);
    m_name = ImageFolder::safeName(m_performer + " - " + m_title);
    m_folderName = request.folderName.empty() ? m_name : ImageFolder::safeName(request.folderName);
    if (!request.fileName.empty())
        m_name = ImageFolder::safeName(request.fileName);
    m_readOffset = request.readOffset;
    m_readOffsetSource = request.readOffsetSource;
    m_notes = request.notes;
    m_reading = request.reading.empty()
                    ? "secure: every sector read twice with the drive's cache pushed out "
                      "between, and again until two reads in a row agree"
                    : request.reading;
    if (!request.cover.empty() && m_image.cover.empty())
        m_notes.push_back(request.cover.size() > CoverPicture::MostBytes
                              ? "The cover was left out: it is larger than a FLAC file holds."
                              : "The cover was left out: it is neither a PNG nor a JPEG picture.");

    const bool made = m_folder.create(request.parent);
    if (made)
        listener.writingInto(m_folder.path());
    if (!made ||
        !m_folder.writeFile(m_name + ".cue", CueSheetWriter::text(m_image, m_name + ".flac")))
        return fail(m_folder.reason());
    m_flac = std::make_unique<FlacWriter>();
    if (!m_flac->open(m_folder.path() + "/" + m_name + ".flac", m_image,
                      (long long)m_image.sectors * Frames))
        return fail(m_flac->reason());

    std::vector<TrackResult> tracks;
    std::vector<TrackSums::Stretch> stretches;
    for (std::size_t n = 0; n < audio.size(); ++n) {
        const ImageDescription::Track& place = m_image.tracks[n];
        const int next = n + 1 < audio.size() ? audio[n + 1]->firstSector : end;
        TrackResult& track = tracks.emplace_back();
        track.number = place.number;
        track.start = place.start;
        track.gap = place.gap;
        track.length = next - audio[n]->firstSector;
        stretches.push_back({track.number, audio[n]->firstSector, track.length});
    }
    Sink sink(tracks, stretches, fileStart, request.readOffset, *m_flac, listener, stop);
    SecureReader::Result result;
    {
        const FullSpeed speed(m_disc, m_playingSpeed);
        const int reach = (std::abs(request.readOffset) + Frames - 1) / Frames;
        AudioAfterData audio(m_disc, &first == &disc.tracks.front() ? 0 : first.firstSector - reach,
                             &first == &disc.tracks.front() ? 0 : first.firstSector);
        SecureReader reader(audio, request.readOffset);
        result = reader.read(fileStart, end, end, sink, stop);
    }
    if (sink.writeFailed())
        return fail(m_flac->reason());
    switch (result.status) {
    case SecureReader::Status::Done:
        break;
    case SecureReader::Status::Cancelled:
        m_cancelled = true;
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
    case SecureReader::Status::DriveGone:
        return fail(Reason(QT_TRANSLATE_NOOP(
            "Reason", "the disc was taken out, or the drive stopped reading it")));
    case SecureReader::Status::BadRange:
        return fail(
            Reason(QT_TRANSLATE_NOOP("Reason", "the disc's table of contents makes no sense")));
    }
    if (!m_flac->finish())
        return fail(m_flac->reason());
    m_flac.reset();
    m_tracks = sink.tracks();
    if (std::optional<CtdbDiscSums> ctdb = sink.takeCtdbSums())
        m_ctdb = std::make_shared<const CtdbDiscSums>(std::move(*ctdb));
    return true;
}

bool DiscSaver::repair(DiscReader& written, const std::vector<CtdbRepair::Fix>& fixes,
                       const std::atomic<bool>& stop)
{
    if (!m_read || !m_reason.empty())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "there is no image read to keep")));
    const std::vector<const TrackInfo*> audio = audioTracks(written.toc());
    if (audio.size() != m_tracks.size())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the saved image cannot be read back")));
    // The file as it was written: from its first sector to the audio's end.
    const int end = audio.back()->endSector();
    const int fileStart = end - m_image.sectors;
    std::vector<TrackSums::Stretch> stretches;
    for (std::size_t n = 0; n < audio.size(); ++n)
        stretches.push_back(
            {audio[n]->number, audio[n]->firstSector,
             (n + 1 < audio.size() ? audio[n + 1]->firstSector : end) - audio[n]->firstSector});
    TrackSums sums(stretches, fileStart);
    RepairingReader mended(written, audio.front()->firstSector, fixes);
    const std::string path = m_folder.path() + "/" + m_name + ".flac";
    const std::string repaired = path + ".repaired";
    FlacWriter flac;
    if (!flac.open(repaired, m_image, (long long)m_image.sectors * Frames))
        return fail(flac.reason());
    std::vector<int16_t> samples(std::size_t(SecureReader::SectorsPerRead) * 2 * Frames);
    for (int sector = fileStart; sector < end; sector += SecureReader::SectorsPerRead) {
        if (stop)
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled")));
        const int count = std::min(SecureReader::SectorsPerRead, end - sector);
        if (!mended.read(sector, count, samples.data()))
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "the saved image cannot be read back")));
        const std::size_t frames = std::size_t(count) * Frames;
        sums.copied(samples.data(), frames);
        if (!flac.write(std::span(samples.data(), 2 * frames)))
            return fail(flac.reason());
    }
    if (!flac.finish())
        return fail(flac.reason());
    std::error_code failed;
    std::filesystem::rename(repaired, path, failed);
    if (failed)
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "cannot write %1: %2"),
                           {Reason::verbatim(path), Reason::verbatim(failed.message())}));
    for (std::size_t n = 0; n < m_tracks.size(); ++n) {
        const TrackSums::Sums summed = sums.sums(n);
        m_tracks[n].copyCrc = summed.copyCrc;
        m_tracks[n].accurateRipV1 = summed.accurateRipV1;
        m_tracks[n].accurateRipV2 = summed.accurateRipV2;
        m_tracks[n].frame450 = summed.frame450;
    }
    m_ctdb.reset();
    if (std::optional<CtdbDiscSums> ctdb = sums.takeCtdbSums())
        m_ctdb = std::make_shared<const CtdbDiscSums>(std::move(*ctdb));
    return true;
}

bool DiscSaver::keep(const std::vector<TrackResult>& judged, const std::string& program,
                     const std::string& saved, const std::vector<std::string>& afterSummary)
{
    if (!m_read || !m_reason.empty() || judged.size() != m_tracks.size())
        return fail(Reason(QT_TRANSLATE_NOOP("Reason", "there is no image read to keep")));
    ImageLog log;
    log.program = program;
    log.saved = saved;
    log.performer = m_performer;
    log.title = m_title;
    log.drive = m_disc.driveModel().name();
    if (log.drive.empty())
        log.drive = "a disc image";
    log.readOffset = m_readOffset;
    log.readOffsetSource = m_readOffsetSource;
    log.byteOrder = m_disc.byteOrder();
    log.readingMode = m_reading;
    log.tracks.assign(judged.begin(), judged.end());
    log.notes = m_notes;
    log.afterSummary = afterSummary;
    if (!m_folder.writeFile(m_name + ".log", log.text()) || !m_folder.keep(m_folderName))
        return fail(m_folder.reason());
    return true;
}
