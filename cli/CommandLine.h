#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <utility>
#include <vector>

namespace talpora::cli {

// One option of a command: "--app" with a value, or "--all" alone.
struct OptionSyntax
{
    const char* name;      // "--app"
    const char* valueNeed; // what a missing value is called ("a value"); null for a flag
};

// The options a command takes, and whether an empty argument is a wrong call.
struct CommandSyntax
{
    std::span<const OptionSyntax> options;
    bool refusesEmptyArguments = false;
};

// A command's arguments after the one convention every command follows:
// options anywhere, as "--opt value" or "--opt=value"; "--" ends the options;
// "-h" or "--help" before it asks for the command's usage; "-" alone is an
// operand (standard input).
struct CommandLine
{
    bool help = false;
    QStringList operands;
    QString error; // empty, or what is wrong with the call in one line

    bool has(const char* option) const;
    // The value of `option`; empty for a flag or an option not given.
    QString value(const char* option) const;

    std::vector<std::pair<QString, QString>> given; // option, value, in order
};

CommandLine parseCommandLine(const QStringList& arguments, const CommandSyntax& syntax);

} // namespace talpora::cli
