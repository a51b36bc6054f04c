#include "TorvoBootConfiguratorLibrary.h"

#include "ManagedApplicationCommands.h"
#include "ManagedApplicationMenu.h"
#include "ManagedApplicationTableRow.h"
#include "TorvoBootConfigurationEditor.h"
#include "TorvoBootConfiguratorMainWindow.h"
#include "TorvoBootConfiguratorPelloThread.h"
#include "TorvoBootConfiguratorProgram.h"
#include "TorvoBootHomeMenuButton.h"

#include <tavcore/ClassOf.h>

namespace gui::tav
{

namespace
{
    /** An attribute as the class declares it: a class name or a quoted text. */
    struct Attribute
    {
        const char* name;
        const char* valueText;
    };

    /** The class of ObjectType, with its attributes; labels read
        "ClassName::attributeName". */
    template <class ObjectType>
    std::unique_ptr<::tav::Class> makeClass (const juce::String& className, const char* baseName,
                                             std::initializer_list<Attribute> attributes = {})
    {
        auto c = std::make_unique<::tav::ClassOf<ObjectType>> (baseName);
        auto& context = ::tav::ExecutionContext::get();

        for (const auto& a : attributes)
            c->setAttribute (context, a.name, ::tav::Class::makeAttributeState (context, a.valueText, className + "::" + a.name));

        return c;
    }

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

    using ClassFactory = std::unique_ptr<::tav::Class> (*) (const juce::String&);

    struct Registration
    {
        const char* name;
        ClassFactory factory;
    };

    // In the order in which the classes are registered.
    const Registration registrations[] = {
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
    for (const auto& r : registrations)
        addClass (r.name, r.factory (r.name));
}

TorvoBootConfiguratorLibrary::~TorvoBootConfiguratorLibrary()
{
    for (auto i = std::size (registrations); i > 0; --i)
        removeClass (registrations[i - 1].name);
}

juce::StringArray TorvoBootConfiguratorLibrary::getClassNames()
{
    juce::StringArray names;

    for (const auto& r : registrations)
        names.add (r.name);

    return names;
}

} // namespace gui::tav
