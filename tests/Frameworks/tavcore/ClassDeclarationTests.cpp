#include "MessageRecorder.h"
#include "TestClasses.h"

using namespace tavtest;

namespace
{
    //==============================================================================
    // Objects that disagree with the declaration of their class in one way each.

    /** Hands out y before x: values for x would silently land in y. */
    class SwappedVector : public tav::Object
    {
    public:
        SwappedVector()
        {
            addMemberVariableObject (y, "y");
            addMemberVariableObject (x, "x");
            addMemberVariableObject (z, "z");
            addMemberVariableObject (w, "w");
        }

        juce::String getClassName() const override { return "TestSwappedVector"; }

        tav::Real x, y, z, w;
    };

    /** Holds a text where a number is declared. */
    class MistypedVector : public tav::Object
    {
    public:
        MistypedVector()
        {
            addMemberVariableObject (x, "x");
            addMemberVariableObject (y, "y");
            addMemberVariableObject (z, "z");
            addMemberVariableObject (w, "w");
        }

        juce::String getClassName() const override { return "TestMistypedVector"; }

        tav::Real x, y, z;
        tav::String w;
    };

    /** Forgets its last member. */
    class ShortVector : public tav::Object
    {
    public:
        ShortVector()
        {
            addMemberVariableObject (x, "x");
            addMemberVariableObject (y, "y");
            addMemberVariableObject (z, "z");
        }

        juce::String getClassName() const override { return "TestShortVector"; }

        tav::Real x, y, z;
    };

    /** Right itself, but its position is a swapped vector. */
    class ShapeOfSwappedVector : public tav::Object
    {
    public:
        ShapeOfSwappedVector()                     { addMemberVariableObject (position, "position"); }
        juce::String getClassName() const override { return "TestShapeOfSwappedVector"; }

        SwappedVector position;
    };

    /** A class that declares the members of a TestVector4 for ObjectType. */
    template <class ObjectType>
    class VectorLikeClass : public tav::ClassOf<ObjectType>
    {
    public:
        VectorLikeClass() : tav::ClassOf<ObjectType> ("Object")
        {
            for (auto* n : { "x", "y", "z", "w" })
                this->addMemberVariable (tav::ExecutionContext::get(), "Real", n, false, {});
        }
    };

    class ShapeOfSwappedVectorClass : public tav::ClassOf<ShapeOfSwappedVector>
    {
    public:
        ShapeOfSwappedVectorClass() : ClassOf ("Object")
        {
            addMemberVariable (tav::ExecutionContext::get(), "TestSwappedVector", "position", false, {});
        }
    };

    /** An object made by its constructor, as member objects are, not by its class. */
    template <class ObjectType>
    std::unique_ptr<tav::Object> makeDirectly()    { return std::make_unique<ObjectType>(); }

    struct MismatchCase
    {
        const char* className;
        std::unique_ptr<tav::Object> (*make)();
        const char* problem;
    };

    void PrintTo (const MismatchCase& c, std::ostream* os)    { *os << c.className; }

}

//==============================================================================
class ClassDeclarations : public TestLibraryFixture {};

TEST_F (ClassDeclarations, EveryClassOfTheFrameworkAndTheTestLibraryMatchesItsObjects)
{
    const auto r = tav::Library::getRootLibrary().checkClassDeclarations();
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
}

TEST_F (ClassDeclarations, AMemberOfADerivedTypeMatchesItsDeclaredBase)
{
    tav::ClassOf<Circle> circleWithAnyRadius ("Object");
    tav::ExecutionContext context;

    for (auto [type, name] : { std::pair { "String", "name" }, { "Boolean", "visible" }, { "TestVector4", "position" },
                               { "TestColour", "colour" }, { "Object", "radius" } })
        ASSERT_TRUE (circleWithAnyRadius.addMemberVariable (context, type, name, false, {}));

    const auto r = circleWithAnyRadius.checkDeclaration();
    EXPECT_TRUE (r.wasOk()) << r.getErrorMessage();
}

//==============================================================================
class MismatchedClasses : public TestLibraryFixture
{
protected:
    void SetUp() override
    {
        TestLibraryFixture::SetUp();
        auto library = std::make_unique<tav::Library> ("TavMismatched");
        library->addClass ("TestSwappedVector", std::make_unique<VectorLikeClass<SwappedVector>>());
        library->addClass ("TestMistypedVector", std::make_unique<VectorLikeClass<MistypedVector>>());
        library->addClass ("TestShortVector", std::make_unique<VectorLikeClass<ShortVector>>());
        library->addClass ("TestShapeOfSwappedVector", std::make_unique<ShapeOfSwappedVectorClass>());
        tav::Library::getRootLibrary().addLibrary (std::move (library));
    }

    void TearDown() override
    {
        tav::Library::getRootLibrary().removeLibrary ("TavMismatched");
        TestLibraryFixture::TearDown();
    }
};

TEST_F (MismatchedClasses, TheWalkOverAllLibrariesReportsTheFirstClassThatFails)
{
    EXPECT_EQ (tav::Library::getRootLibrary().checkClassDeclarations().getErrorMessage(),
               "TestSwappedVector member variable 0 (Real \"x\"): the object holds \"y\" there");
}

class MismatchedClass : public MismatchedClasses,
                        public testing::WithParamInterface<MismatchCase> {};

TEST_P (MismatchedClass, TheCheckNamesTheMemberThatDisagrees)
{
    const auto* mismatched = tav::Library::getRootLibrary().findClass (GetParam().className);
    ASSERT_NE (mismatched, nullptr);
    EXPECT_EQ (mismatched->checkDeclaration().getErrorMessage(), GetParam().problem);
}

TEST_P (MismatchedClass, ItsObjectsAreNotCreatedButReported)
{
    tav::ExecutionContext context;
    const MessageRecorder recorder (context);
    tav::ExecutionContext::ScopedCurrent current (context);

    EXPECT_EQ (tav::Library::getRootLibrary().createObject (GetParam().className), nullptr);
    EXPECT_EQ (recorder.getLines(),
               juce::StringArray ("Error: Cannot create an object of class " + juce::String (GetParam().className)
                                  + ": " + GetParam().problem));
}

TEST_P (MismatchedClass, ItsObjectsMadeWithoutTheClassRefuseToLoad)
{
    const auto object = GetParam().make();
    const auto r = tav::ObjectFile::loadFromText (*object, juce::String (GetParam().className) + " {}", "f");
    EXPECT_EQ (r.getErrorMessage(), "f:1:1: " + juce::String (GetParam().problem));
}

INSTANTIATE_TEST_SUITE_P (Mismatches, MismatchedClass, testing::Values (
    MismatchCase { "TestSwappedVector", &makeDirectly<SwappedVector>,
                   "TestSwappedVector member variable 0 (Real \"x\"): the object holds \"y\" there" },
    MismatchCase { "TestMistypedVector", &makeDirectly<MistypedVector>,
                   "TestMistypedVector member variable 3 (Real \"w\"): the object holds a String there" },
    MismatchCase { "TestShortVector", &makeDirectly<ShortVector>,
                   "TestShortVector declares 4 member variables, but its object holds 3" },
    MismatchCase { "TestShapeOfSwappedVector", &makeDirectly<ShapeOfSwappedVector>,
                   "TestSwappedVector member variable 0 (Real \"x\"): the object holds \"y\" there" }));

TEST_F (ClassDeclarations, OnlyObjectsMadeByTheirClassCountAsInitialized)
{
    const auto made = tav::Library::getRootLibrary().createObject ("TestVector4");
    ASSERT_NE (made, nullptr);
    EXPECT_TRUE (made->isObjectInitialized());

    Vector4 built;
    EXPECT_FALSE (built.isObjectInitialized());
}
