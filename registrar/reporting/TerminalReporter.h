#pragma once

#include "registrar/core/Reporter.h"

#include <ostream>

namespace quillet {

// Reports as lines of text: successes on `out`, failures on `err`. Used where no display is
// available to show message boxes.
class TerminalReporter : public Reporter
{
public:
    TerminalReporter(std::ostream& out, std::ostream& err);

    void show(const Report& report) override;

private:
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace quillet
