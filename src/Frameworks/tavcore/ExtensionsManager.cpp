#include "tavcore/ExtensionsManager.h"
#include "tavcore/Library.h"
#include <algorithm>

namespace tav
{

ExtensionsManager* ExtensionsManager::getInstance()
{
    // A function's static is made on first use, whichever library's static
    // initialisation gets there first, and C++ makes that first use
    // thread-safe. It is never destroyed: static destructors of plug-ins may
    // run after the host's own.
    static auto* const instance = new ExtensionsManager();
    return instance;
}

//==============================================================================
void ExtensionsManager::registerExtension (const juce::String& extensionPoint, const juce::String& className)
{
    const std::lock_guard<std::mutex> guard (lock);

    for (auto& extension : extensions)
        if (extension.extensionPoint == extensionPoint && extension.className == className)
            return;

    extensions.push_back ({ extensionPoint, className });
}

bool ExtensionsManager::unregisterExtension (const juce::String& extensionPoint, const juce::String& className)
{
    const std::lock_guard<std::mutex> guard (lock);
    const auto it = std::find_if (extensions.begin(), extensions.end(), [&] (const Extension& extension)
    {
        return extension.extensionPoint == extensionPoint && extension.className == className;
    });

    if (it == extensions.end())
        return false;

    extensions.erase (it);
    return true;
}

juce::StringArray ExtensionsManager::getExtensionClassNames (const juce::String& extensionPoint) const
{
    const std::lock_guard<std::mutex> guard (lock);
    juce::StringArray names;

    for (auto& extension : extensions)
        if (extension.extensionPoint == extensionPoint)
            names.add (extension.className);

    return names;
}

std::vector<const Class*> ExtensionsManager::findExtensionClasses (const juce::String& extensionPoint) const
{
    // The names are copied out first, so that no library lookup runs under the lock.
    std::vector<const Class*> classes;

    for (auto& className : getExtensionClassNames (extensionPoint))
        if (const auto* extensionClass = Library::getRootLibrary().findClass (className))
            classes.push_back (extensionClass);

    return classes;
}

int ExtensionsManager::removeExtensionsWithoutClass()
{
    std::vector<Extension> announced;

    {
        const std::lock_guard<std::mutex> guard (lock);
        announced = extensions;
    }

    int removed = 0;

    for (auto& extension : announced)
        if (Library::getRootLibrary().findClass (extension.className) == nullptr
             && unregisterExtension (extension.extensionPoint, extension.className))
            ++removed;

    return removed;
}

} // namespace tav
