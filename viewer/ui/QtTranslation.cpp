#include "viewer/ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace talpora {

bool installQtTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // The interface is Chinese whatever the system's language is. Builds for
    // systems without a shared Qt (Windows) carry the file as a resource.
    if (!translator->load(u"qtbase_zh_CN"_s, u":/translations"_s) &&
        !translator->load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace talpora
