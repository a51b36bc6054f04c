#pragma once

#include "tavcore/Value.h"

namespace tav
{

//==============================================================================
/** A floating-point value, saved in the shortest form that reads back exactly. */
class Real : public Value<double>
{
public:
    explicit Real (double initialValue = 0.0) : Value (initialValue) {}

    juce::String getClassName() const override    { return "Real"; }

protected:
    juce::String toText() const override;
    bool fromText (const juce::String& text, double& result, juce::String& problem) const override;
};

} // namespace tav
