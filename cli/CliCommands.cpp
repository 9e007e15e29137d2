#include "cli/CliCommands.h"

#include "catalogue/CatalogueEntries.h"
#include "cli/CallbacksCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliOutput.h"
#include "cli/CommandLine.h"
#include "cli/LookupCommand.h"
#include "cli/StandardInput.h"
#include "cli/TargetOptions.h"
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
    "-- ends the options (talpora-cli tree -- -x.xml); every command takes -h or\n"
    "--help for its own usage.\n"
    "Positions count the tree's nodes from 1, the root, in document order.\n"
    "find prints the position of the first node after --after (default 1) whose\n"
    "text contains the keyword in any letter case; with --all, the tree line of\n"
    "every such node. lookup and check: see the README, \"Check your customUI\".\n"
    "check prints its findings and notes on standard output, the worst status of\n"
    "its files is its own.\n"
    "Exit status: 0 done, 1 nothing found (find, lookup) or errors found (check),\n"
    "a write error, 2 wrong call or a source that cannot be loaded.\n";

constexpr char optionsText[] = "\nOptions take their value as --opt value or --opt=value; -- ends\n"
                               "the options.\n";

constexpr char entriesUsage[] =
    "usage: talpora-cli entries\n"
    "\n"
    "Prints the index, identifier and name of each of the 57 catalogue entries,\n"
    "one entry a line, separated by TABs.\n";
constexpr char treeUsage[] =
    "usage: talpora-cli tree <entry name | xml file | ->\n"
    "\n"
    "Prints one line per node in document order, its fields separated by TABs:\n"
    "position, key, depth, picture, colour, tag and text. An entry name matches in\n"
    "any letter case, unless a file of that name exists; - reads standard input.\n";
constexpr char snippetUsage[] =
    "usage: talpora-cli snippet <entry name | xml file | -> <position>\n"
    "\n"
    "Prints the customUI snippet of the node at the position; positions count the\n"
    "tree's nodes from 1, the root, in document order.\n";
constexpr char findUsage[] =
    "usage: talpora-cli find <entry name | xml file | -> <keyword> [--after <position>] [--all]\n"
    "\n"
    "Prints the position of the first node after --after (default 1) whose text\n"
    "contains the keyword in any letter case; with --all, the tree line of every\n"
    "such node. Exit status 1 when there is none.\n";
constexpr char lookupUsage[] =
    "usage: talpora-cli lookup <idMso> [--app <application>] [--version <version>]\n"
    "\n"
    "Prints where Office places a built-in control, one line per placement, then\n"
    "its positions in the catalogue. Applications: access, excel, powerpoint, word,\n"
    "outlook, onenote, project, publisher, visio, infopath, sharepointdesigner;\n"
    "versions: 2013, 2016, 2019, 365. Exit status 1 for an unknown identifier.\n";
constexpr char checkUsage[] =
    "usage: talpora-cli check <customUI file | Office document | ->... [--app <application>] "
    "[--version <version>]\n"
    "             [--accept <idMso>[,<idMso>...]]...\n"
    "\n"
    "Checks customUI files and the customUI parts of Office documents and prints\n"
    "one finding or note a line on standard output. Exit status: 0 no errors,\n"
    "1 errors, 2 a file that cannot be read; of several files, the worst.\n";
constexpr char callbacksUsage[] =
    "usage: talpora-cli callbacks <customUI file | Office document> "
    "[--language vba|csharp|vbnet]\n"
    "\n"
    "Writes a stub for every callback the file names, once per name, in the order\n"
    "of first use. A name that is no procedure name in the language is reported on\n"
    "standard error and skipped. Exit status: 0 stubs written, 1 no callbacks or a\n"
    "name skipped.\n";

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
        if (const std::unique_ptr<ByteSource> stream = openStandardInput(in, error))
            error = session.loadStream(*stream, standardInputName());
        if (error.kind == LoadErrorKind::ReadFailed) {
            write(err, u"talpora-cli: cannot read standard input\n"_s);
            return false;
        }
    } else {
        error = session.loadSource(source);
    }
    if (!error)
        return true;
    const QString name = isStandardInput(source) ? standardInputName() : source;
    write(err, u"talpora-cli: cannot load \u201C%1\u201D: %2\n"_s.arg(
                   escapedControls(name), escapedControls(describe(error))));
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
        write(err, u"talpora-cli: no node at position %1 (the tree has %2 nodes)\n"_s
                       .arg(escapedControls(positionText))
                       .arg(session.tree()->size()));
        return 2;
    }
    const SnippetResult snippet = session.snippetFor(position);
    if (!snippet) {
        write(err, u"talpora-cli: "_s + escapedControls(describe(snippet.failure)) + u"\n"_s);
        return 2;
    }
    write(out, snippet.text + u"\n"_s);
    return 0;
}

int printFound(ViewerSession& session, const CommandLine& line, std::FILE* out, std::FILE* err,
               std::FILE* in)
{
    if (line.operands.size() < 2)
        return wrongCall(err, u"find: give a source and a keyword"_s);
    if (line.operands.size() > 2)
        return wrongCall(err, u"find: one argument too many: '%1'"_s.arg(line.operands[2]));
    NodeTree::Position after = 1;
    if (line.has("--after")) {
        const QString value = line.value("--after");
        // Positions count from 1, so 0 is as invalid as any other non-position.
        if (!parsePosition(value, after) || after == 0)
            return wrongCall(err, u"find: --after: invalid position '%1'"_s.arg(value));
    }
    if (!load(session, line.operands[0], in, err))
        return 2;
    session.setKeyword(line.operands[1]);
    NodeTree::Position found = session.FindNext(after);
    if (found == NodeTree::noNode)
        return 1;
    if (!line.has("--all")) {
        std::fprintf(out, "%u\n", found);
        return 0;
    }
    std::string text;
    for (; found != NodeTree::noNode; found = session.FindNext(found)) {
        text.clear();
        appendTreeLine(text, *session.tree(), found);
        write(out, text);
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

struct Streams
{
    std::FILE* out;
    std::FILE* err;
    std::FILE* in;
};

int runEntries(const CommandLine& line, const Streams& streams)
{
    if (!line.operands.isEmpty())
        return wrongArguments(streams.err, u"entries"_s, "no argument");
    return printEntries(streams.out);
}

int runTree(const CommandLine& line, const Streams& streams)
{
    if (line.operands.size() != 1)
        return wrongArguments(streams.err, u"tree"_s, "one source");
    ViewerSession session(u"talpora-cli"_s);
    if (!load(session, line.operands[0], streams.in, streams.err))
        return 2;
    return printTree(*session.tree(), streams.out);
}

int runSnippet(const CommandLine& line, const Streams& streams)
{
    if (line.operands.size() != 2)
        return wrongArguments(streams.err, u"snippet"_s, "a source and a position");
    ViewerSession session(u"talpora-cli"_s);
    if (!load(session, line.operands[0], streams.in, streams.err))
        return 2;
    return printSnippet(session, line.operands[1], streams.out, streams.err);
}

int runFind(const CommandLine& line, const Streams& streams)
{
    ViewerSession session(u"talpora-cli"_s);
    return printFound(session, line, streams.out, streams.err, streams.in);
}

constexpr OptionSyntax findOptions[] = {{"--after", "a position"}, {"--all", nullptr}};
constexpr OptionSyntax callbackOptions[] = {{"--language", "a value"}};
constexpr OptionSyntax checkOptions[] = {
    {"--app", "a value"}, {"--version", "a value"}, {"--accept", "a value"}};

// Every command, the options it takes and its usage.
struct Command
{
    const char* name;
    CommandSyntax syntax;
    const char* usage;
    int (*run)(const CommandLine& line, const Streams& streams);
};

const Command commands[] = {
    {"entries", {}, entriesUsage, runEntries},
    {"tree", {}, treeUsage, runTree},
    {"snippet", {}, snippetUsage, runSnippet},
    {"find", {findOptions}, findUsage, runFind},
    {"lookup",
     {targetOptions, true},
     lookupUsage,
     [](const CommandLine& line, const Streams& streams) {
         return runLookup(line, streams.out, streams.err);
     }},
    {"check",
     {checkOptions, true},
     checkUsage,
     [](const CommandLine& line, const Streams& streams) {
         return runCheck(line, streams.out, streams.err, streams.in);
     }},
    {"callbacks",
     {callbackOptions, true},
     callbacksUsage,
     [](const CommandLine& line, const Streams& streams) {
         return runCallbacks(line, streams.out, streams.err);
     }},
};

int runOne(const QStringList& arguments, const Streams& streams)
{
    if (arguments.isEmpty())
        return wrongCall(streams.err, u"no command given"_s);
    const QString& command = arguments.front();
    const qsizetype operandCount = arguments.size() - 1;
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        std::fputs(usageText, streams.out);
        return 0;
    }
    if (command == u"--version"_s || command == u"-V"_s) {
        if (operandCount != 0)
            return wrongArguments(streams.err, command, "no argument");
        write(streams.out, programVersionText(u"talpora-cli"_s));
        return 0;
    }
    for (const Command& known : commands) {
        if (command != QLatin1StringView(known.name))
            continue;
        const CommandLine line = parseCommandLine(arguments.mid(1), known.syntax);
        if (line.help) {
            std::fputs(known.usage, streams.out);
            std::fputs(optionsText, streams.out);
            return 0;
        }
        if (!line.error.isEmpty())
            return wrongCall(streams.err, command + u": "_s + line.error);
        return known.run(line, streams);
    }
    return wrongCall(streams.err, command.startsWith(u'-')
                                      ? u"unknown option '%1'"_s.arg(command)
                                      : u"unknown command '%1'"_s.arg(command));
}

} // namespace

int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err, std::FILE* in)
{
    int status = 2;
    try {
        status = runOne(arguments, {out, err, in});
    } catch (const std::bad_alloc&) {
        return reportException(out, err, "talpora-cli: out of memory\n");
    } catch (...) {
        return reportException(out, err, "talpora-cli: internal error\n");
    }
    return finishOutput(status, out, err);
}

int reportException(std::FILE* out, std::FILE* err, const char* message)
{
    std::fflush(out);
    // Nothing is allocated on the way out: the message is plain bytes.
    std::fputs(message, err);
    return 2;
}

} // namespace talpora::cli
