#pragma once

#include <tavcore/String.h>
#include <torvocore/ControlDevice.h>
#include <torvocore/DeviceFactory.h>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace standin
{

//==============================================================================
/** A control of the stand-in device, named by its "name" variable; its values are strings. */
class StandInControl : public torvo::ControllerIdentifier
{
public:
    explicit StandInControl (const juce::String& controlName = {});

    juce::String getClassName() const override    { return "StandInControl"; }
    juce::String toString() const override        { return name.get(); }
    const tav::Class* getValueClass() const override;

    tav::String name;
};

//==============================================================================
/**
    Stands in for the grading device, printed "Ambrel" like it: a thread of
    its own sends a short script of control changes (gain 2, gain 3, then a
    note that leaves the pixels as they are), as a connection thread would.
    Each waits for ten frames of the host after the one before, counted by
    the host's updates rather than by time, so that each change reaches the
    host's elements in a frame of its own however slowly the host runs.
*/
class StandInDevice : public torvo::ControlDevice
{
public:
    ~StandInDevice() override;

    juce::String getClassName() const override    { return "StandInDevice"; }
    bool sendsNotificationsFromOwnThreads() const override    { return true; }

    bool initializeDevice() override;
    void deinitializeDevice() override;
    void update (const torvo::FrameInformation& frame) override;

private:
    std::thread sender;
    std::mutex mutex;
    std::condition_variable frameSeen;
    juce::int64 framesSeen = 0;
    bool stopping = false;

    void sendScript();
    bool waitForFrames (juce::int64 count);
};

//==============================================================================
/** Identifies the stand-in device; printed as "Ambrel". */
class StandInDeviceIdentifier : public torvo::DeviceIdentifier
{
public:
    explicit StandInDeviceIdentifier (const juce::String& name = {}) : DeviceIdentifier (name) {}

    juce::String getClassName() const override    { return "StandInDeviceIdentifier"; }
    juce::String toString() const override        { return "Ambrel"; }
};

/** Offers the one stand-in device. */
class StandInDeviceFactory : public torvo::DeviceFactory
{
public:
    juce::String getClassName() const override    { return "StandInDeviceFactory"; }
    bool initializeFactory (juce::String& errorText) override;
};

} // namespace standin
