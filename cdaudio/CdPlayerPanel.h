#pragma once

#include <QFrame>

/// The CD player panel: its own transport buttons and the CD audio device behind them.
class CdPlayerPanel : public QFrame {
    Q_OBJECT

public:
    explicit CdPlayerPanel(QWidget* parent = nullptr);
};
