#pragma once

#include "tavcore/Class.h"

namespace tav
{

//==============================================================================
/**
    The one way a library writes a class that has instances: the class of
    ObjectType objects, derived from the class named by baseClassName, whose
    factory makes an ObjectType with its default constructor.

    A class with attributes or member variables derives from it and declares
    them in its constructor, in the order the object hands out its member
    objects; the library registers it with Library::addClass().

    While the class object lives, ClassOf<ObjectType>::instance points at it,
    which is what the code of the registering library uses for type tests
    (Object::isInstanceOf) and to create objects without looking the class
    up by name. Each shared library has its own copy of the pointer, so it is
    meant for the library that registers the class.
*/
template <class ObjectType>
class ClassOf : public Class
{
public:
    explicit ClassOf (juce::String baseClassName) : Class (std::move (baseClassName))   { instance = this; }

    ~ClassOf() override
    {
        if (instance == this)
            instance = nullptr;
    }

    bool isAbstractClass() const override     { return false; }

    /** The living class object of ObjectType, or nullptr while there is none. */
    static inline const ClassOf* instance = nullptr;

protected:
    std::unique_ptr<Object> createInstance() const override { return std::make_unique<ObjectType>(); }
};

//==============================================================================
/**
    A class without instances of its own, derived from the class named by
    baseClassName (a root class when that is empty). A class that declares
    member variables for its subclasses derives from it and declares them in
    its constructor.
*/
class AbstractClass : public Class
{
public:
    explicit AbstractClass (juce::String baseClassName = {}) : Class (std::move (baseClassName)) {}
};

} // namespace tav
