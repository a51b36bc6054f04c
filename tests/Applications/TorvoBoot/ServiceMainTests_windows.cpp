#include "ServiceControl_windows.h"
#include <gtest/gtest.h>

// A service main function that cannot register its control handler can
// report nothing to the service control manager, which would then wait for
// it for ever; the process ends instead. Outside a service dispatcher the
// registration fails for real.

TEST (ServiceMainDeathTest, EndsTheProcessWhenTheControlHandlerCannotBeRegistered)
{
    wchar_t name[] = L"TorvoBoot";
    LPWSTR arguments[] = { name };

    EXPECT_EXIT (serviceMain (1, arguments), testing::ExitedWithCode (1), "RegisterServiceCtrlHandlerExW failed: ");
}
