#pragma once

#include "tavcore/Object.h"
#include "tavcore/ChangeCallback.h"
#include <memory>

namespace tav
{

//==============================================================================
/**
    Owns one object (or none) of a given base class; saved as the owned
    object's state tagged with its class name, or as the word null.
*/
class ObjectOwnedPointer : public Object
{
public:
    /** A pointer to objects of the class named elementClassName or derived classes. */
    explicit ObjectOwnedPointer (const juce::String& elementClassName = "Object");
    ~ObjectOwnedPointer() override;

    juce::String getClassName() const override    { return "ObjectOwnedPointer"; }

    /** The owned object, or nullptr. */
    Object* get() const noexcept                  { return owned.get(); }

    /** Replaces the owned object (destroying the previous one). */
    void set (std::unique_ptr<Object> newObject, ChangeCallback callback);

    State saveState() const override;
    juce::Result loadState (const State& state, const juce::String& sourceName) override;

private:
    juce::String elementClass;
    std::unique_ptr<Object> owned;
};

} // namespace tav
