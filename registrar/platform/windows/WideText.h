#pragma once

#include <string>
#include <string_view>

namespace quillet {

// UTF-8 and the UTF-16 of the Windows API; invalid sequences become U+FFFD.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace quillet
