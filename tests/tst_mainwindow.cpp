#include "sound/PulseAudioOutput.h"
#include "support/DiscImage.h"
#include "support/PlayerWindow.h"

#include <QAccessible>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestMainWindow : public QObject {
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

    void waitsForLoadThenPlaysAndStopsFromTheKeyboard()
    {
        PlayerWindow rig({m_disc.cuePath});
        QStringList names;
        for (QWidget* widget : rig.window.findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus || widget->objectName() == "display")
                names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        for (QWidget* button : rig.panel->buttons()) {
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->toolTip(), button->accessibleName()); // named on hover too
        }
        QCOMPARE(names, (QStringList{"Exit", "Load", "Previous track", "Play", "Pause", "Stop",
                                     "Next track", "Eject", "Press Load", "About"}));
        QCOMPARE(rig.display()->accessibleDescription(), QStringLiteral("CD player display"));

        QVERIFY(rig.showAndWait());
        rig.load();
        QTRY_COMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        QCOMPARE(rig.display()->toolTip(),
                 QStringLiteral("01 Track 1\nTones - Test Band\n3 tracks, 00:03"));
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

    void everyTrackByTheMenuOrItsNumberWithoutAMouse()
    {
        QTemporaryDir dir;
        DiscImage::Design design;
        for (int n = 1; n <= 15; ++n)
            design.tracks.push_back({200.0 + 20 * n, 0.4, 0.5, n == 12 ? "Twelve & more" : ""});
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "fifteen", design);
        PlayerWindow rig({disc.cuePath});
        QVERIFY(rig.showAndWait());
        rig.load();
        QTRY_COMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        // Its text is its name, which a label announces to screen readers as it changes.
        QCOMPARE(QAccessible::queryAccessibleInterface(rig.display())->text(QAccessible::Name),
                 QStringLiteral("01 00:00"));

        // The Menu key opens the menu; each track is there, named, timed and spoken.
        QTest::keyClick(&rig.window, Qt::Key_Menu);
        auto* menu = rig.panel->findChild<QMenu*>("playerMenu");
        QTRY_VERIFY(menu->isVisible());
        auto* twelve = menu->findChild<QAction*>("track12");
        QCOMPARE(twelve->text(), QStringLiteral("12  Twelve && more\t0:00"));
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(menu)->child(11);
        QCOMPARE(entry->object(), twelve);
        QCOMPARE(entry->text(QAccessible::Name),
                 QStringLiteral("Track 12, Twelve & more, 0 seconds"));
        QVERIFY(menu->findChild<QAction*>("track1")->isChecked());
        QVERIFY(!rig.panel->findChild<QMenu*>("namesMenu")->isEnabled());
        QVERIFY(!rig.panel->findChild<QMenu*>("driveMenu")); // one drive only
        twelve->trigger();
        menu->close();
        QVERIFY(rig.showAndWait());
        QCOMPARE(rig.display()->text(), QStringLiteral("12 00:00"));
        QCOMPARE(rig.transport().state(), Transport::State::Playing);
        QCOMPARE(rig.interval(), 20); // as Play does

        // Typed as on a remote control: shown while typed, played once complete.
        rig.child("cmdExit")->setFocus();
        QTest::keyClick(&rig.window, Qt::Key_1);
        QCOMPARE(rig.display()->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));
        QTest::keyClick(&rig.window, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(rig.display()->text(), QStringLiteral("14 00:00"));
        QTest::keyClick(&rig.window, Qt::Key_9);
        QCOMPARE(rig.display()->text(), QStringLiteral("9 00:00").prepend('0'));
        QTest::keyClick(&rig.window, Qt::Key_1);
        QTest::keyClick(&rig.window, Qt::Key_7); // no track 17: dropped
        QCOMPARE(rig.transport().track(), 9);
        QTest::keyClick(&rig.window, Qt::Key_1);
        QTRY_COMPARE_WITH_TIMEOUT(rig.transport().track(), 1, 3000); // after the pause

        // Shift+F10 too, and the order from the menu.
        QTest::keyClick(&rig.window, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->findChild<QAction*>("shuffle")->trigger();
        menu->close();
        QVERIFY(rig.transport().shuffle());
        QCOMPARE(rig.transport().track(), 1);
    }

    void twoDrivesEachLoadedFromTheMenu()
    {
        QTemporaryDir dir;
        DiscImage::Design design;
        design.tracks = {{440, 1.0, 0.5}};
        const DiscImage other = DiscImage::write(dir.path().toStdString(), "other", design);
        PlayerWindow rig({m_disc.cuePath, other.cuePath});
        QVERIFY(rig.showAndWait());
        rig.load(); // the first drive with a disc
        QTRY_COMPARE(rig.transport().tracks().size(), std::size_t(3));
        rig.panel->showMenu();
        auto* drives = rig.panel->findChild<QMenu*>("driveMenu");
        QVERIFY(drives);
        QCOMPARE(drives->actions().size(), 2);
        QCOMPARE(drives->actions()[1]->text(), QString::fromStdString(other.cuePath));
        drives->actions()[1]->trigger();
        rig.panel->findChild<QMenu*>("playerMenu")->close();
        QTRY_COMPARE(rig.transport().tracks().size(), std::size_t(1));
        QCOMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
    }

    void withNoSoundServerPlayShowsNoSound()
    {
        // This test runs where no sound server can be found.
        CdPlayerPanel panel(std::make_unique<CdioDiscSource>(std::vector{m_disc.cuePath}),
                            [] { return std::make_unique<PulseAudioOutput>(); });
        // Unknown device types and commands are programming errors.
        QVERIFY_THROWS_EXCEPTION(std::logic_error, panel.setCommand("Open"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, panel.setDeviceType("WaveAudio"));
        panel.setDeviceType("CDaudio");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, panel.setCommand("Close"));
        panel.setCommand("Open");
        auto* display = panel.findChild<QLabel*>("display");
        QTRY_COMPARE(display->text(), QStringLiteral("01 00:00"));
        panel.player().pressPlay();
        QTRY_COMPARE(display->text(), QStringLiteral("No sound"));
    }

    void looksAsDesignedAndRepaintsOnlyAfterAnErase()
    {
        PlayerWindow f;
        QCOMPARE(f.window.objectName(), QStringLiteral("frmCircles2"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Halcyra CD Player"));
        QCOMPARE(f.window.minimumSize(), QSize(441, 268));
        QCOMPARE(f.window.maximumSize(), QSize(441, 268));
        QCOMPARE(f.window.pos(), QPoint(104, 80));
        QCOMPARE(f.child("cmdAbout")->toolTip(),
                 QStringLiteral("Click here for operating instructions."));
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        QCOMPARE(f.interval(), 0);
        // The controls in their stored places, with their captions and font, over one burst.
        const QImage seen = f.window.grab().toImage();
        QCOMPARE(seen, QImage(QFINDTESTDATA("data/window.png")).convertToFormat(seen.format()));

        // An expose without a change of size shows the kept picture.
        const QImage kept = f.window.surface().image();
        f.window.repaint();
        QCOMPARE(f.random.drawn, 500);
        QCOMPARE(f.window.surface().image(), kept);

        // A change of size erases: background, then exactly one burst.
        f.window.setFixedSize(300, 200);
        f.window.setFixedSize(320, 210);
        QTRY_COMPARE(f.random.drawn, 1000);
        QTest::qWait(50);
        QCOMPARE(f.random.drawn, 1000);
        QCOMPARE(f.window.surface().logicalSize(), QSize(320, 210));

        // Access keys press their buttons.
        QTest::keyClick(&f.window, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(f.services.log.value(0), "box style 64 title About The Spindella Program");
        QTest::keyClick(&f.window, Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(f.services.log.value(2), "end");
    }

    void clicksOnThePictureToggleTheAnimation()
    {
        PlayerWindow f;
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        f.click();
        QCOMPARE(f.interval(), 20);
        QTRY_VERIFY(f.random.drawn >= 500 * 3);
        QTest::mouseClick(&f.window, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseClick(f.child("MMControl1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.interval(), 20);
        f.click();
        QCOMPARE(f.interval(), 0);
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(0)));
        const int stoppedAt = f.random.drawn;
        QTest::qWait(100);
        QCOMPARE(f.random.drawn, stoppedAt);
    }

    void oneLocalFileDroppedPlaysInTheDrivesPlace()
    {
        PlayerWindow rig;
        QVERIFY(rig.showAndWait());
        QMimeData data;
        const auto drag = [&](const QList<QUrl>& urls, const QString& text) {
            data.setUrls(urls);
            data.setText(text);
            QDragEnterEvent enter(QPoint(20, 250), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&rig.window, &enter);
            return enter.isAccepted();
        };
        const QUrl image = QUrl::fromLocalFile(QString::fromStdString(m_disc.cuePath));
        QVERIFY(!drag({image, image}, {}));
        QVERIFY(!drag({QUrl("https://example.org/disc.cue")}, {}));
        QVERIFY(!drag({}, "disc.cue"));
        QVERIFY(drag({image}, {}));
        QDropEvent drop(QPointF(20, 250), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&rig.window, &drop);
        // Played at once, and Play's start notification starts the animation.
        QTRY_VERIFY(!rig.recording.isEmpty());
        QCOMPARE(rig.interval(), 20);
        rig.button("ejectButton")->click();
        QCOMPARE(rig.display()->text(), QStringLiteral("Press Load"));
        QVERIFY(rig.display()->isEnabled());
    }

    void stopRightAfterNextIsObeyedOnABusyWindow_data()
    {
        QTest::addColumn<int>("gap");
        for (const int gap : {0, 20, 200, 900})
            QTest::addRow("Stop %d ms after Next", gap) << gap;
    }
    void stopRightAfterNextIsObeyedOnABusyWindow()
    {
        QFETCH(int, gap);
        // Tracks long enough that the fast recording does not reach the next one by itself.
        QTemporaryDir dir;
        DiscImage::Design design;
        design.tracks = {{440, 30.0, 0, {}}, {550, 30.0, 0, {}}, {660, 30.0, 0, {}}};
        const DiscImage disc = DiscImage::write(dir.path().toStdString(), "long", design);
        PlayerWindow rig({disc.cuePath});
        QVERIFY(rig.showAndWait());
        rig.load();
        QTRY_COMPARE(rig.display()->text(), QStringLiteral("01 00:00"));
        QTest::mouseClick(rig.button("playButton"), Qt::LeftButton);
        QTRY_VERIFY(!rig.recording.isEmpty());

        // Clicks as the window system hands them over, through the application's own handling
        // of a window's mouse events; the window's thread is busy for 300 ms right after Next.
        QWindow* window = rig.window.windowHandle();
        const auto click = [&](const char* name) {
            QTest::mouseClick(window, Qt::LeftButton, {},
                              rig.button(name)->mapTo(&rig.window, QPoint(5, 5)));
        };
        click("nextButton");
        if (gap == 0)
            click("stopButton");
        QThread::msleep(300);
        if (gap > 0) {
            QTest::qWait(gap);
            click("stopButton");
        }
        QTRY_COMPARE(rig.transport().state(), Transport::State::Stopped);
        QCOMPARE(rig.display()->text(), QStringLiteral("02 00:00"));
        QCOMPARE(rig.interval(), 0);
        const qsizetype heard = rig.recording.size();
        QTest::qWait(100);
        QCOMPARE(rig.recording.size(), heard);
    }

    void everyTextFitsItsPlaceInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "es", "fr", "it", "nl", "pt_BR"})
            QTest::newRow(language) << language;
    }
    void everyTextFitsItsPlaceInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language == "en" || translator.load("spindella_" + language, ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        PlayerWindow rig;
        // What the display says, in the display's own font and room.
        const QFontMetrics display(rig.display()->font());
        const int room = rig.display()->contentsRect().width() - 2 * rig.display()->margin();
        QStringList said;
        for (const char* text : {"Bad image", "Press Load", "Opening", "No drive", "No disc",
                                 "No audio", "No sound", "Read error"})
            said << QCoreApplication::translate("Transport", text);
        said << QCoreApplication::translate("DiscKeeper", "Rip %1").arg(100)
             << QCoreApplication::translate("DiscKeeper", "Check %1").arg(100)
             << QCoreApplication::translate("DiscKeeper", "Fix %1").arg(100) << "99 99:59";
        for (const QString& text : said)
            QVERIFY2(display.horizontalAdvance(text) <= room,
                     qPrintable(QString("%1: %2 of %3 px")
                                    .arg(text)
                                    .arg(display.horizontalAdvance(text))
                                    .arg(room)));
        // The buttons' words, after the window has put them on, 3 px clear of each side.
        for (const char* name : {"cmdLoad", "cmdAbout", "cmdExit"}) {
            const auto* button = rig.window.findChild<QPushButton*>(name);
            const QString text = QString(button->text()).remove(QRegularExpression("&(?!&)"));
            const int wide = QFontMetrics(button->font()).horizontalAdvance(text);
            QVERIFY2(wide + 6 <= button->contentsRect().width(),
                     qPrintable(QString("%1: %2 of %3 px")
                                    .arg(text)
                                    .arg(wide)
                                    .arg(button->contentsRect().width())));
        }
    }

    void clickAfterALoneDoubleClickEventStillCounts()
    {
        // A double-click event without its release must not swallow the next click.
        PlayerWindow f;
        QVERIFY(f.showAndWait());
        QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(f.window.isFullScreen());
        f.click();
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(0)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
