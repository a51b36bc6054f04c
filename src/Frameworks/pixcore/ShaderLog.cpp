#include "pixcore/ShaderLog.h"
#include <regex>

namespace graphics
{

namespace
{
    struct LogLineForm
    {
        std::regex pattern;
        int file, line, column;   // sub-match numbers; 0 when the form has none
    };

    const std::vector<LogLineForm>& getLogLineForms()
    {
        static const std::vector<LogLineForm> forms {
            { std::regex (R"(^(\d+):(\d+)\((\d+)\):\s*(.*)$)"), 1, 2, 3 },          // Mesa
            { std::regex (R"(^(?:ERROR|WARNING): (\d+):(\d+):\s*(.*)$)"), 1, 2, 0 },  // AMD, Intel on Windows
            { std::regex (R"(^(\d+)\((\d+)\)\s*:\s*(.*)$)"), 1, 2, 0 },              // NVIDIA
        };
        return forms;
    }

    juce::String mapLine (const juce::String& line, const juce::StringArray& fileNames)
    {
        const auto text = line.toStdString();

        for (auto& form : getLogLineForms())
        {
            std::smatch match;

            if (! std::regex_match (text, match, form.pattern))
                continue;

            const int fileIndex = std::stoi (match[(size_t) form.file].str());
            const auto fileName = juce::isPositiveAndBelow (fileIndex, fileNames.size()) ? fileNames[fileIndex]
                                                                                       : "source " + juce::String (fileIndex);
            juce::String mapped = fileName + ":" + juce::String (match[(size_t) form.line].str());

            if (form.column != 0)
                mapped << ":" << juce::String (match[(size_t) form.column].str());

            return mapped + ": " + juce::String (match[match.size() - 1].str());
        }

        return line;
    }
}

juce::String mapShaderLog (const juce::String& log, const juce::StringArray& fileNames)
{
    juce::StringArray lines;

    for (auto& line : juce::StringArray::fromLines (log.trimEnd()))
        lines.add (mapLine (line, fileNames));

    return lines.joinIntoString ("\n");
}

} // namespace graphics
