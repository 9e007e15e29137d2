#include "translations/Translations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// What the last call installed, so that the next one can take it back.
QList<QTranslator*>& installedTranslators()
{
    static QList<QTranslator*> translators;
    return translators;
}

} // namespace

bool installTranslations(InterfaceLanguage language, const QStringList& catalogues)
{
    for (QTranslator* translator : std::exchange(installedTranslators(), {})) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    if (language == InterfaceLanguage::English)
        return true;
    bool complete = true;
    for (const QString& catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        const QString file =
            u":/translations/%1_%2.qm"_s.arg(catalogue, translationSuffix(language));
        if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
            complete = false;
            continue;
        }
        installedTranslators().append(translator.release());
    }
    return complete;
}

} // namespace talpora
