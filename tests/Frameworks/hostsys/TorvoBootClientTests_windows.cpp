#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include <hostsys/DaemonClient.h>
#include <hostsys/TorvoBootClient.h>

TEST (TorvoBootClientWindows, ReportsTheSystemErrorWhenTheServiceIsMissing)
{
    if (os::DaemonClient::isDaemonInstalled ("TorvoBoot"))
        GTEST_SKIP() << "a TorvoBoot service is installed on this system";

    MessageRecorder recorder;

    EXPECT_FALSE (os::TorvoBootClient::sendCommand (os::startApplication, 31));
    EXPECT_TRUE (recorder.getText().startsWith ("Cannot open the service TorvoBoot: ")) << recorder.getText();
    EXPECT_TRUE (recorder.getText().endsWith ("(1060)")) << recorder.getText();   // ERROR_SERVICE_DOES_NOT_EXIST
}
