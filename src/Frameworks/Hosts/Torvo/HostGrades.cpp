#include "HostGrades.h"
#include <tavcore/Library.h>
#include <tavcore/String.h>
#include <torvocore/DeviceSelector.h>

namespace
{
    /** The member variable of that name when it is an object of the given class, else nullptr. */
    template <class MemberType>
    MemberType* findMember (torvo::Element& element, const juce::String& variableName, const juce::String& className)
    {
        const auto index = element.findMemberVariableIndex (variableName);
        auto* member = index < 0 ? nullptr : element.getMemberVariable ((size_t) index);
        const auto* memberClass = tav::Library::getRootLibrary().findClass (className);

        // Checked through the class system, which holds across plug-in boundaries.
        return member != nullptr && member->isInstanceOf (memberClass) ? static_cast<MemberType*> (member) : nullptr;
    }
}

HostGrades::HostGrades (tav::ExecutionContext& executionContext, torvo::Engine& engineToUse)
    : context (executionContext), engine (engineToUse)
{
}

HostGrades::~HostGrades()
{
    unloadAll();
}

//==============================================================================
bool HostGrades::addGrade (const juce::String& channel)
{
    auto element = createElement();

    if (element == nullptr || ! configure (*element, channel))
        return false;

    if (! element->activate())
    {
        context.error ("Grade " + element->getFriendlyName() + " could not be activated: "
                       + element->getFailureStatus().getErrorMessage());
        element->unload();
        return false;
    }

    context.information ("Grade " + element->getFriendlyName() + " added");
    elements.push_back (std::move (element));
    statuses.emplace_back();
    return true;
}

std::unique_ptr<torvo::TextureModifier> HostGrades::createElement()
{
    auto& root = tav::Library::getRootLibrary();
    const auto* elementClass = root.findClass (elementClassName);

    if (elementClass == nullptr || ! elementClass->inheritsFrom (root.findClass ("TextureModifier")))
    {
        context.error (juce::String ("Cannot add a grade: no loaded plug-in offers the texture modifier ") + elementClassName);
        return nullptr;
    }

    auto object = elementClass->createObject();

    if (object == nullptr)
        return nullptr;

    // Its class derives from "TextureModifier", so the object is one.
    return std::unique_ptr<torvo::TextureModifier> (static_cast<torvo::TextureModifier*> (object.release()));
}

bool HostGrades::configure (torvo::TextureModifier& element, const juce::String& channel)
{
    auto* selector = findMember<torvo::DeviceSelector> (element, "device", "DeviceSelector");
    auto* channelName = findMember<tav::String> (element, "channel", "String");

    if (selector == nullptr || channelName == nullptr)
    {
        context.error (juce::String ("Cannot add a grade: ") + elementClassName + " has no device selector \"device\" or no text \"channel\"");
        return false;
    }

    element.setEngine (&engine);
    selector->getDeviceName().set (deviceName, tav::ChangeCallback::notify());

    if (channel.isNotEmpty())
        channelName->set (channel, tav::ChangeCallback::notify());

    return true;
}

//==============================================================================
void HostGrades::printStatusesIfChanged()
{
    for (size_t i = 0; i < elements.size(); ++i)
    {
        auto& element = *elements[i];
        const auto line = getStatusLine (element);

        if (statuses[i].wasPrinted && statuses[i].printed == line)
            continue;

        statuses[i] = { line, true };

        if (element.getFailureStatus().failed())
            context.error (line);
        else
            context.information (line);
    }
}

juce::StringArray HostGrades::getStatusLines() const
{
    juce::StringArray lines;

    for (auto& element : elements)
        lines.add (getStatusLine (*element));

    return lines;
}

juce::String HostGrades::getStatusLine (torvo::TextureModifier& element)
{
    // The element's own status text says the most; one without it is
    // described by its failure, if any.
    const auto* status = findMember<tav::String> (element, "status", "String");
    const auto& failure = element.getFailureStatus();
    const auto text = status != nullptr ? status->get()
                                        : (failure.failed() ? failure.getErrorMessage() : juce::String ("rendering"));
    return element.getFriendlyName() + ": " + text;
}

void HostGrades::unloadAll()
{
    while (! elements.empty())
    {
        elements.back()->deactivate();
        elements.back()->unload();
        elements.pop_back();
    }

    statuses.clear();
}
