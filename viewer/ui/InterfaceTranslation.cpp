#include "viewer/ui/InterfaceTranslation.h"

#include "translations/Translations.h"

using namespace Qt::StringLiterals;

namespace talpora {

bool installInterfaceLanguage(InterfaceLanguage language)
{
    return installTranslations(language, {u"talpora"_s, u"qtbase"_s});
}

} // namespace talpora
