#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

#include <cstdint>
#include <memory>
#include <string>

typedef struct xcb_connection_t xcb_connection_t;
class QSocketNotifier;

/// Pixels shown in an X window that another program made: XScreenSaver's, or the root window.
/// They are shared with the X server where it offers that, so showing them is one copy on the
/// server's side. The canvas follows the window's size and notices its end.
class X11Canvas : public QObject {
    Q_OBJECT

public:
    /// The window `window` (the screen's root window for 0) on the display the environment
    /// names; null, with `error` saying why, when there is no display or no such window.
    static std::unique_ptr<X11Canvas> open(uint32_t window, std::string& error);
    ~X11Canvas() override;

    /// The window's size, and pixels of that size, 32-bit.
    QImage& pixels() { return m_pixels; }
    /// Shows the pixels of `area` in the window.
    void show(const QRect& area);

Q_SIGNALS:
    /// The window took another size; the pixels have it now and hold nothing.
    void resized();
    /// The window was destroyed, or the display went away.
    void gone();

private:
    X11Canvas(xcb_connection_t* connection, uint32_t window, uint8_t depth);
    void readEvents();
    void allocate(QSize size);
    void release();

    xcb_connection_t* m_connection;
    uint32_t m_window;
    uint8_t m_depth;
    uint32_t m_context = 0;
    bool m_sharedMemory = false;
    int m_segmentId = -1;
    void* m_segmentAddress = nullptr;
    uint32_t m_segment = 0;
    QImage m_pixels;
    QSocketNotifier* m_notifier = nullptr;
};
