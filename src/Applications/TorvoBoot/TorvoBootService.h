#pragma once

#include <tavcore/Service.h>
#include <hostsys/TorvoBootConfiguration.h>

//==============================================================================
/** The boot service: its one member variable is the boot configuration,
    loaded by the framework when the service thread starts. */
class TorvoBootService : public tav::Service
{
public:
    static constexpr const char* className = "TorvoBootService";

    TorvoBootService();

    juce::String getClassName() const override    { return className; }

    /** The applications to start and watch. */
    os::TorvoBootConfiguration configuration;
};
