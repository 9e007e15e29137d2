#pragma once

#include "registrar/core/DirectoryLister.h"

namespace quillet {

// Lists a folder with opendir/readdir. Names starting with a dot count as hidden; entries are
// sorted by name so that every run handles the files in the same order.
class PosixDirectoryLister : public DirectoryLister
{
public:
    Listing list(const std::string& folder) override;
};

} // namespace quillet
