#include "HostDevices.h"
#include <tavcore/Library.h>

HostDevices::HostDevices (tav::ExecutionContext& executionContext)
    : context (executionContext)
{
}

HostDevices::~HostDevices()
{
    destroyAll();
}

void HostDevices::createDevicesOf (torvo::PluginLibrary& library)
{
    const auto* factoryBase = tav::Library::getRootLibrary().findClass ("DeviceFactory");

    for (const auto* c : library.getClasses())
        if (c->inheritsFrom (factoryBase) && ! c->isAbstractClass())
            createDevicesOfFactory (*c);
}

void HostDevices::createDevicesOfFactory (const tav::Class& factoryClass)
{
    auto object = factoryClass.createObject();

    if (object == nullptr)
        return;

    // The class derives from "DeviceFactory", so its objects are device factories.
    std::unique_ptr<torvo::DeviceFactory> factory (static_cast<torvo::DeviceFactory*> (object.release()));
    juce::String errorText;

    if (! factory->initializeFactory (errorText))
    {
        context.error ("Device factory " + factoryClass.getName() + " failed: " + errorText);
        return;
    }

    for (const auto* identifier : factory->getDeviceIdentifiers())
    {
        auto device = factory->createDevice (*identifier);

        if (device == nullptr)
            continue;

        if (! device->initializeDevice())
        {
            context.error ("Device " + identifier->toString() + " failed to initialise");
            continue;
        }

        context.information ("Device " + device->getDeviceText() + " initialised");
        engine.addDevice (*device);
        auto* controls = asControlDevice (*device);

        if (controls != nullptr)
            controls->deliverOnHostThread();

        devices.push_back ({ std::move (device), controls, 0 });
    }

    factories.push_back (std::move (factory));
}

void HostDevices::updateFrame (const torvo::FrameInformation& frame)
{
    for (auto& running : devices)
    {
        running.device->update (frame);

        if (running.controls != nullptr)
            running.controls->deliverQueuedNotifications();

        printStatusIfChanged (running);
    }
}

torvo::ControlDevice* HostDevices::asControlDevice (torvo::Device& device)
{
    // Asked through the class system, which holds across plug-in boundaries.
    const auto* controlClass = tav::Library::getRootLibrary().findClass ("ControlDevice");
    return device.isInstanceOf (controlClass) ? static_cast<torvo::ControlDevice*> (&device) : nullptr;
}

void HostDevices::printStatusIfChanged (RunningDevice& running)
{
    const auto changes = running.device->getStatusChangeCount();

    if (changes == running.printedStatus)
        return;

    running.printedStatus = changes;
    const auto status = running.device->getStatus();
    const auto line = running.device->getDeviceText() + ": " + status.getText();

    if (status.isSuccess())
        context.information (line);
    else
        context.error (line);
}

void HostDevices::destroyAll()
{
    while (! devices.empty())
    {
        auto& device = *devices.back().device;
        engine.removeDevice (device);
        device.deinitializeDevice();
        context.information ("Device " + device.getDeviceText() + " deinitialised");
        devices.pop_back();
    }

    factories.clear();
}
