#pragma once

#include <juce_core/juce_core.h>

namespace graphics
{

/**
    Rewrites a GLSL compiler's log so that each message names the original
    file instead of a source-string number: "0:12(5): error: ..." (Mesa),
    "ERROR: 0:12: ..." and "0(12) : error ..." become "name:12:5: error: ..."
    or "name:12: ...", with fileNames giving the name of each number.
    Lines in other forms are kept as they are.
*/
juce::String mapShaderLog (const juce::String& log, const juce::StringArray& fileNames);

} // namespace graphics
