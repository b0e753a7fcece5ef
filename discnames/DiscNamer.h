#pragma once

#include "discnames/NamesLookup.h"
#include "player/NameSources.h"

#include <QObject>

class CdPlayer;

/// Gives each disc the player takes its names and front cover, as the lookup finds them: the
/// player plays on with the names it has and takes new ones when they come. The panel's menu
/// offers the disc's releases, its CD-Text and track numbers only to choose from.
class DiscNamer : public QObject, public NameSources {
    Q_OBJECT

public:
    DiscNamer(CdPlayer& player, NamesCache cache = NamesCache(), QObject* parent = nullptr);

    QList<Source> sources() const override;
    void choose(qsizetype index) override;

private:
    /// A disc the player took that is not named yet.
    void follow();
    /// The names to the player, for the disc that is still in it.
    void give();

    CdPlayer& m_player;
    NamesLookup m_lookup;
    /// The disc being named, by the player's count of discs.
    int m_disc = -1;
};
