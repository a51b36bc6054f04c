#include "VitrelLauncherComponent.h"

#include <startdeck/LauncherService.h>

namespace launcher
{

VitrelLauncherComponent::VitrelLauncherComponent() = default;
VitrelLauncherComponent::~VitrelLauncherComponent() = default;

bool VitrelLauncherComponent::startDisplay()
{
    return thread.startThread();
}

void VitrelLauncherComponent::stopDisplay()
{
    stopVitrelThread (thread);
}

void VitrelLauncherComponent::refreshInformation()
{
    if (const auto* service = findLauncherService())
        service->readServerInformation ([this] (const torvo::TorvoServerInformation& info, juce::int64 time)
                                        { thread.setInformation (info, time); });
}

} // namespace launcher
