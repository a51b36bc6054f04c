#pragma once

#include <tavcore/ExecutionContext.h>

/** Stops the running service and everything it manages, ends stray
    instances of the suite's programs (never the calling process) and
    removes the service. True when the service was removed. */
bool uninstallBootService (tav::ExecutionContext& context);
