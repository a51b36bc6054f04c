#include "hostsys/TorvoBootConfiguration.h"
#include <tavcore/Class.h>
#include <tavcore/DynamicallyLinkedLibrary.h>
#include <tavcore/ObjectFile.h>
#include <tavcore/Program.h>

namespace os
{

TorvoBootConfiguration::TorvoBootConfiguration()
    : applications (ManagedApplication::className)
{
    addMemberVariableObject (applications, "applications");
}

void TorvoBootConfiguration::resetApplicationsToTorvoDefault()
{
    applications.clear (tav::ChangeCallback::none());
    const auto* applicationClass = getClass() != nullptr ? getClass()->getClassRelativeToThis (ManagedApplication::className, true)
                                                         : nullptr;

    for (auto* name : { "Torvo", "TorvoLauncher" })
    {
        auto application = applicationClass != nullptr ? applicationClass->createObject()
                                                        : std::make_unique<ManagedApplication>();
        auto& managed = static_cast<ManagedApplication&> (*application);
        const auto fileName = tav::DynamicallyLinkedLibrary::getFullNameFromReducedName (name, tav::DynamicallyLinkedLibrary::executable, true);
        managed.executablePath.set (tav::Program::getProgramDirectory (fileName).getFullPathName(), tav::ChangeCallback::none());
        applications.append (std::move (application), tav::ChangeCallback::none());
    }

    sendChangeNotification();
}

//==============================================================================
juce::File TorvoBootConfiguration::getConfigurationFile()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_BOOT_CONFIGURATION", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    return getMachineWideFolder().getChildFile ("TorvoBoot.configuration");
}

juce::Result TorvoBootConfiguration::loadFromConfigurationFile()
{
    return tav::ObjectFile::load (*this, getConfigurationFile());
}

bool TorvoBootConfiguration::saveToConfigurationFile()
{
    const auto r = tav::ObjectFile::save (*this, getConfigurationFile(), getFileHeaderComment());

    if (r.failed())
        tav::ExecutionContext::get().error ("Cannot save the boot configuration: " + r.getErrorMessage());

    return r.wasOk();
}

juce::String TorvoBootConfiguration::getFileHeaderComment()
{
    return "Torvo Boot configuration: the applications TorvoBoot starts when a user logs on.\n"
           "Edit it with TorvoBootConfigurator or by hand; the README describes the format.";
}

} // namespace os
