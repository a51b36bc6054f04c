#pragma once

#include <tavcore/Enumeration.h>

namespace os
{

//==============================================================================
/** The commands the TorvoBoot service obeys. */
enum TorvoBootCommandIdEnum
{
    noTorvoBootCommand = 0,
    prepareVoluntaryStop = 1,
    startApplication = 2,
    killApplication = 3
};

/** The application index that addresses every managed application. */
constexpr juce::uint8 allApplicationsIndex = 31;

/** The one-byte service control code carrying a command: bit 7 set, the
    command id in bits 6 and 5, the application index in bits 4 to 0. */
constexpr juce::uint8 getTorvoBootControlCode (TorvoBootCommandIdEnum id, juce::uint8 applicationIndex) noexcept
{
    return (juce::uint8) (128 + 32 * ((int) id & 3) + (applicationIndex & 31));
}

//==============================================================================
/** A TorvoBoot command as an enumeration object; its enumerator names are
    the command names of TorvoBoot's command line. */
class TorvoBootCommandId : public tav::Enumeration
{
public:
    static constexpr const char* className = "TorvoBootCommandId";

    explicit TorvoBootCommandId (TorvoBootCommandIdEnum initialValue = noTorvoBootCommand)
        : Enumeration ((int) initialValue) {}

    juce::String getClassName() const override    { return className; }

    /** The command as its enum. */
    TorvoBootCommandIdEnum getCommand() const noexcept { return (TorvoBootCommandIdEnum) get(); }
};

} // namespace os
