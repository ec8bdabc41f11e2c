#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kotebu {

namespace {

const QString Japanese = QStringLiteral("ja");
const QString English = QStringLiteral("en");
// Where the build puts each language's messages (translations/CMakeLists.txt).
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("kotebu_");

} // namespace

QString chooseTranslation(const QStringList &desktopLanguages, const QStringList &translations)
{
    for (const QString &asked : desktopLanguages) {
        // "en-US", "en-Latn-US", "en": Qt lists each language and its forms.
        const QString name = QString(asked).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (name == QLatin1String("C") || name == QLatin1String("POSIX") || language == Japanese)
            return QString();
        if (translations.contains(name))
            return name;
        if (translations.contains(language))
            return language;
    }
    return desktopLanguages.isEmpty() ? QString() : English;
}

QStringList availableTranslations()
{
    QStringList languages;
    const QStringList files = QDir(TranslationFolder).entryList({TranslationPrefix + QStringLiteral("*.qm")});
    for (const QString &file : files)
        languages.append(file.mid(TranslationPrefix.size()).chopped(3));
    return languages;
}

QString installTranslations(const QStringList &desktopLanguages)
{
    const QString translation = chooseTranslation(desktopLanguages, availableTranslations());
    const QString language = translation.isEmpty() ? Japanese : translation;
    // Window pictures with words in them come in the language's own version
    // where there is one (pictures::, by the default locale).
    QLocale::setDefault(QLocale(language));

    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    if (!translation.isEmpty()) {
        auto *game = new QTranslator(QCoreApplication::instance());
        if (game->load(TranslationPrefix + translation, TranslationFolder))
            QCoreApplication::installTranslator(game);
    }
    return language;
}

} // namespace kotebu
