#include "app/MainWindow.h"
#include "cdaudio/CdPlayerPanel.h"
#include "desktop/DesktopSession.h"
#include "desktop/HandOver.h"
#include "discnames/DiscNamer.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "platform/RandomSequence.h"
#include "startup/CommandLine.h"
#include "startup/ScreenSaverHack.h"

#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (ScreenSaverHack::isAskedFor(argc, argv))
        return ScreenSaverHack::run(argc, argv);
    Application app(argc, argv);
    const CommandLine line = CommandLine::parse(app.arguments(), QDir::currentPath());
    if (!line.complaint.isEmpty())
        std::fprintf(stderr, "Spindella: %s\n", qPrintable(line.complaint));
    if (line.open == CommandLine::Open::Image &&
        HandOver::toRunningPlayer(QDBusConnection::sessionBus(), line.path))
        return 0;

    QtMessageBoxes boxes;
    MainWindow window(RandomSequence::process(), boxes, app);
    DesktopSession session(window, QDBusConnection::sessionBus(), QDBusConnection::systemBus());
    DiscNamer namer(window.playerPanel().player());
    QObject::connect(&app, &Application::ending, &session, &DesktopSession::end);
    window.show();
    if (line.open == CommandLine::Open::Image)
        window.playerPanel().openImage(line.path);
    else if (line.open == CommandLine::Open::Drive)
        window.load();
    return app.exec();
}
