#include "desktop/MprisRoot.h"

#include "app/MainWindow.h"

#include <QGuiApplication>

MprisRoot::MprisRoot(QObject* service, MainWindow& window)
    : QDBusAbstractAdaptor(service), m_window(window)
{
}

QString MprisRoot::identity() const
{
    return QCoreApplication::applicationName();
}

QString MprisRoot::desktopEntry() const
{
    return QGuiApplication::desktopFileName();
}

bool MprisRoot::fullscreen() const
{
    return m_window.isFullScreenMode();
}

void MprisRoot::setFullscreen(bool fullscreen)
{
    m_window.setFullScreenMode(fullscreen);
}

void MprisRoot::Raise()
{
    m_window.bringToFront();
}

void MprisRoot::Quit()
{
    // After the reply has gone out.
    QMetaObject::invokeMethod(&m_window, &QWidget::close, Qt::QueuedConnection);
}
