#pragma once

#include "checker/Finding.h"
#include "checker/PackageError.h"
#include "xml/VisibleControls.h"

#include <QString>

namespace talpora::checker {

using talpora::escapedControls;

// The words of the checker's results. Every text is English source text
// marked for Qt Linguist and looked up with QCoreApplication::translate, so
// it comes in the language of the installed translator, in English without
// one (talpora-cli installs none). Control characters from the file are made
// visible (escapedControls): a worded result is always one line.

// The message of a finding, its hints appended, without part or place.
QString describeFinding(const Finding& finding);
QString describeNote(const Note& note);
// With the part's place for a part that is not well-formed ("line 2, column
// 5: ..."); without the part's name, which the caller shows as it likes.
QString describePackageError(const PackageError& error);

// "<file>[!<part>]:<line>:<column>: error|warning: <message>", the compiler
// format editors jump from; without a place "<file>[!<part>]: error: ...".
QString formatFinding(const QString& file, const Finding& finding);
// "<file>: note: <note>"
QString formatNote(const QString& file, const Note& note);

// How many arguments each kind takes, as its text has placeholders.
int argumentCount(FindingKind kind);
int argumentCount(HintKind kind);
int argumentCount(NoteKind kind);
int argumentCount(PackageErrorKind kind);

} // namespace talpora::checker
