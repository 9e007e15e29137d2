#pragma once

#include "registrar/core/DirectoryEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Names of the ordinary files (not hidden, not system, not folders) whose name ends in
// `extension`, letter case ignored, in listing order. `ownName`, the program's own file,
// is never selected.
std::vector<std::string> selectComponents(const std::vector<DirectoryEntry>& entries,
                                          std::string_view extension, std::string_view ownName);

} // namespace quillet
