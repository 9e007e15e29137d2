#pragma once

#include "registrar/core/Report.h"

namespace quillet {

class Reporter
{
public:
    virtual ~Reporter() = default;

    // Returns once the user has seen the report (a message box is closed).
    virtual void show(const Report& report) = 0;
};

} // namespace quillet
