#include "PluginBinding.h"

namespace pluginbinding
{

juce::String findOtherHostProgram (const juce::File&)
{
    return {};
}

} // namespace pluginbinding
