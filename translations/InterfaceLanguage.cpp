#include "translations/InterfaceLanguage.h"

#include "translations/SystemLanguages.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// "ja" of "ja-JP", "ja_JP.UTF-8" or "JA"; "c" of "C.UTF-8".
QString languagePart(const QString& tag)
{
    static const QRegularExpression separators(u"[-_.@]"_s);
    return tag.section(separators, 0, 0).toLower();
}

bool namesNoLanguage(const QString& language)
{
    return language.isEmpty() || language == u"c"_s || language == u"posix"_s ||
           language == u"und"_s;
}

} // namespace

InterfaceLanguage chooseInterfaceLanguage(const QStringList& uiLanguages)
{
    bool anyLanguage = false;
    for (const QString& tag : uiLanguages) {
        const QString language = languagePart(tag);
        if (language == u"zh"_s)
            return InterfaceLanguage::Chinese;
        if (language == u"ja"_s)
            return InterfaceLanguage::Japanese;
        if (language == u"en"_s)
            return InterfaceLanguage::English;
        anyLanguage = anyLanguage || !namesNoLanguage(language);
    }
    return anyLanguage ? InterfaceLanguage::English : InterfaceLanguage::Chinese;
}

InterfaceLanguage systemInterfaceLanguage()
{
    return chooseInterfaceLanguage(systemUiLanguages());
}

QString translationSuffix(InterfaceLanguage language)
{
    switch (language) {
    case InterfaceLanguage::Chinese:
        return u"zh_CN"_s;
    case InterfaceLanguage::English:
        return u"en"_s;
    case InterfaceLanguage::Japanese:
        return u"ja"_s;
    }
    return u"en"_s;
}

} // namespace talpora
