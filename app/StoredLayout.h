#pragma once

#include <QRect>
#include <QSize>

/// The window's stored design, in twips as designed (15 twips to a pixel at 96 dpi).
namespace StoredLayout {

constexpr int TwipsPerPixel = 15;

struct Placement {
    int left;
    int top;
    int width;
    int height;

    constexpr QRect pixels() const
    {
        return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                     height / TwipsPerPixel);
    }
};

constexpr QSize ClientSize(6615 / TwipsPerPixel, 4020 / TwipsPerPixel);
constexpr QPoint Position(1560 / TwipsPerPixel, 1200 / TwipsPerPixel);

constexpr Placement Exit{5520, 3480, 975, 495};
constexpr Placement Load{3840, 3480, 855, 495};
constexpr Placement Panel{120, 3480, 3540, 495};
constexpr Placement About{4680, 3480, 855, 495};

constexpr char FontFamily[] = "News Gothic MT";
constexpr int FontPointSize = 12;

} // namespace StoredLayout
