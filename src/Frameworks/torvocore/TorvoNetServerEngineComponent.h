#pragma once

#include "torvocore/TorvoServerInformation.h"

namespace torvo
{

//==============================================================================
/**
    The engine component through which the server tells its tools about
    itself: its variable "information" holds the server's live status
    record. The host adds it to its engine as an extension, so that a tool
    finds it with Engine::findExtensionByClass.
*/
class TorvoNetServerEngineComponent : public tav::Object
{
public:
    TorvoNetServerEngineComponent();

    juce::String getClassName() const override    { return "TorvoNetServerEngineComponent"; }

    /** The registered class "TorvoNetServerEngineComponent", or nullptr
        before the host's library is loaded. */
    static const tav::Class* getStaticClass();

    TorvoServerInformation information;    /**< the server's status, refreshed by the host */
};

} // namespace torvo
