#pragma once

#include <tavcore/PositiveInteger.h>

namespace torvo
{

//==============================================================================
/**
    A TCP or UDP port: a whole number from 1 to 65535. Any other number is
    refused when the value is read from a file or typed into its editor, and
    the value stays as it was.
*/
class PortNumber : public tav::PositiveInteger
{
public:
    /** The name the class is registered under. */
    static constexpr const char* className = "PortNumber";

    /** The lowest and the highest port accepted. */
    static constexpr juce::uint64 lowest = 1, highest = 65535;

    /** A port holding initialPort (0 until it is set: no port). */
    explicit PortNumber (int initialPort = 0) : PositiveInteger ((juce::uint64) initialPort) {}

    /** Returns "PortNumber". */
    juce::String getClassName() const override    { return className; }

    /** The port as an int. */
    int getPort() const noexcept                  { return (int) get(); }

protected:
    bool fromText (const juce::String& text, juce::uint64& result, juce::String& problem) const override;
};

} // namespace torvo
