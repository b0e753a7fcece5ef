// Runs the real window with the real runtime so a test can watch how the program ends.
//   program_probe exit   presses Enter at start-up while the animation runs
//   program_probe about  shows About, then closes the window as the title bar's close box does
//   program_probe fail   fails inside an event handler
#include "app/MainWindow.h"
#include "core/RandomSequence.h"
#include "desktop/DesktopSession.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QtMessageBoxes boxes;
    MainWindow window(RandomSequence::process(), boxes, app);
    DesktopSession session(window, QDBusConnection::sessionBus());
    QObject::connect(&app, &Application::ending, &session, &DesktopSession::end);
    window.show();

    // Stands in for the user: reads each box and dismisses it.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, &app, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box: %s | title: %s | icon: %d | buttons: %d | format: %d\n",
                        qPrintable(box->text()), qPrintable(box->windowTitle()), int(box->icon()),
                        int(box->buttons().size()), int(box->textFormat()));
            box->accept();
        }
    });
    user.start(5);
    QTimer::singleShot(100, &window, [&] {
        if (mode == QLatin1String("about"))
            QTest::mouseClick(window.findChild<QWidget*>("cmdAbout"), Qt::LeftButton);
        if (mode == QLatin1String("exit")) {
            QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (mode == QLatin1String("fail")) {
            throw std::runtime_error("Disc tray on fire");
        } else {
            window.close();
        }
        std::printf("the handler went on\n");
    });
    const int status = app.exec();
    std::printf("event loop returned %d\n", status);
    return status;
}
