#include <gtest/gtest.h>
#include "TemporaryFolder.h"
#include "Waiting.h"

TEST (WaitUntil, ReturnsOnceTheConditionHolds)
{
    int checks = 0;
    EXPECT_TRUE (waitUntil ([&] { return ++checks == 3; }, 60000, 1));
    EXPECT_EQ (checks, 3);
}

TEST (WaitUntil, GivesUpAfterTheTimeOut)
{
    int checks = 0;
    EXPECT_FALSE (waitUntil ([&] { ++checks; return false; }, 30, 1));
    EXPECT_GE (checks, 1);
}

TEST (WaitForText, SeesTextThatArrivesInAFile)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("log.txt");
    EXPECT_FALSE (waitForFile (file, 30));
    EXPECT_FALSE (waitForText (file, "ready", 30));

    ASSERT_TRUE (file.replaceWithText ("starting\nready\n"));
    EXPECT_TRUE (waitForFile (file, 30));
    EXPECT_TRUE (waitForText (file, "ready", 30));
}

TEST (TemporaryFolder, IsNewAndEmptyAndGoesWithItsContents)
{
    juce::File kept;

    {
        const TemporaryFolder folder;
        const TemporaryFolder other;
        kept = folder.get();
        EXPECT_TRUE (kept.isDirectory());
        EXPECT_NE (kept, other.get());
        EXPECT_EQ (kept.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
        ASSERT_TRUE (kept.getChildFile ("inner/file.txt").create());
    }

    EXPECT_FALSE (kept.exists());
}
