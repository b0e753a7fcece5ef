#pragma once

#include <QDBusConnection>
#include <QObject>

/// Tells the desktop something worth a notification, through its notification service
/// (org.freedesktop.Notifications) where it has one; quiet without one.
class DesktopNotifier : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(const QDBusConnection& connection, QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body);

private:
    QDBusConnection m_connection;
};
