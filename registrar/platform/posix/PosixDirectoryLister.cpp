#include "registrar/platform/posix/PosixDirectoryLister.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>

namespace quillet {

namespace {

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

EntryKind kindOf(int folderFd, const char* name)
{
    // Follows symbolic links: a link to a component file is handled like the file.
    struct stat status = {};
    if (fstatat(folderFd, name, &status, 0) != 0)
        return EntryKind::Other;
    if (S_ISREG(status.st_mode))
        return EntryKind::RegularFile;
    return S_ISDIR(status.st_mode) ? EntryKind::Directory : EntryKind::Other;
}

std::string errorText(int code)
{
    return std::generic_category().message(code);
}

} // namespace

Listing PosixDirectoryLister::list(const std::string& folder)
{
    Listing listing;
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) {
        listing.error = errorText(errno);
        return listing;
    }

    errno = 0;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            listing.entries.push_back(
                {name, kindOf(dirfd(dir.get()), entry->d_name), name.front() == '.', false});
        errno = 0;
    }
    if (errno != 0) {
        listing.error = errorText(errno);
        return listing;
    }

    std::ranges::sort(listing.entries, {}, &DirectoryEntry::name);
    return listing;
}

} // namespace quillet
