#include "app/MainWindow.h"
#include "platform/IntervalTimer.h"
#include "platform/PaletteColour.h"
#include "platform/RandomSequence.h"
#include "support/CountingRandom.h"
#include "support/FakeServices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

namespace {

/// A window with counted randomness and recording message boxes; 500 values are one burst.
struct Fixture {
    CountingRandom random;
    FakeServices services;
    MainWindow window{random, services, services};

    QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
    int interval() { return window.findChild<IntervalTimer*>("Timer1")->interval(); }
    bool showAndWait()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window) && QTest::qWaitForWindowExposed(&window);
    }
};

// The icon as designed, one character a pixel ("." transparent, hex digits palette numbers).
const char* const IconMap[32] = {
    "................................", "................................",
    "................................", ".............000000.............",
    "..........000abbb88000..........", "........0078aabb8888f800........",
    ".......066c8aabbb88f8f8f0.......", "......0666c78aab88f8f8fff0......",
    ".....088666c8aabb88f8ffff80.....", ".....0e8866c78ab88f8ffff870.....",
    "....0eee8866c8abb88ffff87870....", "....0bbee886c78b88ffff878780....",
    "...0aabbbe886c77778ff87878780...", "...0aaaabbe88700007f878787870...",
    "...0dddaaabe708..807787878780...", "...0dddddddd70....07888888880...",
    "...08888888870....07dddddddd0...", "...087878787708..807ebaaaddd0...",
    "...078787878f70000788ebbaaaa0...", "...08787878ff87777c688ebbbaa0...",
    "....087878ffff88b87c688eebb0....", "....07878ffff88bba8c6688eee0....",
    ".....078ffff8f88ba87c6688e0.....", ".....08ffff8f88bbaa8c666880.....",
    "......0fff8f8f88baa87c6660......", ".......0f8f8f88bbbaa8c660.......",
    "........008f8888bbaa8700........", "..........00088bbba000..........",
    ".............000000.............", "................................",
    "................................", "................................",
};

QRgb iconColour(char key)
{
    switch (key) {
    case '0':
        return qRgb(0, 0, 0);
    case '6':
        return qRgb(0, 128, 128);
    case '7':
        return qRgb(128, 128, 128);
    case '8':
        return qRgb(192, 192, 192);
    case 'a':
        return qRgb(0, 255, 0);
    case 'b':
        return qRgb(255, 255, 0);
    case 'c':
        return qRgb(0, 0, 255);
    case 'd':
        return qRgb(255, 0, 255);
    case 'e':
        return qRgb(0, 255, 255);
    case 'f':
        return qRgb(255, 255, 255);
    }
    return 0;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsAtTheirStoredPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Exit") << "cmdExit" << QRect(368, 232, 65, 33) << "E&xit";
        QTest::newRow("Load") << "cmdLoad" << QRect(256, 232, 57, 33) << "&Load";
        QTest::newRow("About") << "cmdAbout" << QRect(312, 232, 57, 33) << "&About";
        QTest::newRow("panel") << "MMControl1" << QRect(8, 232, 236, 33) << QString();
    }

    void controlsAtTheirStoredPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        Fixture f;
        MainWindow& window = f.window;
        auto* control = window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(control->isVisibleTo(&window));
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), caption);
    }

    void windowAsDesigned()
    {
        Fixture f;
        MainWindow& window = f.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Halcyra CD Player"));
        QCOMPARE(window.size(), QSize(441, 268));
        QCOMPARE(window.minimumSize(), QSize(441, 268));
        QCOMPARE(window.maximumSize(), QSize(441, 268));
        QCOMPARE(window.pos(), QPoint(104, 80));
        QCOMPARE(window.findChild<QPushButton*>("cmdAbout")->toolTip(),
                 QStringLiteral("Click here for operating instructions."));
        auto* timer = window.findChild<IntervalTimer*>("Timer1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 0);
    }

    void captionsUseTheSubstitutedBoldFont()
    {
        Fixture f;
        const QFont font = f.window.findChild<QPushButton*>("cmdExit")->font();
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Bold);
        // The first of the preferred families that this machine has.
        const QStringList preferred{"News Gothic MT", "Nimbus Sans Narrow",
                                    "Liberation Sans Narrow", "DejaVu Sans Condensed"};
        QString expected;
        for (const QString& family : preferred) {
            if (QFontDatabase::hasFamily(family)) {
                expected = family;
                break;
            }
        }
        QVERIFY2(!expected.isEmpty(), "none of the preferred fonts is installed");
        // Fontconfig may add the foundry: "Nimbus Sans Narrow [urw]".
        const QString resolved = QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0);
        QCOMPARE(resolved, expected);
    }

    void tabOrderAndInitialFocus()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));

        // Before Load the panel's buttons are all disabled, so the chain passes over them.
        QStringList chain;
        for (int n = 0; n < 3; ++n) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain, (QStringList{"cmdExit", "cmdLoad", "cmdAbout"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));
    }

    void iconMatchesThePixelMap()
    {
        Fixture f;
        const QImage icon =
            f.window.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const char key = IconMap[y][x];
                const QRgb pixel = icon.pixel(x, y);
                if (key == '.')
                    QVERIFY2(qAlpha(pixel) == 0, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                else
                    QVERIFY2(
                        pixel == iconColour(key),
                        qPrintable(QStringLiteral("%1,%2 is %3").arg(x).arg(y).arg(pixel, 8, 16)));
            }
        }
    }

    void repaintDrawsOneBurstOnlyAfterAnErase()
    {
        Fixture f;
        MainWindow& window = f.window;
        CountingRandom& random = f.random;
        QCOMPARE(random.drawn, 0);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(random.drawn, 500);
        QCOMPARE(window.surface().logicalSize(), QSize(441, 268));

        // An expose without a change of size shows the kept picture.
        const QImage kept = window.surface().image();
        window.repaint();
        QCOMPARE(random.drawn, 500);
        QCOMPARE(window.surface().image(), kept);

        // A change of size erases: background, then exactly one burst.
        window.setFixedSize(300, 200);
        window.setFixedSize(320, 210);
        QTRY_COMPARE(random.drawn, 1000);
        QTest::qWait(50);
        QCOMPARE(random.drawn, 1000);
        QCOMPARE(window.surface().logicalSize(), QSize(320, 210));
        const QColor face = window.palette().color(QPalette::Button);
        int background = 0;
        const QImage& image = window.surface().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                background += image.pixelColor(x, y) == face;
        QVERIFY(background > 0);
    }

    void twoRunsFromTheSameStartDrawTheSamePicture()
    {
        Fixture one, two;
        MainWindow& first = one.window;
        MainWindow& second = two.window;
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTRY_VERIFY(!first.surface().image().isNull() && !second.surface().image().isNull());
        QCOMPARE(first.surface().image(), second.surface().image());
    }

    void clicksOnThePictureToggleTheAnimation()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.interval(), 20);
        QTest::mouseClick(&f.window, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(f.interval(), 20);
        QTest::mouseClick(f.child("MMControl1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.interval(), 20);
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.interval(), 0);
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(0)));
    }

    void ticksDrawUntilTheAnimationStops()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(f.random.drawn >= 500 * 4);
        QCOMPARE(f.random.drawn % 500, 0);
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
        const int stoppedAt = f.random.drawn;
        QTest::qWait(100);
        QCOMPARE(f.random.drawn, stoppedAt);
    }

    void panelNotificationsSwitchTheTimerOnly()
    {
        Fixture f;
        f.window.panelStartNotification(7);
        QCOMPARE(f.interval(), 20);
        QVERIFY(f.window.clickInterval().isEmpty());
        f.window.panelStopNotification(7);
        QCOMPARE(f.interval(), 0);
        QVERIFY(f.window.clickInterval().isEmpty());
    }

    void realDoubleClickIsOneClickThenTheModeChange()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        const QRect before = f.window.geometry();
        // Press, release, double-click, release: as an X server delivers it.
        QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.interval(), 20);
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(20)));
        QTRY_VERIFY(f.window.isFullScreen());
        for (const char* name : {"cmdExit", "cmdLoad", "cmdAbout", "MMControl1"})
            QVERIFY2(f.child(name)->isHidden(), name);

        QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.interval(), 0);
        QTRY_VERIFY(!f.window.isFullScreen());
        QTRY_COMPARE(f.window.geometry(), before);
        QCOMPARE(f.window.minimumSize(), QSize(441, 268));
        QCOMPARE(f.window.maximumSize(), QSize(441, 268));
        for (const char* name : {"cmdExit", "cmdLoad", "cmdAbout", "MMControl1"})
            QVERIFY2(!f.child(name)->isHidden(), name);
    }

    void clickAfterALoneDoubleClickEventStillCounts()
    {
        // A double-click event without its release must not swallow the next click.
        Fixture f;
        QVERIFY(f.showAndWait());
        QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(f.window.isFullScreen());
        f.window.panelStopNotification(0);
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(0)));
    }

    void eachSettledModeChangeDrawsOneBurst()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        f.window.panelStopNotification(0); // keep the timer out of the count
        QTRY_VERIFY(f.window.isFullScreen());
        QTRY_COMPARE(f.random.drawn, 1000);
        QTest::qWait(200);
        QCOMPARE(f.random.drawn, 1000);
        const QSize screen = f.window.screen()->geometry().size();
        QCOMPARE(f.window.surface().logicalSize(), screen);

        QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        QTRY_COMPARE(f.window.surface().logicalSize(), QSize(441, 268));
        QTest::qWait(200);
        QCOMPARE(f.random.drawn, 1500);
        // Back to the button face, whatever the background was.
        const QColor face = f.window.palette().color(QPalette::Button);
        QCOMPARE(f.window.surface().image().pixelColor(0, 0).isValid(), true);
        bool sawFace = false;
        const QImage& image = f.window.surface().image();
        for (int y = 0; y < image.height() && !sawFace; ++y)
            for (int x = 0; x < image.width() && !sawFace; ++x)
                sawFace = image.pixelColor(x, y) == face;
        QVERIFY(sawFace);
    }

    void enterAtStartUpSaysGoodbyeAndEnds()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.services.log, (QStringList{"box style 0 title (none)", "box dismissed", "end"}));
        QCOMPARE(f.services.lastPrompt, std::string("<<<<<See Ya !!!>>>>>"));
    }

    void aboutLeavesEverythingAsItWas()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(f.child("cmdAbout"), Qt::LeftButton);
        QCOMPARE(f.services.log,
                 (QStringList{"box style 64 title About The Spindella Program", "box dismissed"}));
        QCOMPARE(f.interval(), 20);
        QVERIFY(f.window.clickInterval().sameAs(ClickInterval(20)));
        QVERIFY(!f.child("cmdExit")->isHidden());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
