#include "app/MainWindow.h"
#include "platform/IntervalTimer.h"
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
    bool clickIntervalIs(int value)
    {
        return window.clickInterval().sameAs(ClickInterval(int16_t(value)));
    }
    bool showAndWait()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window) && QTest::qWaitForWindowExposed(&window);
    }
    void click(QPoint at = {100, 100}) { QTest::mouseClick(&window, Qt::LeftButton, {}, at); }
};

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
        auto* control = f.window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(control->isVisibleTo(&f.window));
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), caption);
    }

    void windowAsDesigned()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("frmCircles2"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Halcyra CD Player"));
        QCOMPARE(f.window.minimumSize(), QSize(441, 268));
        QCOMPARE(f.window.maximumSize(), QSize(441, 268));
        QCOMPARE(f.window.pos(), QPoint(104, 80));
        QCOMPARE(f.child("cmdAbout")->toolTip(),
                 QStringLiteral("Click here for operating instructions."));
        QCOMPARE(f.interval(), 0);

        const QFont font = f.child("cmdExit")->font();
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Bold);
        // The first of the preferred families that this machine has; fontconfig may add the
        // foundry: "Nimbus Sans Narrow [urw]".
        QString expected;
        for (const char* family : {"News Gothic MT", "Nimbus Sans Narrow", "Liberation Sans Narrow",
                                   "DejaVu Sans Condensed"})
            if (expected.isEmpty() && QFontDatabase::hasFamily(family))
                expected = family;
        QCOMPARE(QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0), expected);
    }

    void repaintDrawsOneBurstOnlyAfterAnErase()
    {
        Fixture f;
        QVERIFY(f.showAndWait());
        QTRY_COMPARE(f.random.drawn, 500);
        QCOMPARE(f.window.surface().logicalSize(), QSize(441, 268));

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
    }

    void clicksOnThePictureToggleTheAnimation()
    {
        Fixture f;
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
        QVERIFY(f.clickIntervalIs(0));
        const int stoppedAt = f.random.drawn;
        QTest::qWait(100);
        QCOMPARE(f.random.drawn, stoppedAt);
    }

    void clickAfterALoneDoubleClickEventStillCounts()
    {
        // A double-click event without its release must not swallow the next click.
        Fixture f;
        QVERIFY(f.showAndWait());
        QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(f.window.isFullScreen());
        f.click();
        QVERIFY(f.clickIntervalIs(0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
