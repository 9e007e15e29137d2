#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace talpora::checker {

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

// What checking one file found.
struct CheckReport
{
    std::vector<Finding> findings;
    // The file, a package part or a relationship could not be read, or a part
    // is not well-formed; the findings say which.
    bool unreadable = false;
    // Remarks that are no findings ("the package has no customUI part").
    QStringList notes;

    bool hasErrors() const;
    // 0 without errors (warnings allowed), 1 with errors, 2 when unreadable.
    int exitStatus() const;
};

// "<file>[!<part>]:<line>:<column>: error|warning: <message>", the compiler
// format editors jump from; without a place "<file>[!<part>]: error: ...".
QString formatFinding(const QString& file, const Finding& finding);

} // namespace talpora::checker
