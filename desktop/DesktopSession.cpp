#include "desktop/DesktopSession.h"

#include "app/MainWindow.h"
#include "desktop/IdleInhibitor.h"
#include "desktop/MprisService.h"
#include "desktop/SleepInhibitor.h"
#include "panel/CdPlayerPanel.h"

#include <cstdio>

DesktopSession::DesktopSession(MainWindow& window, const QDBusConnection& connection,
                               const QDBusConnection& systemBus, QObject* parent)
    : QObject(parent)
{
    new SleepInhibitor(window.playerPanel().player(), systemBus, this);
    if (!connection.isConnected()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(tr("Spindella: no session bus, so no media keys or media controls")));
        return;
    }
    m_mpris = new MprisService(window, connection, this);
    if (!m_mpris->registerOnBus()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Spindella: no media player name on the session bus, so no "
                                   "media keys or media controls")));
    }
    m_inhibitor = new IdleInhibitor(connection, this);
    connect(&window, &MainWindow::fullScreenAnimationChanged, m_inhibitor,
            &IdleInhibitor::setWanted);
}

DesktopSession::~DesktopSession() = default;

QString DesktopSession::serviceName() const
{
    return m_mpris ? m_mpris->serviceName() : QString();
}

void DesktopSession::end()
{
    if (m_inhibitor)
        m_inhibitor->releaseNow();
}
