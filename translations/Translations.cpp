#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString languageOf(const QString& name)
{
    return name.section(u'_', 0, 0);
}

} // namespace

QString Translations::chosen(const QStringList& wanted, const QStringList& spoken)
{
    for (QString language : wanted) {
        language.replace(u'-', u'_');
        // English comes before any later language: a translation loaded for it would win.
        if (languageOf(language) == QLatin1String("en") || language == QLatin1String("C"))
            return {};
        if (spoken.contains(language))
            return language;
        for (const QString& own : spoken)
            if (languageOf(own) == languageOf(language))
                return own;
    }
    return {};
}

void Translations::install(QCoreApplication& application)
{
    QStringList spoken;
    for (const QString& file :
         QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("spindella_*.qm")}))
        spoken << file.mid(10, file.size() - 13);
    const QString language = chosen(QLocale().uiLanguages(), spoken);
    if (language.isEmpty())
        return;
    // Children of the application, so they last as long as it does.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral("spindella_") + language, QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
}
