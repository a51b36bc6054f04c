#include "tavcore/DynamicallyLinkedLibrary.h"

namespace tav
{

juce::String DynamicallyLinkedLibrary::getFileNameExtension (int kind, bool withDot)
{
    if (kind == executable)
        return {};

    return withDot ? ".so" : "so";
}

juce::String DynamicallyLinkedLibrary::getFullNameFromReducedName (const juce::String& reducedName, int kind, bool withExtension)
{
    const auto prefix = kind == sharedLibrary ? juce::String ("lib") : juce::String();
    return prefix + reducedName + (withExtension ? getFileNameExtension (kind, true) : juce::String());
}

} // namespace tav
