#include <gtest/gtest.h>
#include <startdeck/LauncherComponent.h>
#include <startdeck/LauncherService.h>
#include <startdeck/StartdeckLibrary.h>
#include <tavcore/ClassOf.h>
#include <torvocore/TorvoCoreLibrary.h>

namespace
{
    /** A component that only counts its calls. */
    class CountingComponent : public launcher::LauncherComponent
    {
    public:
        juce::String getClassName() const override    { return "TestCountingComponent"; }
        bool startDisplay() override                  { return true; }
        void stopDisplay() override                   {}
        void refreshInformation() override            {}
    };

    /** A plain object between a component and its service. */
    class Holder : public tav::Object
    {
    public:
        juce::String getClassName() const override    { return "Object"; }
    };

    class LauncherLibraries : public testing::Test
    {
    protected:
        void SetUp() override
        {
            tav::Library::getRootLibrary().addLibrary (torvo::createTorvoCoreLibrary());
            tav::Library::getRootLibrary().addLibrary (launcher::createStartdeckLibrary());
        }

        void TearDown() override
        {
            tav::Library::getRootLibrary().removeLibrary ("Startdeck");
            tav::Library::getRootLibrary().removeLibrary ("TorvoCore");
        }
    };

    torvo::TorvoServerInformation makeInformation (const juce::String& header, juce::uint64 usedBytes)
    {
        torvo::TorvoServerInformation information;
        information.headerText.set (header, tav::ChangeCallback::none());
        information.systemMemory.setBytes (usedBytes, 4 * usedBytes);
        return information;
    }
}

TEST_F (LauncherLibraries, TheServiceKeepsTheLastInformationWithItsTime)
{
    launcher::LauncherService service;
    torvo::TorvoServerInformation copy;
    EXPECT_EQ (service.getServerInformationTime(), 0);
    EXPECT_EQ (service.copyServerInformation (copy), 0);

    service.setServerInformation (makeInformation ("first", 1000), 1700000000000);
    service.setServerInformation (makeInformation ("second", 2000000000), 1700000000123);

    EXPECT_EQ (service.copyServerInformation (copy), 1700000000123);
    EXPECT_EQ (copy.headerText.get(), "second");
    EXPECT_EQ (copy.systemMemory.toString(), makeInformation ("", 2000000000).systemMemory.toString());
    EXPECT_EQ (service.getServerInformationTime(), 1700000000123);

    juce::String seenHeader;
    juce::int64 seenTime = 0;
    service.readServerInformation ([&] (const torvo::TorvoServerInformation& information, juce::int64 time)
    {
        seenHeader = information.headerText.get();
        seenTime = time;
    });
    EXPECT_EQ (seenHeader, "second");
    EXPECT_EQ (seenTime, 1700000000123);
}

TEST_F (LauncherLibraries, AComponentFindsTheServiceAnywhereAboveIt)
{
    launcher::LauncherService service;
    Holder holder;
    CountingComponent component;

    holder.setParent (&service);
    component.setParent (&holder);
    EXPECT_EQ (component.findLauncherService(), &service);

    component.setParent (&service);
    EXPECT_EQ (component.findLauncherService(), &service);
}

TEST_F (LauncherLibraries, AComponentWithoutAServiceAboveItFindsNone)
{
    Holder holder;
    CountingComponent component;
    EXPECT_EQ (component.findLauncherService(), nullptr);

    component.setParent (&holder);
    EXPECT_EQ (component.findLauncherService(), nullptr);
}

TEST (LauncherWithoutItsLibrary, AComponentFindsNoServiceWhileTheServiceClassIsUnknown)
{
    launcher::LauncherService service;
    CountingComponent component;
    component.setParent (&service);

    EXPECT_EQ (launcher::LauncherService::getStaticClass(), nullptr);
    EXPECT_EQ (component.findLauncherService(), nullptr);
}

TEST_F (LauncherLibraries, TheComponentBaseClassIsAbstractAndNamedAfterItsExtensionPoint)
{
    const auto* componentClass = tav::Library::getRootLibrary().findClass ("LauncherComponent");
    ASSERT_NE (componentClass, nullptr);
    EXPECT_TRUE (componentClass->isAbstractClass());
    EXPECT_EQ (juce::String (launcher::LauncherComponent::extensionPoint), "LauncherComponent");
    EXPECT_EQ (launcher::LauncherService::getStaticClass(), tav::Library::getRootLibrary().findClass ("LauncherService"));
}
