#pragma once

#include "tavcore/Object.h"
#include "tavcore/ExecutionContext.h"
#include <map>
#include <memory>

namespace tav
{

class Library;

//==============================================================================
/** A member variable as a class declares it. */
struct MemberVariable
{
    juce::String typeName;      /**< the class name of the member's object */
    juce::String name;          /**< the name under which it is saved */
    bool isTransient = false;   /**< true: never saved, never loaded */
    StateMap properties;        /**< "default" holds the default state */
};

//==============================================================================
/**
    Describes a class of objects: its name, its base class, whether it can
    have instances, its attributes, its member variables and its factory.

    Class objects are owned by the library they are registered in. A class
    names its base class as text, resolved through getClassRelativeToThis()
    when asked, so that classes of different libraries refer to each other by
    name only. Libraries write their classes as tav::ClassOf (or
    tav::AbstractClass) subclasses that declare their attributes and member
    variables in their constructor.
*/
class Class
{
public:
    /** baseClassName is the base class as text ("Program",
        "Service(TorvoBootServiceLogic)"); empty for a root class. */
    explicit Class (juce::String baseClassName = {});
    virtual ~Class();

    /** The name the class is registered under. */
    const juce::String& getName() const noexcept      { return name; }

    /** The library that owns the class, or nullptr before it is registered. */
    Library* getLibrary() const noexcept              { return library; }

    /** The base class, or nullptr for a root class or an unknown base name. */
    virtual const Class* getBaseClass() const;

    /** True when the class has no instances of its own. */
    virtual bool isAbstractClass() const              { return true; }

    /** True when this is the given class or derives from it. */
    bool inheritsFrom (const Class* other) const;

    /** Finds a class by name: first in this class's library and the libraries
        inside it, then in the whole tree of loaded libraries. A name of the
        form "Template(Argument)" gives that template's class of the argument.
        With reportMissing an unknown name is reported as an error. */
    const Class* getClassRelativeToThis (const juce::String& className, bool reportMissing) const;

    //==============================================================================
    /** Creates an object of this class with its member variables set to their
        declared defaults; nullptr for abstract classes. */
    std::unique_ptr<Object> createObject() const;

    /** Sets every member variable of an object to its declared default. */
    juce::Result applyDefaults (Object& object) const;

    /** Checks that an object holds exactly one member object per declared
        member variable, in the declared order, each under the declared name
        and of the declared type (or a class derived from it), and the same
        for the member objects' own members. A failure names the class, the
        index and what differs. createObject() and Object::loadState() refuse
        objects that fail. */
    juce::Result checkMemberVariables (const Object& object) const;

    /** Makes an instance (without defaults) and checks its member objects
        against the declaration; ok for abstract classes. */
    juce::Result checkDeclaration() const;

    //==============================================================================
    /** Sets a class attribute. */
    void setAttribute (ExecutionContext& context, const juce::String& attributeName, const State& value);

    /** The state of a class attribute from its state text (a quoted word such
        as "\"Ambrel\"" or a class name); errors name contextName. */
    static State makeAttributeState (ExecutionContext& context, const juce::String& text, const juce::String& contextName);

    /** An attribute of this class or, when it has none of that name, of its base. */
    const State* getAttribute (const juce::String& attributeName) const;

    /** The bytes an attribute holds when it was unpacked from a block. */
    struct BufferAttribute
    {
        size_t size = 0;              /**< 0 when there is no such buffer */
        const void* data = nullptr;   /**< owned by the class; valid while the class lives */
    };

    /** The unpacked bytes of a buffer attribute of this class or its base;
        empty when there is none of that name or it holds no bytes, which is
        reported as an error on context when one is given. */
    BufferAttribute getBufferAttribute (const juce::String& attributeName, ExecutionContext* context) const;

    /** Declares a member variable of the given type. Its "default" property,
        when present, is the state new objects start from. Fails (with an error
        on the context) for an empty or duplicate name. */
    bool addMemberVariable (ExecutionContext& context, const juce::String& typeName,
                            const juce::String& variableName, bool isTransient, const StateMap& properties);

    /** The member variables of the base classes, then this class's own. */
    std::vector<const MemberVariable*> getMemberVariables() const;

    /** The index of a member variable by name, or -1. */
    int findMemberVariable (const juce::String& variableName) const;

protected:
    /** Makes a new instance; classes with instances override it. */
    virtual std::unique_ptr<Object> createInstance() const    { return nullptr; }

private:
    static juce::Result loadDefault (Object& member, const State& defaultState, const juce::String& source);

    friend class Library;
    friend class TemplateClass;

    juce::String name;
    juce::String baseName;
    Library* library = nullptr;
    std::map<juce::String, State> attributes;
    std::vector<MemberVariable> ownMemberVariables;

    JUCE_DECLARE_NON_COPYABLE (Class)
};

//==============================================================================
/**
    A class that stands for a family of classes, one per argument class:
    "Service(TorvoBootServiceLogic)" is the class of the template "Service"
    for the argument "TorvoBootServiceLogic". Each such class derives from
    the template class itself and is created once, on first use.
*/
class TemplateClass : public Class
{
public:
    /** baseClassName is the template's own base class as text. */
    explicit TemplateClass (juce::String baseClassName = {}) : Class (std::move (baseClassName)) {}

    /** The class of this template for an argument class. */
    const Class* getClassFor (const Class& argument) const;

    /** The argument class of a class made by a template, or nullptr. */
    static const Class* getTemplateArgument (const Class& templateInstance);

protected:
    /** Makes the class for an argument; the default derives from this template
        and creates no instances. */
    virtual std::unique_ptr<Class> createClassFor (const Class& argument) const;

private:
    mutable juce::CriticalSection lock;
    mutable std::map<const Class*, std::unique_ptr<Class>> instances;
};

/** The class of the template named templateName for an argument class, or nullptr. */
const Class* getTemplateClass (const juce::String& templateName, const Class& argument);

} // namespace tav
