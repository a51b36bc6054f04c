#include "torvocore/ColorModifier.h"
#include <tavcore/Class.h>

namespace torvo
{

juce::Result ColorModifier::getShaderSourceCode (juce::String& source) const
{
    const auto* objectClass = getClass();

    if (objectClass == nullptr)
        return juce::Result::fail ("The class " + getClassName() + " is not loaded");

    const auto* attribute = objectClass->getAttribute ("shaderSourceCode");

    if (attribute == nullptr || ! attribute->isText())
        return juce::Result::fail ("The class " + getClassName() + " has no shaderSourceCode");

    source = attribute->getText();
    return juce::Result::ok();
}

juce::String ColorModifier::getShaderSourceName() const
{
    return getClassName() + ".sglsl";
}

} // namespace torvo
