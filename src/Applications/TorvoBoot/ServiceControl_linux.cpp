#include "ServiceControl.h"

bool runServiceDispatcher (TorvoBootProgram*)
{
    // Started from a console: the interactive run follows.
    return false;
}
