#include "CliCommands.h"

#include "CatalogueEntries.h"
#include "ViewerSession.h"

#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

constexpr char usageText[] =
    "usage: talpora-cli entries\n"
    "       talpora-cli tree <entry name | xml file>\n"
    "       talpora-cli snippet <entry name | xml file> <position>\n"
    "       talpora-cli find <entry name | xml file> <keyword> [--after <position>]\n";

int usage(std::FILE* err)
{
    std::fputs(usageText, err);
    return 2;
}

void write(std::FILE* stream, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stream);
}

// Tabs, line breaks and backslashes inside a field would break the one-line,
// tab-separated format.
void appendEscaped(std::string& line, const QString& field)
{
    for (const char c : field.toStdString()) {
        switch (c) {
        case '\t':
            line += "\\t";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\\':
            line += "\\\\";
            break;
        default:
            line += c;
        }
    }
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

bool parsePosition(const QString& text, NodeTree::Position& position)
{
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
    write(err,
          u"talpora-cli: cannot load \u201C%1\u201D: %2\n"_s.arg(source, describeInEnglish(error)));
    return false;
}

int printTree(const NodeTree& tree, std::FILE* out)
{
    std::string line;
    for (NodeTree::Position position = 1; position <= tree.size(); ++position) {
        line.clear();
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
        std::fwrite(line.data(), 1, line.size(), out);
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
    NodeTree::Position after = 1;
    if (arguments.size() == 5) {
        if (arguments[3] != u"--after"_s || !parsePosition(arguments[4], after))
            return usage(err);
    } else if (arguments.size() != 3) {
        return usage(err);
    }
    if (!load(session, arguments[1], err))
        return 2;
    session.setKeyword(arguments[2]);
    const NodeTree::Position found = session.FindNext(after);
    if (found == NodeTree::noNode)
        return 1;
    std::fprintf(out, "%u\n", found);
    return 0;
}

} // namespace

int runCommand(const QStringList& arguments, std::FILE* out, std::FILE* err)
{
    const QString command = arguments.value(0);
    ViewerSession session(u"talpora-cli"_s);
    if (command == u"entries"_s && arguments.size() == 1)
        return printEntries(out);
    if (command == u"tree"_s && arguments.size() == 2)
        return load(session, arguments[1], err) ? printTree(*session.tree(), out) : 2;
    if (command == u"snippet"_s && arguments.size() == 3)
        return load(session, arguments[1], err) ? printSnippet(session, arguments[2], out, err) : 2;
    if (command == u"find"_s)
        return printFound(session, arguments, out, err);
    return usage(err);
}

} // namespace talpora::cli
