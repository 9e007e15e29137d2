#pragma once

#include "registrar/core/Report.h"

#include <string>

namespace quillet {

// What a report says, in UTF-8, in the language of the installed translation
// (English where none is installed). Names from the file system keep their
// bytes; control characters in them are written as escapes (visibleName).
std::string reportText(const Report& report);

} // namespace quillet
