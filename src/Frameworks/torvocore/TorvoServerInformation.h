#pragma once

#include "torvocore/DeviceDescription.h"
#include "torvocore/MemoryUsage.h"
#include "torvocore/NetworkAdapter.h"
#include "torvocore/ServerFigures.h"
#include <tavcore/Boolean.h>
#include <tavcore/ObjectOwnedVector.h>
#include <tavcore/String.h>

namespace torvo
{

//==============================================================================
/**
    The server's live status: its machine's network adapters, memory and
    devices, its frame rate, its on-air and output state and the project it
    plays. The server fills it about once per second; displays copy it whole
    (under their own lock) and draw from the copy.

    Copying copies every value and every element of the lists; a copy shares
    nothing with its source.
*/
class TorvoServerInformation : public tav::Object
{
public:
    TorvoServerInformation();

    /** A copy of another record. */
    TorvoServerInformation (const TorvoServerInformation& other);

    /** Takes every value of another record, silently. */
    TorvoServerInformation& operator= (const TorvoServerInformation& other);

    juce::String getClassName() const override    { return "TorvoServerInformation"; }

    /** The registered class "TorvoServerInformation", or nullptr before the
        host's library is loaded. */
    static const tav::Class* getStaticClass();

    //==============================================================================
    tav::String headerText;                                  /**< the first line of the network page */
    tav::ObjectOwnedVector<NetworkAdapter> networkAdapters;  /**< every adapter, connected ones flagged */
    MemoryUsage systemMemory;                                /**< the machine's memory in use */
    MemoryUsage videoMemory;                                 /**< the graphics memory in use, when known */
    FrameRate frameRate;                                     /**< frames the server rendered in the last second */
    Percentage frameRatePercent;                             /**< the frame rate as a share of the target rate */
    tav::Boolean onAir;                                      /**< the server's output is on air */
    tav::Boolean greenLight;                                 /**< the server is ready to go on air */
    OutputState outputState;                                 /**< the state of the video output (2: active) */
    tav::String projectPath;                                 /**< the project's folder, '/'-separated on every platform */
    ProjectFile projectFile;                                 /**< the project's file name */
    tav::ObjectOwnedVector<DeviceDescription> devices;       /**< the devices in use, storage devices among them */
};

} // namespace torvo
