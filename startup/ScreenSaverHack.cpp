#include "startup/ScreenSaverHack.h"

#include "animation/AnimationPacing.h"
#include "animation/CircleBurst.h"
#include "core/RandomSequence.h"
#include "platform/ImageSurface.h"
#include "platform/IntervalTimer.h"
#include "platform/X11Canvas.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isOption(const char* argument, const char* name)
{
    // XScreenSaver writes its options with one dash or two.
    return std::strcmp(argument, name) == 0 ||
           (argument[0] == '-' && std::strcmp(argument + 1, name) == 0);
}

/// A window id as XScreenSaver writes one, decimal or 0x hex; 0 when it is none.
uint32_t windowId(const char* text)
{
    char* end = nullptr;
    const unsigned long id = text ? std::strtoul(text, &end, 0) : 0;
    return text && *text && *end == '\0' && id <= 0xffffffffu ? uint32_t(id) : 0;
}

[[noreturn]] void endAtOnce(int)
{
    std::_Exit(0);
}

int refuse(const std::string& why)
{
    std::fprintf(stderr, "Spindella: %s\n", why.c_str());
    return 1;
}

} // namespace

bool ScreenSaverHack::isAskedFor(int argc, char** argv)
{
    // After "--" come images, whatever their names.
    for (int n = 1; n < argc && std::strcmp(argv[n], "--") != 0; ++n)
        if (isOption(argv[n], "-root") || isOption(argv[n], "-window-id"))
            return true;
    return false;
}

int ScreenSaverHack::run(int argc, char** argv)
{
    uint32_t window = 0;
    bool root = false;
    for (int n = 1; n < argc && std::strcmp(argv[n], "--") != 0; ++n) {
        if (isOption(argv[n], "-root")) {
            root = true;
        } else if (isOption(argv[n], "-window-id")) {
            window = windowId(n + 1 < argc ? argv[n + 1] : nullptr);
            if (window == 0)
                return refuse("-window-id needs a window id, decimal or 0x hex");
            ++n;
        }
    }
    if (root && window == 0)
        window = windowId(std::getenv("XSCREENSAVER_WINDOW"));
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    if ((wayland && *wayland) || (session && std::strcmp(session, "wayland") == 0))
        return refuse("XScreenSaver's windows are X11 windows, and this is a Wayland session");

    QCoreApplication app(argc, argv);
    std::signal(SIGTERM, endAtOnce);
    std::signal(SIGINT, endAtOnce);
    std::string error;
    const std::unique_ptr<X11Canvas> canvas = X11Canvas::open(window, error);
    if (!canvas)
        return refuse(error);

    ImageSurface surface;
    CircleBurst burst(surface, RandomSequence::process());
    const auto fresh = [&] {
        QImage& pixels = canvas->pixels();
        surface.bind(pixels, pixels.size(), 1.0);
        surface.erase(pixels.size(), 1.0, Qt::black);
        burst.drawCircleBurst();
        canvas->show(pixels.rect());
    };
    IntervalTimer timer;
    QObject::connect(&timer, &IntervalTimer::tick, canvas.get(), [&] {
        burst.drawCircleBurst();
        canvas->show(canvas->pixels().rect());
    });
    QObject::connect(canvas.get(), &X11Canvas::resized, canvas.get(), fresh);
    QObject::connect(canvas.get(), &X11Canvas::gone, &app, [] { QCoreApplication::exit(0); });
    fresh();
    timer.setInterval(AnimationPacing::Step);
    return app.exec();
}
