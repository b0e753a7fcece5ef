#pragma once

#include "core/Reason.h"

#include <QCoreApplication>
#include <QString>

/// A reason in the listener's language, its texts found under the translators' "Reason".
namespace ReasonText {

inline QString said(const Reason& reason)
{
    return QString::fromStdString(reason.said([](const char* english) {
        return QCoreApplication::translate("Reason", english).toStdString();
    }));
}

} // namespace ReasonText
