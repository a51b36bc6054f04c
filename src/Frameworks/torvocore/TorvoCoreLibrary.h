#pragma once

#include <tavcore/Library.h>

namespace torvo
{

/** Creates the library "TorvoCore" of the host's abstract classes that
    plug-ins derive from: devices, identifiers, factories, selectors,
    controller identifiers, listeners and elements. */
std::unique_ptr<tav::Library> createTorvoCoreLibrary();

} // namespace torvo
