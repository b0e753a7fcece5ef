#include "drive/CdioDiscSource.h"

#include "drive/CdioDiscReader.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <cstring>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// libcdio writes its warnings to stderr; the panel shows what the user needs to know.
void quietLog(cdio_log_level_t, const char*) {}

/// libcdio reads a disc image's sheet with state that threads would share (the player's disc
/// thread and a saving's): one opening at a time.
std::mutex& openingLock()
{
    static std::mutex lock;
    return lock;
}

void silenceLibcdio()
{
    // Once for the process: the settings are libcdio's globals, and sources are made on several
    // threads.
    static std::once_flag silenced;
    std::call_once(silenced, [] {
        cdio_log_set_handler(quietLog);
        // libcdio's logging is not safe for threads: two threads logging at once (the player's
        // and a saving's) abort the program. Nothing below its own assertions is logged at all.
        cdio_loglevel_default = CDIO_LOG_ASSERT;
    });
}
} // namespace

CdioDiscSource::CdioDiscSource()
{
    silenceLibcdio();
}

CdioDiscSource::CdioDiscSource(std::vector<std::string> images)
    : m_images(std::move(images)), m_useImages(true)
{
    silenceLibcdio();
}

std::vector<std::string> CdioDiscSource::drives()
{
    if (m_useImages)
        return m_images;
    std::vector<std::string> found;
    const std::lock_guard opening(openingLock());
    // With no drive at all this is null, not an empty list.
    if (char** devices = cdio_get_devices(DRIVER_DEVICE)) {
        for (char** device = devices; *device; ++device)
            found.emplace_back(*device);
        cdio_free_device_list(devices);
    }
    return found;
}

std::unique_ptr<DiscReader> CdioDiscSource::open(const std::string& drive)
{
    if (media(drive) == Media::Absent)
        return nullptr;
    const std::lock_guard opening(openingLock());
    return CdioDiscReader::open(cdio_open(drive.c_str(), DRIVER_UNKNOWN), !m_useImages);
}

DiscSource::Media CdioDiscSource::media(const std::string& drive)
{
    if (m_useImages) {
        struct stat info {};
        return ::stat(drive.c_str(), &info) == 0 ? Media::Present : Media::Absent;
    }
    const int fd = ::open(drive.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return Media::Absent;
    const int status = ::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
    ::close(fd);
    // A drive that cannot say is taken at its word when opened.
    return status == CDS_NO_DISC || status == CDS_TRAY_OPEN ? Media::Absent : Media::Present;
}

std::string CdioDiscSource::describe(const std::string& drive)
{
    if (m_useImages)
        return {};
    const std::lock_guard opening(openingLock());
    CdIo_t* cdio = cdio_open(drive.c_str(), DRIVER_DEVICE);
    if (!cdio)
        return {};
    cdio_hwinfo_t info{};
    const bool told = cdio_get_hwinfo(cdio, &info);
    cdio_destroy(cdio);
    if (!told)
        return {};
    const std::string vendor = CdioDiscReader::fixedField(info.psz_vendor, sizeof info.psz_vendor);
    const std::string model = CdioDiscReader::fixedField(info.psz_model, sizeof info.psz_model);
    return vendor.empty() ? model : model.empty() ? vendor : vendor + " " + model;
}
