#include "HostStatus.h"
#include "SystemFigures.h"
#include <pixcore/GraphicsContext.h>
#include <torvocore/ServerInformationPacket.h>

namespace
{
    // Bounds that keep the record within one datagram however many adapters,
    // volumes or devices the machine has and however long their names are.
    constexpr size_t maximumAdapters = torvo::ServerInformationPacket::maximumListSize;
    constexpr int maximumVolumes = 50;
    constexpr size_t maximumEngineDevices = 50;
    constexpr int maximumNameLength = 64;
    constexpr int maximumAddressLength = 46;
    constexpr int maximumFriendlyNameLength = 128;
    constexpr int maximumProjectPathLength = 1024;
    constexpr int maximumProjectFileLength = 256;

    const auto none = tav::ChangeCallback::none();

    juce::String cut (const juce::String& text, int maximumLength)
    {
        return text.substring (0, maximumLength);
    }

    /** The end of a path is what names the project, so a long one loses its start. */
    juce::String cutKeepingEnd (const juce::String& text, int maximumLength)
    {
        return text.substring (juce::jmax (0, text.length() - maximumLength));
    }

    void addDevice (torvo::TorvoServerInformation& information, const juce::String& className, const juce::String& friendlyName)
    {
        auto description = std::make_unique<torvo::DeviceDescription>();
        description->deviceClass.set (className, none);
        description->friendlyName.set (cut (friendlyName, maximumFriendlyNameLength), none);
        information.devices.append (std::move (description), none);
    }
}

HostStatus::HostStatus (tav::ExecutionContext& context, torvo::Engine& engineToDescribe, const HostCommandLine& commandLine,
                        const torvo::TorvoNetConfiguration& network, double targetRate)
    : engine (engineToDescribe),
      publisher (context, network.statusAddress.get(), network.statusPort.getPort()),
      targetFrameRate (targetRate),
      lastRefresh (juce::Time::getMillisecondCounterHiRes())
{
    auto& information = component.information;
    information.headerText.set (cut ("Torvo on " + network.getEffectiveMachineName(), maximumNameLength), none);
    information.onAir.set (commandLine.onAir, none);
    information.greenLight.set (commandLine.greenLight, none);
    information.outputState.set (commandLine.outputState, none);

    const auto project = commandLine.project != juce::File() ? commandLine.project : commandLine.input;

    if (project != juce::File())
    {
        // '/' on every platform: displays take the part after the last '/' as the project's name.
        const auto folder = project.getParentDirectory().getFullPathName().replaceCharacter ('\\', '/');
        information.projectPath.set (cutKeepingEnd (folder, maximumProjectPathLength), none);
        information.projectFile.set (cut (project.getFileName(), maximumProjectFileLength), none);
    }

    engine.addExtension (component);
}

HostStatus::~HostStatus()
{
    engine.removeExtension (component);
}

void HostStatus::frameDone (graphics::GraphicsContext* graphics)
{
    ++framesSinceRefresh;
    const auto now = juce::Time::getMillisecondCounterHiRes();

    // The first frame publishes at once, so that a launcher sees the host
    // from its start; the frame rate follows a second later.
    if (! refreshedOnce || now - lastRefresh >= 1000.0)
        refresh (graphics);
}

void HostStatus::refresh (graphics::GraphicsContext* graphics)
{
    fillFrameRate (juce::Time::getMillisecondCounterHiRes());
    fillAdapters();
    fillMemory (graphics);
    fillDevices();
    publisher.publish (component.information);
    refreshedOnce = true;
}

void HostStatus::fillFrameRate (double now)
{
    const auto seconds = (now - lastRefresh) / 1000.0;
    // A first refresh right after the start has too few frames to tell a rate.
    const auto rate = seconds >= 0.5 ? (double) framesSinceRefresh / seconds : 0.0;
    component.information.frameRate.set (rate, none);
    component.information.frameRatePercent.set (targetFrameRate > 0.0 ? 100.0 * rate / targetFrameRate : 0.0, none);

    if (seconds >= 0.5)
    {
        lastRefresh = now;
        framesSinceRefresh = 0;
    }
}

void HostStatus::fillAdapters()
{
    auto& adapters = component.information.networkAdapters;
    adapters.clear (none);

    for (auto& figures : systemfigures::listNetworkAdapters (maximumAdapters))
    {
        auto adapter = std::make_unique<torvo::NetworkAdapter>();
        adapter->name.set (cut (figures.name, maximumNameLength), none);
        adapter->address.set (cut (figures.address, maximumAddressLength), none);
        adapter->isConnected.set (figures.connected, none);
        adapters.append (std::move (adapter), none);
    }
}

void HostStatus::fillMemory (graphics::GraphicsContext* graphics)
{
    const auto memory = systemfigures::readSystemMemory();
    component.information.systemMemory.setBytes (memory.used, memory.total);

    juce::uint64 used = 0, total = 0;

    if (graphics == nullptr || ! graphics->getVideoMemory (used, total))
        used = total = 0;

    component.information.videoMemory.setBytes (used, total);
}

void HostStatus::fillDevices()
{
    auto& information = component.information;
    information.devices.clear (none);
    storageDevices.clear();

    const auto& inUse = engine.getDevices();

    for (size_t i = 0; i < inUse.size() && i < maximumEngineDevices; ++i)
        addDevice (information, inUse[i]->getClassName(), inUse[i]->getDeviceText());

    for (auto& volume : systemfigures::listStorageVolumes (maximumVolumes))
    {
        storageDevices.push_back (std::make_unique<torvo::StorageDevice> (volume));
        addDevice (information, storageDevices.back()->getClassName(), storageDevices.back()->getFriendlyName());
    }
}
