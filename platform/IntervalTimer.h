#pragma once

#include <QObject>
#include <QTimer>

/// The animation timer: ticks about every Interval milliseconds; Interval 0 means no ticks and
/// no wake-ups at all.
class IntervalTimer : public QObject {
    Q_OBJECT

public:
    explicit IntervalTimer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

Q_SIGNALS:
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
};
