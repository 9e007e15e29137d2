#include "viewer/core/DocumentCheck.h"

#include "catalogue/IdentifierIndex.h"
#include "checker/CustomUiSchema.h"
#include "xml/XmlEventReader.h"

#include <algorithm>

namespace talpora {

namespace {

using checker::Finding;
using checker::Note;
using checker::NoteKind;
using checker::Severity;

} // namespace

CheckScope checkScopeOf(const DocumentSource& source, const NodeTree* tree)
{
    switch (source.kind) {
    case DocumentSourceKind::None:
        return CheckScope::NoDocument;
    case DocumentSourceKind::CatalogueEntry:
        return CheckScope::Catalogue;
    case DocumentSourceKind::PackagePart:
        return CheckScope::Checked;
    case DocumentSourceKind::File:
        break;
    }
    if (!tree || tree->size() == 0)
        return CheckScope::NoDocument;
    const std::string_view space = tree->rootNamespaceUtf8();
    const bool customUi = localNameOf(tree->nameUtf8(1)) == "customUI" &&
                          (space == checker::schema::schema2006.namespaceUri ||
                           space == checker::schema::schema2009.namespaceUri);
    return customUi ? CheckScope::Checked : CheckScope::NotCustomUi;
}

// Keeps what the window lists: findings up to twice a part's limit (the
// part on screen, then the package's own faults), the rest only counted.
class CheckedDocument::Sink : public checker::FindingSink
{
public:
    Sink(CheckedDocument& document, std::size_t limit) : m_document(document), m_limit(limit) {}

    void found(const Finding& finding) override
    {
        if (m_document.m_findings.size() >= m_limit) {
            ++m_document.m_unlisted;
            return;
        }
        m_document.m_findings.push_back(finding);
        ++(finding.severity == Severity::Error ? m_document.m_errors : m_document.m_warnings);
    }
    void noted(const Note& note) override
    {
        if (note.kind != NoteKind::AssumedApplication)
            m_document.m_notes.push_back(note);
    }

private:
    CheckedDocument& m_document;
    std::size_t m_limit;
};

CheckedDocument CheckedDocument::check(const DocumentSource& source, const CheckChoice& choice,
                                       std::size_t perPartLimit)
{
    CheckedDocument document;
    document.m_source = source;
    document.m_choice = choice;
    Sink sink(document, 2 * perPartLimit);
    checker::CheckReport report(sink, perPartLimit);
    const checker::CheckOptions options{choice.application, choice.versions};
    const catalogue::IdentifierIndex& index = catalogue::IdentifierIndex::builtIn();
    try {
        if (source.kind == DocumentSourceKind::PackagePart)
            document.m_judged =
                checker::checkPackagePart(source.path, source.partName, options, index, report);
        else if (source.kind == DocumentSourceKind::File)
            document.m_judged = checker::checkFile(source.path, options, index, report);
    } catch (const std::bad_alloc&) {
        // What was found so far stays listed; the rest is lost with the memory.
    }

    for (const Finding& finding : document.m_findings) {
        if (finding.element > 0 && document.belongsToTree(finding))
            document.m_marks.emplace_back(finding.element, finding.severity);
    }
    // Errors before warnings of the same node, so that the first of a node is its worst.
    std::sort(document.m_marks.begin(), document.m_marks.end());
    document.m_marks.erase(
        std::unique(document.m_marks.begin(), document.m_marks.end(),
                    [](const auto& a, const auto& b) { return a.first == b.first; }),
        document.m_marks.end());
    return document;
}

bool CheckedDocument::belongsToTree(const Finding& finding) const
{
    return m_source.kind == DocumentSourceKind::PackagePart ? finding.part == m_source.partName
                                                            : finding.part.isEmpty();
}

NodeTree::Position CheckedDocument::elementOf(std::size_t finding, const NodeTree& tree) const
{
    if (finding >= m_findings.size() || !belongsToTree(m_findings[finding]))
        return NodeTree::noNode;
    const NodeTree::Position element = m_findings[finding].element;
    return tree.contains(element) ? element : NodeTree::noNode;
}

std::optional<std::size_t> CheckedDocument::step(std::optional<std::size_t> current,
                                                 bool forward) const
{
    const std::size_t count = m_findings.size();
    if (count == 0)
        return std::nullopt;
    if (!current || *current >= count)
        return forward ? 0 : count - 1;
    return forward ? (*current + 1) % count : (*current + count - 1) % count;
}

std::optional<Severity> markOf(const std::vector<std::pair<NodeTree::Position, Severity>>& marks,
                               NodeTree::Position position)
{
    const auto found =
        std::lower_bound(marks.begin(), marks.end(), position,
                         [](const auto& mark, NodeTree::Position p) { return mark.first < p; });
    if (found == marks.end() || found->first != position)
        return std::nullopt;
    return found->second;
}

} // namespace talpora
