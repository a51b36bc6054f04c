#include "PortableExecutableImports.h"

namespace portableexecutable
{

namespace
{
    constexpr size_t coffHeaderSize = 20, sectionHeaderSize = 40, importDescriptorSize = 20;
    constexpr int maximumImports = 4096, maximumNameLength = 260;

    /** Little-endian reads that fail, instead of reading past the end, outside the image. */
    class ImageReader
    {
    public:
        explicit ImageReader (const juce::MemoryBlock& imageBytes)
            : bytes (static_cast<const juce::uint8*> (imageBytes.getData())), size (imageBytes.getSize()) {}

        bool read16 (size_t offset, juce::uint32& value) const    { return readBytes (offset, 2, value); }
        bool read32 (size_t offset, juce::uint32& value) const    { return readBytes (offset, 4, value); }

        /** A NUL-terminated name at an offset, or an empty text when there is none. */
        juce::String readName (size_t offset) const
        {
            for (size_t length = 0; length < (size_t) maximumNameLength && offset + length < size; ++length)
                if (bytes[offset + length] == 0)
                    return length == 0 ? juce::String() : juce::String (reinterpret_cast<const char*> (bytes + offset), length);

            return {};
        }

    private:
        bool readBytes (size_t offset, size_t count, juce::uint32& value) const
        {
            if (offset > size || size - offset < count)
                return false;

            value = 0;

            for (size_t i = count; i-- > 0;)
                value = (value << 8) | bytes[offset + i];

            return true;
        }

        const juce::uint8* bytes;
        size_t size;
    };

    struct Sections
    {
        size_t tableOffset = 0;
        juce::uint32 count = 0;

        /** The file offset of a relative virtual address, or false when no section holds it. */
        bool toFileOffset (const ImageReader& reader, juce::uint32 rva, size_t& fileOffset) const
        {
            for (juce::uint32 i = 0; i < count; ++i)
            {
                const auto header = tableOffset + (size_t) i * sectionHeaderSize;
                juce::uint32 virtualSize = 0, virtualAddress = 0, rawSize = 0, rawOffset = 0;

                if (! (reader.read32 (header + 8, virtualSize) && reader.read32 (header + 12, virtualAddress)
                        && reader.read32 (header + 16, rawSize) && reader.read32 (header + 20, rawOffset)))
                    return false;

                const auto extent = juce::jmax (virtualSize, rawSize);

                if (rva >= virtualAddress && rva - virtualAddress < extent)
                {
                    fileOffset = (size_t) rawOffset + (rva - virtualAddress);
                    return true;
                }
            }

            return false;
        }
    };

    /** Finds the section table and the import directory's address. */
    juce::Result readHeaders (const ImageReader& reader, Sections& sections, juce::uint32& importRva)
    {
        juce::uint32 dosMagic = 0, peOffset = 0, signature = 0, sectionCount = 0, optionalSize = 0, optionalMagic = 0;

        if (! reader.read16 (0, dosMagic) || dosMagic != 0x5a4d || ! reader.read32 (0x3c, peOffset)
             || ! reader.read32 (peOffset, signature) || signature != 0x4550)
            return juce::Result::fail ("not a Windows executable image");

        const auto coff = (size_t) peOffset + 4;
        const auto optional = coff + coffHeaderSize;

        if (! (reader.read16 (coff + 2, sectionCount) && reader.read16 (coff + 16, optionalSize) && reader.read16 (optional, optionalMagic)))
            return juce::Result::fail ("truncated image headers");

        // The data directories start after the optional header's fixed part,
        // which is longer in 64-bit images; the import table is the second.
        const auto directories = optional + (optionalMagic == 0x20b ? 112 : 96);

        if ((optionalMagic != 0x20b && optionalMagic != 0x10b) || ! reader.read32 (directories + 8, importRva))
            return juce::Result::fail ("no import directory");

        sections.tableOffset = optional + optionalSize;
        sections.count = sectionCount;
        return juce::Result::ok();
    }
}

juce::Result readImportedModules (const juce::MemoryBlock& image, juce::StringArray& moduleNames)
{
    const ImageReader reader (image);
    Sections sections;
    juce::uint32 importRva = 0;
    moduleNames.clear();

    if (auto headers = readHeaders (reader, sections, importRva); headers.failed() || importRva == 0)
        return headers;

    size_t descriptor = 0;

    if (! sections.toFileOffset (reader, importRva, descriptor))
        return juce::Result::fail ("the import directory lies outside the image");

    for (int i = 0; i < maximumImports; ++i, descriptor += importDescriptorSize)
    {
        juce::uint32 nameRva = 0;
        size_t nameOffset = 0;

        if (! reader.read32 (descriptor + 12, nameRva))
            return juce::Result::fail ("truncated import directory");

        if (nameRva == 0)
            return juce::Result::ok();

        if (! sections.toFileOffset (reader, nameRva, nameOffset) || reader.readName (nameOffset).isEmpty())
            return juce::Result::fail ("an imported module's name lies outside the image");

        moduleNames.add (reader.readName (nameOffset));
    }

    return juce::Result::fail ("too many imported modules");
}

} // namespace portableexecutable
