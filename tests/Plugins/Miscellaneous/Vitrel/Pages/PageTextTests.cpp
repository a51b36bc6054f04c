#include "PageTexts.h"

#include <gtest/gtest.h>

using namespace launcher;

namespace
{

const juce::StringArray threeAdapters { "eth0 (192.168.1.20)", "eth1 (10.0.0.5)", "wlan0 (172.16.0.9)" };

} // namespace

TEST (PageTexts, TheNextButtonStepsThroughTheConnectedAdaptersAndWraps)
{
    struct Case { int taps; const char* shown; };

    for (auto c : { Case { 0, "eth0 \n192.168.1.20\n" }, Case { 1, "eth1 \n10.0.0.5\n" },
                    Case { 2, "wlan0 \n172.16.0.9\n" }, Case { 4, "eth1 \n10.0.0.5\n" },
                    Case { -1, "eth0 \n192.168.1.20\n" }, Case { std::numeric_limits<int>::min(), "eth0 \n192.168.1.20\n" } })
        EXPECT_EQ (adapterText (threeAdapters, c.taps), c.shown) << c.taps << " taps";
}

TEST (PageTexts, AnAdapterTextIsSplitIntoLinesAtEveryParenthesis)
{
    // The name with its trailing space, the address, and an empty line.
    const auto text = adapterText ({ "Ethernet 2 (192.168.1.20)" }, 0);
    EXPECT_EQ (juce::StringArray::fromLines (text), juce::StringArray ({ "Ethernet 2 ", "192.168.1.20", "" }));
    EXPECT_EQ (adapterText ({ "a(b)c(d)" }, 7), "a\nb\nc\nd\n");
}

TEST (PageTexts, NoConnectedAdapterIsSaid)
{
    EXPECT_EQ (adapterText ({}, 0), "No Network Adapter connected");
    EXPECT_EQ (adapterText ({}, 5), "No Network Adapter connected");
}

TEST (PageTexts, AProjectNameLongerThanThirtyCharactersKeepsItsEnds)
{
    struct Case { const char* path; const char* shown; };

    for (auto c : { Case { "/shows/abcdefghijklmnopqrstuvwxyz01234", "abcdefghijkl...qrstuvwxyz01234" },
                    Case { "/shows/abcdefghijklmnopqrstuvwxyz0123", "abcdefghijklmnopqrstuvwxyz0123" },
                    Case { "abcdefghijklmnopqrstuvwxyz01234", "abcdefghijkl...qrstuvwxyz01234" },
                    Case { "Show", "Show" },
                    Case { "/shows/", "" },
                    Case { "", "" } })
        EXPECT_EQ (projectNameText (c.path), c.shown) << c.path;
}

TEST (PageTexts, AVeryLongProjectNameIsShortenedToThirtyCharacters)
{
    const auto name = juce::String::repeatedString ("x", 10000) + "tail";
    const auto shown = projectNameText ("/shows/" + name);
    EXPECT_EQ (shown.length(), 30);
    EXPECT_TRUE (shown.endsWith ("tail")) << shown;
}

TEST (PageTexts, TheProjectFileIsCutBeforeItsLastDot)
{
    struct Case { const char* file; const char* shown; };

    for (auto c : { Case { "Show.torvo", "Show" }, Case { "Show.backup.torvo", "Show.backup" },
                    Case { "Show", "" }, Case { ".torvo", "" }, Case { "", "" } })
        EXPECT_EQ (projectFileText (c.file), c.shown) << c.file;
}

TEST (PageTexts, TheDiskTextListsOneStorageDevicePerLine)
{
    EXPECT_EQ (diskText ({}), "Disk: ");
    EXPECT_EQ (diskText ({ "/ (20.1 GB free)" }), "Disk: / (20.1 GB free)");
    EXPECT_EQ (diskText ({ "C:", "D:" }), "Disk: C:\nD:");
}
