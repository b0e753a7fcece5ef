#include "desktop/MprisService.h"

#include "app/MainWindow.h"
#include "desktop/MprisPlayer.h"
#include "desktop/MprisRoot.h"
#include "panel/CdPlayerPanel.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QMetaProperty>

namespace {

QVariantMap readProperties(const QObject* adaptor)
{
    QVariantMap values;
    const QMetaObject* meta = adaptor->metaObject();
    for (int n = QDBusAbstractAdaptor::staticMetaObject.propertyCount(); n < meta->propertyCount();
         ++n) {
        const QMetaProperty property = meta->property(n);
        if (qstrcmp(property.name(), "Position") != 0)
            values.insert(QString::fromLatin1(property.name()), property.read(adaptor));
    }
    return values;
}

const char* interfaceName(const QObject* adaptor)
{
    const QMetaObject* meta = adaptor->metaObject();
    return meta->classInfo(meta->indexOfClassInfo("D-Bus Interface")).value();
}

} // namespace

MprisService::MprisService(MainWindow& window, const QDBusConnection& connection, QObject* parent)
    : QObject(parent), m_connection(connection)
{
    CdPlayerPanel& panel = window.playerPanel();
    m_root = new MprisRoot(this, window);
    m_player = new MprisPlayer(this, panel, m_connection);
    m_rootState = readProperties(m_root);
    m_playerState = readProperties(m_player);
    connect(&panel.player(), &CdPlayer::changed, this, &MprisService::publishChanges);
    connect(&window, &MainWindow::fullScreenModeChanged, this, &MprisService::publishChanges);
}

MprisService::~MprisService()
{
    if (!m_serviceName.isEmpty()) {
        m_connection.unregisterObject(QString::fromLatin1(ObjectPath));
        m_connection.unregisterService(m_serviceName);
    }
}

bool MprisService::registerOnBus()
{
    if (!m_connection.isConnected() ||
        !m_connection.registerObject(QString::fromLatin1(ObjectPath), this))
        return false;
    const QString name = QString::fromLatin1(ServiceName);
    for (const QString& candidate :
         {name, name + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid())}) {
        if (m_connection.registerService(candidate)) {
            m_serviceName = candidate;
            return true;
        }
    }
    m_connection.unregisterObject(QString::fromLatin1(ObjectPath));
    return false;
}

void MprisService::publishChanges()
{
    publish(m_root, m_rootState);
    publish(m_player, m_playerState);
}

void MprisService::publish(const QObject* adaptor, QVariantMap& last)
{
    const QVariantMap now = readProperties(adaptor);
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (last.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    last = now;
    if (changed.isEmpty() || m_serviceName.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(ObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(interfaceName(adaptor)) << changed << QStringList();
    m_connection.send(signal);
}
