#pragma once

#include "tavcore/Class.h"
#include "tavcore/Value.h"

namespace tav
{

//==============================================================================
/** One named value of an enumeration. */
struct Enumerator
{
    juce::String name;
    int value = 0;
};

//==============================================================================
/**
    The class of an enumeration object: it lists the enumerators, so that a
    value can be looked up by its name, as command lines and files give it.
*/
class EnumerationClass : public Class
{
public:
    /** An enumeration class derives from "Enumeration". */
    EnumerationClass();

    /** Adds an enumerator. */
    void addEnumerator (const juce::String& enumeratorName, int value);

    /** The enumerator of a name (case-sensitive), or nullptr. */
    const Enumerator* findEnumeratorByName (const juce::String& enumeratorName) const;

    /** The enumerator of a value, or nullptr. */
    const Enumerator* findEnumeratorByValue (int value) const;

    /** Every enumerator, in the order they were added. */
    const std::vector<Enumerator>& getEnumerators() const noexcept { return enumerators; }

private:
    std::vector<Enumerator> enumerators;
};

//==============================================================================
/**
    A value chosen from the enumerators of its class, saved by name. A value
    that names no enumerator (such as 0 for "none") is saved as its number.
*/
class Enumeration : public Value<int>
{
public:
    explicit Enumeration (int initialValue = 0) : Value (initialValue) {}

    /** The class listing the enumerators, or nullptr when it is not loaded. */
    const EnumerationClass* getEnumerationClass() const;

protected:
    juce::String toText() const override;
    bool fromText (const juce::String& text, int& result, juce::String& problem) const override;
};

//==============================================================================
/**
    The class of an enumeration type ObjectType whose enumerators are given
    when the class is made: the enumeration counterpart of tav::ClassOf.
*/
template <class ObjectType>
class EnumerationClassOf : public EnumerationClass
{
public:
    explicit EnumerationClassOf (std::initializer_list<Enumerator> values)
    {
        for (auto& e : values)
            addEnumerator (e.name, e.value);
    }

    bool isAbstractClass() const override     { return false; }

protected:
    std::unique_ptr<Object> createInstance() const override { return std::make_unique<ObjectType>(); }
};

} // namespace tav
