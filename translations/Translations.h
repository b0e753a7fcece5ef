#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

/// The program in the desktop's language (LANGUAGE, LC_MESSAGES, LANG): its own texts and Qt's
/// (the buttons of its boxes, the folder chooser). English, or no language it speaks, changes
/// nothing.
namespace Translations {

/// The first of `wanted` (the desktop's languages, most wanted first, as QLocale lists them) the
/// program speaks: one of `spoken`, or empty for English, the language it is written in. A
/// regional variant it lacks takes another of the same language (fr_CA takes fr, pt_PT pt_BR).
QString chosen(const QStringList& wanted, const QStringList& spoken);

void install(QCoreApplication& application);

} // namespace Translations
