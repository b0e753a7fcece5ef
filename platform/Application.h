#pragma once

#include "platform/FatalPath.h"

#include <QApplication>

/// The runtime: the event loop, the program's identity and the fatal path for any failure that
/// escapes an event handler.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    /// Ends the program at once: no further event reaches it.
    [[noreturn]] static void end(int status);

private:
    FatalPath m_fatal;
};
