#pragma once

#include "cli/CliCommands.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <memory>

namespace talpora::test {

// One talpora-cli command run in this process, its output caught in files.
struct CliRun
{
    int status;
    QString out;
    QString err;
};

inline QString readBack(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, qsizetype(count));
    return QString::fromUtf8(bytes);
}

// `in` is what "-" reads.
inline CliRun runCli(const QStringList& arguments, std::FILE* in)
{
    using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    const File out(std::tmpfile(), &std::fclose);
    const File err(std::tmpfile(), &std::fclose);
    if (!out || !err || !in)
        return {-1, {}, QStringLiteral("no temporary file")};
    const int status = cli::runCommand(arguments, out.get(), err.get(), in);
    return {status, readBack(out.get()), readBack(err.get())};
}

// `input` is what "-" reads.
inline CliRun runCli(const QStringList& arguments, const QByteArray& input = {})
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::tmpfile(), &std::fclose);
    if (in) {
        std::fwrite(input.constData(), 1, std::size_t(input.size()), in.get());
        std::rewind(in.get());
    }
    return runCli(arguments, in.get());
}

} // namespace talpora::test
