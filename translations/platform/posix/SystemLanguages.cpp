#include "translations/SystemLanguages.h"

#include <QLocale>

namespace talpora {

QStringList systemUiLanguages()
{
    return QLocale::system().uiLanguages();
}

} // namespace talpora
