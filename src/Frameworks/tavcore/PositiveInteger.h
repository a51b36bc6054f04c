#pragma once

#include "tavcore/Value.h"

namespace tav
{

//==============================================================================
/** A whole number from 0 to 2^64 - 1, saved in decimal. */
class PositiveInteger : public Value<juce::uint64>
{
public:
    explicit PositiveInteger (juce::uint64 initialValue = 0) : Value (initialValue) {}

    juce::String getClassName() const override    { return "PositiveInteger"; }

protected:
    juce::String toText() const override          { return juce::String (get()); }
    bool fromText (const juce::String& text, juce::uint64& result, juce::String& problem) const override;
};

} // namespace tav
