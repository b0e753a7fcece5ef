#include "support/DiscImage.h"
#include "support/PlayerWindow.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QtTest>

class TestPanel : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DiscImage m_disc;

private slots:
    void initTestCase()
    {
        DiscImage::Design design;
        design.tracks = {{440, 1.0, 0.5, {}}, {550, 1.0, 0.5, {}}, {660, 1.0, 0.5, {}}};
        design.title = "Tones";
        design.performer = "Test Band";
        m_disc = DiscImage::write(m_dir.path().toStdString(), "tones", design);
    }

    void beforeLoadEverythingWaitsWithItsName()
    {
        PlayerWindow rig({m_disc.cuePath});
        QStringList names;
        for (QWidget* widget : rig.window.findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus || widget->objectName() == "display")
                names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        for (QWidget* button : rig.panel->buttons())
            QVERIFY(!button->isEnabled());
        QCOMPARE(names, (QStringList{"Exit", "Load", "Previous track", "Play", "Pause", "Stop",
                                     "Next track", "Eject", "CD player display", "About"}));
        QCOMPARE(rig.display()->text(), QStringLiteral("Press Load"));
    }

    void loadThenPlayAndStopFromTheKeyboard()
    {
        PlayerWindow rig({m_disc.cuePath});
        QVERIFY(rig.showAndWait());
        rig.load();
        QTRY_COMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        QCOMPARE(rig.display()->accessibleDescription(), QStringLiteral("01 00:00"));
        QCOMPARE(rig.display()->toolTip(),
                 QStringLiteral("01 Track 1\nTones - Test Band\n3 tracks, 00:03"));
        QCOMPARE(rig.panel->deviceType(), QStringLiteral("CDaudio"));
        // Enabled and greyed symbols, the display's colours, font and frame, as one picture.
        const QImage seen = rig.panel->grab().toImage();
        QCOMPARE(seen, QImage(QFINDTESTDATA("data/panel.png")).convertToFormat(seen.format()));

        // The tab chain passes over the disabled buttons.
        rig.child("cmdExit")->setFocus();
        QStringList chain;
        for (int n = 0; n < 6; ++n) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain, (QStringList{"cmdExit", "cmdLoad", "playButton", "nextButton",
                                     "ejectButton", "cmdAbout"}));

        // Play and Stop are the start and stop notifications: the timer only, not the clicks'.
        rig.button("playButton")->setFocus();
        QTest::keyClick(rig.button("playButton"), Qt::Key_Space);
        QCOMPARE(rig.interval(), 20);
        QTRY_VERIFY(!rig.recording.isEmpty());
        QTest::mouseClick(rig.button("stopButton"), Qt::LeftButton);
        QCOMPARE(rig.interval(), 0);
        QVERIFY(rig.window.clickInterval().isEmpty());
        QCOMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        QVERIFY(rig.display()->isEnabled());
    }

    void unknownDeviceTypesAndCommandsAreProgrammingErrors()
    {
        PlayerWindow rig({m_disc.cuePath});
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rig.panel->setCommand("Open"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, rig.panel->setDeviceType("WaveAudio"));
        rig.panel->setDeviceType("CDaudio");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, rig.panel->setCommand("Close"));
    }
};

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
