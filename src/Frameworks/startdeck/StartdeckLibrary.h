#pragma once

#include <tavcore/Library.h>

namespace launcher
{

/** Creates the library "Startdeck" of the launcher's classes: the service
    "LauncherService" and the abstract "LauncherComponent" that plug-ins'
    components derive from. A launcher adds it to its root library. */
std::unique_ptr<tav::Library> createStartdeckLibrary();

} // namespace launcher
