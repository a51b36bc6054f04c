#include "ManagedApplicationMenu.h"

#include "ManagedApplicationCommands.h"
#include "OrdinaryMenuForm.h"

#include <hostsys/Process.h>
#include <hostsys/TorvoBootCommandId.h>
#include <tavcore/ClassOf.h>
#include <tavcore/ObjectOwnedVector.h>
#include <tavview/DestroyObjectCommand.h>
#include <tavview/SecretCommand.h>
#include <tavview/SetColorLabelItemCommand.h>

namespace gui::tav
{

ManagedApplicationMenu::ManagedApplicationMenu (os::ManagedApplication* application, const juce::String& name,
                                                const juce::String& description)
    : Menu (application, name, description)
{
}

const ::tav::Class* ManagedApplicationMenu::getStaticClass()
{
    return ::tav::ClassOf<ManagedApplicationMenu>::instance;
}

int ManagedApplicationMenu::findPosition (const os::ManagedApplication& application)
{
    const auto* list = dynamic_cast<const ::tav::ObjectOwnedVectorBase*> (application.getParent());
    return list != nullptr ? list->find (&application) : -1;
}

void ManagedApplicationMenu::setApplicationPosition (int position)
{
    applicationIndex = position >= 0 ? (juce::uint8) (position & 0xff) : os::allApplicationsIndex;
    addressable = position >= 0 && position < (int) os::allApplicationsIndex;
}

bool ManagedApplicationMenu::isApplicationRunning (const os::ManagedApplication& application)
{
    const auto executable = ::tav::String::expandEnvironmentVariables (application.executablePath.get());
    const auto arguments = ::tav::String::expandEnvironmentVariables (application.arguments.get());

    if (executable.trim().isEmpty())
        return false;

    const auto options = os::Process::Options().withArguments (&arguments)
                                               .withReturnOnlyFirstMatch (true)
                                               .withIgnoreDebugPostfix (true);
    return ! os::Process::findRunningProcessIds (executable, options).empty();
}

void ManagedApplicationMenu::populateMenu (MenuBuilder& builder)
{
    auto* application = getTypedTarget();

    if (application == nullptr)
        return;

    builder.add (std::make_unique<SetColorLabelItemCommand> (application), false, false);
    builder.addSeparator();

    {
        const OrdinaryMenuForm ordinary;
        builder.add (std::make_unique<RevealManagedApplicationInExplorerCommand> (application), false, false);
        addServiceCommands (builder, *application);
    }

    if (dynamic_cast<::tav::ObjectOwnedVectorBase*> (application->getParent()) != nullptr)
    {
        builder.addSeparator();
        builder.add (std::make_unique<DestroyObjectCommand> (application), true, false);
    }
}

void ManagedApplicationMenu::addServiceCommands (MenuBuilder& builder, os::ManagedApplication& application)
{
    // Hidden entries cost no process search.
    if (! SecretCommand::canDisplaySecret())
        return;

    const auto running = isApplicationRunning (application);

    struct Entry
    {
        const char* text;
        os::TorvoBootCommandIdEnum command;
        bool enabled;
    };

    for (const auto& entry : { Entry { "Start application", os::startApplication, ! running },
                               Entry { "Prepare to stop application", os::prepareVoluntaryStop, running },
                               Entry { "Kill application", os::killApplication, running } })
    {
        auto command = std::make_unique<ManagedApplicationActionCommand> (&application, entry.command, entry.text, applicationIndex,
                                                                          entry.enabled && addressable);
        builder.add (std::make_unique<SecretCommand> (std::move (command)), false, false);
    }
}

} // namespace gui::tav
