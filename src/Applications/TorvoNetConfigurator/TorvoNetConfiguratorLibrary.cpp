#include "TorvoNetConfiguratorLibrary.h"

#include "TorvoNetConfiguratorLogo.h"
#include "TorvoNetConfiguratorMainWindow.h"
#include "TorvoNetConfiguratorPelloThread.h"
#include "TorvoNetConfiguratorProgram.h"

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

    // In the order in which the classes are registered.
    const ::tav::ClassTableEntry classTable[] = {
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
    ::tav::addClassTable (*this, classTable);
}

TorvoNetConfiguratorLibrary::~TorvoNetConfiguratorLibrary()
{
    ::tav::removeClassTable (*this, classTable);
}

juce::StringArray TorvoNetConfiguratorLibrary::getClassNames()
{
    return ::tav::getClassTableNames (classTable);
}

} // namespace gui::tav
