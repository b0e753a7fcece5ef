#include "platform/WindowPicture.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

/// The window's own pixels, when this paint writes to them, they are 32-bit and nothing covers
/// the picture in them: controls would leave their own pixels in it, and anti-aliased edges
/// blended over those again darken with every repaint.
QImage* windowPixels(QWidget& window, QPainter& painter)
{
    const auto children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (std::any_of(children.begin(), children.end(),
                    [](QWidget* child) { return child->isVisible(); }))
        return nullptr;
    QBackingStore* store = window.backingStore();
    auto* pixels = store ? dynamic_cast<QImage*>(store->paintDevice()) : nullptr;
    if (!pixels || painter.paintEngine()->paintDevice() != pixels)
        return nullptr;
    switch (pixels->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return pixels;
    default:
        return nullptr;
    }
}

} // namespace

bool WindowPicture::beginPaint(QWidget& window, QPainter& painter)
{
    const QSize size = window.size();
    const qreal ratio = window.devicePixelRatioF();
    const bool sameShape = m_pixels.logicalSize() == size && m_pixels.devicePixelRatio() == ratio;
    QImage* target = windowPixels(window, painter);
    m_copyOut = target == nullptr;
    // A paint elsewhere, a grab say, while the picture is in the window: it is copied from there.
    m_onlyCopy = !target && m_inWindow && sameShape;
    if (m_onlyCopy)
        return false;
    // The window's buffer may move between paints with its picture carried along, as on
    // Wayland; the picture's own pixels never hold the window's picture, nor the other way.
    bool lost = !sameShape || (target != nullptr) != m_inWindow;
    if (!target) {
        const QSize device(int(std::lround(size.width() * ratio)),
                           int(std::lround(size.height() * ratio)));
        if (m_own.size() != device) {
            m_own = QImage(device, QImage::Format_ARGB32_Premultiplied);
            lost = true;
        }
        target = &m_own;
    }
    m_inWindow = target != &m_own;
    if (!m_pixels.isBoundTo(*target) || lost)
        m_pixels.bind(*target, size, ratio);
    return lost;
}

void WindowPicture::erase(QColor background)
{
    m_recorded.clear();
    m_recordedArea = QRect();
    m_pixels.erase(m_pixels.logicalSize(), m_pixels.devicePixelRatio(), background);
}

void WindowPicture::endPaint(QPainter& painter, const QRegion& region)
{
    if (!m_onlyCopy) {
        const int16_t width = m_pixels.penWidth();
        const Colour colour = m_pixels.penColour();
        for (const Circle& circle : m_recorded) {
            m_pixels.setPenWidth(circle.penWidth);
            m_pixels.setPenColour(circle.penColour);
            m_pixels.drawCircle(circle.x, circle.y, circle.radius);
        }
        m_pixels.setPenWidth(width);
        m_pixels.setPenColour(colour);
        m_recorded.clear();
        m_recordedArea = QRect();
    }
    if (!m_copyOut)
        return;
    const qreal ratio = m_pixels.devicePixelRatio();
    for (const QRect& area : region)
        painter.drawImage(area, m_pixels.image(),
                          QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                                 area.height() * ratio));
}

void WindowPicture::setPenWidth(int16_t width)
{
    m_pixels.setPenWidth(width);
}

void WindowPicture::setPenColour(Colour colour)
{
    m_pixels.setPenColour(colour);
}

float WindowPicture::scaleWidth() const
{
    return float(m_logicalSize.width()) * ImageSurface::TwipsPerPixel;
}

float WindowPicture::scaleHeight() const
{
    return float(m_logicalSize.height()) * ImageSurface::TwipsPerPixel;
}

void WindowPicture::drawCircle(float x, float y, float radius)
{
    const int16_t width = m_pixels.penWidth();
    m_recorded.push_back({x, y, radius, width, m_pixels.penColour()});
    m_recordedArea |= ImageSurface::footprint(x, y, radius, width, m_logicalSize);
}
