#pragma once

#include "accuraterip/AccurateRipId.h"
#include "ctdb/CtdbRepair.h"
#include "disc/DiscToc.h"
#include "discsave/ImageDescription.h"
#include "discsave/ImageFolder.h"
#include "discsave/TrackResult.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CtdbDiscSums;
class DiscReader;
class FlacWriter;

/// Saves a disc as an image: its audio tracks as one FLAC file with a cue sheet, read securely
/// at the drive's full speed and summed as they come, written into a working folder that takes
/// the disc's name only once its log is there too. An enhanced CD's data session and a
/// mixed-mode disc's data track are left out. Plain C++, used from one thread.
class DiscSaver {
public:
    /// What to save the disc as, beyond what the disc itself says.
    struct Request {
        /// The names for the disc (title, performer, release date, disc number, MusicBrainz
        /// album ID) and for its tracks, found by number (title, performer).
        DiscToc names;
        /// A PNG or JPEG front cover; one that is neither is left out.
        std::vector<std::uint8_t> cover;
        std::string musicBrainzDiscId;
        /// In samples, signed as AccurateRip's drive list signs it.
        int readOffset = 0;
        /// Where the offset came from, for the log.
        std::string readOffsetSource;
        /// The folder the image's own folder is made in.
        std::string parent;
        /// The image's folder and its files named so, rather than after the disc's names.
        std::string folderName;
        std::string fileName;
        /// What the log says of the image beyond its reading, e.g. where it was repaired from.
        std::vector<std::string> notes;
        /// How the log says the audio was read; empty for a drive read securely.
        std::string reading;
    };

    class Listener {
    public:
        virtual ~Listener() = default;
        /// How far the reading has come, and the track (by number) it is reading.
        virtual void reading(int percent, int track) = 0;
        /// A track read to its end, its AccurateRip answer not yet known.
        virtual void trackRead(const TrackResult& track) = 0;
        /// The working folder is made: what is left behind if the program ends at once.
        virtual void writingInto(const std::string& workingFolder) { (void)workingFolder; }
    };

    /// `playingSpeed` is the speed the drive is set back to when saving ends.
    DiscSaver(DiscReader& disc, int playingSpeed);
    /// Unkept, the working folder goes.
    ~DiscSaver();
    DiscSaver(const DiscSaver&) = delete;
    DiscSaver& operator=(const DiscSaver&) = delete;

    /// Reads the disc into the working folder. False, with error(), when that cannot be done
    /// (the folder cannot be made, the disc went, the disk is full, `stop` was set), and the
    /// working folder is gone. `stop` is looked at before every read of the disc; the saver sets
    /// it itself when writing fails, so that reading ends at once.
    bool read(const Request& request, Listener& listener, std::atomic<bool>& stop);
    /// Once read: the cue sheet in the working folder, for reading the image back.
    std::string workingCueSheet() const { return m_folder.path() + "/" + m_name + ".cue"; }
    /// Once read: writes the image's audio again with the CUETools database's `fixes` made,
    /// read back from `written`, the image in the working folder as the caller opened it. The
    /// tracks' copy sums and the database's sums are then the mended audio's; what the drive's
    /// reads said stays. False with error() when it cannot; the working folder goes then.
    bool repair(DiscReader& written, const std::vector<CtdbRepair::Fix>& fixes,
                const std::atomic<bool>& stop);
    /// Once read: writes the log of `judged` (the tracks with AccurateRip's answers) and gives
    /// the folder the disc's name. False with error() when it cannot; the folder goes then.
    bool keep(const std::vector<TrackResult>& judged, const std::string& program,
              const std::string& saved, const std::vector<std::string>& afterSummary = {});
    /// Lets the working folder go.
    void discard();

    /// The tracks read, in order.
    const std::vector<TrackResult>& tracks() const { return m_tracks; }
    /// Once read: the CUETools database's sums of the audio; none when it cannot sum it.
    std::shared_ptr<const CtdbDiscSums> ctdbSums() const { return m_ctdb; }
    /// The disc as AccurateRip files it; none for a disc it cannot name.
    const std::optional<AccurateRipId>& accurateRipId() const { return m_id; }
    /// Once kept: the folder's path.
    const std::string& folder() const { return m_folder.path(); }
    std::string error() const { return m_reason.english(); }
    const Reason& reason() const { return m_reason; }
    bool cancelled() const { return m_cancelled; }

    /// The image of `disc` as `request` names it, the audio before track 1 kept where
    /// `hiddenAudio` (else left out as silence); its problem() says when the table makes none.
    static ImageDescription describe(const DiscToc& disc, const Request& request, bool hiddenAudio);
    /// The performer and title the image's folder and files are named after: those of `names`,
    /// unknown ones said so. The folder is "<performer> - <title>", made safe.
    static std::string performerOf(const DiscToc& names);
    static std::string titleOf(const DiscToc& names, const std::string& musicBrainzDiscId);

private:
    class Sink;
    bool fail(const Reason& reason);
    bool holdsAudio(int firstSector, int endSector, const std::atomic<bool>& stop);

    DiscReader& m_disc;
    int m_playingSpeed = 0;
    ImageFolder m_folder;
    std::unique_ptr<FlacWriter> m_flac;
    std::optional<AccurateRipId> m_id;
    ImageDescription m_image;
    std::string m_performer;
    std::string m_title;
    /// Of the files in the folder.
    std::string m_name;
    std::string m_folderName;
    int m_readOffset = 0;
    std::string m_readOffsetSource;
    std::string m_reading;
    /// What the log says beyond the reading, e.g. a cover left out.
    std::vector<std::string> m_notes;
    std::vector<TrackResult> m_tracks;
    std::shared_ptr<const CtdbDiscSums> m_ctdb;
    Reason m_reason;
    bool m_cancelled = false;
    bool m_read = false;
};
