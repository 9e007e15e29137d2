#pragma once

#include "checker/Finding.h"

#include <cstddef>
#include <vector>

namespace talpora::checker {

// Receives findings the moment they are found, so a check never holds them
// all: a small file can inflate to millions of faults. Findings and notes are
// values; the sink words them (FindingTexts.h) when it shows them.
class FindingSink
{
public:
    virtual ~FindingSink() = default;
    virtual void found(const Finding& finding) = 0;
    virtual void noted(const Note& note) = 0;
};

// Keeps what it is given, for tests and callers that want a list.
class CollectingSink : public FindingSink
{
public:
    void found(const Finding& finding) override { findings.push_back(finding); }
    void noted(const Note& note) override { notes.push_back(note); }

    std::vector<Finding> findings;
    std::vector<Note> notes;
};

// What checking found so far: passes findings on to a sink, at most
// `perPartLimit` of them for each part, and keeps only the summary.
class CheckReport
{
public:
    static constexpr std::size_t defaultPerPartLimit = 10'000;

    explicit CheckReport(FindingSink& sink, std::size_t perPartLimit = defaultPerPartLimit);

    void add(Finding finding);
    // A finding that means the file, a package part or a relationship could
    // not be read, or a part is not well-formed.
    void addUnreadable(Finding finding);
    void addNote(Note note);
    // A finding of `part` that is only counted: past the part's limit, its
    // checks did not word it.
    void addHidden(const QString& part, Severity severity);
    // How many more findings of `part` would be shown; 0 once it has used up
    // its findings, so the caller may leave out the work of finding their
    // arguments and add them hidden.
    std::size_t showable(const QString& part) const;
    // Says how many findings of the part were held back, if any. Called when
    // the part is done; a part's findings must come together.
    void endPart();
    // Passes on what `held` kept while `heldReport` checked into it, with
    // its errors and unreadable parts.
    void replay(const CollectingSink& held, const CheckReport& heldReport);

    std::size_t perPartLimit() const { return m_perPartLimit; }
    bool hasErrors() const { return m_hasErrors; }
    bool unreadable() const { return m_unreadable; }
    // 0 without errors (warnings allowed), 1 with errors, 2 when unreadable.
    int exitStatus() const;

private:
    void enterPart(const QString& part);

    FindingSink& m_sink;
    std::size_t m_perPartLimit;
    QString m_part;
    std::size_t m_shown = 0;  // of the current part
    std::size_t m_hidden = 0; // of the current part
    bool m_hasErrors = false;
    bool m_unreadable = false;
};

} // namespace talpora::checker
