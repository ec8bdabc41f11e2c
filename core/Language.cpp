#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace kotebu {

namespace {

const QString Japanese = QStringLiteral("ja");
const QString English = QStringLiteral("en");
// Where the build puts each language's messages (translations/CMakeLists.txt).
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("kotebu_");

QList<QTranslator *> installed;

} // namespace

QString chooseTranslation(const QStringList &desktopLanguages, const QStringList &translations)
{
    for (const QString &asked : desktopLanguages) {
        // "en-US", "en-Latn-US", "en": Qt lists each language and its forms.
        const QString name = QString(asked).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QLocale wanted(name);
        if (name == QLatin1String("C") || name == QLatin1String("POSIX") || wanted.language() == QLocale::Japanese)
            return QString();
        if (translations.contains(name))
            return name;
        // Otherwise a translation of the language in the script the desktop
        // writes it in: Chinese of Hong Kong, Macao or Taiwan reads the
        // Traditional translation, of Singapore or the mainland the
        // Simplified one. QLocale fills in the script a name leaves out.
        for (const QString &translation : translations) {
            const QLocale offered(translation);
            if (offered.language() == wanted.language() && offered.script() == wanted.script())
                return translation;
        }
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

    // Installed again, the language before goes (the translation tests walk
    // every language in one run).
    for (QTranslator *old : std::exchange(installed, {})) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto install = [](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            installed.append(translator);
        } else {
            delete translator;
        }
    };
    install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!translation.isEmpty())
        install(TranslationPrefix + translation, TranslationFolder);
    return language;
}

} // namespace kotebu
