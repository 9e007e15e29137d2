#pragma once

#include <QString>

namespace talpora {

// Where the document on screen comes from, enough to load the same document
// again: a catalogue entry, a file, or one customUI part of an Office package.
enum class DocumentSourceKind
{
    None,
    CatalogueEntry,
    File,
    PackagePart
};

struct DocumentSource
{
    DocumentSourceKind kind = DocumentSourceKind::None;
    // File and PackagePart: the file's absolute path, '/'-separated.
    QString path;
    // PackagePart: the part as the package's relationships name it
    // ("customUI/customUI14.xml"); empty while it is still to be chosen.
    QString partName;
    // CatalogueEntry: the entry's index in the catalogue.
    int entry = -1;

    static DocumentSource catalogueEntry(int index)
    {
        return {DocumentSourceKind::CatalogueEntry, {}, {}, index};
    }
    // A file, which turns out to be XML or a package when it is read.
    static DocumentSource file(const QString& absolutePath)
    {
        return {DocumentSourceKind::File, absolutePath, {}, -1};
    }
    static DocumentSource packagePart(const QString& absolutePath, const QString& partName)
    {
        return {DocumentSourceKind::PackagePart, absolutePath, partName, -1};
    }

    bool operator==(const DocumentSource& other) const = default;
};

} // namespace talpora
