#include "startup/CommandLine.h"

#include "VersionRecord.h"

#include <QCommandLineParser>
#include <QDir>
#include <QUrl>

namespace {

constexpr QLatin1StringView Program("spindella");

QString usage()
{
    //: The forms of the command line; %1 is the program's name. Keep the options as they are.
    return CommandLine::tr("Usage: %1 [IMAGE|URL]\n"
                           "       %1 --save-image FOLDER [--drive DEVICE]\n"
                           "       %1 --verify IMAGE.cue\n"
                           "       %1 --repair IMAGE.cue [--output FOLDER]\n"
                           "       %1 -root | -window-id ID\n")
        .arg(Program);
}

QString helpText()
{
    struct Entry {
        const char* names;
        const char* description;
    };
    // Descriptions may hold line breaks; their lines are indented to the column.
    static const Entry entries[] = {
        {"IMAGE|URL",
         QT_TRANSLATE_NOOP("CommandLine", "a disc image to play: its cue sheet (or the FLAC, WAV,\n"
                                          "AIFF or BIN beside it) as a path or a file: URL;\n"
                                          "cdda: plays the drive")},
        {"-h, --help", QT_TRANSLATE_NOOP("CommandLine", "show this help and end")},
        {"-v, --version", QT_TRANSLATE_NOOP("CommandLine", "show the version and end")},
        {"--save-image FOLDER",
         QT_TRANSLATE_NOOP("CommandLine",
                           "save the disc in the drive as an image in FOLDER,\nwith no window")},
        {"--drive DEVICE",
         QT_TRANSLATE_NOOP("CommandLine", "the drive --save-image reads, such as /dev/sr0\n"
                                          "(else the one Load would pick)")},
        {"--verify IMAGE.cue",
         QT_TRANSLATE_NOOP("CommandLine", "check the image's tracks against AccurateRip\n"
                                          "and the CUETools database, with no window")},
        {"--repair IMAGE.cue",
         QT_TRANSLATE_NOOP("CommandLine", "mend the image from the CUETools database's\n"
                                          "parity into a new folder, with no window")},
        {"--output FOLDER",
         QT_TRANSLATE_NOOP("CommandLine", "where --repair writes the repaired image\n"
                                          "(else beside the image's folder)")},
        {"-root", QT_TRANSLATE_NOOP("CommandLine", "be XScreenSaver's screen saver on the whole\n"
                                                   "screen (or in $XSCREENSAVER_WINDOW)")},
        {"-window-id ID",
         QT_TRANSLATE_NOOP("CommandLine", "be the screen saver in window ID (decimal or 0x hex)")},
        {"--",
         QT_TRANSLATE_NOOP("CommandLine", "what follows is an image, even when it starts with -")},
    };
    constexpr int column = 24;
    //: The line under the usage: what the program is.
    QString text =
        usage() +
        CommandLine::tr("Plays audio CDs and disc images in a window of coloured circles.") +
        QStringLiteral("\n\n");
    for (const Entry& entry : entries) {
        const QString names = QStringLiteral("  %1").arg(QLatin1String(entry.names));
        text += names.leftJustified(column - 1) + u' ' +
                CommandLine::tr(entry.description).replace(u'\n', u'\n' + QString(column, u' ')) +
                u'\n';
    }
    //: The end of --help; %1 is the program's name.
    return text + u'\n' +
           CommandLine::tr(
               "Qt's own options, such as -platform or -style, work as in every Qt program.\n"
               "Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.\n"
               "See %1(1) for more.\n")
               .arg(Program);
}

/// The absolute path an argument names, as a path or a file: URL; empty for anything else.
QString localPath(const QString& argument, const QString& workingFolder)
{
    if (argument.isEmpty())
        return {};
    const QUrl url = QUrl::fromUserInput(argument, workingFolder, QUrl::AssumeLocalFile);
    return url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
}

/// Options Qt's application takes for itself later on, accepted here and left to it.
void addQtOptions(QCommandLineParser& parser)
{
    static const char* const withValue[] = {
        "platform",        "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
        "display",         "geometry",           "title",         "name",
        "style",           "stylesheet",         "qmljsdebugger"};
    static const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& workingFolder)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption saveImage(QStringLiteral("save-image"), QString(),
                                       QStringLiteral("FOLDER"));
    const QCommandLineOption drive(QStringLiteral("drive"), QString(), QStringLiteral("DEVICE"));
    const QCommandLineOption verify(QStringLiteral("verify"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption repair(QStringLiteral("repair"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("FOLDER"));
    QCommandLineParser parser;
    // As Qt's own options are written: -platform is one option, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version, saveImage, drive, verify, repair, output});
    addQtOptions(parser);
    // The parser skips the first argument as the program's name.
    if (!parser.parse(arguments.isEmpty() ? QStringList{QString(Program)} : arguments))
        return misuse(parser.errorText());

    CommandLine line;
    if (parser.isSet(help)) {
        line.m_mode = Mode::Help;
        line.m_output = helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.m_mode = Mode::Version;
        line.m_output = QStringLiteral("%1 %2\n%3\n")
                            .arg(QLatin1String(VersionRecord::InternalName),
                                 QLatin1String(VersionRecord::FileVersion),
                                 QLatin1String(VersionRecord::LegalCopyright));
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    const int tasks =
        int(parser.isSet(saveImage)) + int(parser.isSet(verify)) + int(parser.isSet(repair));
    if (tasks > 1)
        return misuse(tr("--save-image, --verify and --repair do not go together"));
    if (parser.isSet(drive) && !parser.isSet(saveImage))
        return misuse(tr("--drive goes only with --save-image"));
    if (parser.isSet(output) && !parser.isSet(repair))
        return misuse(tr("--output goes only with --repair"));
    if (tasks == 1) {
        const QCommandLineOption& task = parser.isSet(saveImage) ? saveImage
                                         : parser.isSet(verify)  ? verify
                                                                 : repair;
        const QString option = task.names().constFirst();
        const QString path = localPath(parser.value(option), workingFolder);
        if (!positional.isEmpty())
            //: %1 is an image or URL, %2 the option it was given with.
            return misuse(tr("%1 does not go with --%2").arg(positional.constFirst(), option));
        if (path.isEmpty())
            //: %1 is the option, without its dashes.
            return misuse(tr("--%1 needs a path on this computer").arg(option));
        if (parser.isSet(saveImage)) {
            line.m_mode = Mode::SaveImage;
            line.m_folder = path;
            line.m_drive = parser.value(drive);
        } else if (parser.isSet(verify)) {
            line.m_mode = Mode::VerifyImage;
            line.m_imagePath = path;
        } else {
            line.m_mode = Mode::RepairImage;
            line.m_imagePath = path;
            if (parser.isSet(output)) {
                line.m_folder = localPath(parser.value(output), workingFolder);
                if (line.m_folder.isEmpty())
                    return misuse(
                        tr("--%1 needs a path on this computer").arg(QStringLiteral("output")));
            }
        }
        return line;
    }
    line.openInPlayer(positional, workingFolder);
    return line;
}

CommandLine CommandLine::misuse(const QString& why)
{
    CommandLine line;
    line.m_mode = Mode::UsageError;
    //: %1 is the program's name.
    line.m_complaint = QStringLiteral("Spindella: %1\n").arg(why) + usage() +
                       tr("Try '%1 --help' for more.\n").arg(Program);
    return line;
}

void CommandLine::openInPlayer(const QStringList& positional, const QString& workingFolder)
{
    if (positional.isEmpty())
        return;
    const QString& argument = positional.constFirst();
    if (positional.size() > 1)
        m_complaint = tr("one disc at a time: only %1 is opened").arg(argument);
    const QUrl url = QUrl::fromUserInput(argument, workingFolder, QUrl::AssumeLocalFile);
    if (url.scheme().compare(QLatin1String("cdda"), Qt::CaseInsensitive) == 0) {
        m_open = Open::Drive;
    } else if (url.isLocalFile()) {
        m_open = Open::Image;
        m_imagePath = QDir::cleanPath(url.toLocalFile());
    } else {
        m_complaint = tr("%1 is neither a file nor a cdda: address").arg(argument);
    }
    if (!m_complaint.isEmpty())
        m_complaint = QStringLiteral("Spindella: %1\n").arg(m_complaint);
}
