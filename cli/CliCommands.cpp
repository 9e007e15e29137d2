#include "cli/CliCommands.h"

#include "catalogue/CatalogueEntries.h"
#include "cli/CallbacksCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliOutput.h"
#include "cli/LookupCommand.h"
#include "viewer/core/ProgramVersion.h"
#include "viewer/core/ViewerSession.h"
#include "xml/VisibleControls.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

constexpr char usageText[] =
    "usage: talpora-cli entries\n"
    "       talpora-cli tree <entry name | xml file | ->\n"
    "       talpora-cli snippet <entry name | xml file | -> <position>\n"
    "       talpora-cli find <entry name | xml file | -> <keyword> [--after <position>] [--all]\n"
    "       talpora-cli lookup <idMso> [--app <application>] [--version <version>]\n"
    "       talpora-cli check <customUI file | Office document | ->... [--app <application>] "
    "[--version <version>]\n"
    "             [--accept <idMso>[,<idMso>...]]...\n"
    "       talpora-cli callbacks <customUI file | Office document> "
    "[--language vba|csharp|vbnet]\n"
    "       talpora-cli --help | -h | help | --version | -V\n"
    "\n"
    "An entry name matches in any letter case, unless a file of that name exists;\n"
    "- reads standard input. Options take their value as --app excel or --app=excel.\n"
    "Positions count the tree's nodes from 1, the root, in document order.\n"
    "find prints the position of the first node after --after (default 1) whose\n"
    "text contains the keyword in any letter case; with --all, the tree line of\n"
    "every such node. lookup and check: see the README, \"Check your customUI\".\n"
    "check prints its findings and notes on standard output, the worst status of\n"
    "its files is its own.\n"
    "Exit status: 0 done, 1 nothing found (find, lookup) or errors found (check),\n"
    "a write error, 2 wrong call or a source that cannot be loaded.\n";

// Tabs, line breaks and backslashes inside a field would break the one-line,
// tab-separated format; other control characters would reach the terminal.
void appendEscaped(std::string& line, const QString& field)
{
    line += escapedControls(QString(field).replace(u'\\', u"\\\\"_s)).toStdString();
}

const char* colourName(NodeColour colour)
{
    switch (colour) {
    case NodeColour::Red:
        return "red";
    case NodeColour::Blue:
        return "blue";
    case NodeColour::Default:
        break;
    }
    return "default";
}

// Decimal digits only: no sign, blank or other notation that the number
// conversion would otherwise let through.
bool parsePosition(const QString& text, NodeTree::Position& position)
{
    if (text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > std::numeric_limits<NodeTree::Position>::max())
        return false;
    position = static_cast<NodeTree::Position>(value);
    return true;
}

int printEntries(std::FILE* out)
{
    for (const catalogue::CatalogueEntry& entry : catalogue::catalogueEntries())
        std::fprintf(out, "%d\t%d\t%s\n", entry.index, entry.identifier(), entry.name);
    return 0;
}

// Loads the source ("-": standard input) or says why not; returns false after
// reporting.
bool load(ViewerSession& session, const QString& source, std::FILE* in, std::FILE* err)
{
    LoadError error;
    if (isStandardInput(source)) {
        QByteArray bytes;
        if (!readAll(in, bytes)) {
            write(err, u"talpora-cli: cannot read standard input\n"_s);
            return false;
        }
        error = session.loadBytes(bytes, standardInputName());
    } else {
        error = session.loadSource(source);
    }
    if (!error)
        return true;
    const QString name = isStandardInput(source) ? standardInputName() : source;
    write(err, u"talpora-cli: cannot load \u201C%1\u201D: %2\n"_s.arg(
                   escapedControls(name), escapedControls(describeInEnglish(error))));
    return false;
}

void appendTreeLine(std::string& line, const NodeTree& tree, NodeTree::Position position)
{
    line += std::to_string(position);
    line += "\tk_" + std::to_string(position) + '\t';
    line += std::to_string(tree.depth(position)) + '\t';
    line += std::to_string(static_cast<int>(tree.initialPicture(position))) + '\t';
    line += colourName(tree.colour(position));
    line += '\t';
    appendEscaped(line, tree.tag(position));
    line += '\t';
    appendEscaped(line, tree.text(position));
    line += '\n';
}

int printTree(const NodeTree& tree, std::FILE* out)
{
    std::string line;
    for (NodeTree::Position position = 1; position <= tree.size(); ++position) {
        line.clear();
        appendTreeLine(line, tree, position);
        write(out, line);
    }
    return 0;
}

int printSnippet(const ViewerSession& session, const QString& positionText, std::FILE* out,
                 std::FILE* err)
{
    NodeTree::Position position = 0;
    if (!parsePosition(positionText, position) || !session.tree()->contains(position)) {
        write(err,
              u"talpora-cli: no node at position %1 (the tree has %2 nodes)\n"_s.arg(positionText)
                  .arg(session.tree()->size()));
        return 2;
    }
    const SnippetResult snippet = session.snippetFor(position);
    if (!snippet) {
        write(err, u"talpora-cli: "_s + snippet.error + u"\n"_s);
        return 2;
    }
    write(out, snippet.text + u"\n"_s);
    return 0;
}

int printFound(ViewerSession& session, const QStringList& arguments, std::FILE* out, std::FILE* err,
               std::FILE* in)
{
    if (arguments.size() < 3)
        return wrongCall(err, u"find: give a source and a keyword"_s);
    NodeTree::Position after = 1;
    bool all = false;
    bool afterGiven = false;
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--all"_s) {
            if (all)
                return wrongCall(err, u"find: --all given twice"_s);
            all = true;
            continue;
        }
        QString value;
        if (argument.startsWith(u"--after="_s)) {
            value = argument.mid(8);
        } else if (argument == u"--after"_s) {
            if (i + 1 == arguments.size())
                return wrongCall(err, u"find: --after needs a position"_s);
            value = arguments[++i];
        } else {
            return wrongCall(err, argument.startsWith(u'-')
                                      ? u"find: unknown option '%1'"_s.arg(argument)
                                      : u"find: one argument too many: '%1'"_s.arg(argument));
        }
        if (afterGiven)
            return wrongCall(err, u"find: --after given twice"_s);
        // Positions count from 1, so 0 is as invalid as any other non-position.
        if (!parsePosition(value, after) || after == 0)
            return wrongCall(err, u"find: --after: invalid position '%1'"_s.arg(value));
        afterGiven = true;
    }
    if (!load(session, arguments[1], in, err))
        return 2;
    session.setKeyword(arguments[2]);
    NodeTree::Position found = session.FindNext(after);
    if (found == NodeTree::noNode)
        return 1;
    if (!all) {
        std::fprintf(out, "%u\n", found);
        return 0;
    }
    std::string line;
    for (; found != NodeTree::noNode; found = session.FindNext(found)) {
        line.clear();
        appendTreeLine(line, *session.tree(), found);
        write(out, line);
    }
    return 0;
}

// Reports a write error on `out` (a full disk, a closed pipe) the way GNU tools
// do; a command that wrote nothing successfully must not end with 0.
int finishOutput(int status, std::FILE* out, std::FILE* err)
{
    const bool flushed = std::fflush(out) == 0;
    const int error = errno;
    if (flushed && !std::ferror(out))
        return status;
    write(err, flushed ? u"talpora-cli: write error\n"_s
                       : u"talpora-cli: write error: %1\n"_s.arg(
                             QString::fromLocal8Bit(std::strerror(error))));
    return status == 0 ? 1 : status;
}

int wrongArguments(std::FILE* err, const QString& command, const char* operands)
{
    return wrongCall(err, u"%1: give %2"_s.arg(command, QLatin1StringView(operands)));
}

int runOne(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in)
{
    if (arguments.isEmpty())
        return wrongCall(err, u"no command given"_s);
    const QString& command = arguments.front();
    const qsizetype operandCount = arguments.size() - 1;
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        std::fputs(usageText, out);
        return 0;
    }
    if (command == u"--version"_s || command == u"-V"_s) {
        if (operandCount != 0)
            return wrongArguments(err, command, "no argument");
        write(out, programVersionText(u"talpora-cli"_s));
        return 0;
    }
    ViewerSession session(u"talpora-cli"_s);
    if (command == u"entries"_s)
        return operandCount == 0 ? printEntries(out) : wrongArguments(err, command, "no argument");
    if (command == u"tree"_s) {
        if (operandCount != 1)
            return wrongArguments(err, command, "one source");
        return load(session, arguments[1], in, err) ? printTree(*session.tree(), out) : 2;
    }
    if (command == u"snippet"_s) {
        if (operandCount != 2)
            return wrongArguments(err, command, "a source and a position");
        return load(session, arguments[1], in, err) ? printSnippet(session, arguments[2], out, err)
                                                    : 2;
    }
    if (command == u"find"_s)
        return printFound(session, arguments, out, err, in);
    if (command == u"lookup"_s)
        return runLookup(arguments.mid(1), out, err);
    if (command == u"check"_s)
        return runCheck(arguments.mid(1), out, err, in);
    if (command == u"callbacks"_s)
        return runCallbacks(arguments.mid(1), out, err);
    return wrongCall(err, command.startsWith(u'-') ? u"unknown option '%1'"_s.arg(command)
                                                   : u"unknown command '%1'"_s.arg(command));
}

} // namespace

int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in)
{
    return finishOutput(runOne(arguments, out, err, in), out, err);
}

} // namespace talpora::cli
