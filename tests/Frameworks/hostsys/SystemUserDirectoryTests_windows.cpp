#include <gtest/gtest.h>
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include <hostsys/Process.h>

TEST (SystemUserDirectory, IsTheSystemAccountsProfileUnlessTheEnvironmentNamesAnother)
{
    {
        const ScopedEnvironment unset ("TORVO_SYSTEM_USER_DIRECTORY", std::optional<juce::String>());
        const auto home = os::Process::getSystemUserDirectory();
        EXPECT_TRUE (home.getFullPathName().endsWithIgnoreCase ("\\system32\\config\\systemprofile")) << home.getFullPathName();
    }

    TemporaryFolder folder;
    const ScopedEnvironment redirected ("TORVO_SYSTEM_USER_DIRECTORY", folder.get().getFullPathName());
    EXPECT_EQ (os::Process::getSystemUserDirectory(), folder.get());
}
