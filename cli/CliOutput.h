#pragma once

#include "cli/platform/ConsoleStreams.h"
#include "xml/VisibleControls.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <string_view>

namespace talpora::cli {

// Everything talpora-cli prints is UTF-8, whatever the locale says.
inline void write(std::FILE* stream, std::string_view utf8)
{
    writeUtf8(stream, utf8);
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

// A wrong call: what is wrong in one line, then where the usage is. Returns
// the exit status of a wrong call, 2. Arguments quoted in `what` may hold
// anything; they reach the terminal escaped.
inline int wrongCall(std::FILE* err, const QString& what)
{
    write(err, QStringLiteral("talpora-cli: %1\nTry 'talpora-cli --help' for more information.\n")
                   .arg(escapedControls(what)));
    return 2;
}

// The operand that stands for standard input, and the name it gets in messages.
inline bool isStandardInput(const QString& operand)
{
    return operand == QLatin1StringView("-");
}
inline QString standardInputName()
{
    return QStringLiteral("<stdin>");
}

} // namespace talpora::cli
