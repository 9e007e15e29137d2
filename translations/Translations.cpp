#include "translations/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

QLocale localeOf(InterfaceLanguage language)
{
    switch (language) {
    case InterfaceLanguage::Chinese:
        return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    case InterfaceLanguage::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case InterfaceLanguage::Japanese:
        return QLocale(QLocale::Japanese, QLocale::Japan);
    }
    return QLocale::c();
}

// What the last call installed, so that the next one can take it back. The
// application object owns them and deletes them with itself.
QList<QPointer<QTranslator>>& installedTranslators()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

} // namespace

bool installTranslations(InterfaceLanguage language, const QStringList& catalogues)
{
    for (const QPointer<QTranslator>& translator : std::exchange(installedTranslators(), {})) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(localeOf(language));
    const bool english = language == InterfaceLanguage::English;
    bool complete = true;
    for (const QString& catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        // English needs only the plural forms of texts that count, which a
        // program carries as "<catalogue>_en.qm" when it has such texts.
        const QString file =
            english ? u":/translations/%1_en.qm"_s.arg(catalogue)
                    : u":/translations/%1_%2.qm"_s.arg(catalogue, translationSuffix(language));
        if (english && !QFile::exists(file))
            continue;
        if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
            complete = false;
            continue;
        }
        installedTranslators().append(translator.release());
    }
    return complete;
}

} // namespace talpora
