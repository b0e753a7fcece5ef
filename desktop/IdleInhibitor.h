#pragma once

#include "desktop/Inhibition.h"

#include <QDBusConnection>
#include <QObject>

/// Keeps the desktop from blanking the screen through the session bus: the screen saver's own
/// service where the session has one, else the desktop portal. No service, no hold, no word.
class IdleInhibitor : public QObject, private Inhibition::Service {
    Q_OBJECT

public:
    explicit IdleInhibitor(const QDBusConnection& connection, QObject* parent = nullptr);
    ~IdleInhibitor() override;

    void setWanted(bool wanted) { m_inhibition.setWanted(wanted); }
    bool isHeld() const { return m_inhibition.isHeld(); }
    /// Lets go and waits for the desktop to hear it, as the program is about to end.
    void releaseNow();

private:
    void inhibit() override;
    void release(const Inhibition::Hold& hold) override;
    void askPortal();
    QDBusMessage releaseMessage(const Inhibition::Hold& hold) const;

    QDBusConnection m_connection;
    Inhibition m_inhibition;
};
