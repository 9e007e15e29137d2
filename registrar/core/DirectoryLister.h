#pragma once

#include "registrar/core/DirectoryEntry.h"

#include <string>

namespace quillet {

class DirectoryLister
{
public:
    virtual ~DirectoryLister() = default;

    // Every entry of the folder except "." and "..", in the platform's order.
    virtual Listing list(const std::string& folder) = 0;
};

} // namespace quillet
