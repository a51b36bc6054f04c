#pragma once

#include "tavcore/ClassOf.h"
#include "tavcore/ExecutionContext.h"
#include "tavcore/Library.h"
#include <initializer_list>
#include <span>

namespace tav
{

//==============================================================================
/** An attribute as a class declares it: its name and its value as state text
    (a class name, or a quoted text). */
struct ClassAttribute
{
    const char* name;
    const char* valueText;
};

/** The class of ObjectType objects below the class named baseClassName, with
    the given attributes declared on the calling thread's context; each
    attribute's label reads "ClassName::attributeName". */
template <class ObjectType>
std::unique_ptr<Class> makeClass (const juce::String& className, const char* baseClassName,
                                                std::initializer_list<ClassAttribute> attributes = {})
{
    auto c = std::make_unique<ClassOf<ObjectType>> (baseClassName);
    auto& context = ExecutionContext::get();

    for (const auto& a : attributes)
        c->setAttribute (context, a.name, Class::makeAttributeState (context, a.valueText, className + "::" + a.name));

    return c;
}

//==============================================================================
/** One line of a library's table of classes: the name a class is registered
    under and the function that makes it. A library lists its classes in the
    order in which they build on each other. */
struct ClassTableEntry
{
    const char* name;
    std::unique_ptr<Class> (*make) (const juce::String& className);
};

/** Makes and adds the table's classes to a library, in the table's order. */
void addClassTable (Library& library, std::span<const ClassTableEntry> table);

/** Removes the table's classes from a library, the last one first. */
void removeClassTable (Library& library, std::span<const ClassTableEntry> table);

/** The table's class names, in its order. */
juce::StringArray getClassTableNames (std::span<const ClassTableEntry> table);

} // namespace tav
