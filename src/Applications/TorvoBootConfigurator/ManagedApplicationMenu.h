#pragma once

#include <hostsys/ManagedApplication.h>
#include <tavview/ObjectMenu.h>

namespace gui::tav
{

//==============================================================================
/**
    The menu of one row of the application table: the row's colour label,
    the program revealed in the file manager, the three service commands
    for this one application, and its deletion.

    The service commands show only as secret entries. "Start application"
    is enabled while the program does not run, the two others while it does
    (a process of the same executable and arguments, after environment
    expansion, found as the menu opens). The service addresses one
    application by a five-bit index in which 31 means all of them, so rows
    from position 31 on cannot be addressed alone: their commands are
    greyed out rather than sent to another application or to all.
*/
class ManagedApplicationMenu : public Menu<os::ManagedApplication>
{
public:
    /** A menu of an application; the position says where it is listed. */
    explicit ManagedApplicationMenu (os::ManagedApplication* application = nullptr,
                                     const juce::String& name = {}, const juce::String& description = {});

    juce::String getClassName() const override    { return "ManagedApplicationMenu"; }

    /** The registered class, while the library is loaded. */
    static const ::tav::Class* getStaticClass();

    /** The application's position in its list, -1 when no list owns it. */
    static int findPosition (const os::ManagedApplication& application);

    /** Sets where the application is listed (-1: in no list). */
    void setApplicationPosition (int position);

    /** The application index the commands send: the position's low byte,
        31 for an application in no list. */
    juce::uint8 getApplicationIndex() const noexcept  { return applicationIndex; }

    /** True when the service can address the application alone. */
    bool isAddressable() const noexcept           { return addressable; }

    /** True when the application's program runs (searched afresh). */
    static bool isApplicationRunning (const os::ManagedApplication& application);

protected:
    void populateMenu (MenuBuilder& builder) override;

private:
    void addServiceCommands (MenuBuilder& builder, os::ManagedApplication& application);

    juce::uint8 applicationIndex = 31;
    bool addressable = false;
};

} // namespace gui::tav
