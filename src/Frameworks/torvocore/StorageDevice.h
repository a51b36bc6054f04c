#pragma once

#include "torvocore/Device.h"

namespace torvo
{

//==============================================================================
/** A storage volume of the server's machine (a mounted file system, a
    drive), known to users by its friendly name. */
class StorageDevice : public Device
{
public:
    StorageDevice() = default;

    /** A volume known as friendlyName. */
    explicit StorageDevice (const juce::String& friendlyName);

    juce::String getClassName() const override    { return "StorageDevice"; }

    /** The registered class "StorageDevice" (the one class pointer every
        library compares with), or nullptr before the host's library is loaded. */
    static const tav::Class* getStaticClass();

    /** The name users know the volume by ("/home (120.3 GB free)"). */
    const juce::String& getFriendlyName() const noexcept    { return getDeviceText(); }
};

} // namespace torvo
