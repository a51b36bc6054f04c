#include "TorvoCoreTestClasses.h"
#include <MessageRecorder.h>
#include <ScopedEnvironment.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>
#include <tavcore/Library.h>
#include <torvocore/TorvoNetConfiguration.h>

// The host's network configuration: its file, what a save writes and when,
// and the files it refuses, whole or setting by setting.

namespace
{

class NetworkConfiguration : public testing::Test
{
protected:
    void SetUp() override    { torvotest::registerTestClassesOnce(); }

    /** Writes the configuration file with a text. */
    void writeFile (const juce::String& text)
    {
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (file.replaceWithText (text));
    }

    TemporaryFolder folder;
    juce::File file = folder.get().getChildFile ("etc torvo/TorvoNet.configuration");
    ScopedEnvironment location { "TORVO_NET_CONFIGURATION", file.getFullPathName() };
    torvo::TorvoNetConfiguration configuration;
};

//==============================================================================
TEST_F (NetworkConfiguration, TheFileLiesBesideTheBootConfigurationsUnlessTheEnvironmentSaysOtherwise)
{
    {
        ScopedEnvironment unset ("TORVO_NET_CONFIGURATION", nullptr);
        const auto machineWide = torvo::TorvoNetConfiguration::getTorvoNetConfigurationFile();
        EXPECT_EQ (machineWide.getFileName(), "TorvoNet.configuration");
        EXPECT_EQ (machineWide.getParentDirectory().getFileName(),
                   juce::String ((juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) ? "Torvo" : "torvo"));
    }

    ScopedEnvironment relative ("TORVO_NET_CONFIGURATION", "relative/net.configuration");
    EXPECT_EQ (torvo::TorvoNetConfiguration::getTorvoNetConfigurationFile(),
               juce::File::getCurrentWorkingDirectory().getChildFile ("relative/net.configuration"));
}

TEST_F (NetworkConfiguration, ItsClassAgreesWithTheObjectAndGivesTheDefaults)
{
    const auto* c = tav::getClass (torvo::TorvoNetConfiguration::className);
    ASSERT_NE (c, nullptr);
    EXPECT_TRUE (c->checkDeclaration().wasOk()) << c->checkDeclaration().getErrorMessage();

    auto created = c->createObject();
    ASSERT_NE (created, nullptr);
    EXPECT_EQ (created->saveState().toText (false), configuration.saveState().toText (false))
        << "an object made by its class starts where a constructed one does";
    EXPECT_EQ (configuration.statusAddress.get(), "127.0.0.1");
    EXPECT_EQ (configuration.statusPort.getPort(), 8090);
    EXPECT_EQ (configuration.getEffectiveMachineName(), juce::SystemStats::getComputerName());

    configuration.machineName.set ("  Stage Left ", tav::ChangeCallback::none());
    EXPECT_EQ (configuration.getEffectiveMachineName(), "Stage Left");
}

TEST_F (NetworkConfiguration, SavesOnlyWhatChangedSinceItWasLoadedOrSaved)
{
    // Untouched defaults: nothing to write, and no file appears.
    EXPECT_TRUE (configuration.saveToLocalHostFileConfigurationIfNeeded());
    EXPECT_FALSE (file.exists());

    configuration.statusPort.set (9123, tav::ChangeCallback::notify());
    configuration.machineName.set (juce::String::fromUTF8 ("R\xc3\xa9gie \"A\""), tav::ChangeCallback::notify());
    EXPECT_TRUE (configuration.saveToLocalHostFileConfigurationIfNeeded()) << configuration.getLastFailure();
    ASSERT_TRUE (file.existsAsFile());

    // Saved once, the same settings are not written again.
    ASSERT_TRUE (file.deleteFile());
    EXPECT_TRUE (configuration.saveToLocalHostFileConfigurationIfNeeded());
    EXPECT_FALSE (file.exists());
    ASSERT_TRUE (configuration.saveToFile (file).wasOk());

    torvo::TorvoNetConfiguration loaded;
    ASSERT_TRUE (loaded.loadFromLocalHostFileConfiguration()) << loaded.getLastFailure();
    EXPECT_EQ (loaded.statusPort.getPort(), 9123);
    EXPECT_EQ (loaded.machineName.get(), juce::String::fromUTF8 ("R\xc3\xa9gie \"A\""));
    EXPECT_FALSE (loaded.hasChangedSinceLoadedOrSaved());

    // A change undone is no change.
    loaded.statusPort.set (1, tav::ChangeCallback::notify());
    EXPECT_TRUE (loaded.hasChangedSinceLoadedOrSaved());
    loaded.statusPort.set (9123, tav::ChangeCallback::notify());
    EXPECT_FALSE (loaded.hasChangedSinceLoadedOrSaved());
}

TEST_F (NetworkConfiguration, ARefusedSettingIsNamedWithItsValueAndKeepsTheDefaultWhileTheOthersLoad)
{
    struct Case { const char* entry; const char* message; };

    for (const auto& c : { Case { "statusPort = 0", "the setting statusPort = 0 is refused (a port is a whole number from 1 to 65535, not \"0\"); it keeps 8090" },
                           Case { "statusPort = 70000", "the setting statusPort = 70000 is refused (a port is a whole number from 1 to 65535, not \"70000\"); it keeps 8090" },
                           Case { "statusPort = \"eighty\"", "the setting statusPort = eighty is refused (a port is a whole number from 1 to 65535, not \"eighty\"); it keeps 8090" },
                           Case { "statusPort = {port = 1}", "the setting statusPort = {port=1} is refused (expected a single value for a PortNumber, found a map); it keeps 8090" },
                           Case { "statusAddress = \"256.0.0.1\"", "the setting statusAddress = 256.0.0.1 is refused (an address is four numbers from 0 to 255 joined by dots (127.0.0.1), not \"256.0.0.1\"); it keeps \"127.0.0.1\"" },
                           Case { "statusAddress = \"localhost\"", "the setting statusAddress = localhost is refused (an address is four numbers from 0 to 255 joined by dots (127.0.0.1), not \"localhost\"); it keeps \"127.0.0.1\"" } })
    {
        writeFile (juce::String ("TorvoNetConfiguration {\n  machineName = \"Stage\"\n  ") + c.entry + "\n}\n");
        torvo::TorvoNetConfiguration loaded;
        MessageRecorder messages;

        EXPECT_TRUE (loaded.loadFromLocalHostFileConfiguration()) << c.entry << ": " << loaded.getLastFailure();
        EXPECT_EQ (messages.getText(), file.getFullPathName() + ":3:" + juce::String (juce::String (c.entry).indexOf ("=") + 5) + ": " + c.message)
            << c.entry;
        EXPECT_EQ (messages.countErrors(), 1) << c.entry;
        EXPECT_EQ (loaded.statusPort.getPort(), 8090) << c.entry;
        EXPECT_EQ (loaded.statusAddress.get(), "127.0.0.1") << c.entry;
        EXPECT_EQ (loaded.machineName.get(), "Stage") << c.entry << ": the other settings still load";
    }
}

TEST_F (NetworkConfiguration, AFileOfAnotherClassOrFaultyTextChangesNothing)
{
    struct Case { const char* text; const char* failure; };

    for (const auto& c : { Case { "TorvoBootConfiguration {\n  applications = []\n}\n", ":1:1: the file holds a TorvoBootConfiguration, not a TorvoNetConfiguration" },
                           Case { "TorvoNetConfiguration {\n  statusPort = 9000\n  machineName = \"unterminated\n}\n", ":3:" },
                           Case { "TorvoNetConfiguration { statusPort = 9000 } trailing", ":1:" } })
    {
        writeFile (c.text);
        configuration.statusPort.set (7000, tav::ChangeCallback::none());

        EXPECT_FALSE (configuration.loadFromLocalHostFileConfiguration()) << c.text;
        EXPECT_TRUE (configuration.getLastFailure().startsWith (file.getFullPathName() + c.failure)) << configuration.getLastFailure();
        EXPECT_EQ (configuration.statusPort.getPort(), 7000) << c.text;
    }

    ASSERT_TRUE (file.deleteFile());
    EXPECT_FALSE (configuration.loadFromLocalHostFileConfiguration());
    EXPECT_EQ (configuration.getLastFailure(), "The file " + file.getFullPathName() + " does not exist");
}

TEST_F (NetworkConfiguration, AFailedSaveLeavesTheOldFileWholeAndSaysWhy)
{
    configuration.statusPort.set (9001, tav::ChangeCallback::notify());
    ASSERT_TRUE (configuration.saveToLocalHostFileConfigurationIfNeeded()) << configuration.getLastFailure();
    const auto saved = file.loadFileAsString();
    configuration.statusPort.set (9002, tav::ChangeCallback::notify());

    // A file standing where the folder should be: nothing can be written there.
    const auto blocker = folder.get().getChildFile ("not-a-folder");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    {
        ScopedEnvironment elsewhere ("TORVO_NET_CONFIGURATION", blocker.getChildFile ("TorvoNet.configuration").getFullPathName());
        EXPECT_FALSE (configuration.saveToLocalHostFileConfigurationIfNeeded());
        EXPECT_TRUE (configuration.getLastFailure().startsWith ("Cannot create the folder " + blocker.getFullPathName()))
            << configuration.getLastFailure();
    }

    EXPECT_TRUE (configuration.hasChangedSinceLoadedOrSaved()) << "the unsaved change is still to be saved";
    EXPECT_EQ (file.loadFileAsString(), saved);
}


} // namespace
