#pragma once

#include "core/EnglishPlural.h"
#include "core/Reason.h"

#include <QCoreApplication>
#include <QString>

/// Words in the listener's language, however the plain rooms keep them.
namespace SaidWords {

/// A reason, its texts found under the translators' "Reason".
inline QString said(const Reason& reason)
{
    return QString::fromStdString(reason.said([](const char* english) {
        return QCoreApplication::translate("Reason", english).toStdString();
    }));
}

/// A text translated with `count` for its %n: its "(s)" settled, should it be the English.
inline QString counted(const QString& translated, long long count)
{
    return QString::fromStdString(EnglishPlural::settled(translated.toStdString(), count));
}

} // namespace SaidWords
