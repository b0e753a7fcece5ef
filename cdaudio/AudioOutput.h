#pragma once

#include <QObject>

class QIODevice;

/// Where the disc's sound goes: 44.1 kHz, 16-bit stereo, pulled from a stream.
class AudioOutput : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    /// Starts pulling from `source`; false when there is no sound output to be had.
    virtual bool start(QIODevice* source) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    /// Microseconds of sound played since start().
    virtual qint64 playedUSecs() const = 0;
    /// Linear, from 0 to 1.
    virtual void setVolume(double volume) = 0;

Q_SIGNALS:
    /// The output went away while playing (the sound server is gone).
    void failed();
    /// The device the sound was heard on went away; the sound server moved it elsewhere.
    void deviceLost();
    /// The output played all it was given.
    void drained();
};
