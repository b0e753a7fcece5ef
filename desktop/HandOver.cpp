#include "desktop/HandOver.h"

#include "desktop/MprisService.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace {
// A player busy with a slow drive answers late; one that has not answered by now is stuck.
constexpr int AnswerTimeoutMs = 10000;
} // namespace

HandOver::Result HandOver::toRunningPlayer(const QDBusConnection& connection, const QString& path)
{
    const QString service = QString::fromLatin1(MprisService::ServiceName);
    if (!connection.isConnected() || !connection.interface()->isServiceRegistered(service))
        return Result::NoPlayer;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QString::fromLatin1(MprisService::ObjectPath),
        QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("OpenUri"));
    call << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    if (connection.call(call, QDBus::Block, AnswerTimeoutMs).type() == QDBusMessage::ReplyMessage)
        return Result::HandedOver;
    // It may have ended while it was asked: then this one plays.
    return connection.interface()->isServiceRegistered(service) ? Result::NotAnswering
                                                                : Result::NoPlayer;
}
