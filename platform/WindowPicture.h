#pragma once

#include "core/Surface.h"
#include "platform/ImageSurface.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

class QPainter;
class QWidget;

/// The window's picture. Bursts draw on it at once, but as a record: the circles reach pixels
/// when the window paints. With nothing over the picture (the full-screen animation) they go
/// straight into the window's own buffer, so a frame is drawn once and handed to the display
/// once. Under controls, or where that buffer cannot be written (an unusual pixel format), the
/// picture keeps pixels of its own and each paint copies them in.
class WindowPicture final : public Surface {
public:
    /// The window's size, which the scale reads.
    void setLogicalSize(QSize size) { m_logicalSize = size; }
    /// The logical pixels the circles recorded since the last paint can ink.
    QRect recordedArea() const { return m_recordedArea; }

    /// Takes the pixels this paint of `window` goes to. True when the picture there was lost (a
    /// first paint, another size or pixel ratio, other pixels) and is to be erased.
    bool beginPaint(QWidget& window, QPainter& painter);
    /// The system's erase: the picture filled with the background; nothing recorded remains.
    void erase(QColor background);
    /// Draws what was recorded, and brings the picture to where the paint goes.
    void endPaint(QPainter& painter, const QRegion& region);

    /// The pixels as the last paint left them.
    const ImageSurface& pixels() const { return m_pixels; }

    void setPenWidth(int16_t width) override;
    int16_t penWidth() const override { return m_pixels.penWidth(); }
    void setPenColour(Colour colour) override;
    Colour penColour() const override { return m_pixels.penColour(); }
    float scaleWidth() const override;
    float scaleHeight() const override;
    void drawCircle(float x, float y, float radius) override;

private:
    struct Circle {
        float x, y, radius;
        int16_t penWidth;
        Colour penColour;
    };

    ImageSurface m_pixels;
    /// The picture's own pixels, where the window's cannot be drawn in.
    QImage m_own;
    /// The picture is in the window's own pixels.
    bool m_inWindow = false;
    /// This paint goes elsewhere: the picture is copied there.
    bool m_copyOut = false;
    /// This paint goes elsewhere while the picture is in the window (a grab): it only copies.
    bool m_onlyCopy = false;
    QSize m_logicalSize;
    std::vector<Circle> m_recorded;
    QRect m_recordedArea;
};
