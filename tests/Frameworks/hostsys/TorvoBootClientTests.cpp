#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include <hostsys/TorvoBootClient.h>

TEST (TorvoBootClient, RefusesAnApplicationIndexAbove31)
{
    MessageRecorder recorder;

    EXPECT_FALSE (os::TorvoBootClient::sendCommand (os::killApplication, 44));
    EXPECT_EQ (recorder.getText(), "Application index 44 is out of range (0 to 31)");
}
