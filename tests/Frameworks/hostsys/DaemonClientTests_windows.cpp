#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include <hostsys/DaemonClient.h>

// Registers this test program as a service (it is never started) and takes it
// away again through the service control manager.
TEST (DaemonClientWindows, InstallsQueriesAndUninstallsAService)
{
    const auto name = "TorvoHostsysTest" + juce::String::toHexString (juce::Random::getSystemRandom().nextInt());
    MessageRecorder recorder;

    ASSERT_TRUE (os::DaemonClient::installDaemon (name, "Torvo Hostsys Test", "Registered by the hostsys tests.")) << recorder.getText();
    EXPECT_TRUE (os::DaemonClient::isDaemonInstalled (name));
    EXPECT_FALSE (os::DaemonClient::isDaemonRunning (name));
    EXPECT_TRUE (os::DaemonClient::stopDaemon (name)) << "stopping a stopped service succeeds";
    EXPECT_TRUE (os::DaemonClient::uninstallDaemon (name)) << recorder.getText();
    EXPECT_EQ (recorder.countErrors(), 0) << recorder.getText();

    EXPECT_FALSE (os::DaemonClient::isDaemonInstalled (name));
    EXPECT_FALSE (os::DaemonClient::uninstallDaemon (name));
    EXPECT_TRUE (recorder.getText().endsWith ("(1060)")) << recorder.getText();   // ERROR_SERVICE_DOES_NOT_EXIST
}
