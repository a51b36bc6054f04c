#include "AmbrelTestSupport.h"
#include <AmbrelClasses.h>
#include <tavcore/Library.h>

namespace
{
    class AmbrelLibrary : public testing::Test
    {
    protected:
        void SetUp() override     { registerAmbrelClassesOnce(); }
    };
}

TEST_F (AmbrelLibrary, RegistersItsClassesInOrderEachReachableThroughItsInstancePointer)
{
    auto* library = tav::Library::getRootLibrary().findLibrary ("Ambrel");
    ASSERT_NE (library, nullptr);

    juce::StringArray names;

    for (auto* c : library->getClasses())
        names.add (c->getName());

    EXPECT_EQ (names, juce::StringArray ({ "AmbrelColorModifier", "AmbrelCdlData", "AmbrelLutInfo", "AmbrelCdlIdentifier",
                                           "AmbrelLutIdentifier", "AmbrelSessionIdentifier", "AmbrelControlEventListener",
                                           "AmbrelDevice", "AmbrelDeviceIdentifier", "AmbrelDeviceFactory",
                                           "AmbrelDeviceSelector", "AmbrelColorTextureModifier" }));

    juce::StringArray bases;

    for (auto* c : library->getClasses())
        bases.add (c->getBaseClass() != nullptr ? c->getBaseClass()->getName() : juce::String());

    EXPECT_EQ (bases[0], "ColorModifier");
    EXPECT_EQ (bases[11], "ColorTextureModifier(AmbrelColorModifier)");

    EXPECT_EQ (torvo::AmbrelCdlDataClass::instance, library->findClass ("AmbrelCdlData"));
    EXPECT_EQ (torvo::AmbrelLutInfoClass::instance, library->findClass ("AmbrelLutInfo"));
    EXPECT_EQ (torvo::AmbrelDeviceClass::instance, library->findClass ("AmbrelDevice"));
}

TEST_F (AmbrelLibrary, EveryClassOfThePlugInAndOfTheHostFrameworksDeclaresTheMembersItsObjectsHold)
{
    // The root holds the core, pixcore and torvocore libraries beside the plug-in's.
    const auto r = tav::Library::getRootLibrary().checkClassDeclarations();
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
}
