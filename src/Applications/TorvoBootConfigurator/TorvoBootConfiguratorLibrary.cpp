#include "TorvoBootConfiguratorLibrary.h"

#include "ManagedApplicationCommands.h"
#include "ManagedApplicationMenu.h"
#include "ManagedApplicationTableRow.h"
#include "TorvoBootConfigurationEditor.h"
#include "TorvoBootConfiguratorMainWindow.h"
#include "TorvoBootConfiguratorPelloThread.h"
#include "TorvoBootConfiguratorProgram.h"
#include "TorvoBootHomeMenuButton.h"

#include <tavcore/ClassTable.h>

namespace gui::tav
{

namespace
{
    using ::tav::makeClass;

    /** The GUI thread's class: its service, its main window and the
        configuration it owns. */
    std::unique_ptr<::tav::Class> makePelloThreadClass (const juce::String& className)
    {
        auto c = makeClass<TorvoBootConfiguratorPelloThread> (className, "PelloThread",
                                                              { { "service", "TorvoBootConfiguratorService" },
                                                                { "mainWindowClass", "TorvoBootConfiguratorMainWindow" } });
        c->addMemberVariable (::tav::ExecutionContext::get(), "TorvoBootConfiguration", "configuration", false, ::tav::StateMap());
        return c;
    }

    /** The editor's own members: its split and the selected application. */
    std::unique_ptr<::tav::Class> makeEditorClass (const juce::String& className)
    {
        auto c = makeClass<TorvoBootConfigurationEditor> (className, "ValueWidget(TorvoBootConfiguration)");
        auto& context = ::tav::ExecutionContext::get();
        c->addMemberVariable (context, "SplitLayout", "widget", true, ::tav::StateMap());
        c->addMemberVariable (context, "ObjectWeakPointer", "selectedApplication", true, ::tav::StateMap());
        return c;
    }

    // In the order in which the classes are registered.
    const ::tav::ClassTableEntry classTable[] = {
        { "ManagedApplicationActionCommand",           [] (const juce::String& n) { return makeClass<ManagedApplicationActionCommand> (n, "Command(ManagedApplication)"); } },
        { "RevealManagedApplicationInExplorerCommand", [] (const juce::String& n) { return makeClass<RevealManagedApplicationInExplorerCommand> (n, "Command(ManagedApplication)"); } },
        { "ManagedApplicationMenu",                    [] (const juce::String& n) { return makeClass<ManagedApplicationMenu> (n, "ObjectMenu"); } },
        { "ManagedApplicationTableRow",                [] (const juce::String& n) { return makeClass<ManagedApplicationTableRow> (n, "ItemTableRow"); } },
        { "TorvoBootConfigurationEditor",              makeEditorClass },
        { "TorvoBootHomeMenuButton",                   [] (const juce::String& n) { return makeClass<TorvoBootHomeMenuButton> (n, "DropDownValueButtonWidget"); } },
        { "TorvoBootConfiguratorMainTitleBar",         [] (const juce::String& n) { return makeClass<TorvoBootConfiguratorMainTitleBar> (n, "SoftwareVersionMainTitleBar"); } },
        { "TorvoBootConfiguratorMainView",             [] (const juce::String& n) { return makeClass<TorvoBootConfiguratorMainView> (n, "SimpleOkButtonMainView",
                                                                                                     { { "titleBar", "TorvoBootConfiguratorMainTitleBar" } }); } },
        { "TorvoBootConfiguratorMainWindow",           [] (const juce::String& n) { return makeClass<TorvoBootConfiguratorMainWindow> (n, "MainWindow",
                                                                                                     { { "mainViewWidget", "TorvoBootConfiguratorMainView" } }); } },
        { "TorvoBootConfiguratorService",              [] (const juce::String& n) { return makeClass<TorvoBootConfiguratorService> (n, "PelloService"); } },
        { "TorvoBootConfiguratorPelloThread",          makePelloThreadClass },
        { "TorvoBootConfiguratorProgram",              [] (const juce::String& n) { return makeClass<TorvoBootConfiguratorProgram> (n, "Program",
                                                                                                     { { "customDataDirectory", "\"Torvo Boot\"" } }); } },
    };
}

TorvoBootConfiguratorLibrary::TorvoBootConfiguratorLibrary (const juce::File& folder)
    : Library ("TorvoBootConfigurator"), sourceDirectory (folder)
{
    ::tav::addClassTable (*this, classTable);
}

TorvoBootConfiguratorLibrary::~TorvoBootConfiguratorLibrary()
{
    ::tav::removeClassTable (*this, classTable);
}

juce::StringArray TorvoBootConfiguratorLibrary::getClassNames()
{
    return ::tav::getClassTableNames (classTable);
}

} // namespace gui::tav
