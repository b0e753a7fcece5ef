#pragma once

#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"

#include <QStringList>

#include <functional>

/// Message boxes and program end that only record what happened, in one shared log.
class FakeServices final : public MessageBoxes, public ProgramEnd {
public:
    QStringList log;
    std::string lastPrompt;
    /// Runs while a box is "open", as a user's actions during a modal box would.
    std::function<void()> whileOpen;

    void showMessage(const std::string& prompt, Style style,
                     const std::optional<std::string>& title) override
    {
        lastPrompt = prompt;
        log << QStringLiteral("box style %1 title %2")
                   .arg(int(style))
                   .arg(title ? QString::fromStdString(*title) : QStringLiteral("(none)"));
        if (whileOpen)
            whileOpen();
        log << QStringLiteral("box dismissed");
    }

    void endProgram() override { log << QStringLiteral("end"); }
};
