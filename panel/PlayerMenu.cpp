#include "panel/PlayerMenu.h"

#include "panel/SpokenMenuEntry.h"
#include "player/CdPlayer.h"
#include "player/NameSources.h"
#include "player/SaidWords.h"

#include <QActionGroup>

namespace {

QString minutesAndSeconds(int sectors)
{
    const int seconds = sectors / DiscToc::SectorsPerSecond;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

/// A name as a menu shows it: an ampersand is no mnemonic.
QString plain(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

PlayerMenu::PlayerMenu(QWidget* parent) : QObject(parent), m_menu(parent)
{
    m_menu.setObjectName(QStringLiteral("playerMenu"));
    SpokenMenuEntry::install();
}

QString PlayerMenu::spokenTrack(const TrackInfo& track)
{
    const int seconds = track.sectorCount / DiscToc::SectorsPerSecond;
    const int minutes = seconds / 60;
    const QString secondsSaid =
        SaidWords::counted(tr("%n second(s)", nullptr, seconds % 60), seconds % 60);
    //: A track's length: %1 its minutes, %2 its seconds, as said above.
    const QString length =
        minutes == 0
            ? secondsSaid
            : tr("%1 %2").arg(SaidWords::counted(tr("%n minute(s)", nullptr, minutes), minutes),
                              secondsSaid);
    if (track.number == 0)
        return tr("Hidden track, %1").arg(length);
    return track.title.empty() ? tr("Track %1, %2").arg(track.number).arg(length)
                               : tr("Track %1, %2, %3")
                                     .arg(QString::number(track.number),
                                          QString::fromStdString(track.title), length);
}

void PlayerMenu::open(const QPoint& at, const CdPlayer& player, const NameSources* names, bool busy,
                      bool repairable)
{
    m_menu.clear();
    const Transport& transport = player.transport();
    if (transport.hasDisc() && !busy) {
        addTracks(player);
        m_menu.addSeparator();
    }
    addOrder(transport);
    addNames(transport, names);
    addDrives(player);
    m_menu.addSeparator();
    QAction* save = m_menu.addAction(tr("Save disc as &image…"), this, &PlayerMenu::saveDiscChosen);
    save->setObjectName(QStringLiteral("saveDisc"));
    save->setEnabled(transport.hasDisc() && !transport.toc().fromImage && !busy);
    QAction* verify =
        m_menu.addAction(tr("&Verify with AccurateRip"), this, &PlayerMenu::verifyChosen);
    verify->setObjectName(QStringLiteral("verify"));
    verify->setEnabled(!player.imagePath().isEmpty() && !busy);
    //: CTDB is the CUETools database, which holds what mends a damaged image.
    QAction* repair = m_menu.addAction(tr("Repair with &CTDB…"), this, &PlayerMenu::repairChosen);
    repair->setObjectName(QStringLiteral("repair"));
    repair->setEnabled(repairable && !player.imagePath().isEmpty() && !busy);
    m_menu.popup(at);
}

void PlayerMenu::addTracks(const CdPlayer& player)
{
    const Transport& transport = player.transport();
    for (const TrackInfo& track : transport.tracks()) {
        const QString label = QStringLiteral("%1  %2\t%3")
                                  .arg(QString::number(track.number),
                                       plain(QString::fromStdString(transport.trackTitle(track))),
                                       minutesAndSeconds(track.sectorCount));
        QAction* action = m_menu.addAction(label);
        action->setObjectName(QStringLiteral("track%1").arg(track.number));
        action->setCheckable(true);
        action->setChecked(track.number == transport.track());
        action->setProperty("spoken", spokenTrack(track));
        connect(action, &QAction::triggered, this,
                [this, number = track.number] { Q_EMIT trackChosen(number); });
    }
}

void PlayerMenu::addOrder(const Transport& transport)
{
    QAction* shuffle = m_menu.addAction(tr("&Shuffle"));
    shuffle->setObjectName(QStringLiteral("shuffle"));
    shuffle->setCheckable(true);
    shuffle->setChecked(transport.shuffle());
    connect(shuffle, &QAction::toggled, this, &PlayerMenu::shuffleChosen);

    QMenu* repeat = m_menu.addMenu(tr("&Repeat"));
    repeat->setObjectName(QStringLiteral("repeatMenu"));
    auto* group = new QActionGroup(repeat);
    const std::pair<QString, Transport::Repeat> modes[] = {{tr("&Off"), Transport::Repeat::Off},
                                                           {tr("&Track"), Transport::Repeat::Track},
                                                           {tr("&Disc"), Transport::Repeat::Disc}};
    for (const auto& [label, chosen] : modes) {
        // A lambda cannot capture a structured binding in every compiler this builds with.
        const Transport::Repeat mode = chosen;
        QAction* action = repeat->addAction(label);
        action->setCheckable(true);
        action->setChecked(transport.repeat() == mode);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { Q_EMIT repeatChosen(mode); });
    }
}

void PlayerMenu::addNames(const Transport& transport, const NameSources* names)
{
    QMenu* menu = m_menu.addMenu(tr("&Names"));
    menu->setObjectName(QStringLiteral("namesMenu"));
    const QList<NameSources::Source> sources =
        names && transport.hasDisc() ? names->sources() : QList<NameSources::Source>();
    menu->setEnabled(!sources.isEmpty());
    auto* group = new QActionGroup(menu);
    for (qsizetype n = 0; n < sources.size(); ++n) {
        QAction* action = menu->addAction(plain(sources[n].label));
        action->setCheckable(true);
        action->setChecked(sources[n].chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { Q_EMIT namesChosen(n); });
    }
}

void PlayerMenu::addDrives(const CdPlayer& player)
{
    if (player.drives().size() < 2)
        return;
    QMenu* menu = m_menu.addMenu(tr("&Drive"));
    menu->setObjectName(QStringLiteral("driveMenu"));
    for (const CdPlayer::Drive& drive : player.drives()) {
        const QString label = drive.description.isEmpty()
                                  ? drive.device
                                  : QStringLiteral("%1 (%2)").arg(drive.description, drive.device);
        menu->addAction(plain(label), this,
                        [this, device = drive.device] { Q_EMIT driveChosen(device); });
    }
}
