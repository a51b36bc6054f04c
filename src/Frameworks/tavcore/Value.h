#pragma once

#include "tavcore/Object.h"
#include "tavcore/ChangeCallback.h"

namespace tav
{

//==============================================================================
/**
    The common form of the framework's single-valued objects: a value read
    with get() and written with set(), saved as one text.
*/
template <typename ValueType>
class Value : public Object
{
public:
    explicit Value (ValueType initialValue = {}) : value (std::move (initialValue)) {}

    /** The current value. */
    const ValueType& get() const noexcept         { return value; }

    /** Changes the value; observers hear of it when the callback says so and
        the value really changed. */
    void set (const ValueType& newValue, ChangeCallback callback)
    {
        if (newValue == value)
            return;

        value = newValue;

        if (callback.shouldNotify())
            sendChangeNotification();
    }

    State saveState() const override              { return State (toText(), isTextQuoted()); }

    juce::Result loadState (const State& state, const juce::String& sourceName) override
    {
        if (! state.isText())
            return juce::Result::fail (state.describePosition (sourceName) + ": expected a single value for a "
                                       + getClassName() + ", found a " + (state.isMap() ? "map" : "list"));

        ValueType parsed {};
        juce::String problem;

        if (! fromText (state.getText(), parsed, problem))
            return juce::Result::fail (state.describePosition (sourceName) + ": " + problem);

        set (parsed, ChangeCallback::notify());
        return juce::Result::ok();
    }

protected:
    /** The value as saved. */
    virtual juce::String toText() const = 0;

    /** Reads a saved value; on failure sets problem to a message for the user. */
    virtual bool fromText (const juce::String& text, ValueType& result, juce::String& problem) const = 0;

    /** True for values always written in quotes. */
    virtual bool isTextQuoted() const             { return false; }

private:
    ValueType value;
};

} // namespace tav
