#pragma once

#include "core/MessageBoxes.h"

/// Message boxes as QMessageBox dialogs, modal to the whole application.
class QtMessageBoxes final : public MessageBoxes {
public:
    void showMessage(const std::string& prompt, Style style,
                     const std::optional<std::string>& title) override;
};
