#include "ConfiguratorFixture.h"

#include <TorvoBootConfiguratorLibrary.h>
#include <tavcore/Class.h>

using namespace configuratortest;

namespace
{
    using Library = ConfiguratorFixture;

    juce::String attributeText (const tav::Class& c, const juce::String& name)
    {
        const auto* attribute = c.getAttribute (name);
        return attribute != nullptr ? attribute->getText() : "(none)";
    }
}

TEST_F (Library, RegistersTheTwelveClassesInOrderOverTheirFrameworkBases)
{
    auto* library = tav::Library::getRootLibrary().findLibrary ("TorvoBootConfigurator");
    ASSERT_NE (library, nullptr);

    struct Expected { const char* name; const char* base; };
    const Expected expected[] = {
        { "ManagedApplicationActionCommand", "Command(ManagedApplication)" },
        { "RevealManagedApplicationInExplorerCommand", "Command(ManagedApplication)" },
        { "ManagedApplicationMenu", "ObjectMenu" },
        { "ManagedApplicationTableRow", "ItemTableRow" },
        { "TorvoBootConfigurationEditor", "ValueWidget(TorvoBootConfiguration)" },
        { "TorvoBootHomeMenuButton", "DropDownValueButtonWidget" },
        { "TorvoBootConfiguratorMainTitleBar", "SoftwareVersionMainTitleBar" },
        { "TorvoBootConfiguratorMainView", "SimpleOkButtonMainView" },
        { "TorvoBootConfiguratorMainWindow", "MainWindow" },
        { "TorvoBootConfiguratorService", "PelloService" },
        { "TorvoBootConfiguratorPelloThread", "PelloThread" },
        { "TorvoBootConfiguratorProgram", "Program" } };

    const auto classes = library->getClasses();
    ASSERT_EQ (classes.size(), std::size (expected));

    for (size_t i = 0; i < classes.size(); ++i)
    {
        EXPECT_EQ (classes[i]->getName(), expected[i].name) << i;
        const auto* base = classes[i]->getClassRelativeToThis (expected[i].base, false);
        ASSERT_NE (base, nullptr) << expected[i].base;
        EXPECT_EQ (classes[i]->getBaseClass(), base) << expected[i].name;
        EXPECT_FALSE (classes[i]->isAbstractClass()) << expected[i].name;
    }

    const auto result = tav::Library::getRootLibrary().checkClassDeclarations();
    EXPECT_TRUE (result.wasOk()) << result.getErrorMessage();
}

TEST_F (Library, TheClassesNameTheirPartsInAttributes)
{
    auto& root = tav::Library::getRootLibrary();
    EXPECT_EQ (attributeText (*root.findClass ("TorvoBootConfiguratorProgram"), "customDataDirectory"), "Torvo Boot");
    EXPECT_EQ (attributeText (*root.findClass ("TorvoBootConfiguratorPelloThread"), "service"), "TorvoBootConfiguratorService");
    EXPECT_EQ (attributeText (*root.findClass ("TorvoBootConfiguratorPelloThread"), "mainWindowClass"), "TorvoBootConfiguratorMainWindow");
    EXPECT_EQ (attributeText (*root.findClass ("TorvoBootConfiguratorMainWindow"), "mainViewWidget"), "TorvoBootConfiguratorMainView");
    EXPECT_EQ (attributeText (*root.findClass ("TorvoBootConfiguratorMainView"), "titleBar"), "TorvoBootConfiguratorMainTitleBar");

    const auto* threadClass = root.findClass ("TorvoBootConfiguratorPelloThread");
    ASSERT_GE (threadClass->findMemberVariable ("configuration"), 0);
    EXPECT_EQ (thread().getMemberVariable ((size_t) threadClass->findMemberVariable ("configuration")), &configuration());
}

TEST_F (Library, TheProgramIsNamedWritesNoLogAndRemovesItsLibraries)
{
    EXPECT_EQ (program.getVersion().getName(), "Torvo Boot Configurator");
    EXPECT_FALSE (program.isGuiProgram());
    EXPECT_FALSE (program.allowLogToFiles());

    program.removeLibraries (tav::Library::getRootLibrary());
    for (auto* name : { "TorvoBootConfigurator", "GuiTav", "Os" })
        EXPECT_EQ (tav::Library::getRootLibrary().findLibrary (name), nullptr) << name;

    program.addLibraries (tav::Library::getRootLibrary());
}
