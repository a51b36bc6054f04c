#pragma once

#include <gtest/gtest.h>
#include <tavcore/tavcore.h>

// Small classes that exercise the framework the way the suite's own classes
// do: values with defaults, nested objects, derived classes in owned lists.
namespace tavtest
{

class Vector4 : public tav::Object
{
public:
    Vector4()
    {
        for (auto* member : { &x, &y, &z, &w })
            addMemberVariableObject (*member);
    }

    juce::String getClassName() const override { return "TestVector4"; }

    tav::Real x, y, z, w;
};

class Colour : public tav::Enumeration
{
public:
    juce::String getClassName() const override { return "TestColour"; }
};

class Shape : public tav::Object
{
public:
    Shape()
    {
        for (auto* member : std::initializer_list<tav::Object*> { &name, &visible, &position, &colour })
            addMemberVariableObject (*member);
    }

    juce::String getClassName() const override { return "TestShape"; }

    tav::String name;
    tav::Boolean visible;
    Vector4 position;
    Colour colour;
};

class Circle : public Shape
{
public:
    Circle()                                   { addMemberVariableObject (radius); }
    juce::String getClassName() const override { return "TestCircle"; }

    tav::Real radius;
};

class Scene : public tav::Object
{
public:
    Scene()
    {
        for (auto* member : std::initializer_list<tav::Object*> { &shapes, &highlight, &saves, &owner })
            addMemberVariableObject (*member);
    }

    juce::String getClassName() const override { return "TestScene"; }

    tav::ObjectOwnedVector<Shape> shapes { "TestShape" };
    tav::ObjectOwnedPointer highlight { "TestShape" };
    tav::EventCounter saves;
    tav::ObjectWeakPointer owner;
};

//==============================================================================
/** Registers the test classes in the root library for the span of a test. */
class TestLibraryFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        auto library = std::make_unique<tav::Library> ("TavTest");
        auto& context = tav::ExecutionContext::get();

        auto vector = std::make_unique<tav::SimpleClass<Vector4>> ("Object");
        for (auto* n : { "x", "y", "z", "w" })
            vector->addMemberVariable (context, "Real", n, false, {});

        auto shape = std::make_unique<tav::SimpleClass<Shape>> ("Object");
        shape->addMemberVariable (context, "String", "name", false, {});
        shape->addMemberVariable (context, "Boolean", "visible", false, { { "default", "true" } });
        shape->addMemberVariable (context, "TestVector4", "position", false, { { "default", "{x=1, y=1, z=1, w=1}" } });
        shape->addMemberVariable (context, "TestColour", "colour", false, { { "default", "green" } });

        auto circle = std::make_unique<tav::SimpleClass<Circle>> ("TestShape");
        circle->addMemberVariable (context, "Real", "radius", false, { { "default", "0.5" } });

        auto scene = std::make_unique<tav::SimpleClass<Scene>> ("Object");
        scene->addMemberVariable (context, "ObjectOwnedVector", "shapes", false, {});
        scene->addMemberVariable (context, "ObjectOwnedPointer", "highlight", false, {});
        scene->addMemberVariable (context, "EventCounter", "saves", false, {});
        scene->addMemberVariable (context, "ObjectWeakPointer", "owner", true, {});

        library->addClass ("TestVector4", std::move (vector));
        library->addClass ("TestColour", std::make_unique<tav::SimpleEnumerationClass<Colour>> (
                                             std::initializer_list<tav::Enumerator> { { "red", 1 }, { "green", 2 }, { "blue", 3 } }));
        library->addClass ("TestShape", std::move (shape));
        library->addClass ("TestCircle", std::move (circle));
        library->addClass ("TestScene", std::move (scene));
        tav::Library::getRootLibrary().addLibrary (std::move (library));
    }

    void TearDown() override
    {
        tav::Library::getRootLibrary().removeLibrary ("TavTest");
    }

    template <class T>
    static std::unique_ptr<T> create (const juce::String& className)
    {
        auto object = tav::Library::getRootLibrary().createObject (className);
        return std::unique_ptr<T> (dynamic_cast<T*> (object.release()));
    }
};

} // namespace tavtest
