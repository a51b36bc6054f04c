#pragma once

#include <hostsys/ManagedApplication.h>
#include <hostsys/TorvoBootCommandId.h>
#include <tavview/Command.h>

namespace gui::tav
{

//==============================================================================
/** Sends one service command for one application to the TorvoBoot service;
    a failure to deliver it is not reported (the service may be stopped). */
class ManagedApplicationActionCommand : public Command<os::ManagedApplication>
{
public:
    ManagedApplicationActionCommand (os::ManagedApplication* application = nullptr,
                                     os::TorvoBootCommandIdEnum commandId = os::noTorvoBootCommand,
                                     const juce::String& description = {},
                                     juce::uint8 applicationIndex = os::allApplicationsIndex,
                                     bool enabled = true);

    juce::String getClassName() const override    { return "ManagedApplicationActionCommand"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** The command sent. */
    os::TorvoBootCommandIdEnum getCommandId() const noexcept  { return commandId; }

    /** The application index sent. */
    juce::uint8 getApplicationIndex() const noexcept    { return applicationIndex; }

    juce::String getShortDescription() const override   { return description; }
    void perform (::tav::ExecutionContext& context) override;

private:
    os::TorvoBootCommandIdEnum commandId;
    juce::String description;
    juce::uint8 applicationIndex;
};

//==============================================================================
/** Shows an application's program selected in the file manager; a path that
    is not absolute once its environment variables are expanded is reported
    instead. */
class RevealManagedApplicationInExplorerCommand : public Command<os::ManagedApplication>
{
public:
    explicit RevealManagedApplicationInExplorerCommand (os::ManagedApplication* application = nullptr)
        : Command (application) {}

    juce::String getClassName() const override    { return "RevealManagedApplicationInExplorerCommand"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    juce::String getShortDescription() const override   { return "Reveal in explorer"; }
    void perform (::tav::ExecutionContext& context) override;
};

} // namespace gui::tav
