#include "registrar/core/Command.h"

namespace quillet {

namespace {

bool needsQuotes(const std::string& argument)
{
    return argument.empty() || argument.find_first_of(" \t\n\v\"") != std::string::npos;
}

} // namespace

std::string quoteArgument(const std::string& argument)
{
    if (!needsQuotes(argument))
        return argument;

    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only in front of a quote: there they are doubled, and the quote
        // itself is escaped.
        if (c == '"')
            quoted.append(backslashes * 2 + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Trailing backslashes stand in front of the closing quote.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string Command::text() const
{
    std::string line = quoteArgument(program);
    for (const std::string& argument : arguments) {
        line += ' ';
        line += quoteArgument(argument);
    }
    return line;
}

} // namespace quillet
