#include "cli/LookupCommand.h"

#include "catalogue/CatalogueEntries.h"
#include "catalogue/IdentifierIndex.h"
#include "catalogue/PlacementLine.h"
#include "checker/FindingTexts.h"
#include "checker/IdentifierRules.h"
#include "cli/CliOutput.h"
#include "cli/TargetOptions.h"

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace talpora::cli {

namespace {

using namespace talpora::catalogue;

constexpr VersionSet catalogueVersion{1}; // the catalogue documents are those of Office 2013
constexpr const char* languages[] = {"cn", "en", "jp"};

std::string_view rootElementOf(std::string_view area)
{
    return area == "tabSet" ? std::string_view("contextualTabs") : area;
}

// "tabs > TabHome > GroupClipboard > Paste": the document's root element, then
// the identifiers of the node's ancestors and its own.
std::string cataloguePath(const IdentifierIndex& index, const IdentifierRecord& record,
                          const CatalogueNode& node)
{
    std::vector<std::string_view> names{record.name};
    for (std::uint32_t parent = node.parent; parent != 0;) {
        const IdentifierIndex::NodeAt ancestor =
            index.catalogueNodeAt(record.application, node.area, parent);
        if (!ancestor.node)
            break;
        names.push_back(ancestor.record->name);
        parent = ancestor.node->parent;
    }
    std::string path(rootElementOf(node.area));
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        path.append(" > ").append(*name);
    return path;
}

void printControl(const IdentifierRecord& record, const ControlPlacement& placement,
                  std::string_view window, std::FILE* out)
{
    writeLine(out, placementLine(record.application, record.name, placement.type,
                                 placement.versions, window, placement.place));
}

// One line per placement, and in an application of several windows one per
// window that shows the control there.
void printControls(const IdentifierIndex& index, const IdentifierRecord& record,
                   VersionSet versions, std::FILE* out)
{
    const std::span<const std::string_view> windows = index.windowNames(record.application);
    for (const ControlPlacement& placement : record.placements) {
        if (!placement.versions.intersects(versions))
            continue;
        if (windows.empty())
            printControl(record, placement, {}, out);
        for (std::size_t window = 0; window < windows.size(); ++window) {
            if (placement.windows & (1u << window))
                printControl(record, placement, windows[window], out);
        }
    }
}

void printCatalogueNodes(const IdentifierIndex& index, const IdentifierRecord& record,
                         std::FILE* out)
{
    for (const CatalogueNode& node : record.catalogueNodes) {
        const std::string path = cataloguePath(index, record, node);
        for (const char* language : languages) {
            std::string line = "catalogue\t";
            line.append(applicationName(record.application)).append("_2013_").append(node.area);
            line.append("_").append(language).append("\t").append(std::to_string(node.position));
            writeLine(out, line.append("\t").append(path));
        }
    }
}

// The same words as check's finding for an unknown idMso, "did you mean" and all.
void reportUnknown(const IdentifierIndex& index, const QByteArray& name,
                   const TargetOptions& options, std::FILE* err)
{
    checker::IdentifierRules rules(index, options.applications(), options.versions,
                                   options.versionGiven);
    const std::string_view text(name.constData(), static_cast<std::size_t>(name.size()));
    checker::Finding unknown;
    unknown.kind = checker::FindingKind::UnknownName;
    unknown.arguments = {QString::fromUtf8(name)};
    unknown.hints = rules.unknown(text).value_or(std::vector<checker::FindingHint>());
    writeLine(err, u"talpora-cli: "_s + checker::describeFinding(unknown));
}

} // namespace

int runLookup(const CommandLine& line, std::FILE* out, std::FILE* err)
{
    const ParsedTargetOptions parsed = parseTargetOptions(line);
    if (!parsed.error.isEmpty())
        return wrongCall(err, u"lookup: "_s + parsed.error);
    const TargetOptions* options = &parsed.options;
    if (line.operands.size() != 1)
        return wrongCall(err, u"lookup: give one identifier"_s);
    const QString& operand = line.operands.front();
    const IdentifierIndex& index = IdentifierIndex::builtIn();
    const QByteArray name = operand.toUtf8();
    std::vector<const IdentifierRecord*> records;
    for (const IdentifierRecord* record : index.find(
             {name.constData(), static_cast<std::size_t>(name.size())}, options->applications())) {
        if (record->versions().intersects(options->versions))
            records.push_back(record);
    }
    if (records.empty()) {
        reportUnknown(index, name, *options, err);
        return 1;
    }
    for (const IdentifierRecord* record : records)
        printControls(index, *record, options->versions, out);
    if (options->versions.intersects(catalogueVersion)) {
        for (const IdentifierRecord* record : records)
            printCatalogueNodes(index, *record, out);
    }
    return 0;
}

} // namespace talpora::cli
