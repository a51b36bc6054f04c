#include "tavcore/OwnedObjectStates.h"
#include "tavcore/Library.h"

namespace tav
{

juce::Result createOwnedObjectFromState (const State& state, const juce::String& sourceName,
                                         const juce::String& requiredBaseClassName,
                                         std::unique_ptr<Object>& result)
{
    const auto where = state.describePosition (sourceName) + ": ";

    if (! state.isMap())
        return juce::Result::fail (where + "expected " + requiredBaseClassName + " {...}");

    const auto className = state.getClassName().isNotEmpty() ? state.getClassName() : requiredBaseClassName;
    auto& root = Library::getRootLibrary();
    const auto* objectClass = root.findClass (className);
    const auto* baseClass = root.findClass (requiredBaseClassName);

    if (objectClass == nullptr)
        return juce::Result::fail (where + "unknown class \"" + className + "\"");

    if (baseClass != nullptr && ! objectClass->inheritsFrom (baseClass))
        return juce::Result::fail (where + "the class " + className + " is not a kind of " + requiredBaseClassName);

    auto object = objectClass->createObject();

    if (object == nullptr)
        return juce::Result::fail (where + "the class " + className + " has no instances");

    auto r = object->loadState (state, sourceName);

    if (r.failed())
        return r;

    result = std::move (object);
    return juce::Result::ok();
}

} // namespace tav
