#pragma once

#include "tavcore/Library.h"

namespace tav
{

/** Creates the library "Tav" of the framework's own classes: the value
    classes, "Object", "Program", "Thread", "ServiceLogic" and the templates
    "Service" and "ServiceThread". The root library holds it. */
std::unique_ptr<Library> createCoreLibrary();

} // namespace tav
