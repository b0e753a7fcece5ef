#pragma once

#include <QObject>

class QIODevice;

/// Where the disc's sound goes: 44.1 kHz, 16-bit stereo, pulled from a stream.
class AudioOutput : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    /// Starts opening the output and then pulling from `source`, without waiting for it: ready()
    /// or failed() tells how it went. False when there is no output to ask at all.
    virtual bool start(QIODevice* source) = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    /// Microseconds of sound played since start(), as far as the output's clock can tell.
    virtual qint64 playedUSecs() const = 0;
    /// Linear, from 0 to 1.
    virtual void setVolume(double volume) = 0;

Q_SIGNALS:
    /// The output is open and plays what it pulls.
    void ready();
    /// The output could not be opened, or went away while playing (the sound server is gone).
    void failed();
    /// The device the sound was heard on went away; the sound server moved it elsewhere.
    void deviceLost();
    /// Everything pulled up to the source's end has been heard.
    void drained();
};
