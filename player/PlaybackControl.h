#pragma once

/// What the transport asks of the machinery that reads the disc and plays the sound. Sound is
/// played a range of sectors at a time: one started, and one queued to follow it without a gap.
class PlaybackControl {
public:
    virtual ~PlaybackControl() = default;

    /// Plays the sectors [firstSector, endSector) from now on; nothing is queued after them yet.
    virtual void start(int firstSector, int endSector) = 0;
    /// What follows the last range started or taken, without a gap: [firstSector, endSector), or
    /// the end of playing when the range is empty.
    virtual void queue(int firstSector, int endSector) = 0;
    /// Puts another range (or the end) in place of the one queued last; false when reading has
    /// already taken that one, so it stands.
    virtual bool requeue(int firstSector, int endSector) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    /// Silences the sound and stops reading.
    virtual void stop() = 0;
    virtual void eject() = 0;
};
