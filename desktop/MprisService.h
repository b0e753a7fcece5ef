#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

class MainWindow;
class MprisPlayer;
class MprisRoot;

/// The program as a media player on the session bus, for the media keys, the desktop's media
/// controls and tools such as playerctl.
class MprisService : public QObject {
    Q_OBJECT

public:
    static constexpr char ObjectPath[] = "/org/mpris/MediaPlayer2";
    static constexpr char ServiceName[] = "org.mpris.MediaPlayer2.spindella";

    MprisService(MainWindow& window, const QDBusConnection& connection, QObject* parent = nullptr);
    ~MprisService() override;

    /// Takes the player's name, or an instance name when another Spindella has it; false when
    /// neither can be had.
    bool registerOnBus();
    QString serviceName() const { return m_serviceName; }

private:
    /// Announces every property that changed since the last announcement; Position never.
    void publishChanges();
    void publish(const QObject* adaptor, QVariantMap& last);

    QDBusConnection m_connection;
    MprisRoot* m_root = nullptr;
    MprisPlayer* m_player = nullptr;
    QVariantMap m_rootState;
    QVariantMap m_playerState;
    QString m_serviceName;
};
