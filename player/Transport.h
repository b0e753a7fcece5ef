#pragma once

#include "core/EnglishPlural.h"
#include "disc/DiscToc.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>

class PlaybackControl;

/// The CD player's rules: which button does what in which state, where playing goes on (in the
/// disc's order or shuffled, once or repeated), and what the display says. Plain C++, driven by
/// the panel's buttons and menu and by playback events. Each track is played as a range of its
/// own, the one that follows queued behind it, so that any order plays without a gap.
class Transport {
public:
    enum class Repeat { Off, Track, Disc };

    enum class State {
        Closed,
        Opening,
        NoDrive,
        NoDisc,
        NoAudio,
        Stopped,
        Playing,
        Paused,
        NoSound,
        ReadError
    };

    struct Buttons {
        bool previous = false, play = false, pause = false, stop = false, next = false,
             eject = false;
        friend bool operator==(const Buttons&, const Buttons&) = default;
    };

    /// Previous restarts the track when more than this far into it.
    static constexpr int RestartThreshold = 2 * DiscToc::SectorsPerSecond;

    /// The display's texts in the listener's language, from the English; `count` fills a %n and
    /// picks its plural form, when not negative.
    using Translate = std::function<std::string(const char* english, int count)>;

    explicit Transport(PlaybackControl& playback);
    void setTranslate(Translate translate) { m_translate = std::move(translate); }

    // What the drive reported.
    void opening();
    void noDrive();
    void noDisc();
    void discLoaded(const DiscToc& toc);
    /// New names for the disc in place (its titles, performers and where it was found): where
    /// its tracks lie and how it plays do not change.
    void rename(const DiscToc& named);
    /// An image that could not be opened: the display says so, with why in its details, until
    /// the next button or disc; whatever plays goes on.
    void imageRefused(std::string why);
    void forgetRefusal() { m_refusal.clear(); }

    // The buttons.
    void play();
    void pause();
    void stop();
    void previous();
    void next();
    void eject();
    /// Moves within the playing or paused track: before its start means its start, past its
    /// end means the next track's start, or the end of the disc.
    void seek(int sectorInTrack);
    /// Plays the track numbered `number` (0 for a hidden track) from its start, at once, in any
    /// state a disc can play in; false when the disc has no such track.
    bool choose(int number);

    // The order of playing: shuffled, each track once a pass; one track or the disc repeated.
    void setShuffle(bool shuffle);
    void setRepeat(Repeat repeat);
    bool shuffle() const { return m_shuffle; }
    Repeat repeat() const { return m_repeat; }
    /// Seeds the shuffling, so that an order can be known beforehand.
    void seedOrder(std::uint32_t seed) { m_random.seed(seed); }

    // What playback reported.
    /// Where playing is; a sector of the track queued next means that track is playing now.
    void position(int sector);
    /// Reading took the range queued last: what follows it is queued.
    void rangeTaken();
    /// Playing went on into the range queued after the current one.
    void rangeStarted();
    void endOfDisc();
    void readError();
    /// The sound output failed (the sound server went away). Until it answers again, or the
    /// user says otherwise, the player awaits it to go on as it was: playing, or paused.
    void noSound();
    /// The sound server answers again.
    void soundBack();
    void stopAwaitingSound() { m_resume = Resume::Nothing; }
    bool isAwaitingSound() const { return m_resume != Resume::Nothing; }
    /// The output the disc played on went away (headphones unplugged): pause, and play later on
    /// whatever output the desktop uses then.
    void outputGone() { pauseAndLetGo(); }
    /// The computer is about to sleep: pause, so nothing plays when it wakes.
    void sleep() { pauseAndLetGo(); }

    State state() const { return m_state; }
    /// The current track's number: 0 for a hidden track before track 1, or without a disc.
    int track() const;
    int elapsedSectors() const { return m_elapsed; }
    /// Only while there is a disc.
    const TrackInfo& currentTrack() const { return current(); }
    /// The disc's playable tracks in the disc's order, the hidden track first where there is one.
    const std::vector<TrackInfo>& tracks() const { return m_audio; }
    const DiscToc& toc() const { return m_toc; }
    bool hasDisc() const;
    /// Counts the discs loaded so far, so that each has tracks of its own.
    int discsLoaded() const { return m_discsLoaded; }
    /// Counts the moves to another place than playing on would reach: seeks, restarts, tracks
    /// chosen.
    int jumps() const { return m_jumps; }
    Buttons buttons() const;
    std::string display() const;
    std::string details() const;
    /// The track's CD-Text title, else what the player calls it.
    std::string trackTitle(const TrackInfo& track) const;

private:
    /// A track handed to playback after the current one, and the pass of the order it is in,
    /// counted from the pass playing now.
    struct Ahead {
        int index = 0;
        std::size_t pass = 0;
    };

    const TrackInfo& current() const { return m_audio[std::size_t(m_index)]; }
    /// Where track 1 is in m_audio: after the hidden track, where there is one.
    int firstIndex() const;
    void goTo(int index);
    /// Stops playing and forgets what was queued.
    void halt();
    void forgetQueue();
    void stopAtDiscEnd();
    void pauseAndLetGo();
    /// Starts playing the current track from where it stands.
    void startHere();
    /// Plays `index` from `sector` into it, and queues what follows.
    void startRange(int index, int sector);

    // The order: passes over the tracks (the hidden track in none), the first the one playing.
    void newOrder(bool keepCurrent);
    /// A track chosen while shuffled plays now, and the pass goes on with what was not heard.
    void keepPass(int chosen);
    std::vector<int> makePass(int notFirst);
    const std::vector<int>& pass(std::size_t n);
    /// The order moves on by `passes` whole passes: the track now playing is in the first left.
    void leavePasses(std::size_t passes);
    const std::vector<int>& order() const { return m_passes.front(); }
    int placeInOrder(int index) const;
    /// What plays when `after` ends by itself; nothing when the disc ends there.
    std::optional<Ahead> following(const Ahead& after);
    /// Where Next and Previous go: another track, or none.
    std::optional<Ahead> nextTrack();
    bool hasNextTrack() const;
    int previousTrack() const;
    void queueAfter(const Ahead& after);
    /// The order changed while playing: what was queued and not yet read follows the new one.
    void replan();

    PlaybackControl& m_playback;
    Translate m_translate = [](const char* english, int count) {
        std::string text(english);
        const auto at = text.find("%n");
        if (count < 0 || at == std::string::npos)
            return text;
        std::string filled = text.substr(0, at);
        filled.append(std::to_string(count)).append(text, at + 2);
        return EnglishPlural::settled(filled, count);
    };
    State m_state = State::Closed;
    DiscToc m_toc;
    std::vector<TrackInfo> m_audio;
    int m_index = 0;
    int m_elapsed = 0;
    std::string m_refusal;
    int m_discsLoaded = 0;
    int m_jumps = 0;
    /// How playing goes on once the sound server is back.
    enum class Resume { Nothing, Playing, Paused } m_resume = Resume::Nothing;
    /// Paused with no sound output open: Play opens one.
    bool m_outputLetGo = false;

    bool m_shuffle = false;
    Repeat m_repeat = Repeat::Off;
    std::mt19937 m_random{std::random_device{}()};
    std::deque<std::vector<int>> m_passes{{}};
    /// Tracks queued after the current one and not yet playing, in order.
    std::deque<Ahead> m_ahead;
    /// The last queued (a track, or the end) is not yet taken by reading, so it may be replaced.
    bool m_queuePending = false;
    bool m_endQueued = false;
};
