#include "player/PlayerSettings.h"

#include "player/CdPlayer.h"

#include <QSettings>

#include <algorithm>

#include <array>

namespace {
constexpr QLatin1String Group("Player");
constexpr std::array<QLatin1String, 3> RepeatNames{QLatin1String("off"), QLatin1String("track"),
                                                   QLatin1String("disc")};
} // namespace

PlayerSettings::PlayerSettings(CdPlayer& player, QObject* parent)
    : QObject(parent), m_player(player)
{
    QSettings file;
    file.beginGroup(Group);
    const QString shuffle = file.value(QStringLiteral("shuffle")).toString().toLower();
    const QString repeat = file.value(QStringLiteral("repeat")).toString().toLower();
    m_shuffle = shuffle == QLatin1String("true");
    const auto named = std::find(RepeatNames.begin(), RepeatNames.end(), repeat);
    m_repeat = named == RepeatNames.end() ? 0 : int(named - RepeatNames.begin());
    m_player.setShuffle(m_shuffle);
    m_player.setRepeat(Transport::Repeat(m_repeat));
    connect(&m_player, &CdPlayer::changed, this, &PlayerSettings::keep);
}

void PlayerSettings::keep()
{
    const Transport& transport = m_player.transport();
    const int repeat = int(transport.repeat());
    if (transport.shuffle() == m_shuffle && repeat == m_repeat)
        return;
    m_shuffle = transport.shuffle();
    m_repeat = repeat;
    QSettings file;
    file.beginGroup(Group);
    file.setValue(QStringLiteral("shuffle"), m_shuffle);
    file.setValue(QStringLiteral("repeat"), RepeatNames[std::size_t(m_repeat)]);
}
