#include "TorvoNetConfiguratorLibrary.h"

#include "TorvoNetConfiguratorLogo.h"
#include "TorvoNetConfiguratorMainWindow.h"
#include "TorvoNetConfiguratorPelloThread.h"
#include "TorvoNetConfiguratorProgram.h"

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
        auto c = makeClass<TorvoNetConfiguratorPelloThread> (className, "PelloThread",
                                                             { { "service", "TorvoNetConfiguratorService" },
                                                               { "mainWindowClass", "TorvoNetConfiguratorMainWindow" } });
        c->addMemberVariable (::tav::ExecutionContext::get(), "TorvoNetConfiguration", "configuration", false, ::tav::StateMap());
        return c;
    }

    /** The program's class, with its tool bar logo. */
    std::unique_ptr<::tav::Class> makeProgramClass (const juce::String& className)
    {
        auto c = makeClass<TorvoNetConfiguratorProgram> (className, "TorvoNetProgram");
        auto& context = ::tav::ExecutionContext::get();
        ::tav::State logo;

        if (const auto made = makeToolbarLogoState (logo); made.failed())
            context.error (className + "::toolbarLogo: " + made.getErrorMessage());
        else
            c->setAttribute (context, "toolbarLogo", logo);

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
        { "TorvoNetConfiguratorMainView",    [] (const juce::String& n) { return makeClass<TorvoNetConfiguratorMainView> (n, "SimpleOkButtonMainView"); } },
        { "TorvoNetConfiguratorMainWindow",  [] (const juce::String& n) { return makeClass<TorvoNetConfiguratorMainWindow> (n, "MainWindow",
                                                                                      { { "mainViewWidget", "TorvoNetConfiguratorMainView" } }); } },
        { "TorvoNetConfiguratorService",     [] (const juce::String& n) { return makeClass<TorvoNetConfiguratorService> (n, "PelloService"); } },
        { "TorvoNetConfiguratorPelloThread", makePelloThreadClass },
        { "TorvoNetConfiguratorProgram",     makeProgramClass },
    };
}

TorvoNetConfiguratorLibrary::TorvoNetConfiguratorLibrary (const juce::File& folder)
    : Library ("TorvoNetConfigurator"), sourceDirectory (folder)
{
    for (const auto& r : registrations)
        addClass (r.name, r.factory (r.name));
}

TorvoNetConfiguratorLibrary::~TorvoNetConfiguratorLibrary()
{
    for (auto i = std::size (registrations); i > 0; --i)
        removeClass (registrations[i - 1].name);
}

juce::StringArray TorvoNetConfiguratorLibrary::getClassNames()
{
    juce::StringArray names;

    for (const auto& r : registrations)
        names.add (r.name);

    return names;
}

} // namespace gui::tav
