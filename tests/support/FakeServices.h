#pragma once

#include "core/MessageBoxes.h"
#include "core/ProgramEnd.h"

#include <QStringList>

/// Message boxes and program end that only record what happened, in one shared log.
class FakeServices final : public MessageBoxes, public ProgramEnd {
public:
    QStringList log;

    void showMessage(const std::string&, Style style,
                     const std::optional<std::string>& title) override
    {
        log << QStringLiteral("box style %1 title %2")
                   .arg(int(style))
                   .arg(title ? QString::fromStdString(*title) : QStringLiteral("(none)"));
    }

    void endProgram() override { log << QStringLiteral("end"); }
};
