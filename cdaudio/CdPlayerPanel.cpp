#include "cdaudio/CdPlayerPanel.h"

CdPlayerPanel::CdPlayerPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setAccessibleName(tr("CD player"));
}
