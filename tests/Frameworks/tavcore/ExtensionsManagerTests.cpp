#include "TestClasses.h"

namespace
{
    // Announced the way a plug-in announces its classes: from a static
    // initialiser, before main() and before any library registers the class.
    const bool announcedBeforeMain = []
    {
        tav::ExtensionsManager::getInstance()->registerExtension ("TestStaticPoint", "TestCircle");
        return true;
    }();

    class LibraryOfItsOwn
    {
    public:
        explicit LibraryOfItsOwn (const juce::StringArray& classNames)
        {
            auto library = std::make_unique<tav::Library> ("ExtensionsTest");

            for (auto& name : classNames)
                library->addClass (name, std::make_unique<tav::ClassOf<tavtest::Shape>> ("Object"));

            tav::Library::getRootLibrary().addLibrary (std::move (library));
        }

        ~LibraryOfItsOwn()    { tav::Library::getRootLibrary().removeLibrary ("ExtensionsTest"); }
    };

    juce::StringArray namesOf (const std::vector<const tav::Class*>& classes)
    {
        juce::StringArray names;

        for (auto* c : classes)
            names.add (c->getName());

        return names;
    }
}

TEST (Extensions, AnAnnouncementFromStaticInitialisationIsKept)
{
    ASSERT_TRUE (announcedBeforeMain);
    EXPECT_EQ (tav::ExtensionsManager::getInstance()->getExtensionClassNames ("TestStaticPoint"),
               juce::StringArray ("TestCircle"));
}

TEST (Extensions, NamesKeepTheirAnnouncementOrderPerPointAndAreKeptOnce)
{
    auto& manager = *tav::ExtensionsManager::getInstance();
    manager.registerExtension ("TestOrderPoint", "Second");
    manager.registerExtension ("TestOtherPoint", "Elsewhere");
    manager.registerExtension ("TestOrderPoint", "First");
    manager.registerExtension ("TestOrderPoint", "Second");

    EXPECT_EQ (manager.getExtensionClassNames ("TestOrderPoint"), juce::StringArray ("Second", "First"));
    EXPECT_EQ (manager.getExtensionClassNames ("TestOtherPoint"), juce::StringArray ("Elsewhere"));
    EXPECT_TRUE (manager.getExtensionClassNames ("TestUnknownPoint").isEmpty());

    EXPECT_TRUE (manager.unregisterExtension ("TestOrderPoint", "Second"));
    EXPECT_FALSE (manager.unregisterExtension ("TestOrderPoint", "Second"));
    EXPECT_FALSE (manager.unregisterExtension ("TestOtherPoint", "First"));
    EXPECT_EQ (manager.getExtensionClassNames ("TestOrderPoint"), juce::StringArray ("First"));
}

TEST (Extensions, OnlyClassesRegisteredNowAreFound)
{
    auto& manager = *tav::ExtensionsManager::getInstance();
    manager.registerExtension ("TestFindPoint", "ExtensionB");
    manager.registerExtension ("TestFindPoint", "ExtensionNotLoaded");
    manager.registerExtension ("TestFindPoint", "ExtensionA");

    EXPECT_TRUE (manager.findExtensionClasses ("TestFindPoint").empty());

    {
        LibraryOfItsOwn library ({ "ExtensionA", "ExtensionB" });
        EXPECT_EQ (namesOf (manager.findExtensionClasses ("TestFindPoint")), juce::StringArray ("ExtensionB", "ExtensionA"));
    }

    EXPECT_TRUE (manager.findExtensionClasses ("TestFindPoint").empty());
}

TEST (Extensions, AnnouncementsWhoseLibraryWentAreWithdrawn)
{
    auto& manager = *tav::ExtensionsManager::getInstance();
    manager.registerExtension ("TestUnloadPoint", "ExtensionGone");
    manager.registerExtension ("TestUnloadPoint", "Real");

    {
        LibraryOfItsOwn library ({ "ExtensionGone" });
        manager.removeExtensionsWithoutClass();
        EXPECT_EQ (manager.getExtensionClassNames ("TestUnloadPoint"), juce::StringArray ("ExtensionGone", "Real"));
    }

    EXPECT_GE (manager.removeExtensionsWithoutClass(), 1);
    EXPECT_EQ (manager.getExtensionClassNames ("TestUnloadPoint"), juce::StringArray ("Real"));

    // A library loaded again announces its class again, as a plug-in's
    // static initialisation does when it is loaded a second time.
    LibraryOfItsOwn again ({ "ExtensionGone" });
    manager.registerExtension ("TestUnloadPoint", "ExtensionGone");
    EXPECT_EQ (namesOf (manager.findExtensionClasses ("TestUnloadPoint")), juce::StringArray ("Real", "ExtensionGone"));
}
