#include "ManagedApplicationCommands.h"

#include <hostsys/Process.h>
#include <hostsys/TorvoBootClient.h>
#include <tavcore/ClassOf.h>

namespace gui::tav
{

ManagedApplicationActionCommand::ManagedApplicationActionCommand (os::ManagedApplication* application,
                                                                  os::TorvoBootCommandIdEnum command,
                                                                  const juce::String& text, juce::uint8 index, bool enabled)
    : Command (application), commandId (command), description (text), applicationIndex (index)
{
    setEnabled (enabled, ::tav::ChangeCallback::notify());
}

const ::tav::Class* ManagedApplicationActionCommand::getStaticClass()
{
    return ::tav::ClassOf<ManagedApplicationActionCommand>::instance;
}

void ManagedApplicationActionCommand::perform (::tav::ExecutionContext& context)
{
    juce::ignoreUnused (context);
    os::TorvoBootClient::sendCommand (commandId, applicationIndex);
}

//==============================================================================
const ::tav::Class* RevealManagedApplicationInExplorerCommand::getStaticClass()
{
    return ::tav::ClassOf<RevealManagedApplicationInExplorerCommand>::instance;
}

void RevealManagedApplicationInExplorerCommand::perform (::tav::ExecutionContext& context)
{
    const auto* application = getTypedTarget();

    if (application == nullptr)
        return;

    const auto path = ::tav::String::expandEnvironmentVariables (application->executablePath.get());

    if (! juce::File::isAbsolutePath (path))
    {
        context.error (path.quoted ('"') + " is not an absolute path");
        return;
    }

    os::Process::revealToUser (juce::File (path));
}

} // namespace gui::tav
