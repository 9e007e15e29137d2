// libFuzzer target: the same bytes checked as a customUI part, as an Office
// package (zip), and as the relationships of a package whose zip structure is
// sound (which mutated archives seldom keep), and their callbacks written as
// stubs. Run by run-fuzzer.sh; see tests/fuzz/CMakeLists.txt.

#include "TestPackages.h"
#include "catalogue/IdentifierIndex.h"
#include "checker/CallbackStubs.h"
#include "checker/FileChecker.h"
#include "checker/FindingTexts.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

using namespace talpora;

namespace {

// A broken invariant must stop the fuzzer, also in a build without assert().
void require(bool condition)
{
    if (!condition)
        std::abort();
}

// A finding is one line of output, whatever the input holds.
bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0x2028)) ||
           text.contains(QChar(0x85));
}

template <typename Check> void checkReport(Check check)
{
    checker::CollectingSink sink;
    checker::CheckReport report(sink);
    check(report);
    const int status = report.exitStatus();
    require(status >= 0 && status <= 2);
    require(status == 0 || !sink.findings.empty());
    require((status == 2) == report.unreadable());
    require(status != 1 || report.hasErrors());
    for (const checker::Finding& finding : sink.findings) {
        require(finding.line >= 0 && (finding.line == 0) == (finding.column == 0));
        require(!checker::describeFinding(finding).isEmpty());
        const QString line = checker::formatFinding(QStringLiteral("f"), finding);
        require(line.startsWith(u'f') && !hasLineBreak(line));
    }
}

void writeStubs(const QByteArray& bytes)
{
    checker::CallbackCollector collector([](std::string_view idMso) { return idMso == "Bold"; });
    readXmlBytes(bytes, collector);
    for (const checker::CallbackStub& stub : collector.stubs())
        require(!stub.name.empty() && stub.first.line > 0);
    for (const auto language : {checker::CallbackLanguage::Vba, checker::CallbackLanguage::CSharp,
                                checker::CallbackLanguage::VbNet}) {
        // A name that cannot stand in the language's code is skipped, never written.
        std::vector<checker::SkippedCallback> skipped;
        const std::string text = checker::callbackStubsText(collector.stubs(), language, &skipped);
        require(text.empty() == (skipped.size() == collector.stubs().size()));
        for (const checker::SkippedCallback& callback : skipped)
            require(callback.fault != checker::CallbackNameFault::None);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& index = catalogue::IdentifierIndex::builtIn();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkReport(
        [&](checker::CheckReport& report) { checker::checkXmlBytes(bytes, {}, index, report); });
    checkReport([&](checker::CheckReport& report) {
        checker::checkPackageBytes(bytes, QStringLiteral("fuzz.xlsm"), {}, index, report);
    });
    // Relationships of the package and of its customUI part, which has an image.
    const QByteArray part =
        "<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"><ribbon><tabs>"
        "<tab id=\"t\" label=\"T\"><group id=\"g\" label=\"G\"><button id=\"b\" label=\"B\" "
        "image=\"rId1\"/></group></tab></tabs></ribbon></customUI>";
    const QByteArray package = test::rawZipArchive({{"_rels/.rels", bytes},
                                                    {"customUI/customUI.xml", part},
                                                    {"customUI/_rels/customUI.xml.rels", bytes}});
    checkReport([&](checker::CheckReport& report) {
        checker::checkPackageBytes(package, QStringLiteral("fuzz.xlsm"), {}, index, report);
    });
    writeStubs(bytes);
    return 0;
}
