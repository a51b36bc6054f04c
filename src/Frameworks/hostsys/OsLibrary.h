#pragma once

#include <tavcore/Library.h>

namespace os
{

/** Creates the library "Os" of hostsys's classes: "ManagedApplication",
    "TorvoBootConfiguration" and the enumeration "TorvoBootCommandId". */
std::unique_ptr<tav::Library> createOsLibrary();

} // namespace os
