#include <PortableExecutableImports.h>
#include <gtest/gtest.h>
#include <functional>

namespace
{
    void put16 (juce::MemoryBlock& image, size_t offset, juce::uint32 value)
    {
        image[offset] = (char) (value & 0xff);
        image[offset + 1] = (char) ((value >> 8) & 0xff);
    }

    void put32 (juce::MemoryBlock& image, size_t offset, juce::uint32 value)
    {
        put16 (image, offset, value & 0xffff);
        put16 (image, offset + 2, value >> 16);
    }

    void putText (juce::MemoryBlock& image, size_t offset, const char* text)
    {
        image.copyFrom (text, offset, std::strlen (text) + 1);
    }

    constexpr size_t importDirectory = 0xd0, sectionHeader = 0x148, rawData = 0x200, firstName = 0x20c, secondName = 0x220;
    constexpr juce::uint32 sectionAddress = 0x1000;

    /** A 64-bit image with one section that holds an import directory of two
        modules, the way a linker lays one out. */
    juce::MemoryBlock makeImage()
    {
        juce::MemoryBlock image (0x400, true);
        putText (image, 0, "MZ");
        put32 (image, 0x3c, 0x40);
        putText (image, 0x40, "PE");
        put16 (image, 0x46, 1);             // one section
        put16 (image, 0x54, 0xf0);          // the optional header's size
        put16 (image, 0x58, 0x20b);         // a 64-bit optional header
        put32 (image, importDirectory, sectionAddress);
        put32 (image, importDirectory + 4, 60);
        put32 (image, sectionHeader + 8, 0x200);
        put32 (image, sectionHeader + 12, sectionAddress);
        put32 (image, sectionHeader + 16, 0x200);
        put32 (image, sectionHeader + 20, (juce::uint32) rawData);
        put32 (image, firstName, sectionAddress + 0x40);
        put32 (image, secondName, sectionAddress + 0x50);
        putText (image, rawData + 0x40, "KERNEL32.dll");
        putText (image, rawData + 0x50, "Torvo.exe");
        return image;
    }

    struct DamagedImage
    {
        const char* damage;
        std::function<void (juce::MemoryBlock&)> apply;
    };
}

TEST (PortableExecutableImports, TheModulesOfTheImportDirectoryAreReadInOrder)
{
    juce::StringArray modules;
    ASSERT_TRUE (portableexecutable::readImportedModules (makeImage(), modules).wasOk());
    EXPECT_EQ (modules, juce::StringArray ("KERNEL32.dll", "Torvo.exe"));
}

TEST (PortableExecutableImports, AnImageWithoutImportsHasNone)
{
    auto image = makeImage();
    put32 (image, importDirectory, 0);
    juce::StringArray modules ("left over");
    EXPECT_TRUE (portableexecutable::readImportedModules (image, modules).wasOk());
    EXPECT_TRUE (modules.isEmpty());
}

TEST (PortableExecutableImports, DamagedImagesAreRefusedWithoutReadingBeyondThem)
{
    const DamagedImage cases[] = {
        { "no MZ signature",              [] (juce::MemoryBlock& m) { m[0] = 'X'; } },
        { "no PE signature",              [] (juce::MemoryBlock& m) { m[0x41] = 'X'; } },
        { "header offset past the end",   [] (juce::MemoryBlock& m) { put32 (m, 0x3c, 0xfffffff0); } },
        { "unknown optional header",      [] (juce::MemoryBlock& m) { put16 (m, 0x58, 0x107); } },
        { "import table in no section",   [] (juce::MemoryBlock& m) { put32 (m, importDirectory, 0x9000); } },
        { "section past the end",         [] (juce::MemoryBlock& m) { put32 (m, sectionHeader + 20, 0x7ffffff0); } },
        { "name in no section",           [] (juce::MemoryBlock& m) { put32 (m, secondName, 0x9000); } },
        { "empty name",                   [] (juce::MemoryBlock& m) { m[rawData + 0x50] = 0; } },
        { "truncated in the directory",   [] (juce::MemoryBlock& m) { m.setSize (rawData + 0x10); } },
        { "truncated in the headers",     [] (juce::MemoryBlock& m) { m.setSize (0x50); } },
        { "empty file",                   [] (juce::MemoryBlock& m) { m.reset(); } },
    };

    for (auto& c : cases)
    {
        auto image = makeImage();
        c.apply (image);
        juce::StringArray modules;
        EXPECT_TRUE (portableexecutable::readImportedModules (image, modules).failed()) << c.damage;
    }
}
