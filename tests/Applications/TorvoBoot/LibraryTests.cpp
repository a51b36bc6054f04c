#include "BootServiceFixture.h"
#include "TorvoBootProgram.h"

namespace
{
    class TorvoBootClasses : public BootServiceFixture {};

    juce::StringArray namesOf (const std::vector<const tav::Class*>& classes)
    {
        juce::StringArray names;

        for (auto* c : classes)
            names.add (c->getName());

        return names;
    }
}

TEST_F (TorvoBootClasses, AreRegisteredInOrderAndReachableThroughTheirInstancePointers)
{
    auto* library = tav::Library::getRootLibrary().findLibrary ("TorvoBoot");
    ASSERT_NE (library, nullptr);
    EXPECT_EQ (namesOf (library->getClasses()),
               juce::StringArray ({ "TorvoBootServiceLogic", "TorvoBootService", "TorvoBootProgram" }));

    const auto& root = tav::Library::getRootLibrary();
    EXPECT_EQ (TorvoBootServiceLogicClass::instance, root.findClass ("TorvoBootServiceLogic"));
    EXPECT_EQ (TorvoBootServiceClass::instance, root.findClass ("TorvoBootService"));
    EXPECT_EQ (TorvoBootProgramClass::instance, root.findClass ("TorvoBootProgram"));
    EXPECT_EQ (TorvoBootServiceClass::instance->getBaseClass(), tav::getTemplateClass ("Service", *TorvoBootServiceLogicClass::instance));

    tav::Library::getRootLibrary().removeLibrary ("TorvoBoot");
    EXPECT_EQ (TorvoBootServiceClass::instance, nullptr) << "an unloaded class is no longer reachable";
    EXPECT_EQ (TorvoBootProgramClass::instance, nullptr);
}

TEST_F (TorvoBootClasses, DeclareTheMemberVariablesTheirObjectsHold)
{
    // Covers the Os library's classes too, and the framework's own.
    const auto r = tav::Library::getRootLibrary().checkClassDeclarations();
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
}
