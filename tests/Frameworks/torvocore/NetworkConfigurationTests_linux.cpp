#include "TorvoCoreTestClasses.h"
#include <ScopedEnvironment.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>
#include <torvocore/TorvoNetConfiguration.h>

// A folder the account may not write into: the save fails before the old
// file is touched (root writes anyway, and the test then says so).

namespace
{

TEST (NetworkConfigurationFolder, ASaveIntoAReadOnlyFolderFailsAndLeavesTheOldFileWhole)
{
    torvotest::registerTestClassesOnce();
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("etc/TorvoNet.configuration");
    const ScopedEnvironment location ("TORVO_NET_CONFIGURATION", file.getFullPathName());
    torvo::TorvoNetConfiguration configuration;
    configuration.statusPort.set (9001, tav::ChangeCallback::notify());
    ASSERT_TRUE (configuration.saveToLocalHostFileConfigurationIfNeeded()) << configuration.getLastFailure();
    const auto saved = file.loadFileAsString();
    const auto etc = file.getParentDirectory();
    ASSERT_TRUE (etc.setReadOnly (true, false));

    if (etc.getChildFile ("probe").create().wasOk())
    {
        etc.getChildFile ("probe").deleteFile();
        etc.setReadOnly (false, false);
        GTEST_SKIP() << "this account writes into read-only folders (root)";
    }

    configuration.statusPort.set (9002, tav::ChangeCallback::notify());
    EXPECT_FALSE (configuration.saveToLocalHostFileConfigurationIfNeeded());
    EXPECT_TRUE (configuration.getLastFailure().startsWith ("Cannot write ")) << configuration.getLastFailure();
    EXPECT_EQ (file.loadFileAsString(), saved);
    EXPECT_EQ (etc.findChildFiles (juce::File::findFilesAndDirectories, false).size(), 1)
        << "no temporary file is left";
    etc.setReadOnly (false, false);
}

} // namespace
