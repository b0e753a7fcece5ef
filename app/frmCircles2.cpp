#include "app/frmCircles2.h"

#include "app/StoredLayout.h"
#include "cdaudio/CdPlayerPanel.h"
#include "platform/IntervalTimer.h"
#include "platform/SystemColours.h"

#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const StoredLayout::Placement& placement)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(placement.pixels());
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

frmCircles2::frmCircles2(RandomSource& random, QWidget* parent)
    : QWidget(parent), m_burst(m_surface, random)
{
    setupWindow();
    setupControls();
}

frmCircles2::~frmCircles2() = default;

void frmCircles2::setupWindow()
{
    setObjectName(QStringLiteral("frmCircles2"));
    setWindowTitle(QStringLiteral("Halcyra CD Player"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/spindella.xpm")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    QFont::insertSubstitutions(QString::fromLatin1(StoredLayout::FontFamily),
                               {QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont font(QString::fromLatin1(StoredLayout::FontFamily), StoredLayout::FontPointSize,
               QFont::Bold);
    setFont(font);

    // The picture covers the whole client area; nothing of Qt's own background shows.
    setAttribute(Qt::WA_OpaquePaintEvent);
    move(StoredLayout::Position);
    setFixedSize(StoredLayout::ClientSize);
}

void frmCircles2::setupControls()
{
    cmdExit = makeButton(this, "cmdExit", tr("E&xit"), StoredLayout::Exit);
    cmdLoad = makeButton(this, "cmdLoad", tr("&Load"), StoredLayout::Load);
    MMControl1 = new CdPlayerPanel(this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    MMControl1->setGeometry(StoredLayout::Panel.pixels());
    cmdAbout = makeButton(this, "cmdAbout", tr("&About"), StoredLayout::About);
    cmdAbout->setToolTip(tr("Click here for operating instructions."));

    setTabOrder(cmdExit, cmdLoad);
    setTabOrder(cmdLoad, MMControl1);
    setTabOrder(MMControl1, cmdAbout);
    cmdExit->setFocus();

    Timer1 = new IntervalTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmCircles2::eraseAndRepaint()
{
    m_surface.erase(size(), devicePixelRatioF(), toQColor(m_backColor, palette()));
    m_burst.DrawCircleBurst();
    m_surface.takeDirtyRect();
    m_erasePending = false;
}

void frmCircles2::resizeEvent(QResizeEvent* event)
{
    // Resizes during a transition coalesce into one erase at the next paint.
    m_erasePending = true;
    QWidget::resizeEvent(event);
}

void frmCircles2::paintEvent(QPaintEvent* event)
{
    if (m_erasePending || m_surface.logicalSize() != size() ||
        m_surface.devicePixelRatio() != devicePixelRatioF()) {
        eraseAndRepaint();
        if (event->rect() != rect())
            update();
    }
    const QRect area = event->rect();
    const qreal ratio = m_surface.devicePixelRatio();
    QPainter painter(this);
    painter.drawImage(
        area, m_surface.image(),
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}
