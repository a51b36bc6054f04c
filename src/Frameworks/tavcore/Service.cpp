#include "tavcore/Service.h"
#include "tavcore/Class.h"
#include "tavcore/ObjectFile.h"
#include "tavcore/PersistentObject.h"
#include "tavcore/Program.h"

namespace tav
{

bool Service::loadConfiguration (SuccessStatus& status)
{
    const auto* serviceClass = getClass();

    if (serviceClass == nullptr)
    {
        status.setError ("The service class " + getClassName() + " is not loaded", ChangeCallback::none());
        return false;
    }

    auto& context = ExecutionContext::get();
    const auto variables = serviceClass->getMemberVariables();
    bool anyInOwnFile = false;
    configurationLoadResult = juce::Result::ok();

    for (size_t i = 0; i < variables.size(); ++i)
    {
        auto* member = getMemberVariable (i);

        if (member == nullptr || variables[i]->isTransient)
            continue;

        if (auto* persistent = dynamic_cast<PersistentObject*> (member))
        {
            const auto file = persistent->getPersistentFile();

            if (! file.existsAsFile())
                context.information ("No configuration file " + file.getFullPathName() + ", using the defaults");
            else if (auto refusal = persistent->checkPersistentFile (file); refusal.failed())
                reportFaultyFile (refusal);
            else if (auto r = ObjectFile::load (*member, file); r.failed())
                reportFaultyFile (r);
        }
        else
        {
            anyInOwnFile = true;
        }
    }

    if (anyInOwnFile)
        loadOwnFile();

    status.setSuccess ({}, ChangeCallback::none());
    return true;
}

void Service::loadOwnFile()
{
    const auto file = getConfigurationFile();

    if (! file.existsAsFile())
        return;

    // The service's own file holds a map of the member variables that have
    // no file of their own; loading it as a whole object checks it first.
    if (auto r = ObjectFile::load (*this, file); r.failed())
        reportFaultyFile (r);
}

void Service::reportFaultyFile (const juce::Result& result)
{
    ExecutionContext::get().error (result.getErrorMessage() + " - none of it is applied");
    configurationLoadResult = result;
}

State Service::saveState() const
{
    auto state = Object::saveState();
    auto ownState = State::makeMap (state.getClassName());

    // Members with files of their own are saved there, not here.
    for (auto& [name, child] : state.getChildren())
    {
        const int index = getClass()->findMemberVariable (name);

        if (dynamic_cast<PersistentObject*> (getMemberVariable ((size_t) index)) == nullptr)
            ownState.setChild (name, child);
    }

    return ownState;
}

juce::Result Service::saveConfiguration() const
{
    if (getBooleanAttribute ("readOnlyConfiguration"))
        return juce::Result::fail ("The configuration of " + getClassName() + " is read-only");

    return ObjectFile::save (*this, getConfigurationFile(), getClassName() + " configuration");
}

juce::File Service::getConfigurationFile() const
{
    auto folder = juce::File::getSpecialLocation (getBooleanAttribute ("userBasedConfiguration")
                                                      ? juce::File::userApplicationDataDirectory
                                                      : juce::File::commonApplicationDataDirectory)
                      .getChildFile ("Torvo");

    if (getBooleanAttribute ("versionBasedConfiguration"))
        for (auto* object = getParent(); object != nullptr; object = object->getParent())
            if (auto* program = dynamic_cast<Program*> (object))
                folder = folder.getChildFile (program->getVersion().getVersionNumberText());

    return folder.getChildFile (getClassName() + ".configuration");
}

bool Service::getBooleanAttribute (const juce::String& attributeName) const
{
    const auto* serviceClass = getClass();
    const auto* attribute = serviceClass != nullptr ? serviceClass->getAttribute (attributeName) : nullptr;
    return attribute != nullptr && attribute->getText() == "true";
}

} // namespace tav
