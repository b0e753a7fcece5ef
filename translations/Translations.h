#pragma once

class QCoreApplication;

/// The program in the desktop's language (LANGUAGE, LC_MESSAGES, LANG): its own texts and Qt's
/// (the buttons of its boxes, the folder chooser). An English or unknown language changes
/// nothing.
namespace Translations {

void install(QCoreApplication& application);

} // namespace Translations
