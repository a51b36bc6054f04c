#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

TEST (PngImageFiles, AreRefusedInABuildWithoutJuceImageFormats)
{
    const TemporaryFolder folder;
    const auto input = folder.get().getChildFile ("photo.png");
    ASSERT_TRUE (input.replaceWithText ("not really"));
    graphics::reference::FloatImage image;
    EXPECT_EQ (imagefiles::read (input, image).getErrorMessage(),
               "Cannot read the input image " + input.getFullPathName() + ": PNG and JPEG images are not supported in this build");
    EXPECT_TRUE (imagefiles::checkOutput (folder.get().getChildFile ("frame.png")).getErrorMessage()
                     .endsWith (": PNG and JPEG images are not supported in this build"));
}
