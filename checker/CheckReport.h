#pragma once

#include "xml/VisibleControls.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace talpora::checker {

using talpora::escapedControls;

enum class Severity
{
    Error,
    Warning
};

// One fault found in a customUI part. Line and column are 1-based, the column
// in characters; both are 0 when the fault has no place in a text (a package
// that cannot be opened).
struct Finding
{
    QString part; // the part inside a package ("customUI/customUI14.xml"); empty for a plain file
    long long line = 0;
    long long column = 0;
    Severity severity = Severity::Error;
    QString message;
};

// Receives findings the moment they are found, so a check never holds them
// all: a small file can inflate to millions of faults.
class FindingSink
{
public:
    virtual ~FindingSink() = default;
    virtual void found(const Finding& finding) = 0;
    // A remark that is no finding ("the package has no customUI part").
    virtual void noted(const QString& note) = 0;
};

// Keeps what it is given, for tests and callers that want a list.
class CollectingSink : public FindingSink
{
public:
    void found(const Finding& finding) override { findings.push_back(finding); }
    void noted(const QString& note) override { notes.append(note); }

    std::vector<Finding> findings;
    QStringList notes;
};

// What checking found so far: passes findings on to a sink, at most
// `perPartLimit` of them for each part, and keeps only the summary.
class CheckReport
{
public:
    static constexpr std::size_t defaultPerPartLimit = 10'000;

    explicit CheckReport(FindingSink& sink, std::size_t perPartLimit = defaultPerPartLimit);

    // Control characters in the part name and message are made visible
    // (escapedControls), so a finding stays one line whatever the file holds.
    void add(Finding finding);
    // A finding that means the file, a package part or a relationship could
    // not be read, or a part is not well-formed.
    void addUnreadable(Finding finding);
    void addNote(const QString& note);
    // False once `part` has used up its findings: a finding added then is only
    // counted, so the caller may leave out the work of wording it.
    bool wouldShow(const QString& part) const;
    // Says how many findings of the part were held back, if any. Called when
    // the part is done; a part's findings must come together.
    void endPart();
    // Passes on what `held` kept while `heldReport` checked into it, with
    // its errors and unreadable parts.
    void replay(const CollectingSink& held, const CheckReport& heldReport);

    bool hasErrors() const { return m_hasErrors; }
    bool unreadable() const { return m_unreadable; }
    // 0 without errors (warnings allowed), 1 with errors, 2 when unreadable.
    int exitStatus() const;

private:
    FindingSink& m_sink;
    std::size_t m_perPartLimit;
    QString m_part;
    std::size_t m_partFindings = 0;
    bool m_hasErrors = false;
    bool m_unreadable = false;
};

// "<file>[!<part>]:<line>:<column>: error|warning: <message>", the compiler
// format editors jump from; without a place "<file>[!<part>]: error: ...".
// Control characters in the file name are escaped too.
QString formatFinding(const QString& file, const Finding& finding);

} // namespace talpora::checker
