#pragma once

#include "player/Transport.h"

#include <QMenu>
#include <QObject>

class CdPlayer;
class NameSources;

/// The panel's menu: every track to choose from, shuffle and repeat, where the names come from,
/// the drive, and keeping the disc. Built afresh each time it opens, from the player's state;
/// choosing an entry only says what the listener wants.
class PlayerMenu : public QObject {
    Q_OBJECT

public:
    explicit PlayerMenu(QWidget* parent);

    /// Opens the menu at `at`, on the screen, for the player as it is now; a disc saved or an
    /// image verified (`busy`) greys what would start another. Repair is offered for an image
    /// found `repairable`.
    void open(const QPoint& at, const CdPlayer& player, const NameSources* names, bool busy,
              bool repairable);
    QMenu* menu() { return &m_menu; }

    /// What a screen reader says for a track: its number, name and length in words.
    static QString spokenTrack(const TrackInfo& track);

Q_SIGNALS:
    void trackChosen(int number);
    void shuffleChosen(bool shuffle);
    void repeatChosen(Transport::Repeat repeat);
    void namesChosen(qsizetype source);
    void driveChosen(const QString& device);
    void saveDiscChosen();
    void verifyChosen();
    void repairChosen();

private:
    void addTracks(const CdPlayer& player);
    void addOrder(const Transport& transport);
    void addNames(const Transport& transport, const NameSources* names);
    void addDrives(const CdPlayer& player);

    QMenu m_menu;
};
