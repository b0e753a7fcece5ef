#pragma once

#include <QString>
#include <QStringList>

/// What the program was asked to open when it started: a disc image (a path or a file: URL,
/// as file managers pass them), the drive (a cdda: URL) or nothing.
struct CommandLine {
    enum class Open { Nothing, Drive, Image };

    Open open = Open::Nothing;
    /// The image's absolute path.
    QString path;
    /// Why an argument is not followed, for standard error; empty when all is well.
    QString complaint;

    /// The program's arguments as Qt left them, the program's name first.
    static CommandLine parse(const QStringList& arguments, const QString& workingFolder);
};
