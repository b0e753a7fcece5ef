// What the user is told, and how the program ends.
#include "messages/AboutText.h"
#include "platform/FatalPath.h"
#include "platform/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

class TestProgramEnd : public QObject {
    Q_OBJECT

    /// Shows a box and reads it as a user would see it: title, icon, buttons, text, and whether
    /// the text shows as written (0) rather than as markup.
    static QStringList showAndRead(const std::string& prompt, MessageBoxes::Style style,
                                   const std::optional<std::string>& title)
    {
        QStringList seen;
        QTimer user;
        connect(&user, &QTimer::timeout, &user, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() << QString::number(box->icon())
                     << QString::number(box->buttons().size()) << box->text()
                     << QString::number(box->textFormat());
                box->accept();
            }
        });
        user.start(10);
        QtMessageBoxes().showMessage(prompt, style, title);
        return seen;
    }

private slots:
    void boxesShowTheirTextsExactly()
    {
        // Paragraphs show as empty lines, with no stray carriage return.
        const QString about =
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
        QCOMPARE(showAndRead(AboutText::aboutPrompt(), MessageBoxes::Information,
                             std::string(AboutText::AboutTitle)),
                 (QStringList{"About The Spindella Program", "1", "1", about, "0"}));
        // Without a title the box shows the application's.
        QCOMPARE(showAndRead(AboutText::Farewell, MessageBoxes::NoIcon, std::nullopt),
                 (QStringList{"Spindella", "0", "1", "<<<<<See Ya !!!>>>>>", "0"}));
    }

    void theProgramEnds_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("Exit says goodbye, then ends at once")
            << "exit" << 0 << "box: <<<<<See Ya !!!>>>>> | title: Spindella | icon: 0\n";
        QTest::newRow("closing the window ends without a box")
            << "close" << 0 << "the handler went on\nevent loop returned 0\n";
        QTest::newRow("a failing handler shows the error, then ends with a failure")
            << "fail" << FatalPath::ExitStatus
            << "box: Disc tray on fire | title: Spindella | icon: 3\n";
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Spindella"));
    TestProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_programend.moc"
