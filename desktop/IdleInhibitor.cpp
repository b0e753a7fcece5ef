#include "desktop/IdleInhibitor.h"

#include <QCoreApplication>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

constexpr QLatin1String ScreenSaverService("org.freedesktop.ScreenSaver");
constexpr QLatin1String ScreenSaverPath("/org/freedesktop/ScreenSaver");
constexpr QLatin1String PortalService("org.freedesktop.portal.Desktop");
constexpr QLatin1String PortalPath("/org/freedesktop/portal/desktop");
constexpr uint PortalIdleFlag = 8;
constexpr int ReleaseTimeoutMs = 1000;

QString reason()
{
    return QCoreApplication::translate("IdleInhibitor", "Full-screen animation");
}

} // namespace

IdleInhibitor::IdleInhibitor(const QDBusConnection& connection, QObject* parent)
    : QObject(parent), m_connection(connection), m_inhibition(*this)
{
}

IdleInhibitor::~IdleInhibitor()
{
    releaseNow();
}

void IdleInhibitor::inhibit()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        ScreenSaverService, ScreenSaverPath, ScreenSaverService, QStringLiteral("Inhibit"));
    call << QCoreApplication::applicationName() << reason();
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            askPortal();
        else
            m_inhibition.answered(Inhibition::Hold{reply.value(), {}});
    });
}

void IdleInhibitor::askPortal()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, PortalPath, QStringLiteral("org.freedesktop.portal.Inhibit"),
        QStringLiteral("Inhibit"));
    call << QString() << PortalIdleFlag << QVariantMap{{QStringLiteral("reason"), reason()}};
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *w;
        if (reply.isError())
            m_inhibition.answered(std::nullopt);
        else
            m_inhibition.answered(Inhibition::Hold{0, reply.value().path().toStdString()});
    });
}

QDBusMessage IdleInhibitor::releaseMessage(const Inhibition::Hold& hold) const
{
    if (!hold.request.empty())
        return QDBusMessage::createMethodCall(PortalService, QString::fromStdString(hold.request),
                                              QStringLiteral("org.freedesktop.portal.Request"),
                                              QStringLiteral("Close"));
    QDBusMessage call = QDBusMessage::createMethodCall(
        ScreenSaverService, ScreenSaverPath, ScreenSaverService, QStringLiteral("UnInhibit"));
    call << hold.cookie;
    return call;
}

void IdleInhibitor::release(const Inhibition::Hold& hold)
{
    m_connection.asyncCall(releaseMessage(hold));
}

void IdleInhibitor::releaseNow()
{
    if (const auto hold = m_inhibition.take())
        m_connection.call(releaseMessage(*hold), QDBus::Block, ReleaseTimeoutMs);
}
