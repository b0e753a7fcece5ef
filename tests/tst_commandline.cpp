#include "discimage/CueSheet.h"
#include "discjobs/ReportWords.h"
#include "messages/AboutText.h"
#include "panel/PlayerMenu.h"
#include "player/SaidWords.h"
#include "startup/CommandLine.h"
#include "support/TextTable.h"
#include "translations/Translations.h"

#include "VersionRecord.h"

#include <QTranslator>
#include <QtTest>

namespace {

QString modeName(CommandLine::Mode mode)
{
    switch (mode) {
    case CommandLine::Mode::Player:
        return "player";
    case CommandLine::Mode::SaveImage:
        return "save";
    case CommandLine::Mode::VerifyImage:
        return "verify";
    case CommandLine::Mode::RepairImage:
        return "repair";
    case CommandLine::Mode::Help:
        return "help";
    case CommandLine::Mode::Version:
        return "version";
    case CommandLine::Mode::UsageError:
        return "usage";
    }
    return "?";
}

/// The data of the line's mode: what the player opens, then every path or device it holds.
QString data(const CommandLine& line)
{
    QStringList parts;
    if (line.mode() == CommandLine::Mode::Player)
        parts << QStringList{"nothing", "drive", "image"}[int(line.open())];
    for (const QString& part : {line.imagePath(), line.folder(), line.drive()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(", ");
}

CommandLine parse(const QString& arguments)
{
    return CommandLine::parse(QStringList{"spindella"} + arguments.split(' ', Qt::SkipEmptyParts),
                              "/w");
}

/// Every text of the command line in capitals, to tell translated texts from the others.
class Capitals final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* text, const char*, int) const override
    {
        return qstrcmp(context, "CommandLine") == 0 ? QString(text).toUpper() : QString();
    }
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void modes_data()
    {
        // "says" is how standard output (help, version) or standard error (the rest) starts.
        addTextRows("arguments mode data status says", R"(
nothing: the player alone |  | player | nothing | 0 |
a relative image | album.cue | player | image, /w/album.cue | 0 |
a file URL from a file manager | file:///m/a%20b.cue | player | image, /m/a b.cue | 0 |
a cdda URL opens the drive | cdda://sr0 | player | drive | 0 |
one disc at a time | a.cue b.cue | player | image, /w/a.cue | 0 | Spindella: one disc at a time
a web address is not followed | http://h/a.cue | player | nothing | 0 | Spindella: http://h/a.cue is
a path like an option after -- | -- -odd.cue | player | image, /w/-odd.cue | 0 |
Qt's own options left to Qt | -platform x --style y -reverse a.cue | player | image, /w/a.cue | 0 |
saving into a folder | --save-image out | save | /w/out | 0 |
saving from a named drive | --save-image=/x --drive /dev/sr1 | save | /x, /dev/sr1 | 0 |
verifying an image | --verify ../a.cue | verify | /a.cue | 0 |
repairing an image beside it | --repair a.cue | repair | /w/a.cue | 0 |
repairing an image into a folder | --repair a.cue --output ../out | repair | /w/a.cue, /out | 0 |
help, short | -h | help |  | 0 | Usage: spindella [IMAGE
help wins over the rest | --verify a.cue --help | help |  | 0 | Usage: spindella [IMAGE
version, short | -v | version |  | 0 | Spindella $VERSION
version, long | --version | version |  | 0 | Spindella $VERSION
an unknown option | --bogus | usage |  | 2 | Spindella: Unknown option 'bogus'.
a path like an option | -odd.cue | usage |  | 2 | Spindella: Unknown option 'odd.cue'.
a missing value | --verify | usage |  | 2 | Spindella: Missing value after '--verify'.
an empty folder | --save-image= | usage |  | 2 | Spindella: --save-image needs a path on
a web address to verify | --verify http://h/a.cue | usage |  | 2 | Spindella: --verify needs a path
a drive and nothing to save | --drive /dev/sr0 | usage |  | 2 | Spindella: --drive goes only with
saving and verifying | --save-image out --verify a.cue | usage |  | 2 | Spindella: --save-image, --verify and --repair do not
verifying and repairing | --verify a.cue --repair a.cue | usage |  | 2 | Spindella: --save-image, --verify and --repair do not
an output with nothing to repair | --verify a.cue --output out | usage |  | 2 | Spindella: --output goes only with --repair
an empty output | --repair a.cue --output= | usage |  | 2 | Spindella: --output needs a path
saving with an image | --save-image out a.cue | usage |  | 2 | Spindella: a.cue does not go with
verifying with the drive | --verify a.cue cdda://sr0 | usage |  | 2 | Spindella: cdda://sr0 does
)");
    }

    void modes()
    {
        const CommandLine line = parse(cell("arguments"));
        QTEST(modeName(line.mode()), "mode");
        QTEST(data(line), "data");
        QTEST(QString::number(line.status()), "status");
        const bool toOutput =
            line.mode() == CommandLine::Mode::Help || line.mode() == CommandLine::Mode::Version;
        const QString says = toOutput ? line.output() : line.complaint();
        const QString expected = cell("says").replace("$VERSION", VersionRecord::FileVersion);
        QVERIFY2(expected.isEmpty() ? says.isEmpty() : says.startsWith(expected), qPrintable(says));
        QVERIFY(toOutput ? line.complaint().isEmpty() : line.output().isEmpty());
        if (line.mode() == CommandLine::Mode::UsageError)
            QVERIFY(line.complaint().contains("\nUsage: spindella [IMAGE|URL]\n"));
    }

    void helpNamesEveryOption()
    {
        const QString help = parse("--help").output();
        for (const char* option : {"--help", "--version", "--save-image FOLDER", "--drive DEVICE",
                                   "--verify IMAGE.cue", "-root", "-window-id ID", "--"})
            QVERIFY2(help.contains(QStringLiteral(" %1 ").arg(option)), option);
        // Every option's description, and every line it wraps onto, starts in one column.
        QSet<qsizetype> columns;
        const QRegularExpression option("^  \\S.*?\\S  +(\\S)"), wrapped("^   +(\\S)");
        for (const QString& line : help.section("\n\n", 1, 1).split('\n')) {
            const QRegularExpressionMatch match =
                line.startsWith("   ") ? wrapped.match(line) : option.match(line);
            if (match.hasMatch())
                columns << match.capturedStart(1);
        }
        QCOMPARE(columns.size(), 1);
    }

    void everyTextIsTranslated_data()
    {
        addTextRows("arguments", R"(
help | --help
a usage error of its own | --drive /dev/sr0
a complaint of the player | a.cue b.cue
)");
    }

    void everyTextIsTranslated()
    {
        Capitals capitals;
        QCoreApplication::installTranslator(&capitals);
        const CommandLine line = parse(cell("arguments"));
        QCoreApplication::removeTranslator(&capitals);
        // Left as they are: option names in the help's first column, the program's name and
        // the arguments quoted.
        QString texts;
        for (const QString& text : (line.output() + line.complaint()).split('\n'))
            texts += (text.startsWith("  ") ? text.mid(24) : text) + '\n';
        texts.remove(QRegularExpression("[Ss]pindella|a\\.cue|b\\.cue"));
        QCOMPARE(texts, texts.toUpper());
    }

    void theFirstLanguageSpokenIsChosen_data()
    {
        addTextRows("wanted chosen", R"(
German | de | de
English before German | en-GB, de |
plain English first | en, fr |
German before English | de-DE, en | de
a region not spoken takes its language | fr-CA | fr
Brazil's Portuguese | pt-BR | pt_BR
Portugal's takes Brazil's | pt-PT | pt_BR
a language not spoken passes to the next | ja, nl | nl
none spoken | ja, ko |
the C locale | C, de |
)");
    }
    void theFirstLanguageSpokenIsChosen()
    {
        const QStringList spoken{"de", "es", "fr", "it", "nl", "pt_BR"};
        QCOMPARE(Translations::chosen(cellList(cell("wanted")), spoken), cell("chosen"));
    }

    void aboutParagraphsAreTranslatedWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "es", "fr", "it", "nl", "pt_BR"})
            QTest::newRow(language) << language;
    }
    void aboutParagraphsAreTranslatedWhole()
    {
        // The box looks each paragraph up by its English: one changed in the text and not in
        // the translators' list would be shown in English.
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load("spindella_" + language, ":/i18n"));
        const QString english = QString::fromStdString(AboutText::aboutPrompt());
        QStringList paragraphs = english.split("\r\n\r\n");
        QVERIFY(paragraphs.takeLast().startsWith("Halcyra, ")); // an address, not translated
        paragraphs << AboutText::AboutTitle << AboutText::Farewell;
        for (const QString& paragraph : paragraphs)
            QVERIFY2(!translator.translate("AboutText", qPrintable(paragraph)).isEmpty(),
                     qPrintable(paragraph));
    }

    void numbersTakeTheLanguagesPluralForms_data()
    {
        // "accurate k n": k of n tracks accurate; "length s": a track of s seconds.
        addTextRows("language what said", R"(
English, one of one | en | accurate 1 1 | 1 of 1 track accurate
English, one of twelve | en | accurate 1 12 | 1 of 12 tracks accurate
English, a minute and a second | en | length 61 | Track 1, 1 minute 1 second
English, no second | en | length 0 | Track 1, 0 seconds
French, one of one | fr | accurate 1 1 | 1 sur 1 piste exacte
French, two of twelve | fr | accurate 2 12 | 2 sur 12 pistes exactes
French, no second | fr | length 0 | Piste 1, 0 seconde
French, minutes and seconds | fr | length 125 | Piste 1, 2 minutes et 5 secondes
Brazilian, no second | pt_BR | length 0 | Faixa 1, 0 segundo
Brazilian, one of one | pt_BR | accurate 1 1 | 1 de 1 faixa exata
German, one minute | de | length 60 | Titel 1, 1 Minute und 0 Sekunden
)");
    }
    void numbersTakeTheLanguagesPluralForms()
    {
        QTranslator translator;
        QVERIFY(cell("language") == "en" ||
                translator.load("spindella_" + cell("language"), ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        const QStringList what = cell("what").split(' ');
        QString said;
        if (what[0] == "accurate") {
            DiscReport report;
            for (int n = 0; n < what[2].toInt(); ++n) {
                TrackResult& track = report.tracks.emplace_back();
                track.accurateRip = n < what[1].toInt() ? ImageLog::AccurateRip::Accurate
                                                        : ImageLog::AccurateRip::NotInDatabase;
            }
            said = ReportWords::summary(report);
        } else {
            TrackInfo track{};
            track.number = 1;
            track.sectorCount = what[1].toInt() * DiscToc::SectorsPerSecond;
            said = PlayerMenu::spokenTrack(track);
        }
        QCOMPARE(said, cell("said"));
    }

    void reasonsAreSaidWholeInTheListenersLanguage_data()
    {
        addTextRows("said image", R"(
English | cannot make a folder in /m/50%25 %1: the disk is full | line 4: INDEX goes back in time
German | in /m/50%25 %1 kann kein Ordner angelegt werden: der Datenträger ist voll | Zeile 4: INDEX geht in der Zeit zurück
French | impossible de créer un dossier dans /m/50%25 %1 : le disque de stockage est plein | ligne 4 : INDEX remonte dans le temps
)");
    }
    void reasonsAreSaidWholeInTheListenersLanguage()
    {
        const QString language = QString::fromUtf8(QTest::currentDataTag());
        QTranslator translator;
        QVERIFY(language == "English" ||
                translator.load(language == "German" ? "spindella_de" : "spindella_fr", ":/i18n"));
        QCoreApplication::installTranslator(&translator);
        const auto removal = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        // A path that looks like placeholders is said as it is, and the parts are joined by the
        // translation.
        const Reason reason(QT_TRANSLATE_NOOP("Reason", "cannot make a folder in %1: %2"),
                            {Reason::verbatim("/m/50%25 %1"),
                             Reason(QT_TRANSLATE_NOOP("Reason", "the disk is full"))});
        QCOMPARE(SaidWords::said(reason), cell("said"));
        QCOMPARE(reason.english(), "cannot make a folder in /m/50%25 %1: the disk is full");
        // An image's fault, as the tooltip says it.
        const auto sheet = CueSheet::parse("FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:02:00\n"
                                           "INDEX 02 00:01:00\n");
        QCOMPARE(SaidWords::said(std::get<Reason>(sheet)), cell("image"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
