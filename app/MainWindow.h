#pragma once

#include "animation/AnimationPacing.h"
#include "animation/AnimationWindow.h"
#include "animation/CircleBurst.h"
#include "animation/DisplayModes.h"
#include "messages/MessageHandlers.h"
#include "platform/WindowPicture.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

class CdPlayerPanel;
class IntervalTimer;
class MessageBoxes;
class ProgramEnd;
class QPushButton;
class RandomSource;

/// The program's one window: a drawing surface with the CD player panel and three buttons along
/// its bottom edge. It wires events to the logic and carries out what the logic asks of it.
class MainWindow : public QWidget, private AnimationWindow {
    Q_OBJECT

public:
    /// Without a panel the window makes one for the computer's own drives and sound output.
    MainWindow(RandomSource& random, MessageBoxes& boxes, ProgramEnd& end,
               CdPlayerPanel* panel = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ImageSurface& surface() const { return m_picture.pixels(); }
    ClickInterval clickInterval() const { return m_pacing.clickInterval(); }
    CdPlayerPanel& playerPanel() const { return *m_playerPanel; }

    /// The full-screen animation rather than the windowed player.
    bool isFullScreenMode() const;
    /// Lands where a double-click on the picture lands; the current mode is left alone.
    void setFullScreenMode(bool fullScreen);
    /// Shows and activates the window in whatever mode it is in.
    void bringToFront();

Q_SIGNALS:
    void fullScreenModeChanged(bool fullScreen);
    /// The animation fills the screen: the desktop should not blank it.
    void fullScreenAnimationChanged(bool running);

public Q_SLOTS:
    /// What the Load button does: opens the CD audio device through the panel.
    void load();
    /// The panel's start and stop notifications; their argument is ignored.
    void panelStartNotification(int argument);
    void panelStopNotification(int argument);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// One local file dropped anywhere on the window opens as a disc image; anything else is
    /// refused while it is dragged.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setupWindow();
    void setupControls();
    void setupWiring();

    // What the animation and display-mode rules act on.
    int timerInterval() const override;
    void setTimerInterval(int milliseconds) override;
    bool isControlVisible(Control control) const override;
    void setControlVisible(Control control, bool visible) override;
    void setWindowState(WindowState state) override;
    void setBorderStyle(BorderStyle style) override;
    void setBackgroundColour(Colour colour) override;
    void drawCircleBurst() override;

    QWidget* control(Control control) const;
    void queueModeChange();
    void queueModeReport();
    void reportMode();
    /// Brings the real window to the requested state and border once the handler is done.
    void applyWindowMode();
    void settle();

    WindowPicture m_picture;
    CircleBurst m_burst;
    AnimationPacing m_pacing;
    DisplayModes m_modes;
    MessageHandlers m_messages;

    Colour m_backgroundColour = Colour::buttonFace();
    WindowState m_windowState = WindowState::Normal;
    BorderStyle m_borderStyle = BorderStyle::FixedSingle;
    bool m_modeChangeQueued = false;
    bool m_modeReportQueued = false;
    bool m_reportedFullScreen = false;
    bool m_reportedAnimation = false;
    QRect m_normalGeometry;

    bool m_erasePending = true;
    /// Between a change of mode and the window reaching its new size no burst is drawn, so the
    /// steps of the transition leave only one.
    bool m_settling = false;
    QSize m_settleSize;
    QTimer m_settleTimeout;

    /// Set by a double-click until the next press, so its closing release is no click.
    bool m_inDoubleClick = false;

    QPushButton* m_exitButton = nullptr;
    QPushButton* m_loadButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    CdPlayerPanel* m_playerPanel = nullptr;
    IntervalTimer* m_animationTimer = nullptr;
};
