#pragma once

#include "core/ProgramEnd.h"
#include "platform/FatalPath.h"

#include <QApplication>

/// The runtime: the event loop, the program's identity, its end, and the fatal path for any
/// failure that escapes an event handler.
class Application : public QApplication, public ProgramEnd {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    /// Ends with status 0 at once.
    void endProgram() override;

    /// Ends the program at once: no further event reaches it.
    [[noreturn]] static void end(int status);

Q_SIGNALS:
    /// The program ends at once: the last chance to tell the desktop.
    void ending();

private:
    FatalPath m_fatal;
};
