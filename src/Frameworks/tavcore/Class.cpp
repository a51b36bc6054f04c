#include "tavcore/Class.h"
#include "tavcore/Library.h"

namespace tav
{

namespace
{
    /** The class a template makes for one argument class. */
    class TemplateInstanceClass : public Class
    {
    public:
        TemplateInstanceClass (const TemplateClass& owner, const Class& argumentClass)
            : templateClass (owner), argument (argumentClass) {}

        const Class* getBaseClass() const override    { return &templateClass; }
        bool isAbstractClass() const override         { return true; }

        const TemplateClass& templateClass;
        const Class& argument;
    };

    /** Splits "Template(Argument)" into its two names; false for plain names. */
    bool splitTemplateName (const juce::String& fullName, juce::String& templateName, juce::String& argumentName)
    {
        const int open = fullName.indexOfChar ('(');

        if (open <= 0 || ! fullName.endsWithChar (')'))
            return false;

        templateName = fullName.substring (0, open).trim();
        argumentName = fullName.substring (open + 1, fullName.length() - 1).trim();
        return argumentName.isNotEmpty();
    }

    /** True when a member object is of a declared type: its class is that
        class or derives from it. Names decide where a class is not loaded. */
    bool hasDeclaredType (const Class& owner, const Object& member, const juce::String& typeName)
    {
        const auto memberClassName = member.getClassName();

        if (memberClassName == typeName)
            return true;

        const auto* declared = owner.getClassRelativeToThis (typeName, false);
        const auto* actual = owner.getClassRelativeToThis (memberClassName, false);
        return declared != nullptr && actual != nullptr && actual->inheritsFrom (declared);
    }
}

//==============================================================================
Class::Class (juce::String baseClassName)
    : baseName (std::move (baseClassName))
{
}

Class::~Class() = default;

const Class* Class::getBaseClass() const
{
    return baseName.isEmpty() ? nullptr : getClassRelativeToThis (baseName, false);
}

bool Class::inheritsFrom (const Class* other) const
{
    for (const Class* c = this; c != nullptr; c = c->getBaseClass())
        if (c == other)
            return true;

    return false;
}

const Class* Class::getClassRelativeToThis (const juce::String& className, bool reportMissing) const
{
    juce::String templateName, argumentName;
    const Class* found = nullptr;

    if (splitTemplateName (className, templateName, argumentName))
    {
        const auto* templateClass = dynamic_cast<const TemplateClass*> (getClassRelativeToThis (templateName, false));
        const auto* argument = getClassRelativeToThis (argumentName, false);

        if (templateClass != nullptr && argument != nullptr)
            found = templateClass->getClassFor (*argument);
    }
    else
    {
        if (library != nullptr)
            found = library->findClass (className);

        if (found == nullptr)
            found = Library::getRootLibrary().findClass (className);
    }

    if (found == nullptr && reportMissing)
        ExecutionContext::get().error ("Unknown class \"" + className + "\" (referred to by " + name + ")");

    return found;
}

//==============================================================================
std::unique_ptr<Object> Class::createObject() const
{
    if (isAbstractClass())
        return nullptr;

    auto object = createInstance();

    if (object == nullptr)
        return nullptr;

    // Defaults and states are applied by index, so an object whose members
    // disagree with its declaration would load values into the wrong members.
    if (auto check = checkMemberVariables (*object); check.failed())
    {
        ExecutionContext::get().error ("Cannot create an object of class " + name + ": " + check.getErrorMessage());
        return nullptr;
    }

    auto r = applyDefaults (*object);
    jassertquiet (r.wasOk()); // a class's own defaults must fit its members
    object->setObjectInitialized();
    return object;
}

juce::Result Class::checkMemberVariables (const Object& object) const
{
    const auto variables = getMemberVariables();
    const auto numHeld = object.getNumMemberVariableObjects();

    if (numHeld != variables.size())
        return juce::Result::fail (name + " declares " + juce::String ((int) variables.size())
                                   + " member variables, but its object holds " + juce::String ((int) numHeld));

    for (size_t i = 0; i < variables.size(); ++i)
    {
        const auto& declared = *variables[i];
        const auto& member = *object.getMemberVariable (i);
        const auto where = name + " member variable " + juce::String ((int) i)
                             + " (" + declared.typeName + " \"" + declared.name + "\")";

        if (object.getMemberVariableName (i) != declared.name)
            return juce::Result::fail (where + ": the object holds \"" + object.getMemberVariableName (i) + "\" there");

        if (! hasDeclaredType (*this, member, declared.typeName))
            return juce::Result::fail (where + ": the object holds a " + member.getClassName() + " there");

        if (const auto* memberClass = getClassRelativeToThis (member.getClassName(), false))
            if (auto r = memberClass->checkMemberVariables (member); r.failed())
                return r;
    }

    return juce::Result::ok();
}

juce::Result Class::checkDeclaration() const
{
    if (isAbstractClass())
        return juce::Result::ok();

    const auto object = createInstance();

    if (object == nullptr)
        return juce::Result::fail (name + " has instances but makes none");

    return checkMemberVariables (*object);
}

juce::Result Class::loadDefault (Object& member, const State& defaultState, const juce::String& source)
{
    // Defaults are written as text: "true" for a value, "{x=1, y=1, z=1, w=1}"
    // for an object, which is read as state text first.
    if (defaultState.isText() && ! member.saveState().isText())
    {
        State parsed;
        auto r = State::parse (defaultState.getText(), source, parsed);
        return r.failed() ? r : member.loadState (parsed, source);
    }

    return member.loadState (defaultState, source);
}

juce::Result Class::applyDefaults (Object& object) const
{
    const auto variables = getMemberVariables();

    for (size_t i = 0; i < variables.size(); ++i)
    {
        const auto* defaultState = variables[i]->properties.find ("default");
        auto* member = object.getMemberVariable (i);

        if (defaultState == nullptr || member == nullptr)
            continue;

        const auto source = "default of " + name + "::" + variables[i]->name;
        auto r = loadDefault (*member, *defaultState, source);

        if (r.failed())
            return r;
    }

    return juce::Result::ok();
}

//==============================================================================
void Class::setAttribute (ExecutionContext&, const juce::String& attributeName, const State& value)
{
    // Copy-constructed, not assigned: assigning a state copies its (empty)
    // data block with a null memcpy, which the sanitizers rightly reject.
    attributes.erase (attributeName);
    attributes.emplace (attributeName, value);
}

State Class::makeAttributeState (ExecutionContext& context, const juce::String& text, const juce::String& contextName)
{
    return State::createFromStateString (context, text, contextName);
}

const State* Class::getAttribute (const juce::String& attributeName) const
{
    for (const Class* c = this; c != nullptr; c = c->getBaseClass())
        if (auto it = c->attributes.find (attributeName); it != c->attributes.end())
            return &it->second;

    return nullptr;
}

Class::BufferAttribute Class::getBufferAttribute (const juce::String& attributeName, ExecutionContext* context) const
{
    const auto* state = getAttribute (attributeName);

    if (state == nullptr || state->getData().isEmpty())
    {
        if (context != nullptr)
            context->error (getName() + ": no buffer attribute \"" + attributeName + "\"");

        return {};
    }

    return { state->getData().getSize(), state->getData().getData() };
}

bool Class::addMemberVariable (ExecutionContext& context, const juce::String& typeName,
                               const juce::String& variableName, bool isTransient, const StateMap& properties)
{
    if (variableName.isEmpty() || typeName.isEmpty())
    {
        context.error ("A member variable needs a type name and a variable name (class " + name + ")");
        return false;
    }

    for (auto& existing : ownMemberVariables)
    {
        if (existing.name == variableName)
        {
            context.error ("Member variable \"" + variableName + "\" is declared twice (class " + name + ")");
            return false;
        }
    }

    ownMemberVariables.push_back ({ typeName, variableName, isTransient, properties });
    return true;
}

std::vector<const MemberVariable*> Class::getMemberVariables() const
{
    std::vector<const MemberVariable*> result;

    if (const auto* base = getBaseClass())
        result = base->getMemberVariables();

    for (auto& variable : ownMemberVariables)
        result.push_back (&variable);

    return result;
}

int Class::findMemberVariable (const juce::String& variableName) const
{
    const auto variables = getMemberVariables();

    for (size_t i = 0; i < variables.size(); ++i)
        if (variables[i]->name == variableName)
            return (int) i;

    return -1;
}

//==============================================================================
const Class* TemplateClass::getClassFor (const Class& argument) const
{
    const juce::ScopedLock sl (lock);
    auto& instance = instances[&argument];

    if (instance == nullptr)
    {
        instance = createClassFor (argument);
        instance->name = getName() + "(" + argument.getName() + ")";
        instance->library = getLibrary();
    }

    return instance.get();
}

const Class* TemplateClass::getTemplateArgument (const Class& templateInstance)
{
    const auto* instance = dynamic_cast<const TemplateInstanceClass*> (&templateInstance);
    return instance != nullptr ? &instance->argument : nullptr;
}

std::unique_ptr<Class> TemplateClass::createClassFor (const Class& argument) const
{
    return std::make_unique<TemplateInstanceClass> (*this, argument);
}

const Class* getTemplateClass (const juce::String& templateName, const Class& argument)
{
    const auto* templateClass = dynamic_cast<const TemplateClass*> (Library::getRootLibrary().findClass (templateName));
    return templateClass != nullptr ? templateClass->getClassFor (argument) : nullptr;
}

} // namespace tav
