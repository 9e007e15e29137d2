#include "registrar/platform/windows/WindowsMessageReporter.h"

#include "registrar/platform/windows/WideText.h"
#include "registrar/reporting/ReportText.h"

#include <utility>
#include <windows.h>

namespace quillet {

WindowsMessageReporter::WindowsMessageReporter(std::wstring title) : title_(std::move(title)) {}

void WindowsMessageReporter::show(const Report& report)
{
    MessageBoxW(nullptr, toWide(reportText(report)).c_str(), title_.c_str(), MB_OK);
}

} // namespace quillet
