#include "GuiDispatch.h"

#include <tavview/SingleInstance.h>

#include <gtest/gtest.h>

namespace
{

// One name per test executable, so that test runs of other build trees
// never meet this one's instance.
juce::String getInstanceName()
{
    return "tavview-tests " + juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
}

/** Starts this test program again as the later instance. */
bool startSecondInstance (juce::ChildProcess& process)
{
    return process.start (juce::StringArray { juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName(),
                                              "--gtest_also_run_disabled_tests",
                                              "--gtest_filter=SingleInstances.DISABLED_HelperStartedAsTheSecondInstance" });
}

} // namespace

//==============================================================================
TEST (SingleInstances, ASecondStartIsRefusedAndTellsTheFirstEachTime)
{
    int anotherStarts = 0;
    const auto first = gui::tav::SingleInstance::claim (getInstanceName(), [&] { ++anotherStarts; });
    ASSERT_NE (first, nullptr) << "another instance of this test program runs";

    for (int start = 1; start <= 2; ++start)
    {
        juce::ChildProcess second;
        ASSERT_TRUE (startSecondInstance (second));
        ASSERT_TRUE (dispatchUntil ([&] { return anotherStarts == start; }, 30000)) << "start " << start << " never arrived";
        ASSERT_TRUE (second.waitForProcessToFinish (30000));
        EXPECT_EQ (second.getExitCode(), 0u) << second.readAllProcessOutput();
    }
}

TEST (SingleInstances, WithoutAFirstInstanceThereIsNobodyToTell)
{
    EXPECT_FALSE (gui::tav::SingleInstance::notifyFirstInstance ("tavview-tests nobody " + getInstanceName()));
}

// Run only by the test above, as a program's second start.
TEST (SingleInstances, DISABLED_HelperStartedAsTheSecondInstance)
{
    EXPECT_EQ (gui::tav::SingleInstance::claim (getInstanceName(), [] {}), nullptr) << "the first instance's lock was free";
}
