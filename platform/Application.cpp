#include "platform/Application.h"

#include "VersionRecord.h"

#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {
void showError(const std::string& message)
{
    // As written: an error's text may hold anything, markup included.
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromStdString(message), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), m_fatal(showError, [](int status) { end(status); })
{
    setApplicationName(QString::fromUtf8(VersionRecord::InternalName));
    setApplicationVersion(QString::fromUtf8(VersionRecord::FileVersion));
    setOrganizationName(QString::fromUtf8(VersionRecord::CompanyName));
    // Wayland compositors find the entry and icon by this id.
    setDesktopFileName(QString::fromUtf8(VersionRecord::AppId));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        m_fatal.fail(FatalPath::describe(std::current_exception()));
    }
    return false;
}

void Application::endProgram()
{
    Q_EMIT ending();
    end(0);
}

void Application::end(int status)
{
    // Skips every destructor and handler on purpose: nothing is saved and nothing may run.
    std::fflush(stdout); // stderr is unbuffered
    std::_Exit(status);
}
