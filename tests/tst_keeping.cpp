// Keeping a disc from the window: saved from the panel's menu into the folder chosen, the panel
// showing the progress and stopping it, the image then verified, and each end told on the
// tooltip and by a stand-in notification service on a private session bus; a damaged image
// repaired from the menu against a stand-in CUETools database.
#include "desktop/DesktopNotifier.h"
#include "disc/DiscLayout.h"
#include "keeping/DiscKeeper.h"
#include "support/CtdbEntryFiles.h"
#include "support/DiscImage.h"
#include "support/PlayerWindow.h"

#include <QDBusConnectionInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestKeeping : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_notifications;

    QStringList notified()
    {
        QFile log(m_dir.filePath("notifications.log"));
        log.open(QIODevice::ReadOnly);
        return QString::fromUtf8(log.readAll()).split('\n').filter(" Notify ");
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().setValue("AccurateRip/lookup", false);
        QSettings().setValue("MusicBrainz/lookup", false);
        QSettings().setValue("CTDB/lookup", false);
        m_notifications.start("/usr/bin/python3",
                              {"-m", "dbusmock", "--session", "-l",
                               m_dir.filePath("notifications.log"), "-t", "notification_daemon"});
        QVERIFY(QTest::qWaitFor([] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(
                "org.freedesktop.Notifications");
        }));
    }
    void cleanupTestCase()
    {
        m_notifications.kill();
        m_notifications.waitForFinished();
    }

    void savedFromTheMenuStoppedByStopThenVerified()
    {
        DiscImage::Design design;
        design.title = "Kept";
        design.performer = "The Savers";
        design.tracks = {{440, 6, 0.5}, {550, 6, 0.5}};
        const DiscImage disc = DiscImage::write(m_dir.path().toStdString(), "kept", design);
        QTemporaryDir music;
        PlayerWindow rig({disc.cuePath});
        DesktopNotifier notifier(QDBusConnection::sessionBus());
        DiscKeeper keeper(
            *rig.panel, [&] { return std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}); },
            [&](const QString&) { return music.path(); }, &notifier);
        rig.load();
        QTRY_COMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        rig.button("playButton")->click();
        QCOMPARE(rig.interval(), 20);

        // Saved from the menu: playing stops, the animation goes on, only Stop and Eject work.
        rig.panel->showMenu();
        rig.panel->findChild<QMenu*>("playerMenu")->findChild<QAction*>("saveDisc")->trigger();
        QVERIFY(rig.display()->text().startsWith("Rip "));
        QCOMPARE(rig.transport().state(), Transport::State::Stopped);
        QCOMPARE(rig.interval(), 20);
        QVERIFY(!rig.button("playButton")->isEnabled() && rig.button("stopButton")->isEnabled());
        // So are the digits: 2 would choose track 2 at once, and play it from the drive.
        rig.panel->typeDigit(2);
        QCOMPARE(rig.transport().state(), Transport::State::Stopped);
        QVERIFY(rig.display()->text().startsWith("Rip "));
        QTRY_COMPARE_WITH_TIMEOUT(rig.display()->text(), QStringLiteral("01 00:00"), 20000);
        const QString folder = music.filePath("The Savers - Kept");
        QCOMPARE(rig.display()->toolTip().section('\n', 0, 1),
                 "The disc was saved: In " + folder +
                     ": not checked against AccurateRip\nCTDB: not checked");
        QVERIFY(QFile::exists(folder + "/The Savers - Kept.flac"));
        QTRY_COMPARE(notified().size(), 1);
        QVERIFY(notified().last().contains("The disc was saved"));

        // Again, stopped halfway: nothing more in the folder.
        rig.panel->saveDiscRequested();
        QTRY_VERIFY(rig.display()->text().startsWith("Rip "));
        rig.button("stopButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(rig.display()->text(), QStringLiteral("01 00:00"), 10000);
        QVERIFY(rig.display()->toolTip().startsWith("The disc was not saved"));
        QCOMPARE(
            QDir(music.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"The Savers - Kept"});

        // The image that was made, verified from the menu.
        rig.panel->openImage(folder + "/The Savers - Kept.cue");
        QTRY_COMPARE(rig.transport().state(), Transport::State::Playing);
        rig.panel->showMenu();
        rig.panel->findChild<QMenu*>("playerMenu")->findChild<QAction*>("verify")->trigger();
        // AccurateRip is not asked here: nothing is verified, and the tooltip says why.
        QTRY_VERIFY_WITH_TIMEOUT(
            rig.display()->toolTip().startsWith("The image was not verified: AccurateRip"), 10000);
        QTRY_COMPARE(notified().size(), 3);
    }

    void aDamagedImageRepairedFromTheMenu()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Worn"));
        DiscImage::Design design;
        design.tracks = {{-1, 6, 0.5}, {-1, 6, 0.5}};
        const DiscImage disc =
            DiscImage::write(dir.filePath("Worn").toStdString(), "worn", design);
        const CtdbToc toc =
            CtdbToc::of(DiscLayout::of(CdioDiscSource({disc.cuePath}).open(disc.cuePath)->toc()));
        QVERIFY(writeCtdbEntry(dir.path(), toc, disc.samples, 0));
        QFile routes(dir.filePath("routes.json"));
        QVERIFY(routes.open(QIODevice::WriteOnly));
        routes.write(QJsonDocument(QJsonObject{{"/lookup2.php", "xml:entry.xml"},
                                               {"/parity/7", "range:parity.bin"}})
                         .toJson());
        routes.close();
        QProcess database;
        database.start("/usr/bin/python3", {QFINDTESTDATA("mocks/ctdb.py"), dir.path(),
                                            routes.fileName(), dir.filePath("requests.log")});
        QVERIFY(database.waitForReadyRead(5000));
        QSettings().setValue("CTDB/server", "http://127.0.0.1:" + database.readLine().trimmed());
        QSettings().setValue("CTDB/lookup", true);
        QFile bin(dir.filePath("Worn/worn.bin"));
        QVERIFY(bin.open(QIODevice::ReadWrite));
        QByteArray bytes = bin.readAll();
        for (qsizetype at = 300 * 2352; at < 320 * 2352; ++at)
            bytes[at] = char(bytes[at] ^ 0x3c);
        QVERIFY(bin.seek(0) && bin.write(bytes) == bytes.size());
        bin.close();

        PlayerWindow rig({disc.cuePath});
        DesktopNotifier notifier(QDBusConnection::sessionBus());
        DiscKeeper keeper(
            *rig.panel, [&] { return std::make_shared<CdioDiscSource>(std::vector{disc.cuePath}); },
            [&](const QString&) { return QString(); }, &notifier);
        const int told = notified().size();
        rig.panel->openImage(QString::fromStdString(disc.cuePath));
        QTRY_COMPARE(rig.transport().state(), Transport::State::Playing);
        const auto action = [&](const char* name) {
            rig.panel->showMenu();
            return rig.panel->findChild<QMenu*>("playerMenu")->findChild<QAction*>(name);
        };
        // Offered only once a verifying found the image repairable.
        QVERIFY(!action("repair")->isEnabled());
        action("verify")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(rig.display()->toolTip().startsWith("The image was verified"),
                                 20000);
        QCOMPARE(rig.display()->toolTip().section('\n', 1, 1),
                 "CTDB: differs, repairable (23520 words in 20 sectors)");
        QVERIFY(action("repair")->isEnabled());
        action("repair")->trigger();
        QVERIFY(rig.display()->text().startsWith("Fix "));
        QTRY_VERIFY_WITH_TIMEOUT(rig.display()->toolTip().startsWith("The image was repaired"),
                                 30000);
        QCOMPARE(rig.display()->toolTip().section('\n', 1, 1), "CTDB: accurate (confidence 3)");
        QVERIFY(QFile::exists(dir.filePath("Worn (repaired)/worn.flac")));
        QVERIFY(!action("repair")->isEnabled());
        QTRY_COMPARE(notified().size(), told + 2);
        QVERIFY(notified().last().contains("The image was repaired"));
        database.kill();
        database.waitForFinished();
    }
};

QTEST_MAIN(TestKeeping)
#include "tst_keeping.moc"
