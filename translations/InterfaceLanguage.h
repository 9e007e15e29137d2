#pragma once

#include <QString>
#include <QStringList>

namespace talpora {

// The languages the windows speak. Chinese is the one they have always spoken.
enum class InterfaceLanguage
{
    Chinese,
    English,
    Japanese
};

// The first of the system's user-interface languages that the windows speak,
// given as QLocale::uiLanguages() lists them ("ja-JP", "en", "zh-Hant-TW";
// "ja_JP.UTF-8" is taken too). "zh…" is Chinese, "ja…" Japanese, "en…"
// English, compared by the language part alone, in any letter case. A list that
// names no language at all (empty, or "C" and "POSIX", which is what a system
// without a language setting reports) gives Chinese; a list of languages the
// windows do not speak gives English.
InterfaceLanguage chooseInterfaceLanguage(const QStringList& uiLanguages);

// The language the system's settings ask for (systemUiLanguages()).
InterfaceLanguage systemInterfaceLanguage();

// "zh_CN", "en", "ja": how the language's translation files are named.
QString translationSuffix(InterfaceLanguage language);

} // namespace talpora
