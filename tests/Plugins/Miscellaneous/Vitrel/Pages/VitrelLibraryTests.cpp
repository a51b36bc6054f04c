#include "PanelOnSimulator.h"
#include "VitrelLauncherComponent.h"
#include "VitrelLibrary.h"
#include "VitrelTool.h"

#include <startdeck/StartdeckLibrary.h>
#include <tavcore/ExtensionsManager.h>
#include <tavcore/Library.h>
#include <torvocore/TorvoCoreLibrary.h>

using namespace vitrel::test;

// The plug-in's entry file is part of this program, so its static
// initialisation ran before main(), as it runs when the library is loaded.
extern "C" torvo::PluginLibrary* createTorvoPlugin();
extern "C" torvo::PluginLibrary* createLauncherPlugin();

TEST (VitrelPlugin, TheLauncherComponentIsAnnouncedBeforeAnyExportIsCalled)
{
    const auto names = tav::ExtensionsManager::getInstance()->getExtensionClassNames ("LauncherComponent");
    EXPECT_TRUE (names.contains ("VitrelLauncherComponent")) << names.joinIntoString (", ");
}

TEST (VitrelPlugin, BothExportsGiveALibraryNamedTorvoLiveVersionZero)
{
    for (auto* create : { &createTorvoPlugin, &createLauncherPlugin })
    {
        std::unique_ptr<torvo::PluginLibrary> library (create());
        ASSERT_NE (library, nullptr);
        EXPECT_EQ (library->getName(), "Vitrel");
        EXPECT_EQ (library->getSoftwareVersion().getReleaseLabel(), "Torvo Live");
        EXPECT_EQ (library->getSoftwareVersion().getName(), "");
        EXPECT_EQ (library->getSoftwareVersion().getVersionNumberText(), "0.0.0");
    }
}

TEST (VitrelPlugin, TheLibraryRegistersItsThreeClassesInOrderAndRemovesThem)
{
    auto& root = tav::Library::getRootLibrary();
    root.addLibrary (torvo::createTorvoCoreLibrary());
    root.addLibrary (launcher::createStartdeckLibrary());
    auto* library = launcher::createVitrelLibrary();
    root.addLibrary (std::unique_ptr<tav::Library> (library));

    std::vector<juce::String> names;

    for (const auto* c : library->getClasses())
        names.push_back (c->getName());

    EXPECT_EQ (names, (std::vector<juce::String> { "MatrixOrbitalImages", "VitrelTool", "VitrelLauncherComponent" }));
    EXPECT_TRUE (tav::getClass ("MatrixOrbitalImages")->isAbstractClass());
    EXPECT_TRUE (tav::getClass ("VitrelTool")->inheritsFrom (tav::getClass ("Tool")));
    EXPECT_TRUE (tav::getClass ("VitrelLauncherComponent")->inheritsFrom (tav::getClass ("LauncherComponent")));
    EXPECT_NE (dynamic_cast<launcher::VitrelLauncherComponent*> (root.createObject ("VitrelLauncherComponent").get()), nullptr);

    root.removeLibrary ("Vitrel");
    EXPECT_EQ (tav::getClass ("VitrelTool"), nullptr);
    root.removeLibrary ("Startdeck");
    root.removeLibrary ("TorvoCore");
}

TEST (VitrelPlugin, WithNoServiceOrEngineAboveThemTheComponentAndToolTakeNoInformation)
{
    launcher::VitrelLauncherComponent component;
    component.refreshInformation();
    launcher::VitrelTool tool;
    tool.refreshInformation();
    SUCCEED() << "neither has anything to read from, and neither fails";
}
