#include <ImageFiles.h>
#include <TemporaryFolder.h>
#include <gtest/gtest.h>

using graphics::reference::FloatImage;
using graphics::reference::Rgba;

namespace
{
    FloatImage makeGradient()
    {
        FloatImage image (4, 3);

        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                image.setPixel (x, y, { 0.25f * (float) x, -0.5f * (float) y, 3.0f, 1.0f });

        return image;
    }

    juce::String readError (const juce::File& file)
    {
        FloatImage image;
        return imagefiles::read (file, image).getErrorMessage();
    }
}

TEST (ImageFiles, APfmWrittenIsReadBackExactly)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("frame.PFM");
    const auto image = makeGradient();
    ASSERT_TRUE (imagefiles::write (file, image));

    FloatImage readBack;
    ASSERT_TRUE (imagefiles::read (file, readBack));
    EXPECT_EQ (readBack, image);
}

TEST (ImageFiles, WritingReplacesTheFileAndLeavesNoTemporaryFileBehind)
{
    const TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("frame.pfm");
    ASSERT_TRUE (file.replaceWithText ("old content"));
    ASSERT_TRUE (imagefiles::write (file, makeGradient()));

    FloatImage readBack;
    EXPECT_TRUE (imagefiles::read (file, readBack));
    EXPECT_EQ (readBack, makeGradient());
    const auto left = folder.get().findChildFiles (juce::File::findFilesAndDirectories | juce::File::ignoreHiddenFiles, false, "*");
    const auto all = folder.get().findChildFiles (juce::File::findFilesAndDirectories, false, "*");
    EXPECT_EQ (left.size(), 1);
    EXPECT_EQ (all.size(), 1) << all.getLast().getFullPathName();
}

TEST (ImageFiles, ReadingFailuresNameTheFileAndTheReason)
{
    const TemporaryFolder folder;
    const auto missing = folder.get().getChildFile ("missing.pfm");
    const auto corrupt = folder.get().getChildFile ("corrupt.pfm");
    const auto folderNamedAsImage = folder.get().getChildFile ("folder.pfm");
    const auto unknown = folder.get().getChildFile ("picture.bmp");
    ASSERT_TRUE (corrupt.replaceWithText ("PF\n10 10\n-1\nshort"));
    ASSERT_TRUE (folderNamedAsImage.createDirectory());
    ASSERT_TRUE (unknown.replaceWithText ("BM"));

    EXPECT_EQ (readError (missing), "Cannot read the input image " + missing.getFullPathName() + ": the file does not exist");
    EXPECT_EQ (readError (folderNamedAsImage), "Cannot read the input image " + folderNamedAsImage.getFullPathName() + ": it is a folder");
    EXPECT_TRUE (readError (corrupt).startsWith ("Cannot read the input image " + corrupt.getFullPathName() + ": the PFM data is truncated"))
        << readError (corrupt);
    EXPECT_EQ (readError (unknown), "Cannot read the input image " + unknown.getFullPathName()
                                        + ": unknown image type \".bmp\" (use .png, .jpg, .jpeg or .pfm)");
}

TEST (ImageFiles, OutputsAreCheckedBeforeAnythingIsWritten)
{
    const TemporaryFolder folder;
    const auto noFolder = folder.get().getChildFile ("not-there").getChildFile ("frame.pfm");
    const auto jpeg = folder.get().getChildFile ("frame.jpg");
    const auto noExtension = folder.get().getChildFile ("frame");

    EXPECT_EQ (imagefiles::checkOutput (noFolder).getErrorMessage(),
               "Cannot write the output image " + noFolder.getFullPathName() + ": the folder "
                   + noFolder.getParentDirectory().getFullPathName() + " does not exist");
    EXPECT_EQ (imagefiles::write (noFolder, makeGradient()).getErrorMessage(), imagefiles::checkOutput (noFolder).getErrorMessage());
    EXPECT_EQ (imagefiles::checkOutput (jpeg).getErrorMessage(),
               "Cannot write the output image " + jpeg.getFullPathName() + ": JPEG images cannot be written (use .png or .pfm)");
    EXPECT_EQ (imagefiles::checkOutput (noExtension).getErrorMessage(),
               "Cannot write the output image " + noExtension.getFullPathName() + ": the name has no extension (use .png or .pfm)");
    EXPECT_TRUE (imagefiles::checkOutput (folder.get().getChildFile ("frame.pfm")));
    EXPECT_FALSE (noFolder.getParentDirectory().exists());
}
