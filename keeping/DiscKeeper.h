#pragma once

#include "discjobs/SaveDiscJob.h"
#include "discjobs/RepairImageJob.h"
#include "discjobs/VerifyImageJob.h"

#include <QObject>

#include <functional>
#include <memory>

class CdPlayerPanel;
class DesktopNotifier;
class DiscSource;

/// Keeping a disc from the panel's menu: saving the disc in the drive as a verified image in a
/// folder the listener chooses, verifying the image that plays against AccurateRip and the
/// CUETools database, and repairing it from the database's parity where it can. Playing
/// stops while the drive is read (the animation goes on); the panel shows the progress, its
/// Stop and Eject cancel; the end is told on the display's tooltip and by the desktop.
class DiscKeeper : public QObject {
    Q_OBJECT

public:
    /// The folder to save in, asked from `start`; empty when the listener would rather not.
    using FolderChooser = std::function<QString(const QString& start)>;
    /// Where the drive the player plays from can be opened again for saving.
    using Drives = std::function<std::shared_ptr<DiscSource>()>;

    DiscKeeper(CdPlayerPanel& panel, Drives drives, FolderChooser chooseFolder,
               DesktopNotifier* notifier, QObject* parent = nullptr);

    /// Where saving starts looking: the desktop's music folder, else ~/Music.
    static QString musicFolder();

private:
    void save();
    void verify();
    void repair();
    void stop();
    /// The disc as the saving opened it, with the names and cover the player shows for it.
    void name(const DiscToc& disc);
    void saved(const DiscReport& report);
    void verified(const DiscReport& report);
    void repaired(const RepairReport& report);
    void tell(const QString& headline, const QString& summary, const DiscReport& report);

    CdPlayerPanel& m_panel;
    Drives m_drives;
    FolderChooser m_chooseFolder;
    DesktopNotifier* m_notifier;
    QString m_folder;
    SaveDiscJob m_saving;
    VerifyImageJob m_verifying;
    /// The image being verified, which a repairable verdict is about.
    QString m_verifyingImage;
    RepairImageJob m_repairing;
};
