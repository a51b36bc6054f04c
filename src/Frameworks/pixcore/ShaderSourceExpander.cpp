#include "pixcore/ShaderSourceExpander.h"
#include "pixcore/HostShaderFiles.h"
#include "pixcore/ShaderStructTranslator.h"

namespace graphics
{

namespace
{
    /** The file named by an #include line, or empty when the line is none. */
    juce::String findIncludedName (const juce::String& line)
    {
        const auto trimmed = line.trimStart();

        if (! trimmed.startsWith ("#"))
            return {};

        const auto directive = trimmed.substring (1).trimStart();

        if (! directive.startsWith ("include"))
            return {};

        return directive.fromFirstOccurrenceOf ("\"", false, false).upToFirstOccurrenceOf ("\"", false, false);
    }

    bool isVersionLine (const juce::String& line)
    {
        const auto trimmed = line.trimStart();
        return trimmed.startsWith ("#") && trimmed.substring (1).trimStart().startsWith ("version");
    }

    juce::String lineDirective (int nextLine, int fileIndex)
    {
        return "#line " + juce::String (nextLine) + " " + juce::String (fileIndex) + "\n";
    }

    //==============================================================================
    class Expansion
    {
    public:
        explicit Expansion (ExpandedShaderSource& r) : result (r) {}

        juce::Result expandFile (const juce::String& name, const juce::String& text, juce::String& expanded)
        {
            const int fileIndex = result.fileNames.size();
            result.fileNames.add (name);
            auto lines = juce::StringArray::fromLines (text);
            std::map<int, juce::String> includedTexts;

            for (int i = 0; i < lines.size(); ++i)
            {
                if (isVersionLine (lines[i]))
                    lines.set (i, {});

                const auto includedName = findIncludedName (lines[i]);

                if (includedName.isEmpty())
                    continue;

                lines.set (i, {});

                if (auto r = expandInclude (name, i + 1, includedName, includedTexts[i]); r.failed())
                    return r;
            }

            auto ownText = lines.joinIntoString ("\n");

            if (auto r = translateShaderStructs (ownText, name, knownStructs); r.failed())
                return r;

            expanded = join (juce::StringArray::fromLines (ownText), includedTexts, fileIndex);
            return juce::Result::ok();
        }

    private:
        ExpandedShaderSource& result;
        juce::StringArray included;
        juce::StringArray knownStructs;

        juce::Result expandInclude (const juce::String& includerName, int line, const juce::String& name, juce::String& expanded)
        {
            if (included.contains (name))
                return juce::Result::ok();

            auto text = findHostShaderFile (name);

            if (! text.has_value())
                return juce::Result::fail (includerName + ":" + juce::String (line) + ": there is no host shader file \""
                                             + name + "\" to include");

            included.add (name);
            return expandFile (name, *text, expanded);
        }

        // The file's lines with each include's expansion in place of its
        // line, and a #line directive wherever the text comes back to the file.
        static juce::String join (const juce::StringArray& lines, const std::map<int, juce::String>& includedTexts, int fileIndex)
        {
            juce::String joined = lineDirective (1, fileIndex);

            for (int i = 0; i < lines.size(); ++i)
            {
                if (auto found = includedTexts.find (i); found != includedTexts.end() && found->second.isNotEmpty())
                    joined << found->second << lineDirective (i + 2, fileIndex);
                else
                    joined << lines[i] << "\n";
            }

            return joined;
        }
    };
}

//==============================================================================
juce::Result expandShaderSource (const juce::String& sourceName, const juce::String& source, ExpandedShaderSource& result)
{
    result = {};
    juce::String body;

    if (auto r = Expansion (result).expandFile (sourceName, source, body); r.failed())
        return r;

    result.text = "#version 450 core\n" + body;
    return juce::Result::ok();
}

} // namespace graphics
