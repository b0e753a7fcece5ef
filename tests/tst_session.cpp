// The program on a private session bus, driven from a second connection as the desktop drives
// it. Calls go out asynchronously: the service answers from this same thread.
#include "app/MainWindow.h"
#include "cdaudio/CdPlayerPanel.h"
#include "cdaudio/CdioDiscSource.h"
#include "desktop/DesktopSession.h"
#include "platform/IntervalTimer.h"
#include "platform/RandomSequence.h"
#include "support/DiscImage.h"
#include "support/FakeServices.h"
#include "support/RecordingOutput.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Service = QStringLiteral("org.mpris.MediaPlayer2.spindella");
const QString Path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString Root = QStringLiteral("org.mpris.MediaPlayer2");
const QString Player = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString ScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString ScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
constexpr qlonglong Second = 1000000;

/// The window with a panel on a disc image, on the bus as the program puts it there.
struct Rig {
    QByteArray recording;
    RandomSequence random;
    FakeServices services;
    CdPlayerPanel* panel;
    MainWindow window;
    std::unique_ptr<DesktopSession> session;

    Rig(const std::string& image, const QDBusConnection& connection)
        : panel(new CdPlayerPanel(std::make_unique<CdioDiscSource>(std::vector{image}),
                                  [this] { return std::make_unique<RecordingOutput>(recording); })),
          window(random, services, services, panel),
          session(std::make_unique<DesktopSession>(window, connection))
    {
    }
    const Transport& transport() { return panel->player().transport(); }
    bool animating() { return window.findChild<IntervalTimer*>("Timer1")->interval() > 0; }
    bool load()
    {
        QTest::mouseClick(window.findChild<QPushButton*>("cmdLoad"), Qt::LeftButton);
        return QTest::qWaitFor([this] { return transport().state() == Transport::State::Stopped; });
    }
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
    QList<qlonglong> m_seeks;
    QProcess m_screenSaver;

    /// A call from the desktop's side, answered while this thread goes on with its events.
    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& args = {}, const QString& service = Service)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, Path, interface, method);
        message.setArguments(args);
        QDBusPendingCall pending = m_client.asyncCall(message);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
            return {};
        return pending.reply();
    }
    QVariant property(const QString& interface, const QString& name)
    {
        const QDBusMessage reply = call(Properties, QStringLiteral("Get"), {interface, name});
        return reply.arguments().isEmpty() ? QVariant() : unwrap(reply.arguments().first());
    }
    void setProperty(const QString& interface, const QString& name, const QVariant& value)
    {
        call(Properties, QStringLiteral("Set"),
             {interface, name, QVariant::fromValue(QDBusVariant(value))});
    }
    QDBusObjectPath trackId()
    {
        return property(Player, QStringLiteral("Metadata"))
            .toMap()
            .value("mpris:trackid")
            .value<QDBusObjectPath>();
    }
    /// The stand-in screen saver's record of calls: each as its method and arguments.
    QStringList screenSaverCalls()
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            ScreenSaver, ScreenSaverPath, QStringLiteral("org.freedesktop.DBus.Mock"),
            QStringLiteral("GetCalls"));
        QDBusPendingCall pending = m_client.asyncCall(message);
        QStringList calls;
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
            return calls;
        const QDBusArgument list = pending.reply().arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            quint64 time;
            QString method;
            QVariantList args;
            list.beginStructure();
            list >> time >> method >> args;
            list.endStructure();
            QStringList words{method};
            for (const QVariant& arg : args)
                words << unwrap(arg).toString();
            calls << words.join(' ');
        }
        list.endArray();
        return calls;
    }

private slots:
    void initTestCase()
    {
        DiscImage::Design design;
        design.tracks = {{440, 20, 0.5, "Circles", "The Rings"}, {550, 20}, {660, 20}};
        design.title = "Tones";
        design.performer = "Test Band";
        m_disc = DiscImage::write(m_dir.path().toStdString(), "tones", design);
        QGuiApplication::setDesktopFileName(QStringLiteral("org.halcyra.Spindella"));
        QCoreApplication::setApplicationName(QStringLiteral("Spindella"));
        m_client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
        QVERIFY(m_client.isConnected());
        QVERIFY(m_client.connect(Service, Path, Properties, QStringLiteral("PropertiesChanged"),
                                 this, SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        QVERIFY(m_client.connect(Service, Path, Player, QStringLiteral("Seeked"), this,
                                 SLOT(seeked(qlonglong))));
    }

    void init()
    {
        m_rig = std::make_unique<Rig>(m_disc.cuePath, QDBusConnection::sessionBus());
        QVERIFY(m_rig->load());
        QTRY_COMPARE(property(Player, "CanPlay").toBool(), true);
        m_changes.clear();
    }
    void cleanup() { m_rig.reset(); }

    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        QVariantMap change{{QStringLiteral("interface"), interface}};
        for (auto it = changed.begin(); it != changed.end(); ++it)
            change.insert(it.key(), unwrap(it.value()));
        m_changes << change;
    }

    void propertiesGoOutWithTheirTypes()
    {
        QCOMPARE(property(Root, "Identity").toString(), QStringLiteral("Spindella"));
        QCOMPARE(property(Root, "DesktopEntry").toString(),
                 QStringLiteral("org.halcyra.Spindella"));
        QCOMPARE(property(Root, "CanQuit").toBool(), true);
        QCOMPARE(property(Root, "HasTrackList").toBool(), false);
        QCOMPARE(property(Player, "Position").metaType(), QMetaType::fromType<qlonglong>());
        QCOMPARE(property(Player, "Rate").toDouble(), 1.0);
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
        QCOMPARE(call(Player, "OpenUri", {"file:///x.ogg"}).type(), QDBusMessage::ErrorMessage);
    }

    void methodsPressThePanelsButtons_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("track");
        QTest::addColumn<bool>("animating");
        QTest::newRow("play") << QStringList{"Play"} << "Playing" << 1 << true;
        QTest::newRow("pause") << QStringList{"Play", "Pause"} << "Paused" << 1 << true;
        QTest::newRow("play-pause pauses")
            << QStringList{"PlayPause", "PlayPause"} << "Paused" << 1 << true;
        QTest::newRow("play-pause resumes")
            << QStringList{"PlayPause", "PlayPause", "PlayPause"} << "Playing" << 1 << true;
        QTest::newRow("stop") << QStringList{"Play", "Stop"} << "Stopped" << 1 << false;
        QTest::newRow("next, stopped") << QStringList{"Next"} << "Stopped" << 2 << false;
        QTest::newRow("next, playing") << QStringList{"Play", "Next"} << "Playing" << 2 << true;
        QTest::newRow("previous") << QStringList{"Next", "Next", "Previous"} << "Stopped" << 2
                                  << false;
        // Greyed buttons: nothing happens, not even a notification to the animation.
        QTest::newRow("previous at track 1") << QStringList{"Previous"} << "Stopped" << 1 << false;
        QTest::newRow("next at the last track")
            << QStringList{"Next", "Next", "Next"} << "Stopped" << 3 << false;
        QTest::newRow("pause, stopped") << QStringList{"Pause"} << "Stopped" << 1 << false;
        QTest::newRow("stop, stopped") << QStringList{"click", "Stop"} << "Stopped" << 1 << true;
    }
    void methodsPressThePanelsButtons()
    {
        QFETCH(QStringList, steps);
        for (const QString& step : steps) {
            if (step == "click")
                QTest::mouseClick(&m_rig->window, Qt::LeftButton, {}, QPoint(20, 20));
            else
                QCOMPARE(call(Player, step).type(), QDBusMessage::ReplyMessage);
        }
        QTEST(property(Player, "PlaybackStatus").toString(), "status");
        QTEST(m_rig->transport().track(), "track");
        QTEST(m_rig->animating(), "animating");
        const QList<QWidget*> buttons = m_rig->panel->buttons();
        const bool playing = m_rig->transport().state() == Transport::State::Playing;
        QCOMPARE(property(Player, "CanGoPrevious").toBool(), buttons[0]->isEnabled());
        QCOMPARE(property(Player, "CanPlay").toBool(), buttons[1]->isEnabled() || playing);
        QCOMPARE(property(Player, "CanPause").toBool(), buttons[2]->isEnabled());
        QCOMPARE(property(Player, "CanGoNext").toBool(), buttons[4]->isEnabled());
        QCOMPARE(property(Player, "CanSeek").toBool(),
                 playing || buttons[2]->isEnabled() || buttons[3]->isEnabled());
    }

    void everyChangeIsAnnouncedOnceWithoutPosition()
    {
        for (const char* method : {"Play", "Pause", "PlayPause", "Stop"})
            call(Player, method);
        setProperty(Player, "Volume", 0.25);
        QTest::qWait(500); // playing position updates must not be announced
        QStringList statuses;
        for (const QVariantMap& change : std::as_const(m_changes)) {
            QVERIFY2(!change.contains("Position"), "Position is announced through Seeked only");
            if (change.contains("PlaybackStatus")) {
                QCOMPARE(change.value("interface").toString(), Player);
                statuses << change.value("PlaybackStatus").toString();
            }
        }
        QCOMPARE(statuses, (QStringList{"Playing", "Paused", "Playing", "Stopped"}));
        QCOMPARE(m_changes.last().value("Volume").toDouble(), 0.25);
        QCOMPARE(m_rig->panel->player().volume(), 0.25);
    }

    void seeksStayWithinTheTrack_data()
    {
        QTest::addColumn<int>("startTrack");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("trackId"); // empty: the current track's
        QTest::addColumn<qlonglong>("target");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("track");
        QTest::addColumn<QList<qlonglong>>("seeked");
        const qlonglong max = std::numeric_limits<qlonglong>::max();
        using Seeks = QList<qlonglong>;
        QTest::newRow("within") << 1 << false << "SetPosition"
                                << "" << 5 * Second << "Playing" << 1 << Seeks{5 * Second};
        QTest::newRow("paused stays paused")
            << 1 << true << "SetPosition"
            << "" << 5 * Second << "Paused" << 1 << Seeks{5 * Second};
        QTest::newRow("before the start") << 1 << false << "SetPosition"
                                          << "" << -Second << "Playing" << 1 << Seeks{0};
        QTest::newRow("past the end") << 1 << true << "SetPosition"
                                      << "" << 21 * Second << "Paused" << 2 << Seeks{0};
        QTest::newRow("past the disc's end") << 3 << false << "SetPosition"
                                             << "" << 21 * Second << "Stopped" << 1 << Seeks{0};
        QTest::newRow("another track's id")
            << 1 << false << "SetPosition"
            << "/org/halcyra/Spindella/Disc1/Track2" << 5 * Second << "Playing" << 1 << Seeks{};
        QTest::newRow("a former disc's id")
            << 1 << false << "SetPosition"
            << "/org/halcyra/Spindella/Disc0/Track1" << 5 * Second << "Playing" << 1 << Seeks{};
        QTest::newRow("seek ahead") << 1 << true << "Seek"
                                    << "" << 7 * Second << "Paused" << 1 << Seeks{7 * Second};
        QTest::newRow("seek back") << 1 << true << "Seek"
                                   << "" << -Second << "Paused" << 1 << Seeks{0};
        QTest::newRow("seek as far as can be") << 2 << false << "Seek"
                                               << "" << max << "Playing" << 3 << Seeks{0};
    }
    void seeksStayWithinTheTrack()
    {
        QFETCH(int, startTrack);
        QFETCH(QString, trackId);
        QFETCH(qlonglong, target);
        QFETCH(QString, method);
        for (int n = 1; n < startTrack; ++n)
            call(Player, "Next");
        call(Player, "Play");
        QFETCH(bool, paused);
        if (paused)
            call(Player, "Pause");
        m_seeks.clear();
        const QVariant id =
            QVariant::fromValue(trackId.isEmpty() ? this->trackId() : QDBusObjectPath(trackId));
        call(Player, method, method == "Seek" ? QVariantList{target} : QVariantList{id, target});
        QTEST(property(Player, "PlaybackStatus").toString(), "status");
        QTEST(m_rig->transport().track(), "track");
        QTEST(m_seeks, "seeked");
    }

    void fullscreenTakesTheDoubleClicksPath()
    {
        MainWindow& window = m_rig->window;
        setProperty(Root, "Fullscreen", true);
        QTRY_VERIFY(window.isFullScreenMode());
        QVERIFY(m_rig->animating());
        QTRY_COMPARE(m_changes.size(), 1);
        QCOMPARE(m_changes.first(), (QVariantMap{{"interface", Root}, {"Fullscreen", true}}));
        // Already there: no click either, so the animation goes on.
        setProperty(Root, "Fullscreen", true);
        QVERIFY(m_rig->animating());
        setProperty(Root, "Fullscreen", false);
        QTRY_VERIFY(!window.isFullScreenMode());
        QVERIFY(!m_rig->animating());
        QCOMPARE(property(Root, "Fullscreen").toBool(), false);
    }

    void aSecondPlayerTakesAnInstanceName()
    {
        const QDBusConnection second =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, "second");
        Rig rig(m_disc.cuePath, second);
        QCOMPARE(rig.session->serviceName(),
                 Service + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid()));
        QCOMPARE(m_rig->session->serviceName(), Service);
    }

    void withoutABusTheProgramRunsAsBefore()
    {
        m_rig.reset();
        Rig rig(m_disc.cuePath, QDBusConnection::connectToBus("unix:path=/nonexistent", "none"));
        QVERIFY(rig.session->serviceName().isEmpty());
        QVERIFY(rig.load());
        rig.window.setFullScreenMode(true);
        QTRY_VERIFY(rig.window.isFullScreenMode());
        QVERIFY(rig.animating());
        rig.session->end();
    }

    void withoutAScreenSaverNothingIsShown()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        m_rig->window.setFullScreenMode(true);
        QTRY_VERIFY(m_rig->window.isFullScreenMode());
        QTest::qWait(200);
        m_rig->window.setFullScreenMode(false);
        QTRY_VERIFY(!m_rig->window.isFullScreenMode());
    }

    void theScreenIsKeptAwakeUntilEveryWayOut_data()
    {
        QTest::addColumn<QString>("wayOut");
        QTest::addColumn<QStringList>("calls");
        const QStringList once{"Inhibit Spindella Full-screen animation", "UnInhibit 4242"};
        QTest::newRow("click") << "click" << once;
        QTest::newRow("click, click, click") << "click, click, click" << QStringList(once) + once;
        QTest::newRow("double-click") << "double-click" << once;
        QTest::newRow("Exit") << "end" << once;
        QTest::newRow("Quit") << "Quit" << once;
    }
    void theScreenIsKeptAwakeUntilEveryWayOut()
    {
        if (m_screenSaver.state() == QProcess::NotRunning) {
            m_screenSaver.start("/usr/bin/python3", {"-m", "dbusmock", "--session", ScreenSaver,
                                                     ScreenSaverPath, ScreenSaver});
            QTRY_VERIFY(m_client.interface()->isServiceRegistered(ScreenSaver));
            for (const QVariantList& method :
                 {QVariantList{ScreenSaver, "Inhibit", "ss", "u", "ret = 4242"},
                  QVariantList{ScreenSaver, "UnInhibit", "u", "", ""}}) {
                QDBusMessage add = QDBusMessage::createMethodCall(
                    ScreenSaver, ScreenSaverPath, "org.freedesktop.DBus.Mock", "AddMethod");
                add.setArguments(method);
                QCOMPARE(m_client.call(add).type(), QDBusMessage::ReplyMessage);
            }
        }
        m_client.call(QDBusMessage::createMethodCall(ScreenSaver, ScreenSaverPath,
                                                     "org.freedesktop.DBus.Mock", "ClearCalls"));
        MainWindow& window = m_rig->window;
        window.setFullScreenMode(true);
        QTRY_COMPARE(screenSaverCalls().size(), 1);
        QFETCH(QString, wayOut);
        for (const QString& step : wayOut.split(", ")) {
            if (step == "click")
                QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
            else if (step == "double-click")
                QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
            else if (step == "end")
                m_rig->session->end();
            else
                call(Root, step);
            QTest::qWait(100);
        }
        if (wayOut == "Quit") {
            QTRY_VERIFY(!window.isVisible());
            m_rig->session.reset();
        }
        QFETCH(QStringList, calls);
        QTRY_COMPARE(screenSaverCalls(), calls);
        QTest::qWait(200);
        QCOMPARE(screenSaverCalls(), calls);
    }

    void cleanupTestCase()
    {
        m_screenSaver.kill();
        m_screenSaver.waitForFinished();
    }

    void seeked(qlonglong position) { m_seeks << position; }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
