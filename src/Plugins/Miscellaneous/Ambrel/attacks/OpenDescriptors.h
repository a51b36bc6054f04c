#pragma once

#include <optional>

namespace torvo::attacks
{

//==============================================================================
/** The number of file descriptors this process holds open, where the platform
    can count them without noise (nothing where it cannot). */
std::optional<int> countOpenDescriptors();

} // namespace torvo::attacks
