#include "desktop/SleepInhibitor.h"

#include "player/CdPlayer.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

#include <unistd.h>

namespace {
constexpr QLatin1String Login("org.freedesktop.login1");
constexpr QLatin1String LoginPath("/org/freedesktop/login1");
constexpr QLatin1String LoginManager("org.freedesktop.login1.Manager");
} // namespace

SleepInhibitor::SleepInhibitor(CdPlayer& player, const QDBusConnection& systemBus, QObject* parent)
    : QObject(parent), m_player(player), m_bus(systemBus), m_inhibition(*this)
{
    if (!m_bus.isConnected())
        return;
    // Qt's bus connects signals to slots by name only.
    m_bus.connect(Login, LoginPath, LoginManager, QStringLiteral("PrepareForSleep"), this,
                  SLOT(prepareForSleep(bool)));
    connect(&m_player, &CdPlayer::changed, this, &SleepInhibitor::follow);
    follow();
}

SleepInhibitor::~SleepInhibitor()
{
    if (const auto hold = m_inhibition.take())
        release(*hold);
}

void SleepInhibitor::follow()
{
    m_inhibition.setWanted(m_player.transport().state() == Transport::State::Playing);
}

void SleepInhibitor::prepareForSleep(bool sleeping)
{
    // Paused first: the lock goes with the change the pause announces.
    if (sleeping)
        m_player.prepareForSleep();
}

void SleepInhibitor::inhibit()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Login, LoginPath, LoginManager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QCoreApplication::applicationName()
         << QCoreApplication::translate("SleepInhibitor", "Playing a disc")
         << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        // The lock lasts as long as a descriptor of it stays open: this copy.
        const int lock = reply.isError() ? -1 : ::dup(reply.value().fileDescriptor());
        if (lock < 0)
            m_inhibition.answered(std::nullopt);
        else
            m_inhibition.answered(Inhibition::Hold{std::uint32_t(lock), {}});
    });
}

void SleepInhibitor::release(const Inhibition::Hold& hold)
{
    ::close(int(hold.cookie));
}
