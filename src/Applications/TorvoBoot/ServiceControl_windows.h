#pragma once

#include <windows.h>

/** The service main function that the service control manager's dispatcher
    runs on a thread of its own: registers the control handler, reports the
    service's states and runs the boot service thread until it is asked to
    stop. When the handler cannot be registered nothing can be reported to
    the service manager, and the process ends with exit code 1. */
void WINAPI serviceMain (DWORD argc, LPWSTR* argv);
