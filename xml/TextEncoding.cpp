#include "xml/TextEncoding.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace talpora {

namespace {

bool startsWith(const char* data, std::size_t size, std::string_view prefix)
{
    return size >= prefix.size() && std::memcmp(data, prefix.data(), prefix.size()) == 0;
}

// The value of encoding="..." in an ASCII-compatible XML declaration, or empty.
QByteArray declaredEncoding(const char* data, std::size_t size)
{
    const std::string_view head(data, std::min<std::size_t>(size, 1024));
    if (!head.starts_with("<?xml"))
        return {};
    const std::string_view declaration = head.substr(0, head.find("?>"));
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return {};
    std::size_t pos = key + std::string_view("encoding").size();
    auto skipBlanks = [&] {
        while (pos < declaration.size() && std::strchr(" \t\r\n", declaration[pos]))
            ++pos;
    };
    skipBlanks();
    if (pos >= declaration.size() || declaration[pos] != '=')
        return {};
    ++pos;
    skipBlanks();
    if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\''))
        return {};
    const char quote = declaration[pos++];
    const std::size_t end = declaration.find(quote, pos);
    if (end == std::string_view::npos)
        return {};
    return QByteArray(declaration.data() + pos, static_cast<qsizetype>(end - pos)).trimmed();
}

} // namespace

bool DetectedEncoding::isUtf8() const
{
    return name.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
           name.compare("UTF8", Qt::CaseInsensitive) == 0;
}

DetectedEncoding detectXmlEncoding(const char* data, std::size_t size)
{
    // Byte-order marks; the four-byte ones first, since FF FE also starts UTF-32LE.
    if (startsWith(data, size, "\xEF\xBB\xBF"))
        return {"UTF-8", 3};
    if (startsWith(data, size, std::string_view("\xFF\xFE\0\0", 4)))
        return {"UTF-32LE", 4};
    if (startsWith(data, size, std::string_view("\0\0\xFE\xFF", 4)))
        return {"UTF-32BE", 4};
    if (startsWith(data, size, "\xFF\xFE"))
        return {"UTF-16LE", 2};
    if (startsWith(data, size, "\xFE\xFF"))
        return {"UTF-16BE", 2};

    // Without a mark, the first "<" tells the width and byte order.
    if (startsWith(data, size, std::string_view("<\0\0\0", 4)))
        return {"UTF-32LE", 0};
    if (startsWith(data, size, std::string_view("\0\0\0<", 4)))
        return {"UTF-32BE", 0};
    if (startsWith(data, size, std::string_view("<\0", 2)))
        return {"UTF-16LE", 0};
    if (startsWith(data, size, std::string_view("\0<", 2)))
        return {"UTF-16BE", 0};

    // Bytes that read as ASCII cannot be UTF-16 or UTF-32 whatever the declaration
    // claims; they are read as UTF-8, as XML parsers commonly do.
    const QByteArray declared = declaredEncoding(data, size);
    const QByteArray upper = declared.toUpper();
    if (declared.isEmpty())
        return {"UTF-8", 0};
    if (upper.startsWith("UTF-16") || upper.startsWith("UTF-32") || upper.startsWith("UCS-"))
        return {"UTF-8", 0, true};
    return {declared, 0, true};
}

} // namespace talpora
