#include "translations/SystemLanguages.h"

#include <QLocale>
#include <windows.h>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

bool runsUnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Wine passes the Linux environment on; Qt on Linux reads it this way.
QStringList linuxLanguageSettings()
{
    const QString languages = qEnvironmentVariable("LANGUAGE");
    if (!languages.isEmpty())
        return languages.split(u':', Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return {value};
    }
    return {};
}

} // namespace

QStringList systemUiLanguages()
{
    if (runsUnderWine())
        return linuxLanguageSettings();
    return QLocale::system().uiLanguages();
}

} // namespace talpora
