#include "viewer/ui/Fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora {

namespace {

QFont fontOf(const QStringList& families, int pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont simSunFont(int pointSize)
{
    return fontOf({u"SimSun"_s, u"宋体"_s, u"NSimSun"_s, u"Noto Serif CJK SC"_s,
                   u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"AR PL UMing CN"_s},
                  pointSize);
}

QFont smallTextFont(int pointSize)
{
    return fontOf({u"SimSun"_s, u"宋体"_s, u"NSimSun"_s, u"Microsoft YaHei"_s,
                   u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"Noto Serif CJK SC"_s,
                   u"AR PL UMing CN"_s},
                  pointSize);
}

} // namespace talpora
