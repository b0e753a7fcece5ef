#pragma once

#include "desktop/Inhibition.h"

#include <QDBusConnection>
#include <QObject>

class CdPlayer;

/// Holds the computer's sleep back while a disc plays, with logind's delay lock on the system
/// bus: told that sleep comes, the player pauses first and the lock goes after. On waking the
/// disc stays paused. No system bus or no logind: nothing happens, nothing is said.
class SleepInhibitor : public QObject, private Inhibition::Service {
    Q_OBJECT

public:
    SleepInhibitor(CdPlayer& player, const QDBusConnection& systemBus, QObject* parent = nullptr);
    ~SleepInhibitor() override;

private Q_SLOTS:
    void prepareForSleep(bool sleeping);

private:
    void follow();
    void inhibit() override;
    void release(const Inhibition::Hold& hold) override;

    CdPlayer& m_player;
    QDBusConnection m_bus;
    Inhibition m_inhibition;
};
