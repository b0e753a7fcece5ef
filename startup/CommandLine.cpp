#include "startup/CommandLine.h"

#include <QDir>
#include <QUrl>

CommandLine CommandLine::parse(const QStringList& arguments, const QString& workingFolder)
{
    CommandLine line;
    if (arguments.size() < 2)
        return line;
    const QString& argument = arguments[1];
    if (arguments.size() > 2)
        line.complaint = QStringLiteral("one disc at a time: only %1 is opened").arg(argument);
    const QUrl url = QUrl::fromUserInput(argument, workingFolder, QUrl::AssumeLocalFile);
    if (url.scheme().compare(QLatin1String("cdda"), Qt::CaseInsensitive) == 0) {
        line.open = Open::Drive;
    } else if (url.isLocalFile()) {
        line.open = Open::Image;
        line.path = QDir::cleanPath(url.toLocalFile());
    } else {
        line.complaint = QStringLiteral("%1 is neither a file nor a cdda: address").arg(argument);
    }
    return line;
}
