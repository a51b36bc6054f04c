#include "pixcore/HostShaderFiles.h"
#include <string_view>
#include <utility>

namespace graphics
{

// Defined by the build, from the files in shaders/.
extern const std::pair<std::string_view, std::string_view> hostShaderFiles[];
extern const std::size_t hostShaderFilesCount;

std::optional<juce::String> findHostShaderFile (const juce::String& name)
{
    for (size_t i = 0; i < hostShaderFilesCount; ++i)
    {
        const auto& [fileName, content] = hostShaderFiles[i];

        if (name == juce::String (fileName.data(), fileName.size()))
            return juce::String::fromUTF8 (content.data(), (int) content.size());
    }

    return std::nullopt;
}

} // namespace graphics
