#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include <stdexcept>

void QtMessageBoxes::showMessage(const std::string& prompt, Style style,
                                 const std::optional<std::string>& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case NoIcon:
        break;
    case Information:
        icon = QMessageBox::Information;
        break;
    default:
        throw std::invalid_argument("Invalid message box style " + std::to_string(style));
    }
    // Line breaks arrive as carriage return and line feed; a label shows the carriage return
    // as a character of its own.
    QString text = QString::fromStdString(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QString caption =
        title ? QString::fromStdString(*title) : QCoreApplication::applicationName();

    // Over the window the user is looking at.
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
