#pragma once

#include "cdaudio/DiscToc.h"

#include <string>

class PlaybackControl;

/// The CD player's rules: which button does what in which state, where playing goes on, and
/// what the display says. Plain C++, driven by the panel's buttons and by playback events.
class Transport {
public:
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

    explicit Transport(PlaybackControl& playback);

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

    // What playback reported.
    void position(int sector);
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

private:
    const TrackInfo& current() const { return m_audio[std::size_t(m_index)]; }
    /// Where track 1 is in m_audio: after the hidden track, where there is one.
    int firstIndex() const;
    /// The end of the run of audio tracks that the current one belongs to.
    int playEnd() const;
    void goTo(int index);
    void stopAtDiscEnd();
    void pauseAndLetGo();
    /// Starts playing the current track from where it stands.
    void startHere();

    PlaybackControl& m_playback;
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
};
