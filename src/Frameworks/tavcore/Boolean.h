#pragma once

#include "tavcore/Value.h"

namespace tav
{

//==============================================================================
/** A true-or-false value, saved as "true" or "false". */
class Boolean : public Value<bool>
{
public:
    explicit Boolean (bool initialValue = false) : Value (initialValue) {}

    juce::String getClassName() const override    { return "Boolean"; }

protected:
    juce::String toText() const override          { return get() ? "true" : "false"; }

    bool fromText (const juce::String& text, bool& result, juce::String& problem) const override
    {
        if (text == "true" || text == "false")
        {
            result = text == "true";
            return true;
        }

        problem = "expected true or false, found \"" + text + "\"";
        return false;
    }
};

} // namespace tav
