#include "xml/NativeFileNames.h"

namespace talpora {

namespace {

constexpr char16_t escapeBase = 0xDC00;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0.
qsizetype validSequenceLength(QByteArrayView bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(byte))
            return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || surrogate || codePoint > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString fileNameFromNative(const QByteArray& name)
{
    QString decoded;
    decoded.reserve(name.size());
    for (qsizetype at = 0; at < name.size();) {
        const qsizetype length = validSequenceLength(QByteArrayView(name).sliced(at));
        if (length == 0) {
            decoded.append(QChar(char16_t(escapeBase + static_cast<unsigned char>(name[at]))));
            ++at;
            continue;
        }
        decoded.append(QString::fromUtf8(name.constData() + at, length));
        at += length;
    }
    return decoded;
}

QByteArray nativeFileName(const QString& name)
{
    QByteArray encoded;
    encoded.reserve(name.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        encoded.append(QStringView(name).sliced(runStart, end - runStart).toUtf8());
    };
    for (qsizetype at = 0; at < name.size(); ++at) {
        const QChar unit = name[at];
        if (unit.isHighSurrogate() && at + 1 < name.size() && name[at + 1].isLowSurrogate()) {
            ++at;
            continue;
        }
        if (unit.unicode() >= escapeBase + 0x80 && unit.unicode() <= escapeBase + 0xFF) {
            flushRun(at);
            encoded.append(char(unit.unicode() - escapeBase));
            runStart = at + 1;
        }
    }
    flushRun(name.size());
    return encoded;
}

QStringList commandLineArguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(fileNameFromNative(QByteArray(argv[i])));
    return arguments;
}

} // namespace talpora
