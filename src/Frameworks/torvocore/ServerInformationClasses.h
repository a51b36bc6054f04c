#pragma once

#include <tavcore/Library.h>

namespace torvo
{

/** Registers the classes of the server's status record in a library: the
    record "TorvoServerInformation", its element and value classes, the
    engine component "TorvoNetServerEngineComponent" that carries it, and
    "StorageDevice". */
void addServerInformationClasses (tav::Library& library);

} // namespace torvo
