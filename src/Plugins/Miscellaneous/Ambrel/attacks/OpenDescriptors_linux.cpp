#include "attacks/OpenDescriptors.h"
#include <dirent.h>

namespace torvo::attacks
{

std::optional<int> countOpenDescriptors()
{
    auto* folder = ::opendir ("/proc/self/fd");

    if (folder == nullptr)
        return std::nullopt;

    int count = 0;

    while (auto* entry = ::readdir (folder))
        if (entry->d_name[0] != '.')
            ++count;

    ::closedir (folder);

    // The folder's own descriptor was counted while it was open.
    return count - 1;
}

} // namespace torvo::attacks
