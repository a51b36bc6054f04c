#pragma once

#include "tavcore/Object.h"
#include "tavcore/ChangeCallback.h"

namespace tav
{

//==============================================================================
/**
    Observes an object owned elsewhere; reads as nullptr once that object is
    gone. A weak pointer is a run-time link and is never saved.
*/
class ObjectWeakPointer : public Object
{
public:
    ObjectWeakPointer() = default;

    juce::String getClassName() const override    { return "ObjectWeakPointer"; }

    /** The observed object, or nullptr when none is set or it was destroyed. */
    Object* get() const noexcept                  { return token.expired() ? nullptr : target; }

    /** Observes another object (or none). */
    void set (Object* newTarget, ChangeCallback callback);

    State saveState() const override              { return State(); }
    juce::Result loadState (const State&, const juce::String&) override { return juce::Result::ok(); }

private:
    Object* target = nullptr;
    std::weak_ptr<Object*> token;
};

} // namespace tav
