#pragma once

#include "catalogue/OfficeTargets.h"
#include "checker/OfficePackage.h"
#include "checker/PackageError.h"
#include "checker/PackageRelationships.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace talpora::checker {

// A customUI part as the package's relationships name it.
struct CustomUiPartEntry
{
    QString name; // "customUI/customUI14.xml"; empty when refused
    CustomUiPartType type = CustomUiPartType::Ribbon2007;
    // TargetOutside or TargetMalformed (the part of the error: "_rels/.rels")
    // when the target leaves the package or is no part name: nothing of it
    // is read.
    PackageError refusal;
};

// The image relationships of a customUI part, or why they cannot be read.
struct ImageRelationships
{
    std::unordered_set<std::string> ids;
    PackageError error; // PartAmbiguous, PartTooLarge, PackageTooLarge, PartBroken, LoadFailed
};

class CustomUiPackage;

// An opened package, or why it cannot be opened (NotAPackage,
// CannotOpenPackage, InconsistentZip).
struct OpenedCustomUiPackage
{
    std::unique_ptr<CustomUiPackage> package;
    PackageError error;
};

// The customUI parts of an Office Open XML package, found through its
// relationships ("_rels/.rels") the one way `check`, `callbacks` and the
// window share: in relationship order, each part once however many
// relationships name it (names compare as the package format compares them),
// a target outside the package or with a malformed escape refused, and every
// part and relationship part read within OfficePackage's limits.
class CustomUiPackage
{
public:
    static OpenedCustomUiPackage openFile(const QString& path);
    static OpenedCustomUiPackage openBytes(const QByteArray& bytes);

    // What is wrong with the package as a whole, in the order found: part
    // names equal ignoring case (AmbiguousNames), then a relationship part
    // that is missing, unreadable or not XML.
    const std::vector<PackageError>& errors() const { return m_errors; }
    // False when the package's relationships could not be read: then it
    // lists no parts.
    bool hasRelationships() const { return m_hasRelationships; }
    // The relationships to customUI parts, refused ones where they stand.
    const std::vector<CustomUiPartEntry>& parts() const { return m_parts; }
    // Entries where Office keeps customUI parts ("customUI/*.xml",
    // "userCustomization/*.xml") that no relationship names: Office ignores them.
    const QStringList& unnamedParts() const { return m_unnamedParts; }
    // Entry names that are not UTF-8, their odd bytes escaped: no part has them.
    const QStringList& undecodableNames() const { return m_package->undecodableNames(); }

    // The bytes of a listed part; the error is CustomUiPartMissing (which
    // belongs to the package), PartAmbiguous, PartTooLarge, PackageTooLarge
    // or PartBroken.
    PartBytes read(const CustomUiPartEntry& entry);
    // The ids of the image relationships of a part: none when it has no
    // relationship part; when it has one that cannot be read, why (an error
    // of that relationship part, never an empty list).
    ImageRelationships imageRelationships(const QString& partName);
    // The application whose main part the package holds: xl/, word/, ppt/ or visio/.
    std::optional<catalogue::Application> application() const;

    // The relationship part that names the customUI parts.
    static QString relationshipsPart();

private:
    explicit CustomUiPackage(std::unique_ptr<OfficePackage> package);
    static OpenedCustomUiPackage opened(OpenedPackage package);
    void listParts();

    std::unique_ptr<OfficePackage> m_package;
    std::vector<PackageError> m_errors;
    bool m_hasRelationships = false;
    std::vector<CustomUiPartEntry> m_parts;
    QStringList m_unnamedParts;
};

} // namespace talpora::checker
