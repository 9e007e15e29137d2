#include "viewer/ui/Fonts.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora {

QFont simSunFont(int pointSize)
{
    const QStringList chinese{u"SimSun"_s,           u"宋体"_s,
                              u"NSimSun"_s,          u"Noto Serif CJK SC"_s,
                              u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s,
                              u"AR PL UMing CN"_s};
    const QStringList japanese{u"MS Mincho"_s, u"ＭＳ 明朝"_s, u"Noto Serif CJK JP"_s};
    QFont font;
    font.setFamilies(QLocale().language() == QLocale::Japanese ? japanese + chinese : chinese);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace talpora
