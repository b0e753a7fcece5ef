#include "platform/X11Canvas.h"

#include <QSocketNotifier>

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

/// Whether the window's pixels are laid out as a 32-bit image's: 0xAARRGGBB in host order.
bool laidOutAsImages(xcb_connection_t* connection, const xcb_setup_t* setup, uint32_t window,
                     uint8_t depth)
{
    const auto attributes = own(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    if (!attributes)
        return false;
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format))
        thirtyTwoBits |= format.data->depth == depth && format.data->bits_per_pixel == 32;
    const bool hostOrder = (setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) ==
                           (std::endian::native == std::endian::little);
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen))
        for (auto depths = xcb_screen_allowed_depths_iterator(screen.data); depths.rem;
             xcb_depth_next(&depths))
            for (auto visual = xcb_depth_visuals_iterator(depths.data); visual.rem;
                 xcb_visualtype_next(&visual))
                if (visual.data->visual_id == attributes->visual)
                    return thirtyTwoBits && hostOrder && visual.data->red_mask == 0xff0000 &&
                           visual.data->green_mask == 0xff00 && visual.data->blue_mask == 0xff;
    return false;
}

} // namespace

std::unique_ptr<X11Canvas> X11Canvas::open(uint32_t window, std::string& error)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        error = "there is no X display to draw on";
        return nullptr;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection);
    auto screen = xcb_setup_roots_iterator(setup);
    for (int n = 0; n < screenNumber && screen.rem; ++n)
        xcb_screen_next(&screen);
    if (window == 0)
        window = screen.data->root;
    const auto geometry =
        own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    char name[16];
    std::snprintf(name, sizeof name, "0x%x", window);
    if (!geometry) {
        error = std::string("there is no window ") + name;
    } else if (!laidOutAsImages(connection, setup, window, geometry->depth)) {
        error = std::string("window ") + name + " has pixels of a kind this cannot draw";
    }
    if (!error.empty()) {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::unique_ptr<X11Canvas> canvas(new X11Canvas(connection, window, geometry->depth));
    canvas->allocate(QSize(geometry->width, geometry->height));
    return canvas;
}

X11Canvas::X11Canvas(xcb_connection_t* connection, uint32_t window, uint8_t depth)
    : m_connection(connection), m_window(window), m_depth(depth)
{
    const uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_window, XCB_CW_EVENT_MASK, &events);
    m_context = xcb_generate_id(m_connection);
    xcb_create_gc(m_connection, m_context, m_window, 0, nullptr);
    const auto version = own(
        xcb_shm_query_version_reply(m_connection, xcb_shm_query_version(m_connection), nullptr));
    m_sharedMemory = version != nullptr;
    m_notifier =
        new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11Canvas::readEvents);
}

X11Canvas::~X11Canvas()
{
    release();
    xcb_disconnect(m_connection);
}

void X11Canvas::allocate(QSize size)
{
    release();
    const std::size_t bytes =
        std::size_t(std::max(size.width(), 1)) * 4 * std::max(size.height(), 1);
    if (m_sharedMemory) {
        m_segmentId = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        m_segmentAddress = m_segmentId < 0 ? nullptr : shmat(m_segmentId, nullptr, 0);
        if (reinterpret_cast<std::intptr_t>(m_segmentAddress) == -1)
            m_segmentAddress = nullptr;
        if (m_segmentAddress) {
            m_segment = xcb_generate_id(m_connection);
            const bool attached = !own(
                xcb_request_check(m_connection, xcb_shm_attach_checked(m_connection, m_segment,
                                                                       uint32_t(m_segmentId), 0)));
            // Gone with the last of us to let go of it.
            shmctl(m_segmentId, IPC_RMID, nullptr);
            if (attached) {
                m_pixels = QImage(static_cast<uchar*>(m_segmentAddress), size.width(),
                                  size.height(), qsizetype(size.width()) * 4, QImage::Format_RGB32);
                return;
            }
            shmdt(m_segmentAddress);
            m_segmentAddress = nullptr;
            m_segment = 0;
        }
        // A display elsewhere, or one that refuses: the pixels travel with each request.
        m_sharedMemory = false;
    }
    m_pixels = QImage(size, QImage::Format_RGB32);
}

void X11Canvas::release()
{
    if (m_segment)
        xcb_shm_detach(m_connection, m_segment);
    if (m_segmentAddress)
        shmdt(m_segmentAddress);
    m_segment = 0;
    m_segmentAddress = nullptr;
    m_pixels = QImage();
}

void X11Canvas::show(const QRect& requested)
{
    const QRect area = requested & m_pixels.rect();
    if (area.isEmpty())
        return;
    const uint16_t width = uint16_t(m_pixels.width());
    const uint16_t height = uint16_t(m_pixels.height());
    if (m_sharedMemory) {
        xcb_shm_put_image(m_connection, m_window, m_context, width, height, uint16_t(area.x()),
                          uint16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()),
                          int16_t(area.x()), int16_t(area.y()), m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP,
                          0, m_segment, 0);
    } else {
        // In bands that each fit one request.
        const std::size_t rowBytes = std::size_t(area.width()) * 4;
        const int rows =
            std::max(1, int((xcb_get_maximum_request_length(m_connection) * 4 - 64) / rowBytes));
        std::vector<uint8_t> band;
        for (int top = area.top(); top <= area.bottom(); top += rows) {
            const int count = std::min(rows, area.bottom() + 1 - top);
            band.resize(rowBytes * std::size_t(count));
            for (int row = 0; row < count; ++row)
                std::copy_n(m_pixels.constScanLine(top + row) + std::ptrdiff_t(area.x()) * 4,
                            rowBytes, band.begin() + std::ptrdiff_t(rowBytes) * row);
            xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_context,
                          uint16_t(area.width()), uint16_t(count), int16_t(area.x()), int16_t(top),
                          0, m_depth, uint32_t(band.size()), band.data());
        }
    }
    // Drawing goes on only once the server has taken these pixels. Waiting for that reply may
    // have read events, which the socket will not announce again.
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    QMetaObject::invokeMethod(this, &X11Canvas::readEvents, Qt::QueuedConnection);
}

void X11Canvas::readEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        const auto kind = event->response_type & ~0x80;
        if (kind == 0 || kind == XCB_DESTROY_NOTIFY) {
            // An error names a window gone under a request, as the destruction itself does.
            std::free(event);
            Q_EMIT gone();
            return;
        }
        if (kind == XCB_CONFIGURE_NOTIFY) {
            const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
            const QSize size(configure->width, configure->height);
            if (configure->window == m_window && size != m_pixels.size()) {
                allocate(size);
                Q_EMIT resized();
            }
        }
        std::free(event);
    }
    if (xcb_connection_has_error(m_connection))
        Q_EMIT gone();
}
