#pragma once

#include <QString>
#include <cstdio>
#include <string_view>

namespace talpora::cli {

// Everything talpora-cli prints is UTF-8, whatever the locale says.
inline void write(std::FILE* stream, std::string_view utf8)
{
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
}

inline void write(std::FILE* stream, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    write(stream, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

template <typename Text> void writeLine(std::FILE* stream, const Text& text)
{
    write(stream, text);
    std::fputc('\n', stream);
}

} // namespace talpora::cli
