#include "ServerInformationSamples.h"

namespace torvotest
{

void addAdapter (torvo::TorvoServerInformation& information, const juce::String& name, const juce::String& address, bool connected)
{
    auto adapter = std::make_unique<torvo::NetworkAdapter>();
    adapter->name.set (name, tav::ChangeCallback::none());
    adapter->address.set (address, tav::ChangeCallback::none());
    adapter->isConnected.set (connected, tav::ChangeCallback::none());
    information.networkAdapters.append (std::move (adapter), tav::ChangeCallback::none());
}

void addDevice (torvo::TorvoServerInformation& information, const juce::String& className, const juce::String& friendlyName)
{
    auto device = std::make_unique<torvo::DeviceDescription>();
    device->deviceClass.set (className, tav::ChangeCallback::none());
    device->friendlyName.set (friendlyName, tav::ChangeCallback::none());
    information.devices.append (std::move (device), tav::ChangeCallback::none());
}

void fillSampleInformation (torvo::TorvoServerInformation& information)
{
    const auto none = tav::ChangeCallback::none();
    information.headerText.set ("Torvo \"Live\" on stage-1", none);
    addAdapter (information, "eth0", "192.168.1.20", true);
    addAdapter (information, "wlan0", "", false);
    information.systemMemory.setBytes (3328599654ull, 16750372454ull);
    information.videoMemory.setBytes (1ull << 30, 8ull << 30);
    information.frameRate.set (59.94, none);
    information.frameRatePercent.set (99.9, none);
    information.onAir.set (true, none);
    information.greenLight.set (false, none);
    information.outputState.set (2, none);
    information.projectPath.set ("C:/Shows/Grand Finale", none);
    information.projectFile.set ("Grand Finale.torvo", none);
    addDevice (information, "StorageDevice", "/media/show (120.3 GB free)");
    addDevice (information, "Device", "Ambrel");
}

} // namespace torvotest
