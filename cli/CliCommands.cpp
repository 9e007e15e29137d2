#include "CliCommands.h"

#include "CatalogueEntries.h"
#include "CheckCommand.h"
#include "CliOutput.h"
#include "LookupCommand.h"
#include "ProgramVersion.h"
#include "ViewerSession.h"
#include "VisibleControls.h"

#include <algorithm>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

constexpr char usageText[] =
    "usage: talpora-cli entries\n"
    "       talpora-cli tree <entry name | xml file>\n"
    "       talpora-cli snippet <entry name | xml file> <position>\n"
    "       talpora-cli find <entry name | xml file> <keyword> [--after <position>] [--all]\n"
    "       talpora-cli lookup <idMso> [--app <application>] [--version <version>]\n"
    "       talpora-cli check <customUI file | Office document> [--app <application>] "
    "[--version <version>]\n"
    "       talpora-cli --help | help | --version\n"
    "\n"
    "An entry name matches in any letter case, unless a file of that name exists.\n"
    "Positions count the tree's nodes from 1, the root, in document order.\n"
    "find prints the position of the first node after --after (default 1) whose\n"
    "text contains the keyword in any letter case; with --all, the tree line of\n"
    "every such node. lookup and check: see the README, \"Check your customUI\".\n"
    "Exit status: 0 done, 1 nothing found (find, lookup) or errors found (check),\n"
    "2 wrong call or a source that cannot be loaded.\n";

int usage(std::FILE* err)
{
    std::fputs(usageText, err);
    return 2;
}

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

// Loads the source or says why not; returns false after reporting.
bool load(ViewerSession& session, const QString& source, std::FILE* err)
{
    const LoadError error = session.loadSource(source);
    if (!error)
        return true;
    write(err, u"talpora-cli: cannot load \u201C%1\u201D: %2\n"_s.arg(
                   escapedControls(source), escapedControls(describeInEnglish(error))));
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

int printFound(ViewerSession& session, const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    if (arguments.size() < 3)
        return usage(err);
    NodeTree::Position after = 1;
    bool all = false;
    bool afterGiven = false;
    for (qsizetype i = 3; i < arguments.size(); ++i) {
        if (arguments[i] == u"--all"_s && !all) {
            all = true;
        } else if (arguments[i] == u"--after"_s && !afterGiven && i + 1 < arguments.size() &&
                   parsePosition(arguments[i + 1], after)) {
            afterGiven = true;
            ++i;
        } else {
            return usage(err);
        }
    }
    if (!load(session, arguments[1], err))
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

} // namespace

int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const QString command = arguments.value(0);
    if (command == u"--help"_s || command == u"-h"_s || command == u"help"_s) {
        std::fputs(usageText, out);
        return 0;
    }
    if (command == u"--version"_s && arguments.size() == 1) {
        write(out, u"talpora-cli "_s + programVersion() + u"\n"_s);
        return 0;
    }
    ViewerSession session(u"talpora-cli"_s);
    if (command == u"entries"_s && arguments.size() == 1)
        return printEntries(out);
    if (command == u"tree"_s && arguments.size() == 2)
        return load(session, arguments[1], err) ? printTree(*session.tree(), out) : 2;
    if (command == u"snippet"_s && arguments.size() == 3)
        return load(session, arguments[1], err) ? printSnippet(session, arguments[2], out, err) : 2;
    if (command == u"find"_s)
        return printFound(session, arguments, out, err);
    if (command == u"lookup"_s)
        return runLookup(arguments.mid(1), out, err);
    if (command == u"check"_s)
        return runCheck(arguments.mid(1), out, err);
    return usage(err);
}

} // namespace talpora::cli
