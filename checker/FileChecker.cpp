#include "checker/FileChecker.h"

#include "checker/ApplicationGuess.h"
#include "checker/CustomUiChecker.h"
#include "checker/CustomUiPackage.h"
#include "checker/PackageRecognition.h"
#include "xml/Utf8View.h"
#include "xml/XmlEventReader.h"

#include <unordered_set>

namespace talpora::checker {

namespace {

using namespace talpora::catalogue;

void addLoadError(CheckReport& report, const QString& part, const LoadError& error)
{
    report.addUnreadable({part,
                          error.line,
                          error.column,
                          Severity::Error,
                          FindingKind::Unreadable,
                          {},
                          {},
                          error,
                          {}});
}

void addPackageError(CheckReport& report, const PackageError& error)
{
    if (error.kind == PackageErrorKind::LoadFailed) {
        addLoadError(report, error.part, error.loadError);
        return;
    }
    report.addUnreadable(
        {error.part, 0, 0, Severity::Error, FindingKind::PackageProblem, {}, {}, {}, error});
}

IdentifierRules rulesFor(const IdentifierIndex& index, const CheckOptions& options,
                         std::optional<Application> application)
{
    const ApplicationSet applications =
        application ? ApplicationSet::only(*application) : ApplicationSet::documentApplications();
    IdentifierRules rules(index, applications, options.versions,
                          options.versions.bits != VersionSet::all().bits);
    rules.acceptFromOption(options.accepted);
    return rules;
}

NameList quotedNames(const std::vector<std::string>& names)
{
    NameList list{{}, NameListForm::QuotedConjunction};
    for (const std::string& name : names)
        list.names.append(QString::fromStdString(name));
    return list;
}

// Nothing is let through unsaid: which accepted identifiers the file used.
void noteAccepted(const IdentifierRules& rules, CheckReport& report)
{
    const std::vector<std::string>& byOption = rules.usedFromOption();
    const std::vector<std::string>& byComments = rules.usedFromComments();
    if (!byOption.empty() && !byComments.empty())
        report.addNote(
            {NoteKind::AcceptedByBoth, {quotedNames(byOption), quotedNames(byComments)}});
    else if (!byOption.empty())
        report.addNote({NoteKind::AcceptedByOption, {quotedNames(byOption)}});
    else if (!byComments.empty())
        report.addNote({NoteKind::AcceptedByComment, {quotedNames(byComments)}});
}

// Checks one customUI document, which `read` feeds to the checker it is given.
template <typename Read>
void checkCustomUi(IdentifierRules& rules, CheckReport& report, const QString& part, Read read,
                   std::optional<std::unordered_set<std::string>> imageIds = std::nullopt)
{
    CustomUiChecker checker(rules, report, part);
    if (imageIds)
        checker.setImageRelationships(std::move(*imageIds));
    const LoadError error = read(checker);
    checker.finish();
    if (error)
        addLoadError(report, part, error);
    report.endPart();
}

bool spendsTheTotal(const PackageError& error)
{
    return error.kind == PackageErrorKind::PackageTooLarge;
}

// Checks one part of the package; false once the package's total of
// inflated bytes is spent, so that no further part is read.
bool checkPart(CustomUiPackage& package, const CustomUiPartEntry& entry, IdentifierRules& rules,
               CheckReport& report)
{
    const PartBytes part = package.read(entry);
    if (part.error.kind == PackageErrorKind::PartAmbiguous)
        return true; // said with the package's names
    if (part.error) {
        addPackageError(report, part.error);
        return !spendsTheTotal(part.error);
    }
    ImageRelationships images = package.imageRelationships(entry.name);
    std::optional<std::unordered_set<std::string>> imageIds;
    if (!images.error) {
        imageIds = std::move(images.ids);
    } else if (images.error.kind != PackageErrorKind::PartAmbiguous) {
        // Said on its own; the part's images are then not judged at all.
        addPackageError(report, images.error);
    }
    checkCustomUi(
        rules, report, entry.name,
        [&](XmlEventHandler& checker) { return readXmlBytes(part.bytes, checker); },
        std::move(imageIds));
    return !spendsTheTotal(images.error);
}

std::optional<Application> applicationOfPackage(const CustomUiPackage& package,
                                                const QString& fileName,
                                                const CheckOptions& options)
{
    if (options.application)
        return options.application;
    if (const std::optional<Application> application = package.application())
        return application;
    return applicationOfExtension(fileName);
}

// `onlyPart`, when given, leaves out every other customUI part: what is wrong
// with the package as a whole is still said.
JudgedAgainst checkPackage(CustomUiPackage& package, const QString& fileName,
                           const CheckOptions& options, const IdentifierIndex& index,
                           CheckReport& report, const std::optional<QString>& onlyPart = {})
{
    const std::optional<Application> application = applicationOfPackage(package, fileName, options);
    for (const PackageError& error : package.errors())
        addPackageError(report, error);
    for (const QString& name : package.undecodableNames()) {
        report.add(
            {name, 0, 0, Severity::Warning, FindingKind::UndecodableEntryName, {}, {}, {}, {}});
        report.endPart();
    }
    if (!package.hasRelationships())
        return {application, false};
    IdentifierRules rules = rulesFor(index, options, application);

    bool hasParts = false;
    for (const CustomUiPartEntry& entry : package.parts()) {
        if (entry.refusal) {
            addPackageError(report, entry.refusal);
            continue;
        }
        hasParts = true;
        if (!onlyPart || entry.name == *onlyPart) {
            if (!checkPart(package, entry, rules, report))
                break;
        }
    }
    for (const QString& name : package.unnamedParts()) {
        report.add({name,
                    0,
                    0,
                    Severity::Warning,
                    FindingKind::OrphanPart,
                    {CustomUiPackage::relationshipsPart()},
                    {},
                    {},
                    {}});
        report.endPart();
    }
    if (!hasParts && package.unnamedParts().isEmpty())
        report.addNote({NoteKind::NoCustomUiPart, {}});
    noteAccepted(rules, report);
    return {application, false};
}

// A customUI document on its own, read by `read`; read again when its
// identifiers, unknown to Access, Excel, PowerPoint and Word, point to
// another application.
template <typename Read>
JudgedAgainst checkLoneCustomUi(const CheckOptions& options, const IdentifierIndex& index,
                                CheckReport& report, Read read)
{
    IdentifierRules rules = rulesFor(index, options, options.application);
    if (options.application) {
        checkCustomUi(rules, report, {}, read);
        noteAccepted(rules, report);
        return {options.application, false};
    }
    // Held back until it is known whether the identifiers point to another
    // application; at most a part's limit of findings, so memory stays bounded.
    CollectingSink held;
    CheckReport heldReport(held, report.perPartLimit());
    checkCustomUi(rules, heldReport, {}, read);
    const std::optional<AssumedApplication> assumed =
        rules.sawOtherApplications() ? guessApplication(rules.names(), index, options.versions)
                                     : std::nullopt;
    if (!assumed) {
        report.replay(held, heldReport);
        noteAccepted(rules, report);
        return {};
    }
    IdentifierRules assumedRules = rulesFor(index, options, assumed->application);
    assumedRules.setAssumed(assumed->evidence);
    checkCustomUi(assumedRules, report, {}, read);
    report.addNote(
        {NoteKind::AssumedApplication, {fromUtf8View(applicationName(assumed->application))}});
    noteAccepted(assumedRules, report);
    return {assumed->application, true};
}

JudgedAgainst checkOpenedPackage(const OpenedCustomUiPackage& opened, const QString& fileName,
                                 const CheckOptions& options, const IdentifierIndex& index,
                                 CheckReport& report, const std::optional<QString>& onlyPart = {})
{
    JudgedAgainst judged{
        options.application ? options.application : applicationOfExtension(fileName), false};
    if (opened.error)
        addPackageError(report, opened.error);
    else
        judged = checkPackage(*opened.package, fileName, options, index, report, onlyPart);
    report.endPart();
    return judged;
}

} // namespace

void checkXmlBytes(const QByteArray& bytes, const CheckOptions& options,
                   const IdentifierIndex& index, CheckReport& report)
{
    checkLoneCustomUi(options, index, report,
                      [&](XmlEventHandler& checker) { return readXmlBytes(bytes, checker); });
}

void checkPackageBytes(const QByteArray& bytes, const QString& fileName,
                       const CheckOptions& options, const IdentifierIndex& index,
                       CheckReport& report)
{
    checkOpenedPackage(CustomUiPackage::openBytes(bytes), fileName, options, index, report);
}

void checkBytes(const QByteArray& bytes, const QString& name, const CheckOptions& options,
                const IdentifierIndex& index, CheckReport& report)
{
    if (isPackage(bytes, name))
        checkPackageBytes(bytes, name, options, index, report);
    else
        checkXmlBytes(bytes, options, index, report);
}

JudgedAgainst checkFile(const QString& path, const CheckOptions& options,
                        const IdentifierIndex& index, CheckReport& report)
{
    if (!isPackageFile(path)) {
        // Not a package: the reader says why a missing or odd file cannot be read.
        return checkLoneCustomUi(options, index, report, [&](XmlEventHandler& checker) {
            return readXmlFile(path, checker);
        });
    }
    return checkOpenedPackage(CustomUiPackage::openFile(path), path, options, index, report);
}

JudgedAgainst checkPackagePart(const QString& path, const QString& partName,
                               const CheckOptions& options, const IdentifierIndex& index,
                               CheckReport& report)
{
    return checkOpenedPackage(CustomUiPackage::openFile(path), path, options, index, report,
                              partName);
}

} // namespace talpora::checker
