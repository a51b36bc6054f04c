#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// Runs every test of the executable. The message manager is created up front
// because framework objects may post to it, and destroyed at the end so that
// leak checkers see a clean exit.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    juce::MessageManager::getInstance();
    const int result = RUN_ALL_TESTS();
    juce::MessageManager::deleteInstance();
    juce::DeletedAtShutdown::deleteAll();
    return result;
}
