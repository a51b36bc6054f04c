#include "startdeck/LauncherService.h"
#include <tavcore/Library.h>

namespace launcher
{

LauncherService::LauncherService()
{
    serverInformation.setParent (this);
}

LauncherService::~LauncherService() = default;

const tav::Class* LauncherService::getStaticClass()
{
    return tav::Library::getRootLibrary().findClass ("LauncherService");
}

//==============================================================================
void LauncherService::setServerInformation (const torvo::TorvoServerInformation& information, juce::int64 timeMilliseconds)
{
    const juce::ScopedLock scope (informationLock);
    serverInformation = information;
    serverInformationTime = timeMilliseconds;
}

juce::int64 LauncherService::copyServerInformation (torvo::TorvoServerInformation& destination) const
{
    const juce::ScopedLock scope (informationLock);
    destination = serverInformation;
    return serverInformationTime;
}

void LauncherService::readServerInformation (const std::function<void (const torvo::TorvoServerInformation&, juce::int64)>& reader) const
{
    const juce::ScopedLock scope (informationLock);
    reader (serverInformation, serverInformationTime);
}

juce::int64 LauncherService::getServerInformationTime() const
{
    const juce::ScopedLock scope (informationLock);
    return serverInformationTime;
}

} // namespace launcher
