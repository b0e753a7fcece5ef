#pragma once

#include "animation/CircleBurst.h"
#include "platform/Colour.h"
#include "platform/ImageSurface.h"
#include "platform/RandomSequence.h"

#include <QWidget>

class CdPlayerPanel;
class IntervalTimer;
class QPushButton;

/// The program's one window: a drawing surface with the CD player panel and three buttons along
/// its bottom edge. It only wires events to the logic; the rules live elsewhere.
class frmCircles2 : public QWidget {
    Q_OBJECT

public:
    explicit frmCircles2(RandomSource& random = RandomSequence::process(),
                         QWidget* parent = nullptr);
    ~frmCircles2() override;

    const ImageSurface& surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setupWindow();
    void setupControls();

    /// The system's erase: picture cleared to the background, then the repaint's burst.
    void eraseAndRepaint();

    ImageSurface m_surface;
    CircleBurst m_burst;
    Colour m_backColor = Colour::buttonFace();
    bool m_erasePending = true;

    QPushButton* cmdExit = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdAbout = nullptr;
    CdPlayerPanel* MMControl1 = nullptr;
    IntervalTimer* Timer1 = nullptr;
};
