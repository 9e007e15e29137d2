#include "checker/FindingTexts.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

// A text and the number of arguments its placeholders take. The texts of
// findings, their hints, notes and lists are in the context "Finding", those
// of package errors in "PackageError".
struct Text
{
    const char* source = nullptr;
    int arguments = 0;
};

constexpr char findingContext[] = "Finding";
constexpr char packageContext[] = "PackageError";

Text textOf(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Unreadable:
    case FindingKind::PackageProblem:
        return {}; // worded by their LoadError or PackageError
    case FindingKind::InputUnreadable:
        return {QT_TRANSLATE_NOOP("Finding", "cannot read"), 0};
    case FindingKind::IdBesideIdMso:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "<%1> has both id and idMso; a control is either your own or a built-in one"),
                1};
    case FindingKind::UnknownIdentifier:
        return {QT_TRANSLATE_NOOP("Finding", "%1: \"%2\" is not a known identifier"), 2};
    case FindingKind::UnknownName:
        return {QT_TRANSLATE_NOOP("Finding", "\"%1\" is not a known identifier"), 1};
    case FindingKind::OwnIdAsIdentifier:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "%1: \"%2\" is not a built-in identifier but the id at line %3, "
                                  "column %4; to name your own element, use %5"),
                5};
    case FindingKind::IdUsedTwice:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "id \"%1\" is already used at line %2, column %3; Office rejects the whole "
                    "customisation"),
                3};
    case FindingKind::GroupIdentifierOnTab:
        return {QT_TRANSLATE_NOOP("Finding", "\"%1\" is the identifier of a group, not of a tab"),
                1};
    case FindingKind::TabIdentifierOnGroup:
        return {QT_TRANSLATE_NOOP("Finding", "\"%1\" is the identifier of a tab, not of a group"),
                1};
    case FindingKind::TabIdentifierOnControl:
        return {QT_TRANSLATE_NOOP("Finding", "\"%1\" is the identifier of a tab, not of a control"),
                1};
    case FindingKind::GroupIdentifierOnControl:
        return {
            QT_TRANSLATE_NOOP("Finding", "\"%1\" is the identifier of a group, not of a control"),
            1};
    case FindingKind::TwoIdentities:
        return {QT_TRANSLATE_NOOP(
                    "Finding", "<%1> has both %2 and %3; a control takes one of id, idQ and idMso"),
                3};
    case FindingKind::NoIdentity:
        return {
            QT_TRANSLATE_NOOP(
                "Finding", "<%1> has none of id, idQ and idMso; Office needs one to tell it apart"),
            1};
    case FindingKind::UndeclaredPrefix:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "%1: the prefix \"%2\" is not declared; declare it with xmlns:%2=\"...\" on "
                    "this element or one around it"),
                2};
    case FindingKind::NoImageRelationship:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "image: the part has no image relationship with the id \"%1\" and the root "
                    "no loadImage callback, so the control shows no image"),
                1};
    case FindingKind::RootInNoNamespace:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "Office ignores this part: its root is <%1> in no namespace, not "
                                  "<customUI> in %2 or %3"),
                3};
    case FindingKind::RootInOtherNamespace:
        return {
            QT_TRANSLATE_NOOP("Finding",
                              "Office ignores this part: its root is <%1> in namespace \"%2\", not "
                              "<customUI> in %3 or %4"),
            4};
    case FindingKind::ForeignElement:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "<%1> is in namespace \"%2\", not in this part's customUI namespace; the "
                    "schema allows no other elements"),
                2};
    case FindingKind::ElementInNoNamespace:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "<%1> is in no namespace, not in this part's customUI namespace "
                                  "%2; the schema allows no other elements"),
                2};
    case FindingKind::TextNotAllowed:
        return {QT_TRANSLATE_NOOP("Finding", "text is not allowed in <%1>; remove \"%2\""), 2};
    case FindingKind::TooMany:
        return {QT_TRANSLATE_NOOP("Finding", "too many <%1> in <%2>: at most %3"), 3};
    case FindingKind::MustComeBefore:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> must come before <%3> in <%2>"), 3};
    case FindingKind::MustComeAfter:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> must come after <%3> in <%2>"), 3};
    case FindingKind::MustBeLast:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> must be the last child of <%2>"), 2};
    case FindingKind::OnlyInOtherNamespace:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "<%1> is not allowed in <%2> in the %3 namespace; the %4 namespace (%5) "
                    "has it"),
                5};
    case FindingKind::NotAllowedInEmpty:
        return {
            QT_TRANSLATE_NOOP("Finding", "<%1> is not allowed in <%2>, which holds no elements"),
            2};
    case FindingKind::NotAllowed:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> is not allowed in <%2>; it may hold %3"), 3};
    case FindingKind::TooFewOfOne:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> needs at least one %2"), 2};
    case FindingKind::TooFew:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> needs at least %2 %3"), 3};
    case FindingKind::StaticBesideCallback:
        return {
            QT_TRANSLATE_NOOP("Finding", "<%1> has both %2 and %3; Office takes one or the other"),
            3};
    case FindingKind::AttributeOnlyInOtherNamespace:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "attribute %1 is not allowed on <%2> in the %3 namespace; the %4 namespace "
                    "(%5) has it"),
                5};
    case FindingKind::UnknownAttribute:
        return {QT_TRANSLATE_NOOP("Finding", "unknown attribute \"%1\" on <%2>"), 2};
    case FindingKind::PrefixedAttribute:
        return {QT_TRANSLATE_NOOP("Finding", "%1: customUI attributes take no prefix; write %2"),
                2};
    case FindingKind::ForeignAttribute:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "%1 is not an attribute of the customUI schema (it is in "
                                  "namespace \"%3\"); remove it from <%2>"),
                3};
    case FindingKind::MissingAttribute:
        return {QT_TRANSLATE_NOOP("Finding", "<%1> needs the attribute %2"), 2};
    case FindingKind::ValueNotInList:
        return {QT_TRANSLATE_NOOP("Finding", "%1: \"%2\" is not allowed; use %3"), 3};
    case FindingKind::ValueNotBoolean:
        return {QT_TRANSLATE_NOOP("Finding", "%1: \"%2\" is not allowed; use true, false, 1 or 0"),
                2};
    case FindingKind::ValueNotWholeNumber:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "%1: \"%2\" is not allowed; use a whole number from %3 to %4"),
                4};
    case FindingKind::ValueNotName:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "%1: \"%2\" is not allowed; use a name of letters, digits, '_', '-' and '.' "
                    "that starts with a letter or '_'"),
                2};
    case FindingKind::ValueNotQualifiedName:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "%1: \"%2\" is not allowed; use a name, or a prefix and a name (\"x:name\")"),
                2};
    case FindingKind::ValueTooShort:
        return {
            QT_TRANSLATE_NOOP("Finding", "%1: \"%2\" is not allowed; use at least %3 characters"),
            3};
    case FindingKind::ValueLengthOutside:
        return {QT_TRANSLATE_NOOP("Finding", "%1: \"%2\" is not allowed; use %3 to %4 characters"),
                4};
    case FindingKind::OrphanPart:
        return {QT_TRANSLATE_NOOP(
                    "Finding", "no relationship in %1 names this customUI part; Office ignores it"),
                1};
    case FindingKind::UndecodableEntryName:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "the entry's name is not UTF-8, so it is no part of the package "
                                  "and is not read"),
                0};
    case FindingKind::AcceptCommentAfterRoot:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "a \"talpora-cli: accept\" comment counts only before the root "
                                  "element; move it there"),
                0};
    }
    return {};
}

// Hints follow the finding's text directly, so each brings its own lead.
Text textOf(HintKind kind)
{
    switch (kind) {
    case HintKind::OfApplication:
        return {QT_TRANSLATE_NOOP("Finding", " of %1"), 1};
    case HintKind::AssumedFromFile:
        return {QT_TRANSLATE_NOOP("Finding", " (assumed from the file's identifiers)"), 0};
    case HintKind::AssumedFrom:
        return {QT_TRANSLATE_NOOP("Finding", " (assumed from \"%1\")"), 1};
    case HintKind::InOffice:
        return {QT_TRANSLATE_NOOP("Finding", " in Office %1"), 1};
    case HintKind::InOtherVersions:
        return {QT_TRANSLATE_NOOP("Finding", " (it is in %1)"), 1};
    case HintKind::NotAName:
        return {QT_TRANSLATE_NOOP("Finding",
                                  ", nor a name of letters, digits, '_', '-' and '.' that starts "
                                  "with a letter or '_'"),
                0};
    case HintKind::KnownElsewhere:
        return {QT_TRANSLATE_NOOP("Finding", "; known in %1; use --app %2"), 2};
    case HintKind::DidYouMean:
        return {QT_TRANSLATE_NOOP("Finding", "; did you mean %1?"), 1};
    }
    return {};
}

Text textOf(NoteKind kind)
{
    switch (kind) {
    case NoteKind::NoCustomUiPart:
        return {QT_TRANSLATE_NOOP("Finding", "the package has no customUI part"), 0};
    case NoteKind::AssumedApplication:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "checked against %1, assumed from its identifiers; --app chooses another"),
                1};
    case NoteKind::MoreInFile:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "%1 more findings in the file not shown (at most %2 a part)"),
                2};
    case NoteKind::MoreInPart:
        return {
            QT_TRANSLATE_NOOP("Finding", "%1 more findings in %2 not shown (at most %3 a part)"),
            3};
    case NoteKind::AcceptedByOption:
        return {QT_TRANSLATE_NOOP("Finding", "accepted as known identifiers: %1 (by --accept)"), 1};
    case NoteKind::AcceptedByComment:
        return {QT_TRANSLATE_NOOP(
                    "Finding",
                    "accepted as known identifiers: %1 (by a \"talpora-cli: accept\" comment)"),
                1};
    case NoteKind::AcceptedByBoth:
        return {QT_TRANSLATE_NOOP("Finding",
                                  "accepted as known identifiers: %1 (by --accept) and %2 (by a "
                                  "\"talpora-cli: accept\" comment)"),
                2};
    }
    return {};
}

Text textOf(PackageErrorKind kind)
{
    switch (kind) {
    case PackageErrorKind::None:
    case PackageErrorKind::LoadFailed:
        return {}; // nothing to say, or worded by its LoadError
    case PackageErrorKind::NotAPackage:
        return {QT_TRANSLATE_NOOP("PackageError", "not an Office Open XML package: %1"), 1};
    case PackageErrorKind::CannotOpenPackage:
        return {QT_TRANSLATE_NOOP("PackageError", "cannot open the package: %1"), 1};
    case PackageErrorKind::InconsistentZip:
        return {QT_TRANSLATE_NOOP("PackageError",
                                  "refused: the package's zip structure is inconsistent at byte "
                                  "%1, so zip readers may find different parts in it"),
                1};
    case PackageErrorKind::NoRelationships:
        return {QT_TRANSLATE_NOOP("PackageError", "not an Office Open XML package: it has no %1"),
                1};
    case PackageErrorKind::AmbiguousNames:
        return {QT_TRANSLATE_NOOP(
                    "PackageError",
                    "ambiguous part name: %1 are one name to Office, which may read any of them"),
                1};
    case PackageErrorKind::PartMissing:
        return {QT_TRANSLATE_NOOP("PackageError", "the part \"%1\" is missing"), 1};
    case PackageErrorKind::PartAmbiguous:
        return {QT_TRANSLATE_NOOP(
                    "PackageError",
                    "ambiguous part name: several parts are named \"%1\" to Office, which may "
                    "read any of them"),
                1};
    case PackageErrorKind::PartTooLarge:
        return {QT_TRANSLATE_NOOP("PackageError",
                                  "refused: the part inflates to more than %1 MiB (a zip bomb?)"),
                1};
    case PackageErrorKind::PackageTooLarge:
        return {QT_TRANSLATE_NOOP("PackageError",
                                  "refused: the parts read from the package inflate to more than "
                                  "%1 MiB together (a zip bomb?)"),
                1};
    case PackageErrorKind::PartBroken:
        return {QT_TRANSLATE_NOOP("PackageError", "cannot read the part: %1"), 1};
    case PackageErrorKind::CustomUiPartMissing:
        return {
            QT_TRANSLATE_NOOP("PackageError", "the customUI part \"%1\" named in %2 is missing"),
            2};
    case PackageErrorKind::TargetOutside:
        return {QT_TRANSLATE_NOOP("PackageError",
                                  "refused: the customUI target \"%1\" leaves the package"),
                1};
    case PackageErrorKind::TargetMalformed:
        return {QT_TRANSLATE_NOOP("PackageError",
                                  "refused: the customUI target \"%1\" has a malformed "
                                  "percent-escape"),
                1};
    }
    return {};
}

QString translated(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source);
}

QString quoted(const QString& name)
{
    //: A name from the file, quoted
    return translated(findingContext, QT_TRANSLATE_NOOP("Finding", "\"%1\"")).arg(name);
}

QString joined(const NameList& list)
{
    QStringList items;
    for (const QString& name : list.names) {
        if (list.form == NameListForm::TagAlternatives)
            items.append(u'<' + name + u'>');
        else if (list.form == NameListForm::Series)
            items.append(name);
        else
            items.append(quoted(name));
    }
    if (items.isEmpty())
        return {};
    //: Joins the items of a list
    const QString comma = translated(findingContext, QT_TRANSLATE_NOOP("Finding", "%1, %2"));
    //: Joins the last of several alternatives
    const QString orLast = translated(findingContext, QT_TRANSLATE_NOOP("Finding", "%1 or %2"));
    //: Joins names that are all meant
    const QString andNext = translated(findingContext, QT_TRANSLATE_NOOP("Finding", "%1 and %2"));
    QString text = items.first();
    for (qsizetype i = 1; i < items.size(); ++i) {
        const bool last = i + 1 == items.size();
        switch (list.form) {
        case NameListForm::QuotedAlternatives:
        case NameListForm::TagAlternatives:
            text = (last ? orLast : comma).arg(text, items[i]);
            break;
        case NameListForm::QuotedConjunction:
            text = andNext.arg(text, items[i]);
            break;
        case NameListForm::Series:
            text = comma.arg(text, items[i]);
            break;
        }
    }
    return text;
}

QString textOfArgument(const MessageArgument& argument)
{
    if (const QString* text = std::get_if<QString>(&argument))
        return *text;
    if (const long long* number = std::get_if<long long>(&argument))
        return QString::number(*number);
    return joined(std::get<NameList>(argument));
}

// The text with its placeholders filled in, all in one pass: an argument
// holding "%2" stays as it is.
QString worded(const char* context, const Text& text, const MessageArguments& arguments)
{
    Q_ASSERT(text.source && qsizetype(arguments.size()) == text.arguments);
    const QString format = translated(context, text.source);
    QStringList values;
    for (const MessageArgument& argument : arguments)
        values.append(textOfArgument(argument));
    switch (values.size()) {
    case 0:
        return format;
    case 1:
        return format.arg(values[0]);
    case 2:
        return format.arg(values[0], values[1]);
    case 3:
        return format.arg(values[0], values[1], values[2]);
    case 4:
        return format.arg(values[0], values[1], values[2], values[3]);
    default:
        return format.arg(values[0], values[1], values[2], values[3], values[4]);
    }
}

QString unescapedPackageError(const PackageError& error)
{
    if (error.kind == PackageErrorKind::None)
        return {};
    if (error.kind == PackageErrorKind::LoadFailed)
        return describe(error.loadError);
    return worded(packageContext, textOf(error.kind), error.arguments);
}

// The finding carries the place itself.
QString describeWithoutPlace(const LoadError& error)
{
    LoadError unplaced = error;
    unplaced.line = 0;
    unplaced.column = 0;
    return describe(unplaced);
}

} // namespace

QString describeFinding(const Finding& finding)
{
    QString text;
    if (finding.kind == FindingKind::Unreadable)
        text = describeWithoutPlace(finding.loadError);
    else if (finding.kind == FindingKind::PackageProblem)
        text = unescapedPackageError(finding.packageError);
    else
        text = worded(findingContext, textOf(finding.kind), finding.arguments);
    for (const FindingHint& hint : finding.hints)
        text += worded(findingContext, textOf(hint.kind), hint.arguments);
    return escapedControls(text);
}

QString describeNote(const Note& note)
{
    return escapedControls(worded(findingContext, textOf(note.kind), note.arguments));
}

QString describePackageError(const PackageError& error)
{
    return escapedControls(unescapedPackageError(error));
}

QString formatFinding(const QString& file, const Finding& finding)
{
    QString text = escapedControls(file);
    if (!finding.part.isEmpty())
        text += u'!' + escapedControls(finding.part);
    if (finding.line > 0)
        text += u":%1:%2"_s.arg(finding.line).arg(finding.column);
    text += finding.severity == Severity::Error ? u": error: "_s : u": warning: "_s;
    return text + describeFinding(finding);
}

QString formatNote(const QString& file, const Note& note)
{
    return u"%1: note: %2"_s.arg(escapedControls(file), describeNote(note));
}

int argumentCount(FindingKind kind)
{
    return textOf(kind).arguments;
}

int argumentCount(HintKind kind)
{
    return textOf(kind).arguments;
}

int argumentCount(NoteKind kind)
{
    return textOf(kind).arguments;
}

int argumentCount(PackageErrorKind kind)
{
    return textOf(kind).arguments;
}

} // namespace talpora::checker
