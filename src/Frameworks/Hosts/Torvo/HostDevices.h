#pragma once

#include <torvocore/ControlDevice.h>
#include <torvocore/DeviceFactory.h>
#include <torvocore/Engine.h>
#include <torvocore/LoadedPlugin.h>
#include <tavcore/ExecutionContext.h>

//==============================================================================
/**
    The devices the host runs: one per device factory of the loaded plug-ins.
    Everything here happens on the host's update thread, where the control
    devices' changes are delivered too: a listener never runs on a device's
    own thread, so what it changes is not in use by a frame at the time.
*/
class HostDevices
{
public:
    explicit HostDevices (tav::ExecutionContext& context);
    ~HostDevices();

    /** Creates and initialises the devices of every device factory class the
        plug-in registered. */
    void createDevicesOf (torvo::PluginLibrary& library);

    /** Updates every initialised device for one frame, delivers the control
        changes they queued and prints the statuses that changed. */
    void updateFrame (const torvo::FrameInformation& frame);

    /** Deinitialises and destroys every device and factory, newest first. */
    void destroyAll();

    /** The composition the devices are in use in. */
    torvo::Engine& getEngine() noexcept      { return engine; }

    /** The number of devices created. */
    size_t getNumDevices() const noexcept    { return devices.size(); }

private:
    struct RunningDevice
    {
        std::unique_ptr<torvo::Device> device;
        torvo::ControlDevice* controls = nullptr;
        juce::uint64 printedStatus = 0;
    };

    void createDevicesOfFactory (const tav::Class& factoryClass);
    void printStatusIfChanged (RunningDevice& running);
    static torvo::ControlDevice* asControlDevice (torvo::Device& device);

    tav::ExecutionContext& context;
    torvo::Engine engine;
    std::vector<std::unique_ptr<torvo::DeviceFactory>> factories;
    std::vector<RunningDevice> devices;
};
