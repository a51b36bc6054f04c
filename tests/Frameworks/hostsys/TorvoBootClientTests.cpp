#include "HostsysTestSupport.h"
#include <hostsys/TorvoBootClient.h>

using namespace hostsys_test;

TEST (TorvoBootClient, RefusesAnApplicationIndexAbove31)
{
    MessageRecorder recorder;

    EXPECT_FALSE (os::TorvoBootClient::sendCommand (os::killApplication, 44));
    EXPECT_EQ (recorder.getText(), "Application index 44 is out of range (0 to 31)");
}
