// libFuzzer target: the same bytes checked as a customUI part and as an
// Office package (zip), and their callbacks written as stubs. Run by run-fuzzer.sh; see
// tests/fuzz/CMakeLists.txt.

#include "CallbackStubs.h"
#include "FileChecker.h"
#include "IdentifierIndex.h"

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

void checkReport(const checker::CheckReport& report)
{
    const int status = report.exitStatus();
    require(status >= 0 && status <= 2);
    require(status == 0 || !report.findings.empty());
    require((status == 2) == report.unreadable);
    require(status != 1 || report.hasErrors());
    for (const checker::Finding& finding : report.findings) {
        require(finding.line >= 0 && (finding.line == 0) == (finding.column == 0));
        require(!finding.message.isEmpty());
        require(checker::formatFinding(QStringLiteral("f"), finding).startsWith(u'f'));
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
        const std::string text = checker::callbackStubsText(collector.stubs(), language);
        require(text.empty() == collector.stubs().empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto& index = catalogue::IdentifierIndex::builtIn();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkReport(checker::checkXmlBytes(bytes, {}, index));
    checkReport(checker::checkPackageBytes(bytes, QStringLiteral("fuzz.xlsm"), {}, index));
    writeStubs(bytes);
    return 0;
}
