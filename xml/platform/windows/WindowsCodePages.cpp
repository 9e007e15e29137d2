#include "xml/platform/windows/WindowsCodePages.h"

#include <QByteArray>
#include <array>
#include <utility>

namespace talpora {

namespace {

// Names as documents declare them, with the common aliases.
constexpr std::array<std::pair<const char*, unsigned>, 52> codePages{{
    {"GBK", 936},           {"GB2312", 936},         {"CP936", 936},
    {"windows-936", 936},   {"GB18030", 54936},      {"Shift_JIS", 932},
    {"Shift-JIS", 932},     {"SJIS", 932},           {"MS_Kanji", 932},
    {"windows-31J", 932},   {"CP932", 932},          {"Big5", 950},
    {"Big5-HKSCS", 950},    {"CP950", 950},          {"EUC-KR", 949},
    {"CP949", 949},         {"KS_C_5601-1987", 949}, {"ISO-8859-1", 28591},
    {"ISO-8859-2", 28592},  {"ISO-8859-3", 28593},   {"ISO-8859-4", 28594},
    {"ISO-8859-5", 28595},  {"ISO-8859-6", 28596},   {"ISO-8859-7", 28597},
    {"ISO-8859-8", 28598},  {"ISO-8859-9", 28599},   {"ISO-8859-13", 28603},
    {"ISO-8859-15", 28605}, {"Latin1", 28591},       {"Latin-1", 28591},
    {"Latin2", 28592},      {"Latin-2", 28592},      {"Latin-9", 28605},
    {"windows-874", 874},   {"windows-1250", 1250},  {"windows-1251", 1251},
    {"windows-1252", 1252}, {"windows-1253", 1253},  {"windows-1254", 1254},
    {"windows-1255", 1255}, {"windows-1256", 1256},  {"windows-1257", 1257},
    {"windows-1258", 1258}, {"CP1250", 1250},        {"CP1251", 1251},
    {"CP1252", 1252},       {"KOI8-R", 20866},       {"KOI8-U", 21866},
    {"US-ASCII", 20127},    {"ASCII", 20127},        {"IBM866", 866},
    {"CP866", 866},
}};

} // namespace

unsigned windowsCodePage(QByteArrayView name)
{
    for (const auto& [known, codePage] : codePages) {
        if (name.compare(QByteArrayView(known), Qt::CaseInsensitive) == 0)
            return codePage;
    }
    return 0;
}

} // namespace talpora
