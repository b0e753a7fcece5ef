#include "keeping/DiscKeeper.h"

#include "desktop/DesktopNotifier.h"
#include "disc/CoverPicture.h"
#include "discjobs/ReportWords.h"
#include "discnames/DiscIdentifier.h"
#include "panel/CdPlayerPanel.h"
#include "player/SaidWords.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace {
/// A cover larger than this is none the names cache kept.
} // namespace

DiscKeeper::DiscKeeper(CdPlayerPanel& panel, Drives drives, FolderChooser chooseFolder,
                       DesktopNotifier* notifier, QObject* parent)
    : QObject(parent), m_panel(panel), m_drives(std::move(drives)),
      m_chooseFolder(std::move(chooseFolder)), m_notifier(notifier)
{
    connect(&m_panel, &CdPlayerPanel::saveDiscRequested, this, &DiscKeeper::save);
    connect(&m_panel, &CdPlayerPanel::verifyRequested, this, &DiscKeeper::verify);
    connect(&m_panel, &CdPlayerPanel::repairRequested, this, &DiscKeeper::repair);
    connect(&m_panel, &CdPlayerPanel::taskStopRequested, this, &DiscKeeper::stop);
    connect(&m_saving, &SaveDiscJob::opened, this, &DiscKeeper::name);
    connect(&m_saving, &SaveDiscJob::progress, this, [this](int percent) {
        //: On the panel's small display while a disc is saved; %1 is a percentage.
        m_panel.showTask(tr("Rip %1").arg(percent));
    });
    connect(&m_saving, &SaveDiscJob::finished, this, &DiscKeeper::saved);
    connect(&m_verifying, &VerifyImageJob::progress, this, [this](int percent) {
        //: On the panel's small display while an image is verified; %1 is a percentage.
        m_panel.showTask(tr("Check %1").arg(percent));
    });
    connect(&m_verifying, &VerifyImageJob::finished, this, &DiscKeeper::verified);
    connect(&m_repairing, &RepairImageJob::progress, this, [this](int percent) {
        //: On the panel's small display while an image is repaired; %1 is a percentage.
        m_panel.showTask(tr("Fix %1").arg(percent));
    });
    connect(&m_repairing, &RepairImageJob::finished, this, &DiscKeeper::repaired);
}

QString DiscKeeper::musicFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return music.isEmpty() ? QDir::homePath() + QStringLiteral("/Music") : music;
}

void DiscKeeper::save()
{
    CdPlayer& player = m_panel.player();
    if (m_panel.hasTask() || player.drive().isEmpty())
        return;
    m_folder = m_chooseFolder(musicFolder());
    if (m_folder.isEmpty())
        return;
    // The drive is read for saving now, not for playing.
    player.pressStop();
    m_panel.showTask(tr("Rip %1").arg(0));
    m_saving.open(m_drives(), player.drive().toStdString());
}

void DiscKeeper::name(const DiscToc& disc)
{
    // The names the player shows for the disc, as the listener chose them, with its cover.
    const DiscToc& shown = m_panel.player().transport().toc();
    DiscToc named = disc;
    named.title = shown.title;
    named.performer = shown.performer;
    named.releaseDate = shown.releaseDate;
    named.discNumber = shown.discNumber;
    named.discCount = shown.discCount;
    named.musicBrainzAlbumId = shown.musicBrainzAlbumId;
    for (TrackInfo& track : named.tracks) {
        for (const TrackInfo& known : shown.tracks) {
            if (known.number == track.number) {
                track.title = known.title;
                track.performer = known.performer;
            }
        }
    }
    QByteArray cover;
    QFile picture(QUrl(QString::fromStdString(shown.artUrl)).toLocalFile());
    if (!shown.artUrl.empty() && picture.size() <= qint64(CoverPicture::MostBytes) &&
        picture.open(QIODevice::ReadOnly))
        cover = picture.read(qint64(CoverPicture::MostBytes));
    m_saving.save(named, cover, QString::fromStdString(DiscIdentifier::of(disc).id), m_folder);
}

void DiscKeeper::verify()
{
    const QString image = m_panel.player().imagePath();
    if (m_panel.hasTask() || image.isEmpty())
        return;
    m_panel.showTask(tr("Check %1").arg(0));
    m_verifyingImage = image;
    m_verifying.start(image);
}

void DiscKeeper::stop()
{
    m_saving.cancel();
    m_verifying.cancel();
    m_repairing.cancel();
}

void DiscKeeper::repair()
{
    const QString image = m_panel.player().imagePath();
    if (m_panel.hasTask() || image.isEmpty())
        return;
    m_panel.showTask(tr("Fix %1").arg(0));
    m_repairing.start(image);
}

void DiscKeeper::saved(const DiscReport& report)
{
    if (report.status == DiscReport::Status::NothingDone)
        tell(tr("The disc was not saved"), SaidWords::said(report.why), report);
    else
        tell(tr("The disc was saved"),
             tr("In %1: %2")
                 .arg(QString::fromStdString(report.folder), ReportWords::summary(report)),
             report);
}

void DiscKeeper::verified(const DiscReport& report)
{
    m_panel.setRepairableImage(report.ctdb.repair == CtdbVerdict::Repair::Repairable
                                   ? m_verifyingImage
                                   : QString());
    // A database that was not asked, or did not answer, verified nothing.
    if (report.status == DiscReport::Status::NothingDone)
        tell(tr("The image was not verified"),
             report.why.empty() ? ReportWords::summary(report) : SaidWords::said(report.why),
             report);
    else
        tell(tr("The image was verified"), ReportWords::summary(report), report);
}

void DiscKeeper::repaired(const RepairReport& report)
{
    switch (report.outcome) {
    case RepairReport::Outcome::Repaired:
        m_panel.setRepairableImage({});
        tell(tr("The image was repaired"),
             tr("In %1: %2")
                 .arg(QString::fromStdString(report.repaired.folder),
                      ReportWords::summary(report.repaired)),
             report.repaired);
        return;
    case RepairReport::Outcome::AlreadyAccurate:
        m_panel.setRepairableImage({});
        tell(tr("The image was not repaired"), tr("it is accurate: nothing to repair"),
             report.found);
        return;
    case RepairReport::Outcome::NotRepaired:
    case RepairReport::Outcome::NothingDone:
        break;
    }
    tell(tr("The image was not repaired"), SaidWords::said(report.why), report.found);
}

void DiscKeeper::tell(const QString& headline, const QString& summary, const DiscReport& report)
{
    m_panel.showTask({});
    QStringList lines{headline + QStringLiteral(": ") + summary};
    QString body = summary;
    // What the second database says of the disc, once something was read to ask it about.
    if (!report.tracks.empty()) {
        lines << ReportWords::ctdbSummary(report);
        body += QLatin1Char('\n') + ReportWords::ctdbSummary(report);
    }
    m_panel.showTaskResult((lines + ReportWords::tracks(report)).join(QLatin1Char('\n')));
    if (m_notifier)
        m_notifier->notify(headline, body);
}
