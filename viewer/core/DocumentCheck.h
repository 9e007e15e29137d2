#pragma once

#include "catalogue/OfficeTargets.h"
#include "checker/CheckReport.h"
#include "checker/FileChecker.h"
#include "checker/Finding.h"
#include "viewer/core/DocumentSource.h"
#include "viewer/core/NodeTree.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace talpora {

// The application and versions the user chose to judge identifiers against;
// no application: as talpora-cli check decides without --app (the package's
// kind, else Access, Excel, PowerPoint and Word unless the file's
// identifiers point to another).
struct CheckChoice
{
    std::optional<catalogue::Application> application;
    catalogue::VersionSet versions = catalogue::VersionSet::all();

    bool operator==(const CheckChoice& other) const
    {
        return application == other.application && versions.bits == other.versions.bits;
    }
};

// Whether the document on screen is checked, and why not.
enum class CheckScope
{
    Checked,    // a package's customUI part, or a file whose root is customUI
    NoDocument, // nothing on screen, or a document that is no file (standard input)
    Catalogue,  // a catalogue document: Office's own controls, not customUI
    NotCustomUi // a file whose root is not customUI in either customUI namespace
};
CheckScope checkScopeOf(const DocumentSource& source, const NodeTree* tree);

// What checking the document on screen found, with the same checker as
// talpora-cli check and in its order: the findings of the file, or of the
// package's part on screen with what is wrong with the package as a whole.
// Bounded as check is (a part's findings up to the limit, then a note saying
// how many more), and in all at most twice a part's limit.
class CheckedDocument
{
public:
    static constexpr std::size_t defaultPerPartLimit = checker::CheckReport::defaultPerPartLimit;

    // Runs the check; may run on any thread. The document is read again from
    // its file, as check reads it.
    static CheckedDocument check(const DocumentSource& source, const CheckChoice& choice,
                                 std::size_t perPartLimit = defaultPerPartLimit);

    const DocumentSource& source() const { return m_source; }
    const CheckChoice& choice() const { return m_choice; }
    // What identifiers were judged against (the choice, or what check chose).
    const checker::JudgedAgainst& judged() const { return m_judged; }

    const std::vector<checker::Finding>& findings() const { return m_findings; }
    // The notes worth a row of their own: findings held back, no customUI
    // part. That an application was assumed shows in judged().
    const std::vector<checker::Note>& notes() const { return m_notes; }
    // Findings beyond the limit of the whole list, only counted.
    long long unlisted() const { return m_unlisted; }
    int errorCount() const { return m_errors; }
    int warningCount() const { return m_warnings; }

    // The node of the tree on screen that a finding names; noNode when it
    // names none there (a package's fault, another part).
    NodeTree::Position elementOf(std::size_t finding, const NodeTree& tree) const;
    // The worst severity found on each element of the tree on screen, by
    // position, in ascending order.
    const std::vector<std::pair<NodeTree::Position, checker::Severity>>& marks() const
    {
        return m_marks;
    }
    // F8 and Shift+F8: the finding after (before) `current`, round the end;
    // the first (last) when there is no current one. nullopt without findings.
    std::optional<std::size_t> step(std::optional<std::size_t> current, bool forward) const;

    // Whether the finding is of the document on screen, not of another part
    // of its package.
    bool belongsToTree(const checker::Finding& finding) const;

private:
    class Sink;

    DocumentSource m_source;
    CheckChoice m_choice;
    checker::JudgedAgainst m_judged;
    std::vector<checker::Finding> m_findings;
    std::vector<checker::Note> m_notes;
    long long m_unlisted = 0;
    int m_errors = 0;
    int m_warnings = 0;
    std::vector<std::pair<NodeTree::Position, checker::Severity>> m_marks;
};

// The mark of a node: its worst finding's severity; nullopt for none.
std::optional<checker::Severity>
markOf(const std::vector<std::pair<NodeTree::Position, checker::Severity>>& marks,
       NodeTree::Position position);

} // namespace talpora
