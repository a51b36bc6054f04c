#pragma once

#include <tavcore/Real.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/** Frames per second, shown with one decimal ("59.9"). */
class FrameRate : public tav::Real
{
public:
    explicit FrameRate (double initialValue = 0.0) : Real (initialValue) {}

    juce::String getClassName() const override    { return "FrameRate"; }

    /** The rate with one decimal. */
    juce::String toString() const                 { return juce::String (get(), 1); }
};

//==============================================================================
/** A share in percent, shown as a whole number ("98"). */
class Percentage : public tav::Real
{
public:
    explicit Percentage (double initialValue = 0.0) : Real (initialValue) {}

    juce::String getClassName() const override    { return "Percentage"; }

    /** The share rounded to a whole number. */
    juce::String toString() const                 { return juce::String (juce::roundToInt (get())); }
};

//==============================================================================
/** The file name of the project the server plays ("Show.torvo"). */
class ProjectFile : public tav::String
{
public:
    explicit ProjectFile (const juce::String& initialValue = {}) : String (initialValue) {}

    juce::String getClassName() const override    { return "ProjectFile"; }

    /** The file name as it is. */
    juce::String toString() const                 { return get(); }
};

//==============================================================================
/** The state of the server's video output as a signed 32-bit code; 2 means
    the output is active. */
class OutputState : public tav::Value<juce::int32>
{
public:
    explicit OutputState (juce::int32 initialValue = 0) : Value (initialValue) {}

    juce::String getClassName() const override    { return "OutputState"; }

    /** The code that says the output is active. */
    static constexpr juce::int32 active = 2;

protected:
    juce::String toText() const override          { return juce::String (get()); }
    bool fromText (const juce::String& text, juce::int32& result, juce::String& problem) const override;
};

} // namespace torvo
