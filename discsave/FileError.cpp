#include "discsave/FileError.h"

#include <cerrno>
#include <cstring>

Reason FileError::describe(int errorNumber)
{
    if (errorNumber == ENOSPC || errorNumber == EFBIG || errorNumber == EDQUOT)
        return Reason(QT_TRANSLATE_NOOP("Reason", "the disk is full"));
    // strerror's words start with a capital; they continue a sentence here.
    std::string reason = std::strerror(errorNumber);
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z' &&
        (reason.size() < 2 || !(reason[1] >= 'A' && reason[1] <= 'Z')))
        reason[0] = char(reason[0] - 'A' + 'a');
    return Reason::verbatim(reason);
}
