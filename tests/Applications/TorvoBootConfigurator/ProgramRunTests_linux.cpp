#include "ConfiguratorFixture.h"
#include "TestPrograms.h"

#include <tavview/SingleInstance.h>

using namespace configuratortest;

namespace
{
    using ProgramRun = ConfiguratorFixture;
}

TEST_F (ProgramRun, ASecondStartTellsTheRunningInstanceAndEndsWithoutAWindow)
{
    const auto name = "TorvoBootConfiguratorTest-" + juce::Uuid().toString();
    const ScopedEnvironment instance ("TORVO_BOOT_CONFIGURATOR_INSTANCE", name);
    int starts = 0;
    // This test stands where the first instance would run.
    const auto first = gui::tav::SingleInstance::claim (name, [&] { ++starts; });
    ASSERT_NE (first, nullptr);
    writeStore ({ "/opt/stored" });
    const auto storedText = store.loadFileAsString();

    const auto result = programs::run ("TorvoBootConfigurator", {}, 60000);

    EXPECT_EQ (result.exitCode, 0) << result.output;
    ASSERT_TRUE (dispatchUntil ([&] { return starts == 1; })) << "the first instance heard nothing";
    EXPECT_EQ (store.loadFileAsString(), storedText) << "the second start saved the configuration";
    EXPECT_EQ (getSystemctlCalls(), "") << "the second start touched the service";
}
