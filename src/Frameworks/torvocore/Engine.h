#pragma once

#include "torvocore/Device.h"
#include <tavcore/Class.h>
#include <vector>

namespace graphics { class GraphicsContext; }

namespace torvo
{

//==============================================================================
/**
    The host's running composition as far as plug-ins see it: the devices in
    use, which elements find through their device selectors, and the graphics
    context the host renders with. Devices are added and removed on the
    host's thread.
*/
class Engine
{
public:
    Engine() = default;

    /** Puts a device (not owned) into use. */
    void addDevice (Device& device);

    /** Takes a device out of use. */
    void removeDevice (Device& device);

    /** The devices in use, in the order they were added. */
    const std::vector<Device*>& getDevices() const noexcept    { return devices; }

    /** The first device of a class (or a class derived from it) whose printed
        identifier is name, or the first of that class when name is empty. */
    Device* findDevice (const tav::Class* deviceClass, const juce::String& name) const;

    //==============================================================================
    /** Adds an engine component (not owned) that elements and tools find by
        its class, such as the server's status component. */
    void addExtension (tav::Object& extension);

    /** Takes an engine component out again. */
    void removeExtension (tav::Object& extension);

    /** The first engine component of a class (or a class derived from it),
        or nullptr; nullptr for a null class. */
    tav::Object* findExtensionByClass (const tav::Class* extensionClass) const;

    //==============================================================================
    /** Gives the engine the context its elements render with (not owned;
        nullptr when the host has none). */
    void setGraphics (graphics::GraphicsContext* newGraphics) noexcept   { graphicsContext = newGraphics; }

    /** The context the host renders with, or nullptr when there is none. */
    graphics::GraphicsContext* getGraphics() const noexcept             { return graphicsContext; }

private:
    std::vector<Device*> devices;
    std::vector<tav::Object*> extensions;
    graphics::GraphicsContext* graphicsContext = nullptr;

    JUCE_DECLARE_NON_COPYABLE (Engine)
};

} // namespace torvo
