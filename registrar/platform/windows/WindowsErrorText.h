#pragma once

#include <string>

namespace quillet {

// The system's own description of a GetLastError() code, in UTF-8, with its number.
std::string windowsErrorText(unsigned long code);

} // namespace quillet
