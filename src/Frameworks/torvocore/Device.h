#pragma once

#include "torvocore/DeviceIdentifier.h"
#include "torvocore/FrameInformation.h"
#include <tavcore/SuccessStatus.h>
#include <atomic>

namespace torvo
{

//==============================================================================
/**
    A piece of hardware or a connection that the host drives: initialised
    once, updated once per frame on the host's thread, deinitialised at the
    end. Its status text says what the user needs to know; any thread of the
    device may publish it.
*/
class Device : public tav::Object
{
public:
    Device() = default;

    /** A device for the given identifier (its name and printed form are kept). */
    explicit Device (const DeviceIdentifier& identifier);

    /** Takes the name and printed form of an identifier (the factory does this
        for devices created by class name). */
    void setIdentity (const DeviceIdentifier& identifier);

    /** The printed form of the device's identifier. */
    const juce::String& getDeviceText() const noexcept   { return deviceText; }

    //==============================================================================
    /** Brings the device up; false when it cannot be used. */
    virtual bool initializeDevice();

    /** Takes the device down again. */
    virtual void deinitializeDevice();

    /** Called by the host once per frame between initialisation and deinitialisation. */
    virtual void update (const FrameInformation& frame);

    /** True between a successful initialisation and the deinitialisation. */
    bool isInitialized() const noexcept                  { return initialized.load(); }

    //==============================================================================
    /** Publishes a status; safe from any thread. */
    void setStatusFromTorvoThread (const tav::SuccessStatus& newStatus);

    /** The last published status. */
    tav::SuccessStatus getStatus() const;

    /** Grows by one with every status that differs from the one before. */
    juce::uint64 getStatusChangeCount() const noexcept   { return statusChanges.load(); }

private:
    juce::String deviceText;
    std::atomic<bool> initialized { false };
    juce::CriticalSection statusLock;
    tav::SuccessStatus status;
    std::atomic<juce::uint64> statusChanges { 0 };
};

} // namespace torvo
