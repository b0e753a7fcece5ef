#pragma once

#include "core/Reason.h"

#include "disc/DiscReader.h"

#include <memory>
#include <string>
#include <vector>

/// Where discs come from: the computer's drives, or disc images standing in for them.
class DiscSource {
public:
    enum class Media { Present, Absent };

    virtual ~DiscSource() = default;

    virtual std::vector<std::string> drives() = 0;
    /// The disc in `drive`, or null when there is none or it cannot be read.
    virtual std::unique_ptr<DiscReader> open(const std::string& drive) = 0;
    /// Whether a disc is in the drive now; cheap enough to poll.
    virtual Media media(const std::string& drive) = 0;
    /// Why the last open() gave nothing, where the source can say more than the panel shows.
    virtual Reason whyNot() const { return {}; }
    /// The drive's vendor and model as it tells them; empty where it cannot say.
    virtual std::string describe(const std::string& /*drive*/) { return {}; }
};
