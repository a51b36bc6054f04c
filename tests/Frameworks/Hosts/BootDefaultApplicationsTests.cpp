#include <gtest/gtest.h>
#include <hostsys/OsLibrary.h>
#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/Library.h>

// TorvoBoot starts the host and its launcher from beside its own program
// when nothing else is configured: both must be programs of this build.
TEST (BootDefaultApplications, TheHostAndTheLauncherAreProgramsBesideTheBootService)
{
    auto& root = tav::Library::getRootLibrary();
    root.addLibrary (os::createOsLibrary());
    auto object = root.createObject (os::TorvoBootConfiguration::className);
    auto* configuration = dynamic_cast<os::TorvoBootConfiguration*> (object.get());
    ASSERT_NE (configuration, nullptr);

    configuration->resetApplicationsToTorvoDefault();
    ASSERT_EQ (configuration->applications.size(), 2u);

    const juce::StringArray stems { "Torvo", "TorvoLauncher" };

    for (int i = 0; i < stems.size(); ++i)
    {
        const juce::File program (configuration->applications.get ((size_t) i)->executablePath.get());
        EXPECT_EQ (program.getFileNameWithoutExtension(), stems[i]);
        EXPECT_TRUE (program.existsAsFile()) << program.getFullPathName();
    }

    object.reset();
    root.removeLibrary ("Os");
}
