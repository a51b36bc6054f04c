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
        addMemberVariableObject (x, "x");
        addMemberVariableObject (y, "y");
        addMemberVariableObject (z, "z");
        addMemberVariableObject (w, "w");
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
        addMemberVariableObject (name, "name");
        addMemberVariableObject (visible, "visible");
        addMemberVariableObject (position, "position");
        addMemberVariableObject (colour, "colour");
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
    Circle()                                   { addMemberVariableObject (radius, "radius"); }
    juce::String getClassName() const override { return "TestCircle"; }

    tav::Real radius;
};

class Scene : public tav::Object
{
public:
    Scene()
    {
        addMemberVariableObject (shapes, "shapes");
        addMemberVariableObject (highlight, "highlight");
        addMemberVariableObject (saves, "saves");
        addMemberVariableObject (owner, "owner");
    }

    juce::String getClassName() const override { return "TestScene"; }

    tav::ObjectOwnedVector<Shape> shapes { "TestShape" };
    tav::ObjectOwnedPointer highlight { "TestShape" };
    tav::EventCounter saves;
    tav::ObjectWeakPointer owner;
};

//==============================================================================
/** The classes of the test objects, declared the way the suite's libraries
    declare theirs. */
class Vector4Class : public tav::ClassOf<Vector4>
{
public:
    Vector4Class() : ClassOf ("Object")
    {
        for (auto* n : { "x", "y", "z", "w" })
            addMemberVariable (tav::ExecutionContext::get(), "Real", n, false, {});
    }
};

class ShapeClass : public tav::ClassOf<Shape>
{
public:
    ShapeClass() : ClassOf ("Object")
    {
        auto& context = tav::ExecutionContext::get();
        addMemberVariable (context, "String", "name", false, {});
        addMemberVariable (context, "Boolean", "visible", false, { { "default", "true" } });
        addMemberVariable (context, "TestVector4", "position", false, { { "default", "{x=1, y=1, z=1, w=1}" } });
        addMemberVariable (context, "TestColour", "colour", false, { { "default", "green" } });
    }
};

class CircleClass : public tav::ClassOf<Circle>
{
public:
    CircleClass() : ClassOf ("TestShape")
    {
        addMemberVariable (tav::ExecutionContext::get(), "Real", "radius", false, { { "default", "0.5" } });
    }
};

class SceneClass : public tav::ClassOf<Scene>
{
public:
    SceneClass() : ClassOf ("Object")
    {
        auto& context = tav::ExecutionContext::get();
        addMemberVariable (context, "ObjectOwnedVector", "shapes", false, {});
        addMemberVariable (context, "ObjectOwnedPointer", "highlight", false, {});
        addMemberVariable (context, "EventCounter", "saves", false, {});
        addMemberVariable (context, "ObjectWeakPointer", "owner", true, {});
    }
};

//==============================================================================
/** Registers the test classes in the root library for the span of a test. */
class TestLibraryFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        auto library = std::make_unique<tav::Library> ("TavTest");
        library->addClass ("TestVector4", std::make_unique<Vector4Class>());
        library->addClass ("TestColour", std::make_unique<tav::EnumerationClassOf<Colour>> (
                                             std::initializer_list<tav::Enumerator> { { "red", 1 }, { "green", 2 }, { "blue", 3 } }));
        library->addClass ("TestShape", std::make_unique<ShapeClass>());
        library->addClass ("TestCircle", std::make_unique<CircleClass>());
        library->addClass ("TestScene", std::make_unique<SceneClass>());
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
