#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/// What the program was asked to do when it started, read as Qt reads options (one dash or two)
/// before any application object exists, so that help, version and usage errors need no display.
/// XScreenSaver's -root and -window-id are taken before this, by ScreenSaverHack.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode { Player, SaveImage, VerifyImage, RepairImage, Help, Version, UsageError };
    /// What the player opens at start.
    enum class Open { Nothing, Drive, Image };
    /// The program's exit statuses; a usage error and a track that differs share 2.
    enum Status { Success = 0, NothingDone = 1, BadUsage = 2, TrackDiffers = 2 };

    /// The program's arguments as given, the program's name first; relative paths are taken
    /// from `workingFolder`.
    static CommandLine parse(const QStringList& arguments, const QString& workingFolder);

    Mode mode() const { return m_mode; }
    /// Player: the image (a path or a file: URL), the drive (a cdda: URL) or nothing.
    Open open() const { return m_open; }
    /// Player, an image to open; VerifyImage and RepairImage, the image: an absolute path.
    QString imagePath() const { return m_imagePath; }
    /// SaveImage: the absolute path of the folder the image goes into; RepairImage: the one the
    /// repaired image goes into, empty for the one holding the image's folder.
    QString folder() const { return m_folder; }
    /// SaveImage: the drive's device as named; empty for the drive the player's Load picks.
    QString drive() const { return m_drive; }
    /// Help and Version: the text for standard output.
    QString output() const { return m_output; }
    /// UsageError: what is wrong and the usage; Player: an argument it does not follow. For
    /// standard error, empty when all is well.
    QString complaint() const { return m_complaint; }
    /// The status to end with where the command line alone ends the program.
    Status status() const { return m_mode == Mode::UsageError ? BadUsage : Success; }

private:
    static CommandLine misuse(const QString& why);
    void openInPlayer(const QStringList& positional, const QString& workingFolder);

    Mode m_mode = Mode::Player;
    Open m_open = Open::Nothing;
    QString m_imagePath;
    QString m_folder;
    QString m_drive;
    QString m_output;
    QString m_complaint;
};
