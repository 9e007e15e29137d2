#include "viewer/ui/Fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace talpora {

QFont simSunFont(int pointSize)
{
    QFont font;
    font.setFamilies({u"SimSun"_s, u"宋体"_s, u"NSimSun"_s, u"Noto Serif CJK SC"_s,
                      u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"AR PL UMing CN"_s});
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace talpora
