#include "app/MainWindow.h"
#include "core/RandomSequence.h"
#include "desktop/DesktopNotifier.h"
#include "desktop/DesktopSession.h"
#include "desktop/HandOver.h"
#include "discimage/ImageDiscSource.h"
#include "discnames/DiscNamer.h"
#include "drive/CdioDiscSource.h"
#include "keeping/DiscKeeper.h"
#include "panel/CdPlayerPanel.h"
#include "platform/Application.h"
#include "platform/QtMessageBoxes.h"
#include "player/PlayerSettings.h"
#include "startup/CommandLine.h"
#include "startup/DiscTasks.h"
#include "startup/ScreenSaverHack.h"
#include "translations/Translations.h"

#include <QDir>
#include <QFileDialog>

#include <cstdio>

namespace {

/// The arguments as the application would give them, before there is one.
QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments << QString::fromLocal8Bit(argv[n]);
    return arguments;
}

int play(const QStringList& arguments, int argc, char** argv)
{
    Application app(argc, argv);
    Translations::install(app);
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    std::fputs(line.complaint().toLocal8Bit().constData(), stderr);
    if (line.open() == CommandLine::Open::Image) {
        switch (HandOver::toRunningPlayer(QDBusConnection::sessionBus(), line.imagePath())) {
        case HandOver::Result::HandedOver:
            return CommandLine::Success;
        case HandOver::Result::NotAnswering:
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                             "CommandLine", "Spindella: Spindella is running but not answering")));
            return CommandLine::NothingDone;
        case HandOver::Result::NoPlayer:
            break;
        }
    }

    QtMessageBoxes boxes;
    MainWindow window(RandomSequence::process(), boxes, app);
    window.playerPanel().player().setImageSources(
        [](const std::string& path) { return std::make_shared<ImageDiscSource>(path); });
    DesktopSession session(window, QDBusConnection::sessionBus(), QDBusConnection::systemBus());
    DiscNamer namer(window.playerPanel().player());
    window.playerPanel().setNameSources(&namer);
    PlayerSettings kept(window.playerPanel().player());
    DesktopNotifier notifier(QDBusConnection::sessionBus());
    DiscKeeper keeper(
        window.playerPanel(), [] { return std::make_shared<CdioDiscSource>(); },
        [&window](const QString& start) {
            return QFileDialog::getExistingDirectory(
                &window, QCoreApplication::translate("DiscKeeper", "Save the disc as an image in"),
                start);
        },
        &notifier);
    QObject::connect(&app, &Application::ending, &session, &DesktopSession::end);
    window.show();
    if (line.open() == CommandLine::Open::Image)
        window.playerPanel().openImage(line.imagePath());
    else if (line.open() == CommandLine::Open::Drive)
        window.load();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (ScreenSaverHack::isAskedFor(argc, argv))
        return ScreenSaverHack::run(argc, argv);
    // Read before any window exists: help, version, usage errors and the disc tasks need no
    // display.
    const QStringList arguments = argumentsOf(argc, argv);
    if (CommandLine::parse(arguments, QDir::currentPath()).mode() == CommandLine::Mode::Player)
        return play(arguments, argc, argv);
    // An application of its own, to say it all in the listener's language.
    QCoreApplication app(argc, argv);
    Translations::install(app);
    const CommandLine line = CommandLine::parse(arguments, QDir::currentPath());
    std::fputs(line.output().toLocal8Bit().constData(), stdout);
    std::fputs(line.complaint().toLocal8Bit().constData(), stderr);
    switch (line.mode()) {
    case CommandLine::Mode::SaveImage:
        return saveImage(line);
    case CommandLine::Mode::VerifyImage:
        return verifyImage(line);
    case CommandLine::Mode::RepairImage:
        return repairImage(line);
    default:
        return line.status();
    }
}
