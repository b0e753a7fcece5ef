#include "startup/DiscTasks.h"

#include "VersionRecord.h"
#include "disc/CoverPicture.h"
#include "discjobs/RepairImageJob.h"
#include "discjobs/ReportWords.h"
#include "discjobs/SaveDiscJob.h"
#include "discjobs/VerifyImageJob.h"
#include "discnames/DiscIdentifier.h"
#include "discnames/NamesCache.h"
#include "discnames/NamesLookup.h"
#include "drive/CdioDiscSource.h"
#include "player/SaidWords.h"
#include "startup/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QUrl>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

/// A cover larger than this in the names cache is not one the cache wrote.

QString text(const std::string& plain)
{
    return QString::fromStdString(plain);
}

/// Lines for standard output; the percentage is shown in place only on a terminal.
class Terminal {
public:
    Terminal() : m_isTerminal(::isatty(STDOUT_FILENO) == 1) {}

    void line(const QString& line)
    {
        std::printf("%s%s\n", m_inPlace ? "\r\033[K" : "", qPrintable(line));
        std::fflush(stdout);
        m_inPlace = false;
    }
    void percent(int percent, int track)
    {
        if (!m_isTerminal)
            return;
        //: Progress shown in place on a terminal; %1 is a percentage, %2 a track number.
        std::printf("\r\033[K%s",
                    qPrintable(CommandLine::tr("%1% (track %2)").arg(percent).arg(track)));
        std::fflush(stdout);
        m_inPlace = true;
    }
    /// Clears the percentage, before the lines on standard error.
    void end()
    {
        if (m_inPlace)
            std::printf("\r\033[K");
        std::fflush(stdout);
        m_inPlace = false;
    }
    static void problem(const QString& why)
    {
        std::fprintf(stderr, "Spindella: %s\n", qPrintable(why));
    }

private:
    bool m_isTerminal;
    bool m_inPlace = false;
};

/// The program's settings and cache as the window finds them, with no display.
void nameTheProgram()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(VersionRecord::InternalName));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(VersionRecord::FileVersion));
    QCoreApplication::setOrganizationName(QString::fromUtf8(VersionRecord::CompanyName));
}

/// SIGINT and SIGTERM, blocked in every thread before any starts, read through a descriptor so
/// that they cancel the task from the event loop.
class Interruption {
public:
    Interruption()
    {
        sigemptyset(&m_signals);
        sigaddset(&m_signals, SIGINT);
        sigaddset(&m_signals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &m_signals, nullptr);
        m_fd = ::signalfd(-1, &m_signals, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~Interruption()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    /// Once the application exists: `stop` on the first signal; on the next, `abandon`, then
    /// the program ends at once with status 1: the task may wait on a read that never returns.
    void onSignal(
        QObject* context, std::function<void()> stop, std::function<void()> abandon = [] {})
    {
        if (m_fd < 0)
            return;
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, context,
                         [this, stop = std::move(stop), abandon = std::move(abandon)] {
                             signalfd_siginfo info{};
                             while (::read(m_fd, &info, sizeof info) == sizeof info) {
                                 if (m_signalled) {
                                     abandon();
                                     std::fflush(stdout);
                                     std::_Exit(CommandLine::NothingDone);
                                 }
                                 m_signalled = true;
                                 stop();
                             }
                         });
    }

private:
    sigset_t m_signals{};
    int m_fd = -1;
    bool m_signalled = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

/// The disc's names and front cover as the window would show them: from the names cache, else
/// from MusicBrainz (both as the settings allow), else the disc's own CD-Text. `then` is told
/// once nothing more will come.
void findNames(const DiscToc& disc,
               const std::function<void(const DiscToc&, const QByteArray&)>& then)
{
    auto* lookup = new NamesLookup(NamesCache(), QCoreApplication::instance());
    QObject::connect(lookup, &NamesLookup::settled, lookup, [lookup, then] {
        if (lookup->property("told").toBool())
            return;
        lookup->setProperty("told", true);
        const DiscToc named = lookup->named();
        QFile cover(QUrl(QString::fromStdString(named.artUrl)).toLocalFile());
        QByteArray bytes;
        if (!named.artUrl.empty() && cover.size() <= qint64(CoverPicture::MostBytes) &&
            cover.open(QIODevice::ReadOnly))
            bytes = cover.read(qint64(CoverPicture::MostBytes));
        lookup->deleteLater();
        then(named, bytes);
    });
    lookup->find(disc);
}

/// The copy's CRC and what the test read says of it.
QString copyCrcWords(const TrackResult& track)
{
    const QString crc = QString::number(track.copyCrc, 16).rightJustified(8, u'0').toUpper();
    switch (track.agreement()) {
    case ImageLog::Agreement::Agrees:
        //: %1 is a CRC in hexadecimal.
        return CommandLine::tr("copy CRC %1, the test read agrees").arg(crc);
    case ImageLog::Agreement::Corrected:
        //: %1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.
        return CommandLine::tr("copy CRC %1, corrected by re-reading").arg(crc);
    case ImageLog::Agreement::Unsettled:
        //: %1 is a CRC in hexadecimal.
        return CommandLine::tr("copy CRC %1, some sectors never read alike twice").arg(crc);
    case ImageLog::Agreement::Differs:
    case ImageLog::Agreement::NotTested:
        break;
    }
    //: %1 is a CRC in hexadecimal.
    return CommandLine::tr("copy CRC %1, the test read differs").arg(crc);
}

bool isCueSheet(const QString& device)
{
    return device.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive) ||
           QFileInfo(device).isFile();
}

/// A verifying's lines: each track's answer from AccurateRip, its summary, then the CUETools
/// database's.
void sayVerified(Terminal& terminal, const DiscReport& report)
{
    for (const QString& track : ReportWords::tracks(report))
        terminal.line(track);
    if (report.tracks.empty())
        return;
    QString last = ReportWords::summary(report);
    last[0] = last[0].toUpper();
    terminal.line(last);
    for (const QString& ctdb : ReportWords::ctdbLines(report))
        terminal.line(ctdb);
}

} // namespace

int saveImage(const CommandLine& line)
{
    Interruption interruption;
    nameTheProgram();
    const QFileInfo folder(line.folder());
    if (!folder.isDir() || !folder.isWritable()) {
        //: %1 is the folder given with --save-image.
        Terminal::problem(
            CommandLine::tr("cannot save into %1: it is no folder that can be written")
                .arg(line.folder()));
        return CommandLine::NothingDone;
    }
    const std::string drive = line.drive().toStdString();
    // A cue sheet named as the drive is an image served as one, as tests and users without a
    // drive have it.
    const auto source = isCueSheet(line.drive())
                            ? std::make_shared<CdioDiscSource>(std::vector<std::string>{drive})
                            : std::make_shared<CdioDiscSource>();
    SaveDiscJob saving;
    Terminal terminal;
    int status = CommandLine::NothingDone;
    interruption.onSignal(
        &saving, [&saving] { saving.cancel(); },
        [&saving, &terminal] {
            terminal.end();
            if (const Reason why = saving.abandon(); !why.empty())
                Terminal::problem(SaidWords::said(why));
            Terminal::problem(
                SaidWords::said(Reason(QT_TRANSLATE_NOOP("Reason", "saving was cancelled"))));
        });
    QObject::connect(&saving, &SaveDiscJob::opened, &saving, [&](const DiscToc& toc) {
        const DiscIdentifier id = DiscIdentifier::of(toc);
        findNames(toc, [&saving, &line, id](const DiscToc& named, const QByteArray& cover) {
            saving.save(named, cover, QString::fromStdString(id.id), line.folder());
        });
    });
    QObject::connect(&saving, &SaveDiscJob::progress, &saving,
                     [&terminal](int percent, int track) { terminal.percent(percent, track); });
    QObject::connect(
        &saving, &SaveDiscJob::trackRead, &saving, [&terminal](const TrackResult& track) {
            QString line =
                CommandLine::tr("Track %1 read: %2").arg(track.number).arg(copyCrcWords(track));
            if (track.rereads > 0)
                line += SaidWords::counted(
                    CommandLine::tr(" (%n re-read(s))", nullptr, track.rereads), track.rereads);
            terminal.line(line);
        });
    QObject::connect(&saving, &SaveDiscJob::finished, &saving, [&](const DiscReport& report) {
        status = int(report.status);
        if (report.status == DiscReport::Status::NothingDone) {
            terminal.end();
            Terminal::problem(SaidWords::said(report.why));
        } else {
            if (report.repairedWords > 0)
                terminal.line(CommandLine::tr("Repaired %1 words in %2 sectors")
                                  .arg(report.repairedWords)
                                  .arg(report.repairedSectors));
            for (const QString& track : ReportWords::tracks(report))
                terminal.line(track);
            //: The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
            terminal.line(CommandLine::tr("Saved in %1: %2")
                              .arg(text(report.folder), ReportWords::summary(report)));
            for (const QString& ctdb : ReportWords::ctdbLines(report))
                terminal.line(ctdb);
        }
        QCoreApplication::quit();
    });
    saving.open(source, drive);
    QCoreApplication::exec();
    return status;
}

int verifyImage(const CommandLine& line)
{
    Interruption interruption;
    nameTheProgram();
    VerifyImageJob verifying;
    Terminal terminal;
    int status = CommandLine::NothingDone;
    interruption.onSignal(
        &verifying, [&verifying] { verifying.cancel(); }, [&terminal] { terminal.end(); });
    QObject::connect(&verifying, &VerifyImageJob::progress, &verifying,
                     [&terminal](int percent, int track) { terminal.percent(percent, track); });
    QObject::connect(&verifying, &VerifyImageJob::finished, &verifying,
                     [&](const DiscReport& report) {
                         status = int(report.status);
                         sayVerified(terminal, report);
                         terminal.end();
                         if (!report.why.empty())
                             Terminal::problem(SaidWords::said(report.why));
                         QCoreApplication::quit();
                     });
    verifying.start(line.imagePath());
    QCoreApplication::exec();
    return status;
}

int repairImage(const CommandLine& line)
{
    Interruption interruption;
    nameTheProgram();
    RepairImageJob repairing;
    Terminal terminal;
    int status = CommandLine::NothingDone;
    interruption.onSignal(
        &repairing, [&repairing] { repairing.cancel(); }, [&terminal] { terminal.end(); });
    QObject::connect(&repairing, &RepairImageJob::progress, &repairing,
                     [&terminal](int percent, int track) { terminal.percent(percent, track); });
    QObject::connect(
        &repairing, &RepairImageJob::finished, &repairing, [&](const RepairReport& report) {
            status = int(report.status());
            sayVerified(terminal, report.found);
            switch (report.outcome) {
            case RepairReport::Outcome::Repaired: {
                const CtdbVerdict& found = report.found.ctdb;
                //: %1 counts the 16-bit words a repair changed, %2 the sectors holding them.
                terminal.line(CommandLine::tr("Repaired %1 words in %2 sectors")
                                  .arg(found.repairWords)
                                  .arg(found.repairSectors));
                for (const QString& track : ReportWords::tracks(report.repaired))
                    terminal.line(track);
                //: The line after a repair; %1 is the folder made, %2 what AccurateRip said.
                terminal.line(
                    CommandLine::tr("Saved in %1: %2")
                        .arg(text(report.repaired.folder), ReportWords::summary(report.repaired)));
                for (const QString& ctdb : ReportWords::ctdbLines(report.repaired))
                    terminal.line(ctdb);
                break;
            }
            case RepairReport::Outcome::AlreadyAccurate:
                terminal.line(CommandLine::tr("The image is accurate: nothing to repair"));
                break;
            case RepairReport::Outcome::NotRepaired:
            case RepairReport::Outcome::NothingDone:
                break;
            }
            terminal.end();
            if (!report.why.empty())
                Terminal::problem(SaidWords::said(report.why));
            QCoreApplication::quit();
        });
    repairing.start(line.imagePath(), line.folder());
    QCoreApplication::exec();
    return status;
}
