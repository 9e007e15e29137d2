#include "xml/QtLegacyDecoder.h"

#include <algorithm>

namespace talpora {

QtLegacyDecoder::QtLegacyDecoder(QByteArrayView name)
    : m_decoder(QByteArray(name.data(), name.size()).constData())
{}

bool QtLegacyDecoder::decode(std::string_view bytes, std::string& utf8)
{
    const QByteArray decoded =
        QString(m_decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())))).toUtf8();
    utf8.assign(decoded.constData(), std::size_t(decoded.size()));
    if (!m_decoder.hasError())
        return true;
    // The decoder put U+FFFD, or for some encodings U+001A, where the bad
    // bytes were.
    utf8.resize(std::min({utf8.find("\xEF\xBF\xBD"), utf8.find('\x1A'), utf8.size()}));
    return false;
}

bool QtLegacyDecoder::finish()
{
    // Qt's decoder cannot be asked whether it holds part of a character; a
    // line end after such a part makes it report the fault.
    const QString afterEnd = m_decoder.decode(QByteArrayView("\n"));
    return !m_decoder.hasError();
}

} // namespace talpora
