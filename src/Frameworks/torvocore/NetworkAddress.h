#pragma once

#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/**
    An IPv4 address written as four decimal numbers from 0 to 255 joined by
    dots ("127.0.0.1"). Any other text is refused when the value is read
    from a file or typed into its editor, and the value stays as it was.
*/
class NetworkAddress : public tav::String
{
public:
    /** The name the class is registered under. */
    static constexpr const char* className = "NetworkAddress";

    /** An address holding initialAddress (empty until it is set). */
    explicit NetworkAddress (const juce::String& initialAddress = {}) : String (initialAddress) {}

    /** Returns "NetworkAddress". */
    juce::String getClassName() const override    { return className; }

    /** True for a text of four numbers from 0 to 255 joined by dots, each
        written with one to three digits. */
    static bool isValidAddress (const juce::String& text);

protected:
    bool fromText (const juce::String& text, juce::String& result, juce::String& problem) const override;
};

} // namespace torvo
