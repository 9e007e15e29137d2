#pragma once

#include "checker/PackageError.h"
#include "checker/PackageRelationships.h"
#include "viewer/core/DocumentSource.h"
#include "viewer/core/LoadProgress.h"
#include "viewer/core/NodeTree.h"
#include "xml/LoadError.h"

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

namespace talpora {

// A customUI part that a package offers to show.
struct PackagePartChoice
{
    QString name; // "customUI/customUI14.xml"
    checker::CustomUiPartType type = checker::CustomUiPartType::Ribbon2007;
};

// What opening a document gave: its tree, or why there is none, or, for a
// package of several customUI parts of which none was named, the parts to
// choose among (then nothing was loaded and nothing went wrong).
struct OpenedDocument
{
    std::shared_ptr<const NodeTree> tree;
    // What the tree is of: a file that turned out to be a package names the
    // package's part.
    DocumentSource source;
    LoadError error;                    // the document, or the package's part, is no XML
    checker::PackageError packageError; // the package, or its part, cannot be read
    bool noCustomUiPart = false;        // the package holds no customUI part to show
    std::vector<PackagePartChoice> parts;

    explicit operator bool() const { return tree != nullptr; }
    bool needsChoice() const { return !tree && !parts.empty(); }
    bool stopped() const { return error.kind == LoadErrorKind::Stopped; }
};

// Opens a catalogue entry, a file (XML, or an Office package by
// checker::isPackageFile) or a package's part, through the one loader of
// XML: a package's part gets the encodings, limits and errors of a file.
// A package with one customUI part shows it; with several, a named part is
// shown and otherwise the parts are listed. May run on any thread;
// `progress` hears how far the reading got and may stop it.
OpenedDocument openDocument(const DocumentSource& source, LoadProgress* progress = nullptr);

// The part to offer first: the Office 2010 ribbon (customUI14.xml), which
// the Office versions that read it prefer, else the first.
std::size_t preferredPart(const std::vector<PackagePartChoice>& parts);

// Why the document could not be shown, in the language of the installed
// translation; empty when it was, or when it was stopped.
QString describeOpeningFailure(const OpenedDocument& opened);

} // namespace talpora
