#pragma once

#include "checker/MessageArgument.h"
#include "xml/LoadError.h"

#include <QString>

namespace talpora::checker {

// Why an Office package, or one of its parts, cannot be read as it should.
// The arguments each kind takes are listed beside it.
enum class PackageErrorKind
{
    None,
    NotAPackage,         // libzip's message: the bytes are no zip archive
    CannotOpenPackage,   // libzip's or the file's message
    InconsistentZip,     // the offset of the fault, in bytes
    NoRelationships,     // the relationship part's name
    AmbiguousNames,      // the names, equal ignoring case (a list)
    PartMissing,         // the part's name
    PartAmbiguous,       // the part's name
    PartTooLarge,        // the cap in MiB
    PackageTooLarge,     // the total for one package in MiB
    PartBroken,          // libzip's message
    CustomUiPartMissing, // the part's name, the relationship part that names it
    TargetOutside,       // the relationship's target
    TargetMalformed,     // the relationship's target, as written
    LoadFailed           // none: `loadError` says why the part, or a file on its own, is no XML
};
inline constexpr int packageErrorKindCount =
    static_cast<int>(PackageErrorKind::LoadFailed) + 1; // the last

struct PackageError
{
    PackageErrorKind kind = PackageErrorKind::None;
    // The part the error belongs to ("_rels/.rels", "customUI/customUI14.xml");
    // empty when it belongs to the package as a whole.
    QString part;
    MessageArguments arguments;
    LoadError loadError; // LoadFailed

    explicit operator bool() const { return kind != PackageErrorKind::None; }
};

} // namespace talpora::checker
