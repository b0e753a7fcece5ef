#pragma once

/// What the transport asks of the machinery that reads the disc and plays the sound.
class PlaybackControl {
public:
    virtual ~PlaybackControl() = default;

    /// Plays the sectors [firstSector, endSector) without a gap.
    virtual void start(int firstSector, int endSector) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    /// Silences the sound and stops reading.
    virtual void stop() = 0;
    virtual void eject() = 0;
};
