#pragma once

#include "player/CdPlayer.h"
#include "player/TrackNumberEntry.h"

#include <QFrame>
#include <QTimer>

#include <array>

class NameSources;
class PlayerMenu;
class QLabel;
class QToolButton;

/// The CD player panel: six transport buttons and a small display, with the device-type and
/// command properties through which the window opens the CD audio device. Play and Stop
/// presses are announced as the start and stop notifications. Its menu (a right-click on the
/// display, the Menu key or Shift+F10) and track numbers typed while the window has the focus
/// reach everything the buttons do not.
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
    /// Opens the panel's menu at `at` on the screen; under the display when none is given.
    void showMenu(QPoint at = {});
    PlayerMenu& menu() { return *m_menu; }
    /// Where the menu's names come from; none, and the menu offers no choice of names.
    void setNameSources(NameSources* sources) { m_names = sources; }
    /// A digit of a track number typed.
    void typeDigit(int digit);
    /// While a disc is saved or an image verified: `progress` on the display ("Rip 42"), the
    /// transport greyed but Stop and Eject, which stop the task (Eject then ejects). An empty
    /// `progress` ends it.
    void showTask(const QString& progress);
    bool hasTask() const { return !m_task.isEmpty(); }
    /// What the task found, on the display's tooltip until the next button.
    void showTaskResult(const QString& result);
    /// The image the CUETools database can mend, which the menu offers to repair while it
    /// plays; empty for none.
    void setRepairableImage(const QString& path) { m_repairableImage = path; }

Q_SIGNALS:
    void startNotification(int argument);
    void stopNotification(int argument);
    void saveDiscRequested();
    void verifyRequested();
    void repairRequested();
    void taskStopRequested();

private:
    void setupButtons();
    void setupMenuAndKeys();
    void refresh();
    void typingPaused();
    void take(TrackNumberEntry::Outcome outcome);
    std::vector<int> trackNumbers() const;

    CdPlayer m_player;
    QString m_deviceType;
    std::array<QToolButton*, 6> m_buttons{};
    QLabel* m_display = nullptr;
    PlayerMenu* m_menu = nullptr;
    NameSources* m_names = nullptr;
    TrackNumberEntry m_entry;
    QTimer m_typingPause;
    QString m_task;
    QString m_repairableImage;
    QString m_taskResult;
};
