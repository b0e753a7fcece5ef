#include "desktop/HandOver.h"

#include "desktop/MprisService.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QUrl>

namespace {
// The second launch must be gone within a second.
constexpr int AnswerTimeoutMs = 800;
} // namespace

bool HandOver::toRunningPlayer(const QDBusConnection& connection, const QString& path)
{
    const QString service = QString::fromLatin1(MprisService::ServiceName);
    if (!connection.isConnected() || !connection.interface()->isServiceRegistered(service))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QString::fromLatin1(MprisService::ObjectPath),
        QStringLiteral("org.mpris.MediaPlayer2.Player"), QStringLiteral("OpenUri"));
    call << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    return connection.call(call, QDBus::Block, AnswerTimeoutMs).type() ==
           QDBusMessage::ReplyMessage;
}
