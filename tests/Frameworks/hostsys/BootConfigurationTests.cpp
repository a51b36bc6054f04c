#include <gtest/gtest.h>
#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include <hostsys/OsLibrary.h>
#include <hostsys/TorvoBootCommandId.h>
#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/Library.h>
#include <tavcore/ObjectFile.h>

namespace
{
    juce::File getExampleConfiguration()
    {
        return juce::File (TORVO_SOURCE_DIRECTORY).getChildFile ("examples/TorvoBoot.configuration");
    }
}

class BootConfiguration : public testing::Test
{
protected:
    void SetUp() override       { tav::Library::getRootLibrary().addLibrary (os::createOsLibrary()); }
    void TearDown() override    { tav::Library::getRootLibrary().removeLibrary ("Os"); }

    std::unique_ptr<os::TorvoBootConfiguration> create()
    {
        auto object = tav::Library::getRootLibrary().createObject (os::TorvoBootConfiguration::className);
        return std::unique_ptr<os::TorvoBootConfiguration> (static_cast<os::TorvoBootConfiguration*> (object.release()));
    }

    TemporaryFolder folder;
};

TEST_F (BootConfiguration, TheExampleFileRoundTripsByteForByte)
{
    const auto example = getExampleConfiguration();
    ASSERT_TRUE (example.existsAsFile()) << example.getFullPathName();
    ScopedEnvironment location ("TORVO_BOOT_CONFIGURATION", folder.get().getChildFile ("copy.configuration").getFullPathName());
    ASSERT_TRUE (example.copyFileTo (os::TorvoBootConfiguration::getConfigurationFile()));

    auto configuration = create();
    ASSERT_TRUE (configuration->loadFromConfigurationFile().wasOk());
    ASSERT_EQ (configuration->applications.size(), 3u);
    const auto& second = *configuration->applications.get (1);
    EXPECT_EQ (second.arguments.get(), "--project \"%USERPROFILE%\\Shows\\Main Show.torvo\" --fullscreen");
    EXPECT_FALSE (second.autoRestart.get());
    EXPECT_EQ (second.restartDelay.get(), 2.5);
    EXPECT_EQ (second.maximumLaunchAttempts.get(), 10u);

    ASSERT_TRUE (configuration->saveToConfigurationFile());
    EXPECT_EQ (os::TorvoBootConfiguration::getConfigurationFile().loadFileAsString(), example.loadFileAsString());
}

TEST_F (BootConfiguration, NewApplicationsStartFromSensibleDefaults)
{
    auto object = tav::Library::getRootLibrary().createObject (os::ManagedApplication::className);
    const auto& application = static_cast<os::ManagedApplication&> (*object);
    EXPECT_TRUE (application.enabled.get());
    EXPECT_TRUE (application.launchAtLogon.get());
    EXPECT_TRUE (application.autoRestart.get());
    EXPECT_TRUE (application.launchInUserSession.get());
    EXPECT_FALSE (application.showConsole.get());
    EXPECT_EQ (application.restartDelay.get(), 5.0);
    EXPECT_EQ (application.maximumLaunchAttempts.get(), 5u);
}

TEST_F (BootConfiguration, TheDefaultSetIsTheHostAndItsLauncherBesideTheProgram)
{
    auto configuration = create();
    configuration->resetApplicationsToTorvoDefault();
    ASSERT_EQ (configuration->applications.size(), 2u);

    const auto folderOfProgram = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
    const auto first = juce::File (configuration->applications.get (0)->executablePath.get());
    EXPECT_EQ (first.getParentDirectory(), folderOfProgram);
    EXPECT_EQ (first.getFileNameWithoutExtension(), "Torvo");
    EXPECT_EQ (juce::File (configuration->applications.get (1)->executablePath.get()).getFileNameWithoutExtension(), "TorvoLauncher");
}

TEST_F (BootConfiguration, AFaultyFileIsRefusedWhole)
{
    ScopedEnvironment location ("TORVO_BOOT_CONFIGURATION", folder.get().getChildFile ("bad.configuration").getFullPathName());
    const auto file = os::TorvoBootConfiguration::getConfigurationFile();
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration {\n  applications = [\n    ManagedApplication {restartDelay = soon}\n  ]\n}\n"));

    auto configuration = create();
    configuration->resetApplicationsToTorvoDefault();
    EXPECT_EQ (configuration->loadFromConfigurationFile().getErrorMessage(),
               file.getFullPathName() + ":3:40: expected a number, found \"soon\"");
    EXPECT_EQ (configuration->applications.size(), 2u) << "the configuration stays as it was";
}

TEST_F (BootConfiguration, AFailedSaveLeavesTheOldFileAndSaysWhy)
{
    ScopedEnvironment location ("TORVO_BOOT_CONFIGURATION", folder.get().getChildFile ("good.configuration").getFullPathName());
    auto configuration = create();
    configuration->resetApplicationsToTorvoDefault();
    ASSERT_TRUE (configuration->saveToConfigurationFile());
    const auto saved = os::TorvoBootConfiguration::getConfigurationFile().loadFileAsString();

    // A file standing where the folder should be: nothing can be written there.
    const auto blocker = folder.get().getChildFile ("not-a-folder");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    ScopedEnvironment elsewhere ("TORVO_BOOT_CONFIGURATION", blocker.getChildFile ("boot.configuration").getFullPathName());
    MessageRecorder messages;
    EXPECT_FALSE (configuration->saveToConfigurationFile());
    EXPECT_TRUE (messages.getText().startsWith ("Cannot save the boot configuration: ")) << messages.getText();
    EXPECT_EQ (folder.get().getChildFile ("good.configuration").loadFileAsString(), saved);
}

TEST_F (BootConfiguration, TheFileIsMachineWideUnlessTheEnvironmentSaysOtherwise)
{
    const auto file = os::TorvoBootConfiguration::getConfigurationFile();
    EXPECT_EQ (file.getFileName(), "TorvoBoot.configuration");
    EXPECT_EQ (file.getParentDirectory().getFileName(), juce::String ((juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) ? "Torvo" : "torvo"));

    ScopedEnvironment location ("TORVO_BOOT_CONFIGURATION", "relative/boot.configuration");
    EXPECT_EQ (os::TorvoBootConfiguration::getConfigurationFile(),
               juce::File::getCurrentWorkingDirectory().getChildFile ("relative/boot.configuration"));
}

TEST (CommandCodes, CarryTheIdAndIndexInOneByte)
{
    EXPECT_EQ (os::getTorvoBootControlCode (os::prepareVoluntaryStop, 31), 191);
    EXPECT_EQ (os::getTorvoBootControlCode (os::startApplication, 31), 223);
    EXPECT_EQ (os::getTorvoBootControlCode (os::killApplication, 31), 255);
    EXPECT_EQ (os::getTorvoBootControlCode (os::killApplication, 2), 226);
}
