#include "GradingFiles.h"
#include <cstring>

namespace ambrel
{

namespace
{
    bool readTriple (const juce::XmlElement* parent, const char* tag, std::array<double, 3>& values)
    {
        const auto* element = parent != nullptr ? parent->getChildByName (tag) : nullptr;

        if (element == nullptr)
            return true;

        juce::StringArray numbers;
        numbers.addTokens (element->getAllSubText().trim(), " \t\r\n", {});
        numbers.removeEmptyStrings();

        if (numbers.size() != 3)
            return false;

        for (int i = 0; i < 3; ++i)
            values[(size_t) i] = numbers[i].getDoubleValue();

        return true;
    }

    const juce::XmlElement* findColorCorrection (const juce::XmlElement& element)
    {
        if (element.hasTagName ("ColorCorrection"))
            return &element;

        for (auto* child : element.getChildIterator())
            if (const auto* found = findColorCorrection (*child))
                return found;

        return nullptr;
    }

    void appendLittleEndian (juce::MemoryBlock& block, const void* data, size_t size)
    {
        block.append (data, size);  // every supported platform is little-endian
    }
}

juce::String readCdlFile (const juce::File& file, CdlParameters& cdl)
{
    const auto xml = juce::XmlDocument::parse (file);

    if (xml == nullptr)
        return "Cannot read " + file.getFullPathName() + " as XML";

    const auto* correction = findColorCorrection (*xml);

    if (correction == nullptr)
        return file.getFullPathName() + " holds no ColorCorrection";

    const auto* sop = correction->getChildByName ("SOPNode");

    if (! readTriple (sop, "Slope", cdl.slope) || ! readTriple (sop, "Offset", cdl.offset) || ! readTriple (sop, "Power", cdl.power))
        return file.getFullPathName() + ": Slope, Offset and Power need three numbers each";

    if (const auto* sat = correction->getChildByName ("SatNode"))
        if (const auto* saturation = sat->getChildByName ("Saturation"))
            cdl.saturation = saturation->getAllSubText().trim().getDoubleValue();

    return {};
}

juce::String readCubeFile (const juce::File& file, CubeLut& lut)
{
    if (! file.existsAsFile())
        return "No such file: " + file.getFullPathName();

    const auto problem = parseCubeText (file.loadFileAsString(), lut);
    return problem.isEmpty() ? problem : file.getFullPathName() + ": " + problem;
}

juce::String parseCubeText (const juce::String& text, CubeLut& lut)
{
    lut = {};
    juce::StringArray lines;
    lines.addLines (text);

    for (auto& rawLine : lines)
    {
        const auto line = rawLine.upToFirstOccurrenceOf ("#", false, false).trim();

        if (line.isEmpty() || line.startsWith ("TITLE") || line.startsWith ("DOMAIN_") || line.startsWith ("LUT_1D"))
            continue;

        if (line.startsWith ("LUT_3D_SIZE"))
        {
            lut.size = line.fromFirstOccurrenceOf ("LUT_3D_SIZE", false, false).trim().getIntValue();
            continue;
        }

        juce::StringArray numbers;
        numbers.addTokens (line, " \t", {});
        numbers.removeEmptyStrings();

        if (numbers.size() != 3)
            return "unexpected line: " + line;

        for (auto& number : numbers)
            lut.rgb.push_back (number.getFloatValue());
    }

    if (lut.size < 2)
        return "no LUT_3D_SIZE of 2 or more";

    const auto entries = (juce::uint64) lut.size * (juce::uint64) lut.size * (juce::uint64) lut.size;

    if ((juce::uint64) lut.rgb.size() != entries * 3)
        return "LUT_3D_SIZE " + juce::String (lut.size) + " needs " + juce::String (entries)
             + " entries, found " + juce::String ((juce::uint64) (lut.rgb.size() / 3));

    return {};
}

juce::MemoryBlock CubeLut::encode (const juce::String& dataType) const
{
    juce::MemoryBlock block;
    const auto entries = rgb.size() / 3;

    for (size_t i = 0; i < entries; ++i)
    {
        if (dataType == "uint16")
        {
            for (size_t c = 0; c < 3; ++c)
            {
                const auto value = (juce::uint16) juce::roundToInt (juce::jlimit (0.0f, 1.0f, rgb[i * 3 + c]) * 65535.0f);
                appendLittleEndian (block, &value, sizeof (value));
            }
        }
        else
        {
            const float texel[4] = { rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2], 1.0f };
            appendLittleEndian (block, texel, sizeof (texel));
        }
    }

    return block;
}

} // namespace ambrel
