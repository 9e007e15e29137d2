#pragma once

#include <string>
#include <utility>
#include <vector>

namespace talpora::bench {

// A zip archive of `parts` (name, bytes), deflated; false when it cannot be written.
bool writeZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& parts);

} // namespace talpora::bench
