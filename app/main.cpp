#include "app/MainWindow.h"
#include "desktop/DesktopSession.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "platform/RandomSequence.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QtMessageBoxes boxes;
    MainWindow window(RandomSequence::process(), boxes, app);
    DesktopSession session(window, QDBusConnection::sessionBus());
    QObject::connect(&app, &Application::ending, &session, &DesktopSession::end);
    window.show();
    return app.exec();
}
