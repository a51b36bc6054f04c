#pragma once

#include <tavcore/Object.h>

#include <functional>
#include <memory>

namespace gui::tav
{

//==============================================================================
/** Calls a function whenever an object (or one below it) changes, for as
    long as both live: a widget's second subscription beside its target. */
class ChangeWatcher : private ::tav::ChangeListener
{
public:
    ChangeWatcher (::tav::Object& objectToWatch, std::function<void()> onChange)
        : object (&objectToWatch), token (objectToWatch.getLifetimeToken()), callback (std::move (onChange))
    {
        object->addChangeListener (this);
    }

    ~ChangeWatcher() override
    {
        if (! token.expired())
            object->removeChangeListener (this);
    }

private:
    void objectChanged (::tav::Object&) override  { callback(); }

    ::tav::Object* object;
    std::weak_ptr<::tav::Object*> token;
    std::function<void()> callback;

    JUCE_DECLARE_NON_COPYABLE (ChangeWatcher)
};

} // namespace gui::tav
