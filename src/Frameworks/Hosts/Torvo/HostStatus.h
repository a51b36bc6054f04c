#pragma once

#include "HostCommandLine.h"
#include "HostStatusPublisher.h"
#include <torvocore/Engine.h>
#include <torvocore/FrameInformation.h>
#include <torvocore/StorageDevice.h>
#include <torvocore/TorvoNetConfiguration.h>
#include <torvocore/TorvoNetServerEngineComponent.h>

namespace graphics { class GraphicsContext; }

//==============================================================================
/**
    The host's live status record: once per second it fills the engine
    component "TorvoNetServerEngineComponent" (which it adds to the engine,
    so that tools find it) with this machine's adapters, memory, storage
    volumes and the engine's devices, the host's frame rate against its
    target, its project and its on-air and output state, and publishes the
    record to the launcher, where the network configuration says, under the
    machine's name it gives. Everything runs on the host's update thread.
*/
class HostStatus
{
public:
    HostStatus (tav::ExecutionContext& context, torvo::Engine& engine, const HostCommandLine& commandLine,
                const torvo::TorvoNetConfiguration& network, double targetFrameRate);
    ~HostStatus();

    /** Counts a frame; when a second has passed since the last refresh,
        refreshes the record (video memory through graphics, where there is
        a context) and publishes it. */
    void frameDone (graphics::GraphicsContext* graphics);

    /** Refreshes the record now, with the frame rate of the frames counted
        since the last refresh. */
    void refresh (graphics::GraphicsContext* graphics);

    /** The record as last refreshed. */
    const torvo::TorvoServerInformation& getInformation() const noexcept    { return component.information; }

private:
    void fillAdapters();
    void fillMemory (graphics::GraphicsContext* graphics);
    void fillFrameRate (double now);
    void fillDevices();

    torvo::Engine& engine;
    torvo::TorvoNetServerEngineComponent component;
    HostStatusPublisher publisher;
    std::vector<std::unique_ptr<torvo::StorageDevice>> storageDevices;
    const double targetFrameRate;
    double lastRefresh;
    int framesSinceRefresh = 0;
    bool refreshedOnce = false;
};
