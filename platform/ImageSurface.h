#pragma once

#include "platform/Surface.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

/// The window's persistent picture. Scale units are twips (15 per logical pixel); drawing happens
/// in device pixels, so the picture stays crisp at any device pixel ratio.
class ImageSurface final : public Surface {
public:
    static constexpr float TwipsPerPixel = 15.0f;

    ImageSurface() = default;

    /// What the system does when it erases the client area: the picture takes the new size and
    /// is filled with the background.
    void erase(QSize logicalSize, qreal devicePixelRatio, QColor background);

    const QImage& image() const { return m_image; }
    QSize logicalSize() const { return m_logicalSize; }
    qreal devicePixelRatio() const { return m_devicePixelRatio; }

    /// The logical-pixel area drawn on since the last call; empties it.
    QRect takeDirtyRect();

    void setPenWidth(int16_t width) override;
    int16_t penWidth() const override { return m_penWidth; }
    void setPenColour(Colour colour) override;
    Colour penColour() const override { return m_penColour; }
    float scaleWidth() const override;
    float scaleHeight() const override;
    void drawCircle(float x, float y, float radius) override;

private:
    QImage m_image;
    QSize m_logicalSize;
    qreal m_devicePixelRatio = 1.0;
    int16_t m_penWidth = 1;
    Colour m_penColour = Colour::rgb(0, 0, 0);
    QRect m_dirty;
};
