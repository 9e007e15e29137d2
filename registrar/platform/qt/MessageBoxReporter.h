#pragma once

#include "registrar/core/Reporter.h"

namespace quillet {

// Shows each report in a modal message box titled with the application name, with an OK
// button only and no icon. Needs a QApplication.
class MessageBoxReporter : public Reporter
{
public:
    void show(const Report& report) override;
};

} // namespace quillet
