#include "viewer/core/DocumentOpening.h"

#include "catalogue/CatalogueEntries.h"
#include "checker/CustomUiPackage.h"
#include "checker/FindingTexts.h"
#include "checker/PackageRecognition.h"
#include "viewer/core/DocumentLoader.h"

#include <algorithm>

namespace talpora {

namespace {

using checker::CustomUiPackage;
using checker::CustomUiPartEntry;
using checker::PackageError;
using checker::PackageErrorKind;

OpenedDocument loaded(LoadResult result, DocumentSource source)
{
    OpenedDocument opened;
    opened.tree = std::move(result.tree);
    opened.error = std::move(result.error);
    opened.source = std::move(source);
    return opened;
}

OpenedDocument refused(PackageError error, DocumentSource source)
{
    OpenedDocument opened;
    opened.source = std::move(source);
    // A part that is no XML reads like a file that is none.
    if (error.kind == PackageErrorKind::LoadFailed)
        opened.error = error.loadError;
    else
        opened.packageError = std::move(error);
    return opened;
}

OpenedDocument stoppedOpening(DocumentSource source)
{
    OpenedDocument opened;
    opened.source = std::move(source);
    opened.error = {LoadErrorKind::Stopped, 0, 0, 0, {}};
    return opened;
}

OpenedDocument loadPart(CustomUiPackage& package, const CustomUiPartEntry& entry,
                        const QString& path, LoadProgress* progress)
{
    const DocumentSource source = DocumentSource::packagePart(path, entry.name);
    const checker::PartBytes part = package.read(entry);
    if (part.error)
        return refused(part.error, source);
    if (progress && progress->stopRequested())
        return stoppedOpening(source);
    return loaded(loadXmlBytes(part.bytes, progress), source);
}

OpenedDocument openPackage(const DocumentSource& source, LoadProgress* progress)
{
    const checker::OpenedCustomUiPackage opened = CustomUiPackage::openFile(source.path);
    if (opened.error)
        return refused(opened.error, source);
    if (progress && progress->stopRequested())
        return stoppedOpening(source);
    CustomUiPackage& package = *opened.package;
    if (!package.hasRelationships() && !package.errors().empty())
        return refused(package.errors().front(), source);

    std::vector<const CustomUiPartEntry*> shown;
    const PackageError* firstRefusal = nullptr;
    for (const CustomUiPartEntry& entry : package.parts()) {
        if (entry.refusal) {
            if (!firstRefusal)
                firstRefusal = &entry.refusal;
            continue;
        }
        if (source.partName.isEmpty() || entry.name == source.partName)
            shown.push_back(&entry);
    }
    if (!source.partName.isEmpty() && shown.empty()) {
        // The part went away since it was chosen.
        return refused({PackageErrorKind::CustomUiPartMissing,
                        {},
                        {source.partName, CustomUiPackage::relationshipsPart()},
                        {}},
                       source);
    }
    if (shown.empty()) {
        if (firstRefusal)
            return refused(*firstRefusal, source);
        OpenedDocument none;
        none.source = source;
        none.noCustomUiPart = true;
        return none;
    }
    if (shown.size() == 1)
        return loadPart(package, *shown.front(), source.path, progress);
    OpenedDocument choice;
    choice.source = source;
    for (const CustomUiPartEntry* entry : shown)
        choice.parts.push_back({entry->name, entry->type});
    return choice;
}

} // namespace

OpenedDocument openDocument(const DocumentSource& source, LoadProgress* progress)
{
    switch (source.kind) {
    case DocumentSourceKind::None:
        break;
    case DocumentSourceKind::CatalogueEntry: {
        const auto entries = catalogue::catalogueEntries();
        if (source.entry < 0 || static_cast<std::size_t>(source.entry) >= entries.size())
            break;
        return loaded(loadStoredDocument(
                          entries[static_cast<std::size_t>(source.entry)].identifier(), progress),
                      source);
    }
    case DocumentSourceKind::File:
        if (checker::isPackageFile(source.path))
            return openPackage(source, progress);
        return loaded(loadXmlFile(source.path, progress), source);
    case DocumentSourceKind::PackagePart:
        return openPackage(source, progress);
    }
    OpenedDocument none;
    none.source = source;
    none.error = {LoadErrorKind::NoSuchEntry, 0, 0, 0, QString::number(source.entry)};
    return none;
}

std::size_t preferredPart(const std::vector<PackagePartChoice>& parts)
{
    const auto ribbon2010 = std::find_if(parts.begin(), parts.end(), [](const auto& part) {
        return part.type == checker::CustomUiPartType::Ribbon2010;
    });
    return ribbon2010 == parts.end() ? 0 : static_cast<std::size_t>(ribbon2010 - parts.begin());
}

QString describeOpeningFailure(const OpenedDocument& opened)
{
    if (opened.tree || opened.stopped())
        return {};
    if (opened.noCustomUiPart)
        return checker::describeNote({checker::NoteKind::NoCustomUiPart, {}});
    if (opened.packageError)
        return checker::describePackageError(opened.packageError);
    return describe(opened.error);
}

} // namespace talpora
