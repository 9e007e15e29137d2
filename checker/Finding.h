#pragma once

#include "checker/MessageArgument.h"
#include "checker/PackageError.h"
#include "xml/LoadError.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace talpora::checker {

enum class Severity
{
    Error,
    Warning
};

// What a finding says. The arguments each kind takes are listed beside it;
// an element or attribute name is given as written, without "<>".
enum class FindingKind
{
    Unreadable,                    // none: `loadError` says why the file or part cannot be read
    PackageProblem,                // none: `packageError` says what is wrong with the package
    InputUnreadable,               // none: standard input could not be read
    IdBesideIdMso,                 // element
    UnknownIdentifier,             // attribute, identifier; hints say more
    UnknownName,                   // identifier, asked for on its own; hints say more
    OwnIdAsIdentifier,             // attribute, value, line and column of that id, attribute to use
    IdUsedTwice,                   // id, line and column of its first use
    GroupIdentifierOnTab,          // identifier
    TabIdentifierOnGroup,          // identifier
    TabIdentifierOnControl,        // identifier
    GroupIdentifierOnControl,      // identifier
    TwoIdentities,                 // element, first and second of id, idQ and idMso
    NoIdentity,                    // element
    UndeclaredPrefix,              // attribute, prefix
    NoImageRelationship,           // image id
    RootInNoNamespace,             // root element, the two customUI namespaces
    RootInOtherNamespace,          // root element, its namespace, the two customUI namespaces
    ForeignElement,                // element, its namespace
    ElementInNoNamespace,          // element, the part's customUI namespace
    TextNotAllowed,                // element, the start of the text
    TooMany,                       // element, parent, the most allowed
    MustComeBefore,                // element, parent, the sibling it must precede
    MustComeAfter,                 // element, parent, the sibling it must follow
    MustBeLast,                    // element, parent
    OnlyInOtherNamespace,          // element, parent, namespace, other namespace, its URI
    NotAllowedInEmpty,             // element, parent
    NotAllowed,                    // element, parent, the elements the parent may hold (a list)
    TooFewOfOne,                   // element, the children it lacks (a list)
    TooFew,                        // element, the least count, the children it lacks (a list)
    StaticBesideCallback,          // element, first attribute, second attribute
    AttributeOnlyInOtherNamespace, // attribute, element, namespace, other namespace, its URI
    UnknownAttribute,              // attribute, element; a hint may suggest names
    PrefixedAttribute,             // attribute as written, its name without the prefix
    ForeignAttribute,              // attribute, element, the attribute's namespace
    MissingAttribute,              // element, attribute
    ValueNotInList,                // attribute, value, the allowed values (a list)
    ValueNotBoolean,               // attribute, value
    ValueNotWholeNumber,           // attribute, value, least, most
    ValueNotName,                  // attribute, value
    ValueNotQualifiedName,         // attribute, value
    ValueTooShort,                 // attribute, value, least length
    ValueLengthOutside,            // attribute, value, least length, most length
    OrphanPart,                    // the relationship part that should name it
    UndecodableEntryName,          // none: the finding's part is the name, bytes escaped
    AcceptCommentAfterRoot         // none
};
inline constexpr int findingKindCount =
    static_cast<int>(FindingKind::AcceptCommentAfterRoot) + 1; // the last

// A remark added to a finding, in order: what the identifier was checked
// against, and what might have been meant.
enum class HintKind
{
    OfApplication,   // application name
    AssumedFromFile, // none: the application was assumed from the file's identifiers
    AssumedFrom,     // the identifier it was assumed from
    InOffice,        // the versions checked against
    InOtherVersions, // the versions that know the identifier
    NotAName,        // none: the value is no name either, as the schema wants
    KnownElsewhere,  // the applications that know it (a list), the code of the first
    DidYouMean       // the suggested names (a list)
};
inline constexpr int hintKindCount = static_cast<int>(HintKind::DidYouMean) + 1; // the last

struct FindingHint
{
    HintKind kind;
    MessageArguments arguments;
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
    FindingKind kind = FindingKind::Unreadable;
    MessageArguments arguments;
    std::vector<FindingHint> hints;
    LoadError loadError;       // Unreadable
    PackageError packageError; // PackageProblem
    // The element whose start tag holds the place, counted from 1 in document
    // order within the part (the order a reader reports start tags in);
    // 0 when the finding has no element (a package or a part as a whole).
    std::uint32_t element = 0;
};

enum class NoteKind
{
    NoCustomUiPart,     // none
    AssumedApplication, // application name
    MoreInFile,         // findings not shown, the most shown a part
    MoreInPart,         // findings not shown, the part, the most shown a part
    AcceptedByOption,   // the identifiers accepted by --accept that the file uses (a list)
    AcceptedByComment,  // the same by comments in the file (a list)
    AcceptedByBoth      // the two lists
};
inline constexpr int noteKindCount = static_cast<int>(NoteKind::AcceptedByBoth) + 1; // the last

// A remark that is no finding ("the package has no customUI part").
struct Note
{
    NoteKind kind;
    MessageArguments arguments;
};

} // namespace talpora::checker
