#include "support/PlayerWindow.h"
#include "support/TextTable.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QtTest>

namespace {

bool clickIntervalIs(const PlayerWindow& f, int value)
{
    return f.window.clickInterval().sameAs(ClickInterval(int16_t(value)));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsAtTheirStoredPlaces_data()
    {
        addTextRows("name geometry caption", R"(
Exit | cmdExit | 368 232 65 33 | E&xit
Load | cmdLoad | 256 232 57 33 | &Load
About | cmdAbout | 312 232 57 33 | &About
panel | MMControl1 | 8 232 236 33 |
)");
    }

    void controlsAtTheirStoredPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        PlayerWindow f;
        auto* control = f.window.findChild<QWidget*>(name);
        QVERIFY(control && control->isVisibleTo(&f.window));
        const QRect r = control->geometry();
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()),
              "geometry");
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->text(), caption);
    }

    void windowAsDesigned()
    {
        PlayerWindow f;
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
        PlayerWindow f;
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
        QVERIFY(clickIntervalIs(f, 0));
        const int stoppedAt = f.random.drawn;
        QTest::qWait(100);
        QCOMPARE(f.random.drawn, stoppedAt);
    }

    void clickAfterALoneDoubleClickEventStillCounts()
    {
        // A double-click event without its release must not swallow the next click.
        PlayerWindow f;
        QVERIFY(f.showAndWait());
        QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(50, 50));
        QTRY_VERIFY(f.window.isFullScreen());
        f.click();
        QVERIFY(clickIntervalIs(f, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
