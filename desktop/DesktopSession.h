#pragma once

#include <QDBusConnection>
#include <QObject>

class IdleInhibitor;
class MainWindow;
class MprisService;

/// The program's side of the desktop session: its media-player service, the screen kept awake
/// while the animation fills it, and sleep held back while a disc plays. Without the buses the
/// program runs as before.
class DesktopSession : public QObject {
    Q_OBJECT

public:
    DesktopSession(MainWindow& window, const QDBusConnection& sessionBus,
                   const QDBusConnection& systemBus = QDBusConnection(QString()),
                   QObject* parent = nullptr);
    ~DesktopSession() override;

    /// Empty when the program is not on the bus.
    QString serviceName() const;
    /// The program ends at once: the screen is handed back first.
    void end();

private:
    MprisService* m_mpris = nullptr;
    IdleInhibitor* m_inhibitor = nullptr;
};
