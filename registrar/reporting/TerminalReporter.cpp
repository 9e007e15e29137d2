#include "registrar/reporting/TerminalReporter.h"

#include "registrar/reporting/ReportText.h"

namespace quillet {

TerminalReporter::TerminalReporter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

void TerminalReporter::show(const Report& report)
{
    std::ostream& stream = report.isFailure() ? err_ : out_;
    // Flushed per line so that a script reading the output sees each file as it is handled.
    stream << reportText(report) << std::endl;
}

} // namespace quillet
