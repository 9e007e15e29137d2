#include "viewer/ui/Fonts.h"

#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

// A Japanese interface draws kanji in a Japanese face where there is one:
// the same characters look foreign in a Chinese one.
QFont fontOf(const QStringList& chinese, const QStringList& japanese, int pointSize)
{
    QFont font;
    font.setFamilies(QLocale().language() == QLocale::Japanese ? japanese + chinese : chinese);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont simSunFont(int pointSize)
{
    return fontOf({u"SimSun"_s, u"宋体"_s, u"NSimSun"_s, u"Noto Serif CJK SC"_s,
                   u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"AR PL UMing CN"_s},
                  {u"MS Mincho"_s, u"ＭＳ 明朝"_s, u"Noto Serif CJK JP"_s}, pointSize);
}

QFont smallTextFont(int pointSize)
{
    return fontOf({u"SimSun"_s, u"宋体"_s, u"NSimSun"_s, u"Microsoft YaHei"_s,
                   u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"Noto Serif CJK SC"_s,
                   u"AR PL UMing CN"_s},
                  {u"Meiryo"_s, u"MS UI Gothic"_s, u"Noto Sans CJK JP"_s}, pointSize);
}

} // namespace talpora
