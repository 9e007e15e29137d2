#pragma once

#include "registrar/core/Reporter.h"

#include <string>

namespace quillet {

// Shows each report in a MessageBoxW with an OK button only and no icon.
class WindowsMessageReporter : public Reporter
{
public:
    explicit WindowsMessageReporter(std::wstring title);

    void show(const Report& report) override;

private:
    std::wstring title_;
};

} // namespace quillet
