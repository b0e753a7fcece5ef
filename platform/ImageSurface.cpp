#include "platform/ImageSurface.h"

#include "platform/RingRasterizer.h"

#include <cmath>
#include <stdexcept>

void ImageSurface::erase(QSize logicalSize, qreal devicePixelRatio, QColor background)
{
    const QSize device(int(std::lround(logicalSize.width() * devicePixelRatio)),
                       int(std::lround(logicalSize.height() * devicePixelRatio)));
    if (m_image.size() != device)
        m_image = QImage(device, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(background.rgb());
    m_logicalSize = logicalSize;
    m_devicePixelRatio = devicePixelRatio;
    m_dirty = QRect(QPoint(0, 0), logicalSize);
}

QRect ImageSurface::takeDirtyRect()
{
    const QRect dirty = m_dirty;
    m_dirty = QRect();
    return dirty;
}

void ImageSurface::setPenWidth(int16_t width)
{
    if (width < 1)
        throw std::invalid_argument("Invalid pen width " + std::to_string(width));
    m_penWidth = width;
}

void ImageSurface::setPenColour(Colour colour)
{
    if (colour.isSystem())
        throw std::invalid_argument("A system colour cannot be a pen colour");
    m_penColour = colour;
}

float ImageSurface::scaleWidth() const
{
    return float(m_logicalSize.width()) * TwipsPerPixel;
}

float ImageSurface::scaleHeight() const
{
    return float(m_logicalSize.height()) * TwipsPerPixel;
}

void ImageSurface::drawCircle(float x, float y, float radius)
{
    if (m_image.isNull())
        return;
    const double cx = double(x) / TwipsPerPixel * m_devicePixelRatio;
    const double cy = double(y) / TwipsPerPixel * m_devicePixelRatio;
    const double r = double(radius) / TwipsPerPixel * m_devicePixelRatio;
    const double pen = m_penWidth * m_devicePixelRatio;

    PixelBuffer buffer;
    buffer.bits = reinterpret_cast<uint32_t*>(m_image.bits());
    buffer.width = m_image.width();
    buffer.height = m_image.height();
    buffer.stride = int(m_image.bytesPerLine() / 4);
    RingRasterizer::drawRing(buffer, cx, cy, r, pen, m_penColour.argb32());

    // In logical pixels. The fill inks device columns from floor(cx) - floor(outer) to
    // floor(cx) + floor(outer), which the outward rounding below already holds.
    const double reach = (r + pen / 2) / m_devicePixelRatio;
    const double lx = cx / m_devicePixelRatio;
    const double ly = cy / m_devicePixelRatio;
    const QRect box(QPoint(int(std::floor(lx - reach)), int(std::floor(ly - reach))),
                    QPoint(int(std::ceil(lx + reach)), int(std::ceil(ly + reach))));
    m_dirty |= box.intersected(QRect(QPoint(0, 0), m_logicalSize));
}
