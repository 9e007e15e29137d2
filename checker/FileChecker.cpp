#include "checker/FileChecker.h"

#include "checker/ApplicationGuess.h"
#include "checker/CustomUiChecker.h"
#include "checker/OfficePackage.h"
#include "checker/PackageRelationships.h"
#include "xml/Utf8View.h"
#include "xml/XmlEventReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <array>
#include <unordered_set>

using namespace Qt::StringLiterals;

namespace talpora::checker {

namespace {

using namespace talpora::catalogue;

constexpr auto relationshipsPart = "_rels/.rels";
constexpr auto imageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

// Where Office writes customUI parts: "customUI/*.xml", "userCustomization/*.xml".
bool looksLikeCustomUiPart(const QString& foldedName)
{
    return foldedName.count(u'/') == 1 && foldedName.endsWith(u".xml"_s) &&
           (foldedName.startsWith(u"customui/"_s) ||
            foldedName.startsWith(u"usercustomization/"_s));
}

struct ExtensionApplication
{
    const char* extension;
    Application application;
};

constexpr std::array<ExtensionApplication, 16> packageExtensions = {{
    {"xlsx", Application::Excel},
    {"xlsm", Application::Excel},
    {"xltx", Application::Excel},
    {"xltm", Application::Excel},
    {"xlam", Application::Excel},
    {"docx", Application::Word},
    {"docm", Application::Word},
    {"dotx", Application::Word},
    {"dotm", Application::Word},
    {"pptx", Application::PowerPoint},
    {"pptm", Application::PowerPoint},
    {"potx", Application::PowerPoint},
    {"potm", Application::PowerPoint},
    {"ppsx", Application::PowerPoint},
    {"ppsm", Application::PowerPoint},
    {"ppam", Application::PowerPoint},
}};

std::optional<Application> applicationOfExtension(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const ExtensionApplication& entry : packageExtensions) {
        if (suffix == QLatin1StringView(entry.extension))
            return entry.application;
    }
    return std::nullopt;
}

// The application whose main part the package holds: xl/, word/, ppt/ or visio/.
std::optional<Application> applicationOfPackage(const OfficePackage& package)
{
    if (package.contains(u"xl/workbook.xml"_s))
        return Application::Excel;
    if (package.contains(u"word/document.xml"_s))
        return Application::Word;
    if (package.contains(u"ppt/presentation.xml"_s))
        return Application::PowerPoint;
    if (package.contains(u"visio/document.xml"_s))
        return Application::Visio;
    return std::nullopt;
}

QString withoutPlace(const LoadError& error)
{
    // The finding carries line and column itself.
    LoadError unplaced = error;
    unplaced.line = 0;
    unplaced.column = 0;
    return describe(unplaced);
}

void addLoadError(CheckReport& report, const QString& part, const LoadError& error)
{
    report.addUnreadable({part, error.line, error.column, Severity::Error, withoutPlace(error)});
}

void addPackageError(CheckReport& report, const QString& part, const QString& message)
{
    report.addUnreadable({part, 0, 0, Severity::Error, message});
}

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(u'"' + name + u'"');
    return quoted.join(u" and "_s);
}

IdentifierRules rulesFor(const IdentifierIndex& index, const CheckOptions& options,
                         std::optional<Application> application)
{
    const ApplicationSet applications =
        application ? ApplicationSet::only(*application) : ApplicationSet::documentApplications();
    return IdentifierRules(index, applications, options.versions,
                           options.versions.bits != VersionSet::all().bits);
}

// Why a part that is there could not be read: too large or broken.
QString unreadablePart(const PartBytes& part)
{
    if (part.status == PartBytes::Status::TooLarge)
        return u"refused: the part inflates to more than %1 MiB (a zip bomb?)"_s.arg(
            OfficePackage::defaultPartLimit >> 20);
    return u"cannot read the part: "_s + part.detail;
}

// Checks one customUI document, which `read` feeds to the checker it is given.
template <typename Read>
void checkCustomUi(IdentifierRules& rules, CheckReport& report, const QString& part, Read read,
                   std::optional<std::unordered_set<std::string>> imageIds = std::nullopt)
{
    CustomUiChecker checker(rules, report, part);
    if (imageIds)
        checker.setImageRelationships(std::move(*imageIds));
    if (const LoadError error = read(checker))
        addLoadError(report, part, error);
    report.endPart();
}

// The ids of the image relationships of a part ("customUI/_rels/customUI14.xml.rels");
// none when it has no relationship part or an unreadable one.
std::unordered_set<std::string> imageRelationshipIds(const OfficePackage& package,
                                                     const QString& partName)
{
    const qsizetype slash = partName.lastIndexOf(u'/');
    const QString relsName =
        partName.left(slash + 1) + u"_rels/"_s + partName.mid(slash + 1) + u".rels"_s;
    std::unordered_set<std::string> ids;
    const PartBytes rels = package.read(relsName);
    if (rels.status != PartBytes::Status::Read)
        return ids;
    for (const Relationship& relationship : readRelationships(rels.bytes).relationships) {
        if (relationship.type == QLatin1StringView(imageRelationship))
            ids.insert(relationship.id.toStdString());
    }
    return ids;
}

void checkPart(const OfficePackage& package, const QString& partName, IdentifierRules& rules,
               CheckReport& report)
{
    const PartBytes part = package.read(partName);
    if (part.status == PartBytes::Status::Missing) {
        addPackageError(report, {},
                        u"the customUI part \"%1\" named in %2 is missing"_s.arg(
                            partName, QLatin1StringView(relationshipsPart)));
    } else if (part.status == PartBytes::Status::Ambiguous) {
        return; // reported with the package's names
    } else if (part.status != PartBytes::Status::Read) {
        addPackageError(report, partName, unreadablePart(part));
    } else {
        checkCustomUi(
            rules, report, partName,
            [&](XmlEventHandler& checker) { return readXmlBytes(part.bytes, checker); },
            imageRelationshipIds(package, partName));
    }
}

void checkPackage(const OfficePackage& package, const QString& fileName,
                  const CheckOptions& options, const IdentifierIndex& index, CheckReport& report)
{
    for (const QStringList& names : package.ambiguousNames())
        addPackageError(report, {},
                        u"ambiguous part name: %1 are one name to Office, which may read any "
                        "of them"_s.arg(quotedList(names)));
    const QString relsName = QLatin1StringView(relationshipsPart);
    const PartBytes rels = package.read(relsName);
    if (rels.status == PartBytes::Status::Missing) {
        addPackageError(report, {},
                        u"not an Office Open XML package: it has no %1"_s.arg(relsName));
        return;
    }
    if (rels.status == PartBytes::Status::Ambiguous)
        return;
    if (rels.status != PartBytes::Status::Read) {
        addPackageError(report, relsName, unreadablePart(rels));
        return;
    }
    const RelationshipList list = readRelationships(rels.bytes);
    if (list.error) {
        addLoadError(report, relsName, list.error);
        return;
    }
    std::optional<Application> application = options.application;
    if (!application)
        application = applicationOfPackage(package);
    if (!application)
        application = applicationOfExtension(fileName);
    IdentifierRules rules = rulesFor(index, options, application);

    // Each part once, however many relationships name it.
    QSet<QString> checked;
    for (const Relationship& relationship : list.relationships) {
        if (!isCustomUiRelationship(relationship.type))
            continue;
        const std::optional<QString> partName =
            relationship.external ? std::nullopt : resolvePartName(relationship.target);
        if (!partName) {
            addPackageError(report, relsName,
                            u"refused: the customUI target \"%1\" leaves the package"_s.arg(
                                relationship.target));
            continue;
        }
        if (!checked.contains(partName->toCaseFolded())) {
            checked.insert(partName->toCaseFolded());
            checkPart(package, *partName, rules, report);
        }
    }
    bool hasOrphans = false;
    for (const QString& name : package.partNames()) {
        const QString folded = name.toCaseFolded();
        if (!looksLikeCustomUiPart(folded) || checked.contains(folded))
            continue;
        hasOrphans = true;
        report.add(
            {name, 0, 0, Severity::Warning,
             u"no relationship in %1 names this customUI part; Office ignores it"_s.arg(relsName)});
        report.endPart();
    }
    if (checked.isEmpty() && !hasOrphans)
        report.addNote(u"the package has no customUI part"_s);
}

bool fileStartsLikeZip(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && startsLikeZip(file.read(4));
}

// A customUI document on its own, read by `read`; read again when its
// identifiers, unknown to Access, Excel, PowerPoint and Word, point to
// another application.
template <typename Read>
void checkLoneCustomUi(const CheckOptions& options, const IdentifierIndex& index,
                       CheckReport& report, Read read)
{
    IdentifierRules rules = rulesFor(index, options, options.application);
    if (options.application) {
        checkCustomUi(rules, report, {}, read);
        return;
    }
    // Held back until it is known whether the identifiers point to another
    // application; at most a part's limit of findings, so memory stays bounded.
    CollectingSink held;
    CheckReport heldReport(held);
    checkCustomUi(rules, heldReport, {}, read);
    const std::optional<AssumedApplication> assumed =
        rules.sawOtherApplications() ? guessApplication(rules.names(), index, options.versions)
                                     : std::nullopt;
    if (!assumed) {
        report.replay(held, heldReport);
        return;
    }
    IdentifierRules assumedRules = rulesFor(index, options, assumed->application);
    assumedRules.setAssumed(assumed->evidence);
    checkCustomUi(assumedRules, report, {}, read);
    report.addNote(u"checked against %1, assumed from its identifiers; --app chooses another"_s.arg(
        fromUtf8View(applicationName(assumed->application))));
}

// An Office package opened by `open`, which says why when it cannot.
template <typename Open>
void checkOpenedPackage(const QString& fileName, const CheckOptions& options,
                        const IdentifierIndex& index, CheckReport& report, Open open)
{
    QString error;
    const std::unique_ptr<OfficePackage> package = open(error);
    if (!package)
        addPackageError(report, {}, error);
    else
        checkPackage(*package, fileName, options, index, report);
    report.endPart();
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
    checkOpenedPackage(fileName, options, index, report,
                       [&](QString& error) { return OfficePackage::openBytes(bytes, error); });
}

void checkFile(const QString& path, const CheckOptions& options, const IdentifierIndex& index,
               CheckReport& report)
{
    const QFileInfo info(path);
    if (!info.isFile() || !(applicationOfExtension(path) || fileStartsLikeZip(path))) {
        // Not a package: the reader says why a missing or odd file cannot be read.
        checkLoneCustomUi(options, index, report,
                          [&](XmlEventHandler& checker) { return readXmlFile(path, checker); });
        return;
    }
    checkOpenedPackage(path, options, index, report,
                       [&](QString& error) { return OfficePackage::openFile(path, error); });
}

} // namespace talpora::checker
