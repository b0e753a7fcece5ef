#pragma once

#include "cdaudio/CdPlayer.h"

#include <QFrame>

#include <array>

class QLabel;
class QToolButton;

/// The CD player panel: six transport buttons and a small display, with the device-type and
/// command properties through which the window opens the CD audio device. Play and Stop
/// presses are announced as the start and stop notifications.
class CdPlayerPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr char CdAudio[] = "CDaudio";
    static constexpr char Open[] = "Open";

    enum class Button { Previous, Play, Pause, Stop, Next, Eject };

    /// A panel for the computer's own drives and sound output.
    explicit CdPlayerPanel(QWidget* parent = nullptr);
    /// A panel for the given discs and sound output (disc images in tests).
    CdPlayerPanel(std::unique_ptr<DiscSource> source, CdPlayer::OutputFactory outputs,
                  QWidget* parent = nullptr);

    QString deviceType() const { return m_deviceType; }
    /// Only "CDaudio" is known; anything else is a programming error.
    void setDeviceType(const QString& type);
    /// Carries out a command on the device at once; only "Open" is known.
    void setCommand(const QString& command);
    /// Opens a disc image in the drive's place and plays it, as Play does.
    void openImage(const QString& path) { m_player.openImage(path); }

    CdPlayer& player() { return m_player; }
    /// The transport buttons from left to right, for the window's tab order.
    QList<QWidget*> buttons() const;
    /// What a click on the button does, notifications included; nothing while it is disabled.
    void press(Button button);

Q_SIGNALS:
    void startNotification(int argument);
    void stopNotification(int argument);

private:
    void setupButtons();
    void refresh();

    CdPlayer m_player;
    QString m_deviceType;
    std::array<QToolButton*, 6> m_buttons{};
    QLabel* m_display = nullptr;
};
