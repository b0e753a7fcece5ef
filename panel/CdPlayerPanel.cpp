#include "panel/CdPlayerPanel.h"

#include "drive/CdioDiscSource.h"
#include "panel/PlayerMenu.h"
#include "panel/TransportIcons.h"
#include "player/NameSources.h"
#include "sound/PulseAudioOutput.h"

#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include <stdexcept>

namespace {

constexpr int ButtonWidth = 26;
constexpr int ButtonHeight = 33;

struct ButtonDesign {
    TransportIcons::Symbol symbol;
    const char* objectName;
    const char* name;
};

constexpr std::array<ButtonDesign, 6> Design{{
    {TransportIcons::Symbol::Previous, "previousButton",
     QT_TRANSLATE_NOOP("CdPlayerPanel", "Previous track")},
    {TransportIcons::Symbol::Play, "playButton", QT_TRANSLATE_NOOP("CdPlayerPanel", "Play")},
    {TransportIcons::Symbol::Pause, "pauseButton", QT_TRANSLATE_NOOP("CdPlayerPanel", "Pause")},
    {TransportIcons::Symbol::Stop, "stopButton", QT_TRANSLATE_NOOP("CdPlayerPanel", "Stop")},
    {TransportIcons::Symbol::Next, "nextButton", QT_TRANSLATE_NOOP("CdPlayerPanel", "Next track")},
    {TransportIcons::Symbol::Eject, "ejectButton", QT_TRANSLATE_NOOP("CdPlayerPanel", "Eject")},
}};

std::unique_ptr<AudioOutput> desktopOutput()
{
    return std::make_unique<PulseAudioOutput>();
}

} // namespace

CdPlayerPanel::CdPlayerPanel(QWidget* parent)
    : CdPlayerPanel(std::make_unique<CdioDiscSource>(), desktopOutput, parent)
{
}

CdPlayerPanel::CdPlayerPanel(std::unique_ptr<DiscSource> source, CdPlayer::OutputFactory outputs,
                             QWidget* parent)
    : QFrame(parent), m_player(std::move(source), std::move(outputs))
{
    setAccessibleName(tr("CD player"));
    setAutoFillBackground(true);
    // Clicks on the panel belong to the panel, never to the picture behind it.
    setAttribute(Qt::WA_NoMousePropagation);
    setupButtons();
    setupMenuAndKeys();
    connect(&m_player, &CdPlayer::changed, this, &CdPlayerPanel::refresh);
    connect(&m_player, &CdPlayer::imageOpened, this, [this] { press(Button::Play); });
    refresh();
}

void CdPlayerPanel::setupButtons()
{
    for (std::size_t n = 0; n < Design.size(); ++n) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(Design[n].objectName));
        button->setGeometry(int(n) * ButtonWidth, 0, ButtonWidth, ButtonHeight);
        button->setIcon(TransportIcons::icon(Design[n].symbol));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::StrongFocus);
        const QString name = tr(Design[n].name);
        button->setAccessibleName(name);
        button->setToolTip(name);
        m_buttons[n] = button;
    }
    for (QToolButton* button : m_buttons)
        connect(button, &QToolButton::clicked, this, [this] {
            m_taskResult.clear();
            refresh();
        });
    connect(m_buttons[0], &QToolButton::clicked, &m_player, &CdPlayer::pressPrevious);
    connect(m_buttons[1], &QToolButton::clicked, this, [this] {
        m_player.pressPlay();
        Q_EMIT startNotification(0);
    });
    connect(m_buttons[2], &QToolButton::clicked, &m_player, &CdPlayer::pressPause);
    connect(m_buttons[3], &QToolButton::clicked, this, [this] {
        if (hasTask()) {
            Q_EMIT taskStopRequested();
            return;
        }
        m_player.pressStop();
        Q_EMIT stopNotification(0);
    });
    connect(m_buttons[4], &QToolButton::clicked, &m_player, &CdPlayer::pressNext);
    connect(m_buttons[5], &QToolButton::clicked, this, [this] {
        if (hasTask())
            Q_EMIT taskStopRequested();
        m_player.pressEject();
    });

    m_display = new QLabel(this);
    m_display->setObjectName(QStringLiteral("display"));
    const int left = int(Design.size()) * ButtonWidth + 1;
    m_display->setGeometry(left, 1, 236 - left - 1, ButtonHeight - 2);
    m_display->setAlignment(Qt::AlignCenter);
    m_display->setFrameShape(QFrame::Panel);
    m_display->setFrameShadow(QFrame::Sunken);
    m_display->setAutoFillBackground(true);
    QPalette palette = m_display->palette();
    palette.setColor(QPalette::Window, QColor(16, 24, 16));
    palette.setColor(QPalette::WindowText, QColor(120, 255, 120));
    m_display->setPalette(palette);
    QFont font = m_display->font();
    font.setPointSize(9);
    m_display->setFont(font);
    // Its text is its accessible name, so that a screen reader hears each change.
    m_display->setAccessibleDescription(tr("CD player display"));
    m_display->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_display, &QLabel::customContextMenuRequested, this,
            [this](const QPoint& at) { showMenu(m_display->mapToGlobal(at)); });
}

void CdPlayerPanel::setupMenuAndKeys()
{
    m_menu = new PlayerMenu(this);
    connect(m_menu, &PlayerMenu::trackChosen, this, [this](int number) {
        if (m_player.chooseTrack(number))
            Q_EMIT startNotification(0);
    });
    connect(m_menu, &PlayerMenu::shuffleChosen, &m_player, &CdPlayer::setShuffle);
    connect(m_menu, &PlayerMenu::repeatChosen, &m_player, &CdPlayer::setRepeat);
    connect(m_menu, &PlayerMenu::namesChosen, this, [this](qsizetype source) {
        if (m_names)
            m_names->choose(source);
    });
    connect(m_menu, &PlayerMenu::driveChosen, &m_player, &CdPlayer::openDrive);
    connect(m_menu, &PlayerMenu::saveDiscChosen, this, &CdPlayerPanel::saveDiscRequested);
    connect(m_menu, &PlayerMenu::verifyChosen, this, &CdPlayerPanel::verifyRequested);
    connect(m_menu, &PlayerMenu::repairChosen, this, &CdPlayerPanel::repairRequested);

    // Anywhere in the window, as a desktop's keyboard users expect.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { showMenu(); });
    // Digits as on a remote control; they never reach the buttons.
    for (int digit = 0; digit <= 9; ++digit) {
        for (const auto modifier : {Qt::NoModifier, Qt::KeypadModifier}) {
            auto* shortcut =
                new QShortcut(QKeySequence(modifier | Qt::Key(Qt::Key_0 + digit)), this);
            connect(shortcut, &QShortcut::activated, this, [this, digit] { typeDigit(digit); });
        }
    }
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(TrackNumberEntry::PauseMs);
    connect(&m_typingPause, &QTimer::timeout, this, &CdPlayerPanel::typingPaused);
}

void CdPlayerPanel::showMenu(QPoint at)
{
    if (at.isNull())
        at = m_display->mapToGlobal(QPoint(0, m_display->height()));
    m_menu->open(at, m_player, m_names, hasTask(),
                 !m_repairableImage.isEmpty() && m_repairableImage == m_player.imagePath());
}

void CdPlayerPanel::showTask(const QString& progress)
{
    if (!progress.isEmpty()) {
        // Digits typed before the task began choose nothing once it runs.
        m_typingPause.stop();
        m_entry = {};
    }
    m_task = progress;
    refresh();
}

void CdPlayerPanel::showTaskResult(const QString& result)
{
    m_taskResult = result;
    refresh();
}

std::vector<int> CdPlayerPanel::trackNumbers() const
{
    std::vector<int> numbers;
    if (m_player.transport().hasDisc())
        for (const TrackInfo& track : m_player.transport().tracks())
            numbers.push_back(track.number);
    return numbers;
}

void CdPlayerPanel::typeDigit(int digit)
{
    // While a disc is saved the drive is the saving's, as the buttons say.
    if (!m_player.transport().hasDisc() || hasTask())
        return;
    m_typingPause.start();
    take(m_entry.type(digit, trackNumbers()));
}

void CdPlayerPanel::typingPaused()
{
    take(m_entry.pause(trackNumbers()));
}

void CdPlayerPanel::take(TrackNumberEntry::Outcome outcome)
{
    if (outcome != TrackNumberEntry::Outcome::Typing)
        m_typingPause.stop();
    if (outcome == TrackNumberEntry::Outcome::Chosen && m_player.chooseTrack(m_entry.number()))
        Q_EMIT startNotification(0);
    refresh();
}

QList<QWidget*> CdPlayerPanel::buttons() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

void CdPlayerPanel::press(Button button)
{
    // A hidden button still clicks, as the panel is hidden in full screen.
    m_buttons[std::size_t(button)]->click();
}

void CdPlayerPanel::setDeviceType(const QString& type)
{
    if (type.compare(QLatin1String(CdAudio), Qt::CaseInsensitive) != 0)
        throw std::invalid_argument("Unsupported device type \"" + type.toStdString() + "\"");
    m_deviceType = type;
}

void CdPlayerPanel::setCommand(const QString& command)
{
    if (command.compare(QLatin1String(Open), Qt::CaseInsensitive) != 0)
        throw std::invalid_argument("Unsupported command \"" + command.toStdString() + "\"");
    if (m_deviceType.isEmpty())
        throw std::logic_error("Open without a device type");
    m_player.open();
}

void CdPlayerPanel::refresh()
{
    const Transport& transport = m_player.transport();
    const Transport::Buttons enabled = transport.buttons();
    std::array<bool, 6> flags{enabled.previous, enabled.play, enabled.pause,
                              enabled.stop,     enabled.next, enabled.eject};
    // A task has the drive: only what stops it works.
    if (hasTask())
        flags = {false, false, false, true, false, true};
    for (std::size_t n = 0; n < flags.size(); ++n)
        m_buttons[n]->setEnabled(flags[n]);
    const std::string& typed = m_entry.typed();
    m_display->setText(hasTask()        ? m_task
                       : !typed.empty() ? QString::fromStdString(typed)
                                        : QString::fromStdString(transport.display()));
    m_display->setToolTip(m_taskResult.isEmpty() ? QString::fromStdString(transport.details())
                                                 : m_taskResult);
}
