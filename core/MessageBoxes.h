#pragma once

#include <optional>
#include <string>

/// Modal message boxes with a single OK button; showMessage returns when the user dismisses the
/// box. Without a title the box shows the application title.
class MessageBoxes {
public:
    enum Style { NoIcon = 0, Information = 64 };

    virtual ~MessageBoxes() = default;
    virtual void showMessage(const std::string& prompt, Style style,
                             const std::optional<std::string>& title) = 0;
};
