#include "disc/DiscPick.h"

#include "disc/DiscSource.h"

DiscPick DiscPick::from(DiscSource& source, const std::vector<std::string>& drives)
{
    DiscPick fallback;
    if (!drives.empty())
        fallback.drive = drives.front();
    for (const std::string& drive : drives) {
        std::unique_ptr<DiscReader> reader = source.open(drive);
        if (!reader)
            continue;
        if (!reader->toc().audioTracks().empty())
            return {std::move(reader), drive};
        if (!fallback.reader)
            fallback = {std::move(reader), drive};
    }
    return fallback;
}
