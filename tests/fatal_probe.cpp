// A program that fails inside an event handler, so a test can watch the fatal path end it.
#include "platform/Application.h"

#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

int main(int argc, char* argv[])
{
    Application app(argc, argv);

    // Stands in for the user: reads the error box and dismisses it.
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, &app, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    user.start(20);

    QTimer::singleShot(0, &app, [] { throw std::runtime_error("Disc tray on fire"); });
    QTimer::singleShot(0, &app, [] { std::printf("after the failure\n"); });
    app.exec();
    std::printf("the event loop returned\n");
    return 0;
}
