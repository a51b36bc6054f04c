#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "ControlSocket_linux.h"
#include "TemporaryFolder.h"
#include <hostsys/TorvoBootClient.h>
#include <unistd.h>

namespace
{
    struct CodeCase
    {
        os::TorvoBootCommandIdEnum id;
        juce::uint8 index;
        juce::uint8 expectedCode;
    };
}

TEST (TorvoBootClientLinux, SendsOneDatagramWithTheControlCode)
{
    TemporaryFolder folder;
    const auto socketFile = folder.get().getChildFile ("control");
    const ScopedEnvironment socketPath ("TORVO_BOOT_CONTROL_SOCKET", socketFile.getFullPathName());
    const ControlSocket service (socketFile);
    ASSERT_TRUE (service.bound);

    for (const auto& [id, index, expectedCode] : { CodeCase { os::prepareVoluntaryStop, 31, 191 },
                                                   CodeCase { os::startApplication, 31, 223 },
                                                   CodeCase { os::killApplication, 31, 255 },
                                                   CodeCase { os::killApplication, 2, 226 },
                                                   CodeCase { os::prepareVoluntaryStop, 0, 160 } })
    {
        EXPECT_TRUE (os::TorvoBootClient::sendCommand (id, index));
        EXPECT_EQ (service.receive(), std::vector<juce::uint8> { expectedCode }) << "command " << (int) id << " index " << (int) index;
    }
}

TEST (TorvoBootClientLinux, AnIndexOutOfRangeSendsNothing)
{
    TemporaryFolder folder;
    const auto socketFile = folder.get().getChildFile ("control");
    const ScopedEnvironment socketPath ("TORVO_BOOT_CONTROL_SOCKET", socketFile.getFullPathName());
    const ControlSocket service (socketFile);
    ASSERT_TRUE (service.bound);

    EXPECT_FALSE (os::TorvoBootClient::sendCommand (os::startApplication, 44));
    EXPECT_TRUE (service.receive (200).empty());
}

TEST (TorvoBootClientLinux, ReportsThatTorvoBootIsNotRunningWithoutAListener)
{
    TemporaryFolder folder;
    const auto staleSocket = folder.get().getChildFile ("stale");
    { const ControlSocket closedAgain (staleSocket); }   // leaves the socket file with nobody behind it

    for (const auto& socketFile : { folder.get().getChildFile ("missing"), staleSocket })
    {
        const ScopedEnvironment socketPath ("TORVO_BOOT_CONTROL_SOCKET", socketFile.getFullPathName());
        MessageRecorder recorder;

        EXPECT_FALSE (os::TorvoBootClient::sendCommand (os::startApplication, 1));
        EXPECT_EQ (recorder.getText(), "TorvoBoot is not running (no control socket at " + socketFile.getFullPathName() + ")");
    }
}

TEST (TorvoBootClientLinux, ControlSocketFileFollowsTheUserAndTheEnvironment)
{
    const ScopedEnvironment noOverride ("TORVO_BOOT_CONTROL_SOCKET", std::nullopt);

    {
        const ScopedEnvironment runtime ("XDG_RUNTIME_DIR", juce::String ("/run/user/1234"));
        const auto expected = ::geteuid() == 0 ? "/run/TorvoBoot/control" : "/run/user/1234/TorvoBoot/control";
        EXPECT_EQ (os::TorvoBootClient::getControlSocketFile().getFullPathName(), expected);
    }

    {
        const ScopedEnvironment noRuntime ("XDG_RUNTIME_DIR", std::nullopt);
        const auto expected = ::geteuid() == 0 ? juce::String ("/run/TorvoBoot/control")
                                               : "/tmp/TorvoBoot-" + juce::String ((int) ::geteuid()) + "/control";
        EXPECT_EQ (os::TorvoBootClient::getControlSocketFile().getFullPathName(), expected);
    }

    const ScopedEnvironment overridden ("TORVO_BOOT_CONTROL_SOCKET", juce::String ("/somewhere/else"));
    EXPECT_EQ (os::TorvoBootClient::getControlSocketFile().getFullPathName(), "/somewhere/else");
}
