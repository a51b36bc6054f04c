#include <gtest/gtest.h>
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include <hostsys/Process.h>

TEST (SystemUserDirectory, IsRootsHomeUnlessTheEnvironmentNamesAnother)
{
    {
        const ScopedEnvironment unset ("TORVO_SYSTEM_USER_DIRECTORY", std::optional<juce::String>());
        EXPECT_EQ (os::Process::getSystemUserDirectory(), juce::File ("/root"));
    }

    TemporaryFolder folder;
    const ScopedEnvironment redirected ("TORVO_SYSTEM_USER_DIRECTORY", folder.get().getFullPathName());
    EXPECT_EQ (os::Process::getSystemUserDirectory(), folder.get());
}
