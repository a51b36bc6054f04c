#include "tavcore/DynamicallyLinkedLibrary.h"

namespace tav
{

juce::String DynamicallyLinkedLibrary::getFileNameExtension (int kind, bool withDot)
{
    const juce::String extension (kind == executable ? "exe" : "dll");
    return withDot ? "." + extension : extension;
}

juce::String DynamicallyLinkedLibrary::getFullNameFromReducedName (const juce::String& reducedName, int kind, bool withExtension)
{
    return reducedName + (withExtension ? getFileNameExtension (kind, true) : juce::String());
}

} // namespace tav
