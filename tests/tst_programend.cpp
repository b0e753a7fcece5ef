// How the program ends, and what it tells the user on the way.
#include "platform/FatalPath.h"

#include <QProcess>
#include <QtTest>

#include <stdexcept>

namespace {

// Paragraphs show as empty lines, with no stray carriage return.
const QString About =
    "To start the circle animation, click once anywhere on the form. To enable full "
    "screen animation, just double click on the form. To revert the program to it's "
    "original state, simply double click again. Stay Cool.\n\n"
    "Spindella was written in 2026 by Halcyra, who owns all rights to it. \n\n"
    "All common and custom controls distributed with this program are the property of "
    "Halcyra.\n\n"
    "Halcyra, 17 Nowhere Lane \n"
    "Imaginary Falls, Fictional Province \n"
    "Neverland, Z9Z 9Z9 \n"
    "Phone (555) 555-0142 ";

} // namespace

class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void theProgramEnds_data()
    {
        // Each box as the user reads it: text, title, icon, buttons, and text format (0 is
        // plain text, shown as written rather than as markup).
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("Exit says goodbye under the program's name, then ends at once")
            << "exit" << 0
            << "box: <<<<<See Ya !!!>>>>> | title: Spindella | icon: 0 | buttons: 1 | format: 0\n";
        QTest::newRow("About shows its text as written; closing the window ends without a box")
            << "about" << 0
            << "box: " + About +
                   " | title: About The Spindella Program | icon: 1 | buttons: 1 | format: 0\n"
                   "the handler went on\nevent loop returned 0\n";
        QTest::newRow("a failing handler shows the error, then ends with a failure")
            << "fail" << FatalPath::ExitStatus
            << "box: Disc tray on fire | title: Spindella | icon: 3 | buttons: 1 | format: 0\n";
    }

    void theProgramEnds()
    {
        QFETCH(QString, mode);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess probe;
        probe.start(QStringLiteral(PROGRAM_PROBE), {mode});
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()), output);
    }

    void aSecondFailureDuringTheReportEndsAtOnce()
    {
        QStringList events;
        FatalPath* self = nullptr;
        FatalPath path(
            [&](const std::string& m) {
                events << "report " + QString::fromStdString(m);
                self->fail("tick failed too");
            },
            [&](int status) { events << "end " + QString::number(status); });
        self = &path;
        path.fail("first");
        QCOMPARE(events, (QStringList{"report first", "end 1", "end 1"}));
        QCOMPARE(FatalPath::describe(std::make_exception_ptr(42)), std::string("Unknown error"));
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"
