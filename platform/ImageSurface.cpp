#include "platform/ImageSurface.h"

#include "core/RingRasterizer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

void ImageSurface::erase(QSize logicalSize, qreal devicePixelRatio, QColor background)
{
    const QSize device(int(std::lround(logicalSize.width() * devicePixelRatio)),
                       int(std::lround(logicalSize.height() * devicePixelRatio)));
    if (m_image.size() != device || !m_bits) {
        m_image = QImage(device, QImage::Format_ARGB32_Premultiplied);
        m_bits = reinterpret_cast<uint32_t*>(m_image.bits());
        m_stride = int(m_image.bytesPerLine() / 4);
    }
    m_image.setDevicePixelRatio(devicePixelRatio);
    for (int y = 0; y < device.height(); ++y)
        std::fill_n(m_bits + std::ptrdiff_t(y) * m_stride, device.width(), background.rgb());
    m_logicalSize = logicalSize;
    m_devicePixelRatio = devicePixelRatio;
}

void ImageSurface::bind(QImage& pixels, QSize logicalSize, qreal devicePixelRatio)
{
    if (pixels.depth() != 32)
        throw std::invalid_argument("Only 32-bit pixels can be drawn in");
    m_bits = reinterpret_cast<uint32_t*>(pixels.bits());
    m_stride = int(pixels.bytesPerLine() / 4);
    m_image = QImage(reinterpret_cast<uchar*>(m_bits), pixels.width(), pixels.height(),
                     pixels.bytesPerLine(), pixels.format());
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_logicalSize = logicalSize;
    m_devicePixelRatio = devicePixelRatio;
}

bool ImageSurface::isBoundTo(const QImage& pixels) const
{
    return m_bits && m_bits == reinterpret_cast<const uint32_t*>(pixels.constBits()) &&
           m_image.size() == pixels.size();
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
    if (!m_bits)
        return;
    PixelBuffer buffer;
    buffer.bits = m_bits;
    buffer.width = m_image.width();
    buffer.height = m_image.height();
    buffer.stride = m_stride;
    const double ratio = m_devicePixelRatio;
    RingRasterizer::drawRing(
        buffer, double(x) / TwipsPerPixel * ratio, double(y) / TwipsPerPixel * ratio,
        double(radius) / TwipsPerPixel * ratio, m_penWidth * ratio, m_penColour.argb32());
}

QRect ImageSurface::footprint(float x, float y, float radius, int16_t penWidth, QSize logicalSize)
{
    // The fill inks columns from floor(cx) - floor(outer) to floor(cx) + floor(outer), which
    // the outward rounding holds at any pixel ratio.
    const double reach = double(radius) / TwipsPerPixel + penWidth / 2.0;
    const double lx = double(x) / TwipsPerPixel;
    const double ly = double(y) / TwipsPerPixel;
    const double limit = 1e7; // beyond any screen, and within an int
    if (!(std::abs(lx) + reach < limit && std::abs(ly) + reach < limit))
        return QRect(QPoint(0, 0), logicalSize);
    const QRect box(QPoint(int(std::floor(lx - reach)), int(std::floor(ly - reach))),
                    QPoint(int(std::ceil(lx + reach)), int(std::ceil(ly + reach))));
    return box.intersected(QRect(QPoint(0, 0), logicalSize));
}
