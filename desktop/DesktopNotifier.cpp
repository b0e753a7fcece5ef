#include "desktop/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

DesktopNotifier::DesktopNotifier(const QDBusConnection& connection, QObject* parent)
    : QObject(parent), m_connection(connection)
{
}

void DesktopNotifier::notify(const QString& summary, const QString& body)
{
    if (!m_connection.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The program's name and icon, no notification replaced, no actions, the desktop's own
    // time on screen.
    call << QCoreApplication::applicationName() << uint(0) << QGuiApplication::desktopFileName()
         << summary << body << QStringList() << QVariantMap() << int(-1);
    // Asked without waiting: no answer is needed, and without the service there is none.
    m_connection.call(call, QDBus::NoBlock);
}
