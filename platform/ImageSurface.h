#pragma once

#include "core/Surface.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

/// Pixels the picture is drawn in: a picture of its own, or a buffer held elsewhere (the
/// window's). Scale units are twips (15 per logical pixel); drawing happens in device pixels, so
/// the picture stays crisp at any device pixel ratio.
class ImageSurface final : public Surface {
public:
    static constexpr float TwipsPerPixel = 15.0f;

    ImageSurface() = default;

    /// What the system does when it erases the client area: the picture takes the new size and
    /// is filled with the background. Bound pixels of that size are filled where they are.
    void erase(QSize logicalSize, qreal devicePixelRatio, QColor background);
    /// Draws from now on into `pixels`, a 32-bit buffer of `logicalSize` at `devicePixelRatio`
    /// that outlives the drawing; their content is left as it is.
    void bind(QImage& pixels, QSize logicalSize, qreal devicePixelRatio);
    bool isBoundTo(const QImage& pixels) const;

    const QImage& image() const { return m_image; }
    QSize logicalSize() const { return m_logicalSize; }
    qreal devicePixelRatio() const { return m_devicePixelRatio; }

    /// The logical pixels a circle can ink, within a client area of `logicalSize`.
    static QRect footprint(float x, float y, float radius, int16_t penWidth, QSize logicalSize);

    void setPenWidth(int16_t width) override;
    int16_t penWidth() const override { return m_penWidth; }
    void setPenColour(Colour colour) override;
    Colour penColour() const override { return m_penColour; }
    float scaleWidth() const override;
    float scaleHeight() const override;
    void drawCircle(float x, float y, float radius) override;

private:
    QImage m_image;
    /// Written through directly: a copy of the image handed out must not take the pixels away.
    uint32_t* m_bits = nullptr;
    int m_stride = 0;
    QSize m_logicalSize;
    qreal m_devicePixelRatio = 1.0;
    int16_t m_penWidth = 1;
    Colour m_penColour = Colour::rgb(0, 0, 0);
};
