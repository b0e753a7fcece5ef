#include "panel/TransportIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPainterPath triangle(qreal left, qreal right, qreal top, qreal bottom, bool pointsRight)
{
    QPainterPath path;
    const qreal middle = (top + bottom) / 2;
    if (pointsRight) {
        path.moveTo(left, top);
        path.lineTo(right, middle);
        path.lineTo(left, bottom);
    } else {
        path.moveTo(right, top);
        path.lineTo(left, middle);
        path.lineTo(right, bottom);
    }
    path.closeSubpath();
    return path;
}

QPixmap draw(TransportIcons::Symbol symbol, const QColor& colour)
{
    using Symbol = TransportIcons::Symbol;
    constexpr int Size = 32;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    switch (symbol) {
    case Symbol::Previous:
        p.drawRect(QRectF(6, 8, 4, 16));
        p.drawPath(triangle(10, 26, 8, 24, false));
        break;
    case Symbol::Play:
        p.drawPath(triangle(9, 25, 6, 26, true));
        break;
    case Symbol::Pause:
        p.drawRect(QRectF(8, 7, 6, 18));
        p.drawRect(QRectF(18, 7, 6, 18));
        break;
    case Symbol::Stop:
        p.drawRect(QRectF(8, 8, 16, 16));
        break;
    case Symbol::Next:
        p.drawPath(triangle(6, 22, 8, 24, true));
        p.drawRect(QRectF(22, 8, 4, 16));
        break;
    case Symbol::Eject: {
        QPainterPath roof;
        roof.moveTo(16, 6);
        roof.lineTo(27, 18);
        roof.lineTo(5, 18);
        roof.closeSubpath();
        p.drawPath(roof);
        p.drawRect(QRectF(5, 21, 22, 4));
        break;
    }
    }
    return pixmap;
}

} // namespace

QIcon TransportIcons::icon(Symbol symbol)
{
    QIcon icon;
    icon.addPixmap(draw(symbol, QColor(32, 32, 32)), QIcon::Normal);
    icon.addPixmap(draw(symbol, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}
