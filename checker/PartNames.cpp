#include "checker/PartNames.h"

#include <QByteArray>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

// The length of the UTF-8 character that starts at `at`; 0 when none does
// (a stray continuation byte, an overlong form, a surrogate, a truncated
// sequence, beyond U+10FFFF).
qsizetype utf8Length(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80; // the range of the byte after the lead
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0)
            low = 0xa0;
        else if (lead == 0xed)
            high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0)
            low = 0x90;
        else if (lead == 0xf4)
            high = 0x8f;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = at + 2; i < at + length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    }
    return length;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString partNameKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return key;
}

std::optional<QString> utf8Name(QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8Length(bytes, at);
        if (length == 0)
            return std::nullopt;
        at += length;
    }
    return QString::fromUtf8(bytes);
}

QString withInvalidBytesEscaped(QByteArrayView bytes)
{
    QString text;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        if (const qsizetype length = utf8Length(bytes, at)) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(runStart, at - runStart));
        text += u"\\x%1"_s.arg(static_cast<unsigned char>(bytes[at]), 2, 16, QChar(u'0'));
        runStart = ++at;
    }
    return text + QString::fromUtf8(bytes.sliced(runStart));
}

std::optional<QString> percentDecoded(const QString& target)
{
    const QByteArray encoded = target.toUtf8();
    QByteArray decoded;
    decoded.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            decoded += encoded[i];
            continue;
        }
        const int high = i + 2 < encoded.size() ? hexValue(encoded[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(encoded[i + 2]) : -1;
        if (low < 0)
            return std::nullopt;
        const char c = static_cast<char>(high * 16 + low);
        if (c == '\0' || c == '/' || c == '\\')
            return std::nullopt;
        decoded += c;
        i += 2;
    }
    return utf8Name(decoded);
}

} // namespace talpora::checker
