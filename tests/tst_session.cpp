// The program on a private session bus, driven from a second connection as the desktop drives
// it. Calls go out asynchronously: the service answers from this same thread.
#include "desktop/DesktopSession.h"
#include "player/PlayerSettings.h"
#include "support/DiscImage.h"
#include "support/PlayerWindow.h"
#include "support/TextTable.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

const QString Service = "org.mpris.MediaPlayer2.spindella";
const QString Root = "org.mpris.MediaPlayer2";
const QString Player = "org.mpris.MediaPlayer2.Player";
const QString Properties = "org.freedesktop.DBus.Properties";
constexpr qlonglong Second = 1000000;

/// The window with a panel on a disc image, on the bus as the program puts it there.
struct Rig : PlayerWindow {
    std::unique_ptr<DesktopSession> session;

    Rig(const std::string& image, const QDBusConnection& connection)
        : PlayerWindow({image}), session(std::make_unique<DesktopSession>(
                                     window, connection, QDBusConnection::systemBus()))
    {
        load();
    }
    bool animating() { return interval() > 0; }
};

QVariant unwrap(const QVariant& value)
{
    QVariant inner =
        value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
    if (inner.metaType() == QMetaType::fromType<QDBusArgument>())
        return qdbus_cast<QVariantMap>(inner.value<QDBusArgument>());
    return inner;
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DiscImage m_disc;
    QDBusConnection m_client{QString()};
    std::unique_ptr<Rig> m_rig;
    QList<QVariantMap> m_changes;
    std::map<QString, QProcess> m_mocks;

    /// A call from the desktop's side, answered while this thread goes on with its events.
    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& args = {})
    {
        auto message =
            QDBusMessage::createMethodCall(Service, "/org/mpris/MediaPlayer2", interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = m_client.asyncCall(message);
        return QTest::qWaitFor([&] { return pending.isFinished(); }) ? pending.reply()
                                                                     : QDBusMessage();
    }
    QVariant property(const QString& interface, const QString& name)
    {
        return unwrap(call(Properties, "Get", {interface, name}).arguments().value(0));
    }
    void setProperty(const QString& interface, const QString& name, const QVariant& value)
    {
        call(Properties, "Set", {interface, name, QVariant::fromValue(QDBusVariant(value))});
    }
    QDBusObjectPath trackId()
    {
        return property(Player, "Metadata").toMap().value("mpris:trackid").value<QDBusObjectPath>();
    }
    /// The values a player property or Seeked (in seconds) was announced with, in order.
    /// Position is announced through Seeked only, so it shows here as a fault.
    QString announced(const QString& name)
    {
        QStringList values;
        for (const QVariantMap& change : std::as_const(m_changes)) {
            if (change.contains(name))
                values << change.value(name).toString() +
                              (change.value("interface") == Player ? "" : " elsewhere");
            if (change.contains("Position"))
                values << "Position";
        }
        return values.join(", ");
    }
    /// A stand-in desktop service: a python3-dbusmock template from mocks/, logging its calls;
    /// or, for logind, python3-dbusmock's own on the system bus.
    bool startMock(const QString& service, const QString& busName)
    {
        QProcess& mock = m_mocks[service];
        const bool system = service == "logind";
        if (mock.state() == QProcess::NotRunning)
            mock.start("/usr/bin/python3",
                       {"-m", "dbusmock", system ? "--system" : "--session", "-l",
                        m_dir.filePath(service + ".log"), "-t",
                        system ? service : QFINDTESTDATA("mocks/" + service + ".py")});
        const QDBusConnection bus = system ? QDBusConnection::systemBus() : m_client;
        return QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(busName); });
    }
    /// What the stand-in logind was asked or told, as gdbus shows it.
    static QString logind(const QString& method, const QStringList& arguments = {})
    {
        QProcess gdbus;
        gdbus.start("gdbus", QStringList{"call", "--system", "-d", "org.freedesktop.login1", "-o",
                                         "/org/freedesktop/login1", "-m", method} +
                                 arguments);
        gdbus.waitForFinished();
        return QString::fromUtf8(gdbus.readAllStandardOutput()).trimmed();
    }
    /// What a stand-in service was asked, without the times.
    QStringList mockCalls(const QString& name)
    {
        QFile log(m_dir.filePath(name + ".log"));
        QStringList calls;
        if (log.open(QIODevice::ReadOnly))
            for (const QByteArray& line : log.readAll().split('\n'))
                if (!line.isEmpty())
                    calls << QString::fromUtf8(line).section(' ', 1);
        return calls;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        DiscImage::Design design;
        design.tracks = {{440, 20, 0.5, "Circles", "The Rings"}, {550, 20}, {660, 20}};
        design.title = "Tones";
        m_disc = DiscImage::write(m_dir.path().toStdString(), "tones", design);
        QGuiApplication::setDesktopFileName("org.halcyra.Spindella");
        QCoreApplication::setApplicationName("Spindella");
        m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
        QVERIFY(m_client.connect(Service, "/org/mpris/MediaPlayer2", Properties,
                                 "PropertiesChanged", this,
                                 SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        QVERIFY(m_client.connect(Service, "/org/mpris/MediaPlayer2", Player, "Seeked", this,
                                 SLOT(seeked(qlonglong))));
    }
    void init()
    {
        m_rig = std::make_unique<Rig>(m_disc.cuePath, QDBusConnection::sessionBus());
        QTRY_VERIFY(property(Player, "CanPlay").toBool());
        m_changes.clear();
    }
    void cleanup() { m_rig.reset(); }
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        QVariantMap change{{"interface", interface}};
        for (auto it = changed.begin(); it != changed.end(); ++it)
            change.insert(it.key(), unwrap(it.value()));
        m_changes << change;
    }
    void seeked(qlonglong position)
    {
        m_changes << QVariantMap{{"interface", Player}, {"Seeked", position / Second}};
    }

    void propertiesGoOutWithTheirTypes()
    {
        QCOMPARE(property(Root, "Identity").toString(), "Spindella");
        QCOMPARE(property(Root, "DesktopEntry").toString(), "org.halcyra.Spindella");
        QVERIFY(property(Root, "CanQuit").toBool() && !property(Root, "HasTrackList").toBool());
        QCOMPARE(property(Player, "Position").metaType(), QMetaType::fromType<qlonglong>());
        QVariantMap metadata = property(Player, "Metadata").toMap();
        const QVariant id = metadata.take("mpris:trackid");
        QCOMPARE(id.metaType(), QMetaType::fromType<QDBusObjectPath>());
        QVERIFY(id.value<QDBusObjectPath>().path().startsWith("/org/halcyra/Spindella/"));
        QCOMPARE(metadata.value("mpris:length").metaType(), QMetaType::fromType<qlonglong>());
        QCOMPARE(metadata, (QVariantMap{{"mpris:length", 20 * Second},
                                        {"xesam:trackNumber", 1},
                                        {"xesam:title", "Circles"},
                                        {"xesam:album", "Tones"},
                                        {"xesam:artist", QStringList{"The Rings"}}}));
        call(Player, "Next");
        QCOMPARE(property(Player, "Metadata").toMap().value("xesam:title").toString(), "Track 2");
        QVERIFY(trackId() != id.value<QDBusObjectPath>());

        // Files open as disc images and play; anything else is refused and changes nothing.
        QCOMPARE(property(Root, "SupportedUriSchemes").toStringList(), QStringList{"file"});
        QCOMPARE(property(Root, "SupportedMimeTypes").toStringList(),
                 QStringList{"application/x-cue"});
        QCOMPARE(call(Player, "OpenUri", {"https://example.org/x.cue"}).errorName(),
                 "org.freedesktop.DBus.Error.NotSupported");
        QCOMPARE(property(Player, "Metadata").toMap().value("xesam:trackNumber").toInt(), 2);
        call(Player, "OpenUri",
             {QUrl::fromLocalFile(QString::fromStdString(m_disc.cuePath)).toString()});
        QTRY_COMPARE(property(Player, "PlaybackStatus").toString(), "Playing");
        QCOMPARE(property(Player, "Metadata").toMap().value("xesam:trackNumber").toInt(), 1);
    }

    void methodsPressThePanelsButtons_data()
    {
        // Greyed buttons do nothing, not even notify the animation.
        // Each change of status is announced once, and the playing position never.
        addTextRows("steps status track animating announced", R"(
play | Play | Playing | 1 | yes | Playing
play-pause pauses | PlayPause, PlayPause | Paused | 1 | yes | Playing, Paused
pause a while in | Play, wait, Pause | Paused | 1 | yes | Playing, Paused
play-pause resumes | Play, Pause, PlayPause | Playing | 1 | yes | Playing, Paused, Playing
stop, play | Play, Stop, Play | Playing | 1 | yes | Playing, Stopped, Playing
next, previous | Next, Next, Previous | Stopped | 2 | no |
next, playing | Play, Next | Playing | 2 | yes | Playing
previous at track 1 | Previous | Stopped | 1 | no |
pause, stopped | Pause | Stopped | 1 | no |
stop, stopped | click, Stop | Stopped | 1 | yes |
)");
    }
    void methodsPressThePanelsButtons()
    {
        for (const QString& step : cellList(cell("steps"))) {
            if (step == "click")
                m_rig->click(QPoint(20, 20));
            else if (step == "wait") {
                QTest::qWait(500); // seconds of sound: the position has moved on
                QVERIFY(property(Player, "Position").toLongLong() > 0);
            } else
                QCOMPARE(call(Player, step).type(), QDBusMessage::ReplyMessage);
        }
        QTEST(property(Player, "PlaybackStatus").toString(), "status");
        QTEST(QString::number(m_rig->transport().track()), "track");
        QVERIFY(property(Player, "Position").toLongLong() < 20 * Second);
        QTEST(QString(m_rig->animating() ? "yes" : "no"), "animating");
        const QList<QWidget*> buttons = m_rig->panel->buttons();
        const bool playing = m_rig->transport().state() == Transport::State::Playing;
        QCOMPARE(property(Player, "CanGoPrevious").toBool(), buttons[0]->isEnabled());
        QCOMPARE(property(Player, "CanPlay").toBool(), buttons[1]->isEnabled() || playing);
        QCOMPARE(property(Player, "CanPause").toBool(), buttons[2]->isEnabled());
        QCOMPARE(property(Player, "CanGoNext").toBool(), buttons[4]->isEnabled());
        QCOMPARE(property(Player, "CanSeek").toBool(), buttons[3]->isEnabled());
        QTEST(announced("PlaybackStatus"), "announced");
    }

    void volumeReachesTheOutputAndIsAnnouncedOnce()
    {
        call(Player, "Play");
        setProperty(Player, "Volume", 0.25);
        QCOMPARE(m_rig->output->volume(), 0.25);
        QTRY_COMPARE(announced("Volume"), "0.25");
    }

    void seeksObeyOnlyTheCurrentTrack_data()
    {
        // Times in seconds, on a paused disc of 20 s tracks; an empty track id is the current
        // track's. Previous starts from 3 s into the track.
        addTextRows("method trackId target track seeked status", R"(
set | SetPosition | | 5 | 1 | 5 | Paused
set before the start: nothing | SetPosition | | -1 | 1 | | Paused
set past the end: nothing | SetPosition | | 21 | 1 | | Paused
another track's id | SetPosition | /org/halcyra/Spindella/Disc1/Track2 | 5 | 1 | | Paused
a former disc's id | SetPosition | /org/halcyra/Spindella/Disc0/Track1 | 5 | 1 | | Paused
seek ahead | Seek | | 7 | 1 | 7 | Paused
seek back | Seek | | -1 | 1 | 0 | Paused
seek as far as can be | Seek | | max | 2 | | Paused
previous restarts the track: a jump | Previous | | 3 | 1 | 3, 0 | Stopped
)");
    }
    void seeksObeyOnlyTheCurrentTrack()
    {
        const QString method = cell("method"), target = cell("target");
        call(Player, "Play");
        call(Player, "Pause");
        m_rig->panel->player().seek(0);
        QTest::qWait(50);
        m_changes.clear();
        const qlonglong to =
            target == "max" ? std::numeric_limits<qlonglong>::max() : target.toLongLong() * Second;
        const QDBusObjectPath id =
            cell("trackId").isEmpty() ? trackId() : QDBusObjectPath(cell("trackId"));
        if (method == "Previous")
            m_rig->panel->player().seek(to);
        call(Player, method,
             method == "Seek"       ? QVariantList{to}
             : method == "Previous" ? QVariantList{}
                                    : QVariantList{QVariant::fromValue(id), to});
        QTEST(property(Player, "PlaybackStatus").toString(), "status");
        QTEST(QString::number(m_rig->transport().track()), "track");
        QTEST(announced("Seeked"), "seeked");
    }

    void shuffleAndRepeatFromTheDesktopAreKept_data()
    {
        // What the settings file held, what the desktop sets, and what is announced and kept.
        addTextRows("held set shuffle loop announced kept", R"(
nothing yet: off | | | false | None | | false off
kept from the last run | true, disc | | true | Playlist | Playlist | true disc
nonsense read as off, left till a change | maybe, twice | | false | None | | maybe twice
set from the desktop | | Shuffle true, LoopStatus Track | true | Track | Track | true track
a loop status there is not | | LoopStatus Forever | false | None | | false off
)");
    }
    void shuffleAndRepeatFromTheDesktopAreKept()
    {
        QSettings file;
        file.remove("Player");
        const QStringList held = cellList(cell("held"));
        if (!held.isEmpty()) {
            file.setValue("Player/shuffle", held[0]);
            file.setValue("Player/repeat", held[1]);
        }
        file.sync();
        PlayerSettings kept(m_rig->panel->player());
        for (const QString& setting : cellList(cell("set"))) {
            const QString value = setting.section(' ', 1);
            setProperty(Player, setting.section(' ', 0, 0),
                        value == "true" ? QVariant(true) : QVariant(value));
        }
        QTEST(property(Player, "Shuffle").toString(), "shuffle");
        QTEST(property(Player, "LoopStatus").toString(), "loop");
        QTRY_COMPARE(announced("LoopStatus"), cell("announced"));
        file.sync();
        QTEST(file.value("Player/shuffle", false).toString() + " " +
                  file.value("Player/repeat", "off").toString(),
              "kept");
    }

    void fullscreenTakesTheDoubleClicksPath()
    {
        setProperty(Root, "Fullscreen", true);
        QTRY_VERIFY(m_rig->window.isFullScreenMode() && m_rig->animating());
        QTRY_COMPARE(m_changes, (QList<QVariantMap>{{{"interface", Root}, {"Fullscreen", true}}}));
        // Already there: no click either, so the animation goes on.
        setProperty(Root, "Fullscreen", true);
        QVERIFY(m_rig->animating());
        setProperty(Root, "Fullscreen", false);
        QTRY_VERIFY(!m_rig->window.isFullScreenMode() && !m_rig->animating());
        QCOMPARE(property(Root, "Fullscreen").toBool(), false);
    }

    void raiseBringsBackAMinimizedWindow()
    {
        m_rig->window.showMinimized();
        QVERIFY(m_rig->window.isMinimized());
        QCOMPARE(call(Root, "Raise").type(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY(!m_rig->window.isMinimized() && m_rig->window.isVisible());
    }

    void namesAndQuietWithoutABusOrAScreenSaver()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        Rig second(m_disc.cuePath, QDBusConnection::connectToBus(QDBusConnection::SessionBus, "2"));
        QCOMPARE(second.session->serviceName(),
                 Service + QString(".instance%1").arg(QCoreApplication::applicationPid()));
        // No screen saver service yet, and no bus at all: full screen goes on, nothing shown.
        Rig lonely(m_disc.cuePath, QDBusConnection::connectToBus("unix:path=/none", "none"));
        QVERIFY(lonely.session->serviceName().isEmpty());
        for (Rig* rig : {m_rig.get(), &lonely}) {
            rig->window.setFullScreenMode(true);
            QTRY_VERIFY(rig->window.isFullScreenMode() && rig->animating());
            rig->session->end();
        }
    }

    void sleepComesAfterThePauseAndWakingPlaysNothing()
    {
        QVERIFY(startMock("logind", "org.freedesktop.login1"));
        const QString lock = "[('sleep', 'Spindella', 'Playing a disc', 'delay', uint32 1000, "
                             "uint32 123456)]";
        const auto prepareForSleep = [](const char* sleeping) {
            logind("org.freedesktop.DBus.Mock.EmitSignal",
                   {"org.freedesktop.login1.Manager", "PrepareForSleep", "b", sleeping});
        };
        QCOMPARE(logind("org.freedesktop.login1.Manager.ListInhibitors"), "(@a(ssssuu) [],)");
        call(Player, "Play");
        QTRY_COMPARE(logind("org.freedesktop.login1.Manager.ListInhibitors"), "(" + lock + ",)");
        prepareForSleep("[<true>]");
        QTRY_COMPARE(property(Player, "PlaybackStatus").toString(), "Paused");
        QTRY_COMPARE(logind("org.freedesktop.login1.Manager.ListInhibitors"), "(@a(ssssuu) [],)");
        prepareForSleep("[<false>]");
        QTest::qWait(300);
        QCOMPARE(property(Player, "PlaybackStatus").toString(), "Paused");
        call(Player, "Play");
        QTRY_COMPARE(logind("org.freedesktop.login1.Manager.ListInhibitors"), "(" + lock + ",)");
    }

    // Last: the stand-in logind refuses from here on.
    void aRefusedSleepLockIsAskedForOncePerPlay()
    {
        QVERIFY(startMock("logind", "org.freedesktop.login1"));
        logind("org.freedesktop.DBus.Mock.AddMethod",
               {"org.freedesktop.login1.Manager", "Inhibit", "ssss", "h",
                "raise dbus.exceptions.DBusException('Not allowed', "
                "name='org.freedesktop.DBus.Error.AccessDenied')"});
        const auto asked = [&] {
            return mockCalls("logind").filter(QRegularExpression("^Inhibit \"")).size();
        };
        const qsizetype before = asked();
        call(Player, "Play");
        QTRY_COMPARE(asked(), before + 1);
        // Playing goes on, and the position ticks on, a change every fifth of a second.
        QTest::qWait(1500);
        QCOMPARE(asked(), before + 1);
        call(Player, "Pause");
        call(Player, "Play");
        QTRY_COMPARE(asked(), before + 2);
        QTest::qWait(1000);
        QCOMPARE(asked(), before + 2);
    }

    void cleanupTestCase()
    {
        for (auto& [service, mock] : m_mocks) {
            mock.kill();
            mock.waitForFinished();
        }
    }

    void theScreenIsKeptAwakeUntilEveryWayOut_data()
    {
        // The portal first: it is asked only while there is no screen saver service.
        addTextRows("service wayOut calls", R"(
portal, click | portal | click | Inhibit "" 8 {"reason": "Full-screen animation"}, Close
portal, Exit | portal | end | Inhibit "" 8 {"reason": "Full-screen animation"}, Close
click | screensaver | click | Inhibit "Spindella" "Full-screen animation", UnInhibit 4242
click, click, click | screensaver | click, click, click | Inhibit "Spindella" "Full-screen animation", UnInhibit 4242, Inhibit "Spindella" "Full-screen animation", UnInhibit 4242
double-click | screensaver | double-click | Inhibit "Spindella" "Full-screen animation", UnInhibit 4242
Exit | screensaver | end | Inhibit "Spindella" "Full-screen animation", UnInhibit 4242
Quit | screensaver | Quit | Inhibit "Spindella" "Full-screen animation", UnInhibit 4242
)");
    }
    void theScreenIsKeptAwakeUntilEveryWayOut()
    {
        const QString service = cell("service"), wayOut = cell("wayOut");
        if (service == "portal" && !m_mocks.count(service)) {
            // Refused while the desktop has no such service; asked anew once it has.
            m_rig->window.setFullScreenMode(true);
            QTest::qWait(300);
            m_rig->window.setFullScreenMode(false);
        }
        QVERIFY(startMock(service, service == "portal" ? "org.freedesktop.portal.Desktop"
                                                       : "org.freedesktop.ScreenSaver"));
        const int before = mockCalls(service).size();
        m_rig->window.setFullScreenMode(true);
        QTRY_COMPARE(mockCalls(service).size(), before + 1);
        for (const QString& step : cellList(wayOut)) {
            if (step == "click")
                m_rig->click(QPoint(20, 20));
            else if (step == "double-click")
                QTest::mouseDClick(&m_rig->window, Qt::LeftButton, {}, QPoint(20, 20));
            else if (step == "end")
                m_rig->session->end();
            else
                call(Root, step);
            QTest::qWait(100);
        }
        if (wayOut == "Quit") {
            QTRY_VERIFY(!m_rig->window.isVisible());
            m_rig->session.reset(); // as the program's end does
        }
        QTRY_COMPARE(mockCalls(service).mid(before), cellList(cell("calls")));
        QTest::qWait(200);
        QCOMPARE(mockCalls(service).mid(before), cellList(cell("calls")));
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
