#include <gtest/gtest.h>
#include "TemporaryFolder.h"
#include <hostsys/TorvoBootConfiguration.h>
#include <sys/stat.h>
#include <unistd.h>

// A service running as root runs what its configuration names: a file that
// others may write is refused.

struct TrustCase
{
    mode_t fileMode, folderMode;
    uid_t fileOwner;
    gid_t fileGroup;
    const char* refusal;          // the end of the refusal, or nullptr when accepted
};

class BootConfigurationTrust : public testing::TestWithParam<TrustCase> {};

TEST_P (BootConfigurationTrust, AcceptsOnlyFilesNobodyButRootMayChange)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only a root service checks who may write its configuration";

    TemporaryFolder parent;
    const auto folder = parent.get().getChildFile ("etc");
    const auto file = folder.getChildFile ("TorvoBoot.configuration");
    ASSERT_TRUE (folder.createDirectory());
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration {}\n"));
    ASSERT_EQ (::chown (file.getFullPathName().toRawUTF8(), GetParam().fileOwner, GetParam().fileGroup), 0);
    ASSERT_EQ (::chmod (file.getFullPathName().toRawUTF8(), GetParam().fileMode), 0);
    ASSERT_EQ (::chmod (folder.getFullPathName().toRawUTF8(), GetParam().folderMode), 0);

    const auto result = os::TorvoBootConfiguration().checkPersistentFile (file);

    if (GetParam().refusal == nullptr)
    {
        EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
    }
    else
    {
        EXPECT_TRUE (result.getErrorMessage().startsWith ("Refused the boot configuration " + file.getFullPathName() + ": "))
            << result.getErrorMessage();
        EXPECT_TRUE (result.getErrorMessage().endsWith (GetParam().refusal)) << result.getErrorMessage();
    }
}

INSTANTIATE_TEST_SUITE_P (Cases, BootConfigurationTrust, testing::Values (
    TrustCase { 0644, 0755, 0, 0, nullptr },
    TrustCase { 0664, 0775, 0, 0, nullptr },                           // root's own group
    TrustCase { 0644, 01777, 0, 0, nullptr },                          // a sticky folder keeps root's file root's
    TrustCase { 0666, 0755, 0, 0, "TorvoBoot.configuration may be written by every user" },
    TrustCase { 0664, 0755, 0, 100, "TorvoBoot.configuration may be written by group 100" },
    TrustCase { 0644, 0755, 65534, 0, "TorvoBoot.configuration belongs to user 65534, not root" },
    TrustCase { 0644, 0777, 0, 0, "etc may be written by every user" }));
