#pragma once

#include "tavcore/Library.h"

namespace tav
{

//==============================================================================
/**
    An abstract class (no instances) derived from the class named by
    baseClassName, or a root class when that is empty.
*/
class AbstractClass : public Class
{
public:
    explicit AbstractClass (juce::String baseClassName = {}) : baseName (std::move (baseClassName)) {}

    const Class* getBaseClass() const override
    {
        return baseName.isEmpty() ? nullptr : getClassRelativeToThis (baseName, false);
    }

private:
    juce::String baseName;
};

/** Creates the library "Tav" of the framework's own classes: the value
    classes, "Object", "Program", "Thread", "ServiceLogic" and the templates
    "Service" and "ServiceThread". The root library holds it. */
std::unique_ptr<Library> createCoreLibrary();

} // namespace tav
