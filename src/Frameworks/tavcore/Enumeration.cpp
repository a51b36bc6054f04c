#include "tavcore/Enumeration.h"

namespace tav
{

EnumerationClass::EnumerationClass() : Class ("Enumeration") {}

void EnumerationClass::addEnumerator (const juce::String& enumeratorName, int value)
{
    enumerators.push_back ({ enumeratorName, value });
}

const Enumerator* EnumerationClass::findEnumeratorByName (const juce::String& enumeratorName) const
{
    for (auto& e : enumerators)
        if (e.name == enumeratorName)
            return &e;

    return nullptr;
}

const Enumerator* EnumerationClass::findEnumeratorByValue (int value) const
{
    for (auto& e : enumerators)
        if (e.value == value)
            return &e;

    return nullptr;
}

//==============================================================================
const EnumerationClass* Enumeration::getEnumerationClass() const
{
    return dynamic_cast<const EnumerationClass*> (getClass());
}

juce::String Enumeration::toText() const
{
    if (const auto* enumerationClass = getEnumerationClass())
        if (const auto* e = enumerationClass->findEnumeratorByValue (get()))
            return e->name;

    return juce::String (get());
}

bool Enumeration::fromText (const juce::String& text, int& result, juce::String& problem) const
{
    const auto* enumerationClass = getEnumerationClass();

    if (enumerationClass != nullptr)
    {
        if (const auto* e = enumerationClass->findEnumeratorByName (text))
        {
            result = e->value;
            return true;
        }
    }

    if (text.containsOnly ("-0123456789") && text.isNotEmpty())
    {
        result = text.getIntValue();
        return true;
    }

    juce::StringArray names;

    if (enumerationClass != nullptr)
        for (auto& e : enumerationClass->getEnumerators())
            names.add (e.name);

    problem = "\"" + text + "\" is not one of " + names.joinIntoString (", ");
    return false;
}

} // namespace tav
