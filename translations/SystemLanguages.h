#pragma once

#include <QStringList>

namespace talpora {

// The user-interface languages the system asks for, most wanted first, as
// QLocale::uiLanguages() lists them. Linux: LANGUAGE, else the first of
// LC_ALL, LC_MESSAGES and LANG. Windows: the user's display languages; under
// Wine the same variables as on Linux, so that the Windows build follows the
// Linux desktop's settings as the Linux build does (Wine itself reports
// English where they name no language).
QStringList systemUiLanguages();

} // namespace talpora
