#pragma once

#include <QString>
#include <QStringList>

namespace kotebu {

// The game speaks its source language, Japanese, unless the desktop asks for
// a language it has a translation in. `desktopLanguages` is the desktop's
// list as Qt reads it (QLocale::uiLanguages(): LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), `translations` the languages translated (as "en",
// "de_AT"). Returns the translation to use, or an empty text for Japanese:
// Japanese when the desktop asks for it, or for no language at all (the C or
// POSIX locale); else the first it asks for that has a translation, by its
// name ("zh_TW") or by its language in the same script ("zh-HK" reads
// Traditional Chinese, "zh-SG" Simplified); English when it asks only for
// languages with none.
QString chooseTranslation(const QStringList &desktopLanguages, const QStringList &translations);

// The languages the program holds a translation of.
QStringList availableTranslations();

// Chooses as above and installs the game's translation and Qt's own (the
// message boxes' buttons, a text box's menu) in the same language. Call once,
// in main(), before any window is made; a second call replaces the first's
// translations. Returns the language chosen ("ja" for the source texts).
QString installTranslations(const QStringList &desktopLanguages);

} // namespace kotebu
