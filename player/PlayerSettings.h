#pragma once

#include <QObject>

class CdPlayer;

/// The player's shuffle and repeat, kept between runs in the program's settings file: group
/// [Player], keys shuffle (true, false) and repeat (off, track, disc). A value that makes no
/// sense there is read as the default, off.
class PlayerSettings : public QObject {
    Q_OBJECT

public:
    /// Gives the player the kept settings, and keeps each change from now on.
    explicit PlayerSettings(CdPlayer& player, QObject* parent = nullptr);

private:
    void keep();

    CdPlayer& m_player;
    bool m_shuffle = false;
    int m_repeat = 0;
};
