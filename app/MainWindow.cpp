#include "app/MainWindow.h"

#include "app/StoredLayout.h"
#include "panel/CdPlayerPanel.h"
#include "platform/IntervalTimer.h"
#include "platform/SystemColours.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMimeData>
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

MainWindow::MainWindow(RandomSource& random, MessageBoxes& boxes, ProgramEnd& end,
                       CdPlayerPanel* panel, QWidget* parent)
    : QWidget(parent), m_burst(m_picture, random), m_pacing(*this), m_modes(*this, m_pacing),
      m_messages(boxes, end,
                 [](const std::string& english) {
                     return QCoreApplication::translate("AboutText", english.c_str()).toStdString();
                 }),
      m_playerPanel(panel)
{
    setupWindow();
    setupControls();
    setupWiring();
}

MainWindow::~MainWindow() = default;

void MainWindow::setupWindow()
{
    setObjectName(QStringLiteral("frmCircles2"));
    setWindowTitle(tr("Halcyra CD Player"));
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
    setAcceptDrops(true);
    move(StoredLayout::Position);
    setFixedSize(StoredLayout::ClientSize);
    m_picture.setLogicalSize(size());
}

void MainWindow::setupControls()
{
    m_exitButton = makeButton(this, "cmdExit", tr("E&xit"), StoredLayout::Exit);
    m_loadButton = makeButton(this, "cmdLoad", tr("&Load"), StoredLayout::Load);
    if (!m_playerPanel)
        m_playerPanel = new CdPlayerPanel(this);
    m_playerPanel->setParent(this);
    m_playerPanel->setObjectName(QStringLiteral("MMControl1"));
    m_playerPanel->setGeometry(StoredLayout::Panel.pixels());
    m_aboutButton = makeButton(this, "cmdAbout", tr("&About"), StoredLayout::About);
    m_aboutButton->setToolTip(tr("Click here for operating instructions."));

    // The panel's place in the tab order is that of its buttons.
    setTabOrder(m_exitButton, m_loadButton);
    QWidget* previous = m_loadButton;
    for (QWidget* button : m_playerPanel->buttons()) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, m_aboutButton);
    m_exitButton->setFocus();

    m_animationTimer = new IntervalTimer(this);
    m_animationTimer->setObjectName(QStringLiteral("Timer1"));
}

void MainWindow::setupWiring()
{
    connect(m_animationTimer, &IntervalTimer::tick, this, [this] { m_pacing.tick(); });
    connect(m_aboutButton, &QPushButton::clicked, this, [this] { m_messages.about(); });
    connect(m_exitButton, &QPushButton::clicked, this, [this] { m_messages.exit(); });
    connect(m_loadButton, &QPushButton::clicked, this, &MainWindow::load);
    connect(m_playerPanel, &CdPlayerPanel::startNotification, this,
            &MainWindow::panelStartNotification);
    connect(m_playerPanel, &CdPlayerPanel::stopNotification, this,
            &MainWindow::panelStopNotification);

    m_settleTimeout.setSingleShot(true);
    m_settleTimeout.setInterval(SettleTimeoutMs);
    connect(&m_settleTimeout, &QTimer::timeout, this, &MainWindow::settle);
}

void MainWindow::load()
{
    m_playerPanel->setDeviceType(QString::fromLatin1(CdPlayerPanel::CdAudio));
    m_playerPanel->setCommand(QString::fromLatin1(CdPlayerPanel::Open));
}

namespace {
/// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    m_playerPanel->openImage(file);
}

void MainWindow::panelStartNotification(int /*argument*/)
{
    m_pacing.panelStarted();
}

void MainWindow::panelStopNotification(int /*argument*/)
{
    m_pacing.panelStopped();
}

bool MainWindow::isFullScreenMode() const
{
    return m_exitButton->isHidden();
}

void MainWindow::setFullScreenMode(bool fullScreen)
{
    if (fullScreen == isFullScreenMode())
        return;
    // A double-click is first a click, then the change of mode.
    m_pacing.click();
    m_modes.doubleClick();
}

void MainWindow::bringToFront()
{
    QWidget::setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    m_inDoubleClick = false;
    event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_inDoubleClick) {
        m_inDoubleClick = false;
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        m_pacing.click();
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    m_inDoubleClick = true;
    m_modes.doubleClick();
}

int MainWindow::timerInterval() const
{
    return m_animationTimer->interval();
}

void MainWindow::setTimerInterval(int milliseconds)
{
    m_animationTimer->setInterval(milliseconds);
    queueModeReport();
}

QWidget* MainWindow::control(Control which) const
{
    switch (which) {
    case Control::Exit:
        return m_exitButton;
    case Control::Load:
        return m_loadButton;
    case Control::About:
        return m_aboutButton;
    case Control::Panel:
        return m_playerPanel;
    }
    throw std::invalid_argument("Unknown control");
}

bool MainWindow::isControlVisible(Control which) const
{
    return !control(which)->isHidden();
}

void MainWindow::setControlVisible(Control which, bool visible)
{
    control(which)->setVisible(visible);
    queueModeReport();
}

void MainWindow::setWindowState(WindowState state)
{
    m_windowState = state;
    queueModeChange();
}

void MainWindow::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    queueModeChange();
}

void MainWindow::queueModeChange()
{
    if (!m_modeChangeQueued) {
        m_modeChangeQueued = true;
        QMetaObject::invokeMethod(this, &MainWindow::applyWindowMode, Qt::QueuedConnection);
    }
}

// Reported once the handler is done, so its intermediate steps are never announced.
void MainWindow::queueModeReport()
{
    if (!m_modeReportQueued) {
        m_modeReportQueued = true;
        QMetaObject::invokeMethod(this, &MainWindow::reportMode, Qt::QueuedConnection);
    }
}

void MainWindow::reportMode()
{
    m_modeReportQueued = false;
    const bool fullScreen = isFullScreenMode();
    const bool animation = fullScreen && timerInterval() > 0;
    if (fullScreen != m_reportedFullScreen) {
        m_reportedFullScreen = fullScreen;
        Q_EMIT fullScreenModeChanged(fullScreen);
    }
    if (animation != m_reportedAnimation) {
        m_reportedAnimation = animation;
        Q_EMIT fullScreenAnimationChanged(animation);
    }
}

void MainWindow::setBackgroundColour(Colour colour)
{
    m_backgroundColour = colour;
}

void MainWindow::drawCircleBurst()
{
    m_burst.drawCircleBurst();
    update(m_picture.recordedArea());
}

void MainWindow::applyWindowMode()
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

void MainWindow::settle()
{
    m_settleTimeout.stop();
    if (!m_settling)
        return;
    m_settling = false;
    m_erasePending = true;
    update();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    m_picture.setLogicalSize(size());
    m_erasePending = true;
    if (m_settling && size() == m_settleSize)
        settle();
    QWidget::resizeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.beginPaint(*this, painter) || m_erasePending) {
        m_picture.erase(toQColor(m_backgroundColour, palette()));
        m_erasePending = true;
        // Between a change of mode and the window's new size no burst is drawn.
        if (!m_settling) {
            m_burst.drawCircleBurst();
            m_erasePending = false;
            if (event->rect() != rect())
                update();
        }
    }
    m_picture.endPaint(painter, event->region());
}
