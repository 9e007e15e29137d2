#pragma once

#include "registrar/core/DirectoryLister.h"

namespace quillet {

// Lists a folder with FindFirstFileExW/FindNextFileW, reporting the hidden and system
// attributes as they are.
class WindowsDirectoryLister : public DirectoryLister
{
public:
    Listing list(const std::string& folder) override;
};

} // namespace quillet
