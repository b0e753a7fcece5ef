#include "startup/DiscTasks.h"

#include "startup/CommandLine.h"

#include <cstdio>

int saveImage(const CommandLine&)
{
    std::fprintf(stderr, "Spindella: %s\n",
                 qPrintable(CommandLine::tr("saving a disc as an image is not available yet")));
    return CommandLine::NothingDone;
}

int verifyImage(const CommandLine&)
{
    std::fprintf(stderr, "Spindella: %s\n",
                 qPrintable(CommandLine::tr("verifying an image is not available yet")));
    return CommandLine::NothingDone;
}
