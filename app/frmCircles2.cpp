#include "app/frmCircles2.h"

#include "app/StoredLayout.h"
#include "cdaudio/CdPlayerPanel.h"
#include "platform/IntervalTimer.h"
#include "platform/SystemColours.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

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

// Long enough for any window manager to carry out a change of mode.
constexpr int SettleTimeoutMs = 1000;

} // namespace

frmCircles2::frmCircles2(RandomSource& random, MessageBoxes& boxes, ProgramEnd& end,
                         CdPlayerPanel* panel, QWidget* parent)
    : QWidget(parent), m_burst(m_surface, random), m_pacing(*this), m_modes(*this, m_pacing),
      m_messages(boxes, end), MMControl1(panel)
{
    setupWindow();
    setupControls();
    setupWiring();
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
    if (!MMControl1)
        MMControl1 = new CdPlayerPanel(this);
    MMControl1->setParent(this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    MMControl1->setGeometry(StoredLayout::Panel.pixels());
    cmdAbout = makeButton(this, "cmdAbout", tr("&About"), StoredLayout::About);
    cmdAbout->setToolTip(tr("Click here for operating instructions."));

    // The panel's place in the tab order is that of its buttons.
    setTabOrder(cmdExit, cmdLoad);
    QWidget* previous = cmdLoad;
    for (QWidget* button : MMControl1->buttons()) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, cmdAbout);
    cmdExit->setFocus();

    Timer1 = new IntervalTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void frmCircles2::setupWiring()
{
    connect(Timer1, &IntervalTimer::tick, this, [this] { m_pacing.tick(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { m_messages.about(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { m_messages.exit(); });
    connect(cmdLoad, &QPushButton::clicked, this, [this] {
        MMControl1->setDeviceType(QString::fromLatin1(CdPlayerPanel::CdAudio));
        MMControl1->setCommand(QString::fromLatin1(CdPlayerPanel::Open));
    });
    connect(MMControl1, &CdPlayerPanel::startNotification, this,
            &frmCircles2::panelStartNotification);
    connect(MMControl1, &CdPlayerPanel::stopNotification, this,
            &frmCircles2::panelStopNotification);

    m_settleTimeout.setSingleShot(true);
    m_settleTimeout.setInterval(SettleTimeoutMs);
    connect(&m_settleTimeout, &QTimer::timeout, this, &frmCircles2::settle);
}

void frmCircles2::panelStartNotification(int /*argument*/)
{
    m_pacing.panelStarted();
}

void frmCircles2::panelStopNotification(int /*argument*/)
{
    m_pacing.panelStopped();
}

void frmCircles2::mousePressEvent(QMouseEvent* event)
{
    m_inDoubleClick = false;
    event->accept();
}

void frmCircles2::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_inDoubleClick) {
        m_inDoubleClick = false;
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_pacing.click();
}

void frmCircles2::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_inDoubleClick = true;
    m_modes.doubleClick();
}

int frmCircles2::TimerInterval() const
{
    return Timer1->Interval();
}

void frmCircles2::setTimerInterval(int milliseconds)
{
    Timer1->setInterval(milliseconds);
}

QWidget* frmCircles2::control(Control which) const
{
    switch (which) {
    case Control::Exit:
        return cmdExit;
    case Control::Load:
        return cmdLoad;
    case Control::About:
        return cmdAbout;
    case Control::Panel:
        return MMControl1;
    }
    throw std::invalid_argument("Unknown control");
}

bool frmCircles2::Visible(Control which) const
{
    return !control(which)->isHidden();
}

void frmCircles2::setVisible(Control which, bool visible)
{
    control(which)->setVisible(visible);
}

void frmCircles2::setWindowState(WindowState state)
{
    m_windowState = state;
    queueModeChange();
}

void frmCircles2::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    queueModeChange();
}

void frmCircles2::queueModeChange()
{
    if (!m_modeChangeQueued) {
        m_modeChangeQueued = true;
        QMetaObject::invokeMethod(this, &frmCircles2::applyWindowMode, Qt::QueuedConnection);
    }
}

void frmCircles2::setBackColor(Colour colour)
{
    m_backColor = colour;
}

void frmCircles2::DrawCircleBurst()
{
    m_burst.DrawCircleBurst();
    update(m_surface.takeDirtyRect());
}

void frmCircles2::applyWindowMode()
{
    m_modeChangeQueued = false;
    const bool maximised = m_windowState == WindowState::Maximised;
    const bool frameless = m_borderStyle == BorderStyle::None;
    // A maximised window without a border is what the desktop calls full screen; asking for
    // that state, rather than dropping the frame by hand, keeps the window mapped throughout,
    // and an unmapped window's changes can reach the window manager out of order.
    const bool fullScreen = maximised && frameless;
    const bool dropFrame = frameless && !fullScreen;
    const bool wasNormal = !isFullScreen() && !isMaximized();
    if (maximised == !wasNormal && fullScreen == isFullScreen() &&
        dropFrame == windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    m_settling = true;

    if (maximised) {
        if (wasNormal)
            m_normalGeometry = geometry();
        m_settleSize = screen()->geometry().size();
        // A fixed size makes the window manager refuse to maximise.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (fullScreen)
            showFullScreen();
        else
            showMaximized();
    } else {
        m_settleSize = StoredLayout::ClientSize;
        showNormal();
        setFixedSize(StoredLayout::ClientSize);
        if (m_normalGeometry.isValid())
            setGeometry(m_normalGeometry);
    }
    if (dropFrame != windowFlags().testFlag(Qt::FramelessWindowHint)) {
        setWindowFlag(Qt::FramelessWindowHint, dropFrame);
        show();
    }
    if (size() == m_settleSize)
        settle();
    else
        m_settleTimeout.start();
}

void frmCircles2::settle()
{
    m_settleTimeout.stop();
    if (!m_settling)
        return;
    m_settling = false;
    m_erasePending = true;
    update();
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
    m_erasePending = true;
    if (m_settling && size() == m_settleSize)
        settle();
    QWidget::resizeEvent(event);
}

void frmCircles2::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const bool stale = m_erasePending || m_surface.logicalSize() != size() ||
                       m_surface.devicePixelRatio() != devicePixelRatioF();
    if (stale && m_settling) {
        painter.fillRect(event->rect(), toQColor(m_backColor, palette()));
        return;
    }
    if (stale) {
        eraseAndRepaint();
        if (event->rect() != rect())
            update();
    }
    const QRect area = event->rect();
    const qreal ratio = m_surface.devicePixelRatio();
    painter.drawImage(
        area, m_surface.image(),
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}
