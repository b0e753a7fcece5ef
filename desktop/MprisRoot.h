#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

class MainWindow;

/// The media player's own interface on the session bus: who it is, its window and its end.
class MprisRoot : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ identity CONSTANT)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry CONSTANT)
    Q_PROPERTY(bool CanRaise READ always CONSTANT)
    Q_PROPERTY(bool CanQuit READ always CONSTANT)
    Q_PROPERTY(bool CanSetFullscreen READ always CONSTANT)
    Q_PROPERTY(bool Fullscreen READ fullscreen WRITE setFullscreen)
    Q_PROPERTY(bool HasTrackList READ never CONSTANT)
    Q_PROPERTY(QStringList SupportedUriSchemes READ uriSchemes CONSTANT)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mimeTypes CONSTANT)

public:
    MprisRoot(QObject* service, MainWindow& window);

    QString identity() const;
    QString desktopEntry() const;
    bool always() const { return true; }
    bool never() const { return false; }
    /// Disc images, opened through OpenUri.
    QStringList uriSchemes() const { return {QStringLiteral("file")}; }
    QStringList mimeTypes() const { return {QStringLiteral("application/x-cue")}; }
    bool fullscreen() const;
    void setFullscreen(bool fullscreen);

public Q_SLOTS:
    void Raise();
    /// Ends the program as closing its window does.
    void Quit();

private:
    MainWindow& m_window;
};
