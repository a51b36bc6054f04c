#include "SampleInformation.h"

namespace vitrel::test
{

std::unique_ptr<torvo::TorvoServerInformation> makeInformation (const std::vector<juce::String>& connectedAdapters)
{
    auto info = std::make_unique<torvo::TorvoServerInformation>();
    info->headerText.set ("Torvo Live 1.0", tav::ChangeCallback::none());

    auto addAdapter = [&] (const juce::String& name, const juce::String& address, bool connected)
    {
        auto adapter = std::make_unique<torvo::NetworkAdapter>();
        adapter->name.set (name, tav::ChangeCallback::none());
        adapter->address.set (address, tav::ChangeCallback::none());
        adapter->isConnected.set (connected, tav::ChangeCallback::none());
        info->networkAdapters.append (std::move (adapter), tav::ChangeCallback::none());
    };

    addAdapter ("lo", "127.0.0.1", false);

    for (size_t i = 0; i < connectedAdapters.size(); ++i)
        addAdapter (connectedAdapters[i], "192.168.1." + juce::String (20 + i), true);

    info->systemMemory.setBytes (3ull << 30, 16ull << 30);
    info->frameRate.set (59.9, tav::ChangeCallback::none());
    info->frameRatePercent.set (99.8, tav::ChangeCallback::none());
    info->projectPath.set ("/shows/Opening Night", tav::ChangeCallback::none());
    info->projectFile.set ("Opening.torvo", tav::ChangeCallback::none());

    auto disk = std::make_unique<torvo::DeviceDescription>();
    disk->deviceClass.set ("StorageDevice", tav::ChangeCallback::none());
    disk->friendlyName.set ("/ (20.1 GB free)", tav::ChangeCallback::none());
    info->devices.append (std::move (disk), tav::ChangeCallback::none());
    return info;
}

} // namespace vitrel::test
