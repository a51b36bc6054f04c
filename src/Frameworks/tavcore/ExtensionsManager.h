#pragma once

#include <juce_core/juce_core.h>
#include <mutex>
#include <vector>

namespace tav
{

class Class;

//==============================================================================
/**
    The process-wide list of extensions: for each extension point (such as
    "LauncherComponent"), the names of the classes that plug-ins announced
    for it, in the order they were announced.

    Plug-ins announce their classes from their static initialisation, before
    the program's main() or while another thread loads them, so the list is
    made on first use and guarded by a lock. A name stays announced after its
    plug-in is unloaded until the host calls removeExtensionsWithoutClass(),
    and a lookup only ever answers classes that are registered at that moment,
    so a class name never leads to a class whose library has gone.
*/
class ExtensionsManager
{
public:
    /** The one manager of the process, made on first use and never destroyed,
        so that plug-ins may still call it from their static destructors. */
    static ExtensionsManager* getInstance();

    //==============================================================================
    /** Announces a class for an extension point. A name announced twice for
        one point keeps its first place. */
    void registerExtension (const juce::String& extensionPoint, const juce::String& className);

    /** Withdraws a class from an extension point; false when it was not announced. */
    bool unregisterExtension (const juce::String& extensionPoint, const juce::String& className);

    /** The class names announced for an extension point, in announcement order. */
    juce::StringArray getExtensionClassNames (const juce::String& extensionPoint) const;

    /** The announced classes of an extension point that the root library
        registers now, in announcement order; names without a class are left
        out. Call it on the thread that loads and unloads libraries. */
    std::vector<const Class*> findExtensionClasses (const juce::String& extensionPoint) const;

    /** Withdraws every announcement whose class the root library no longer
        registers, as after a plug-in was unloaded; returns how many. Call it
        on the thread that loads and unloads libraries. */
    int removeExtensionsWithoutClass();

private:
    ExtensionsManager() = default;

    struct Extension
    {
        juce::String extensionPoint;
        juce::String className;
    };

    mutable std::mutex lock;
    std::vector<Extension> extensions;

    JUCE_DECLARE_NON_COPYABLE (ExtensionsManager)
};

} // namespace tav
