#include "cli/CommandLine.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

bool isOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

bool asksForHelp(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == u"--"_s)
            return false;
        if (argument == u"-h"_s || argument == u"--help"_s)
            return true;
    }
    return false;
}

const OptionSyntax* findOption(const CommandSyntax& syntax, const QString& name)
{
    const auto found = std::find_if(
        syntax.options.begin(), syntax.options.end(),
        [&name](const OptionSyntax& option) { return name == QLatin1StringView(option.name); });
    return found == syntax.options.end() ? nullptr : &*found;
}

} // namespace

bool CommandLine::has(const char* option) const
{
    return std::any_of(given.begin(), given.end(), [option](const auto& entry) {
        return entry.first == QLatin1StringView(option);
    });
}

QString CommandLine::value(const char* option) const
{
    for (const auto& [name, value] : given) {
        if (name == QLatin1StringView(option))
            return value;
    }
    return {};
}

CommandLine parseCommandLine(const QStringList& arguments, const CommandSyntax& syntax)
{
    CommandLine parsed;
    if (asksForHelp(arguments)) {
        parsed.help = true;
        return parsed;
    }
    const auto refuse = [&parsed](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == u"--"_s) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(argument)) {
            if (argument.isEmpty() && syntax.refusesEmptyArguments)
                return refuse(u"an empty argument"_s);
            parsed.operands.append(argument);
            continue;
        }
        const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
        const QString name = equals > 0 ? argument.left(equals) : argument;
        const OptionSyntax* option = findOption(syntax, name);
        if (!option)
            return refuse(u"unknown option '%1'"_s.arg(name));
        QString value;
        if (!option->valueNeed) {
            if (equals > 0)
                return refuse(u"%1 takes no value"_s.arg(name));
        } else if (equals > 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 == arguments.size()) {
            return refuse(u"%1 needs %2"_s.arg(name, QLatin1StringView(option->valueNeed)));
        } else {
            value = arguments[++i];
        }
        if (parsed.has(option->name))
            return refuse(u"%1 given twice"_s.arg(name));
        parsed.given.emplace_back(name, value);
    }
    return parsed;
}

} // namespace talpora::cli
