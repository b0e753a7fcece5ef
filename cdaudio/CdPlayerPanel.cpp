#include "cdaudio/CdPlayerPanel.h"

CdPlayerPanel::CdPlayerPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    // Clicks on the panel belong to the panel, never to the picture behind it.
    setAttribute(Qt::WA_NoMousePropagation);
    setAccessibleName(tr("CD player"));
}
