#pragma once

#include "tavcore/Value.h"

namespace tav
{

//==============================================================================
/** A text value. */
class String : public Value<juce::String>
{
public:
    explicit String (const juce::String& initialValue = {}) : Value (initialValue) {}

    juce::String getClassName() const override    { return "String"; }

    /** Replaces environment variable references in a text by their values:
        %NAME% and ${NAME} both work on every platform. References to
        variables that are not set are left as they stand. */
    static juce::String expandEnvironmentVariables (const juce::String& text);

protected:
    juce::String toText() const override          { return get(); }
    bool isTextQuoted() const override            { return true; }
    bool fromText (const juce::String& text, juce::String& result, juce::String&) const override
    {
        result = text;
        return true;
    }
};

} // namespace tav
