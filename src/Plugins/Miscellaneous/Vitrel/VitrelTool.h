#pragma once

#include "VitrelThread.h"

#include <torvocore/Tool.h>

namespace launcher
{

//==============================================================================
/**
    "VitrelTool": the front panel run by the host. It feeds the display thread
    with the status record of the host engine's "TorvoNetServerEngineComponent"
    at each of the host's updates.
*/
class VitrelTool : public torvo::Tool
{
public:
    VitrelTool();
    ~VitrelTool() override;

    juce::String getClassName() const override    { return "VitrelTool"; }

    /** Copies the engine component's "information" into the display thread, when there is one. */
    void refreshInformation() override;

    /** Starts the display thread; true whether or not it started. */
    bool startDisplay() override;

    /** Stops the display thread (up to 5000 ms). */
    void stopDisplay() override;

private:
    VitrelThread thread;
};

} // namespace launcher
