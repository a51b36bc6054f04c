#include "torvocore/TorvoNetConfiguration.h"
#include <tavcore/Class.h>
#include <tavcore/ExecutionContext.h>
#include <tavcore/Library.h>
#include <tavcore/ObjectFile.h>

namespace torvo
{

namespace
{
    juce::String describeValue (const tav::State& state)
    {
        return state.isText() ? state.getText() : state.toText (false);
    }

    /** Loads a state into a scratch value without a word on the context;
        why it was refused, or empty when it was taken. */
    juce::String tryValue (tav::Object& scratch, const tav::State& state, const juce::String& sourceName)
    {
        tav::ExecutionContext silent;
        tav::ExecutionContext::ScopedCurrent quietly (silent);
        const auto message = scratch.loadState (state, sourceName).getErrorMessage();
        const auto position = state.describePosition (sourceName) + ": ";
        return message.startsWith (position) ? message.substring (position.length()) : message;
    }

    /** Fails for a state tagged with a class that is no network configuration. */
    juce::Result checkClassOfState (const tav::Object& configuration, const tav::State& state, const juce::String& sourceName)
    {
        const auto& savedClassName = state.getClassName();
        const auto* expected = configuration.getClass();

        if (savedClassName.isEmpty() || savedClassName == configuration.getClassName())
            return juce::Result::ok();

        const auto* savedClass = expected != nullptr ? expected->getClassRelativeToThis (savedClassName, false) : nullptr;

        if (savedClass != nullptr && savedClass->inheritsFrom (expected))
            return juce::Result::ok();

        return juce::Result::fail (state.describePosition (sourceName) + ": the file holds a " + savedClassName
                                   + ", not a " + configuration.getClassName());
    }
}

TorvoNetConfiguration::TorvoNetConfiguration()
    : statusAddress (defaultStatusAddress), statusPort (defaultStatusPort)
{
    // The same order as the member variables of the class.
    addMemberVariableObject (machineName, "machineName");
    addMemberVariableObject (statusAddress, "statusAddress");
    addMemberVariableObject (statusPort, "statusPort");
    settingsAtLastLoadOrSave = describeSettings();
}

juce::String TorvoNetConfiguration::getEffectiveMachineName() const
{
    const auto name = machineName.get().trim();
    return name.isNotEmpty() ? name : juce::SystemStats::getComputerName();
}

//==============================================================================
juce::File TorvoNetConfiguration::getTorvoNetConfigurationFile()
{
    const auto overridden = juce::SystemStats::getEnvironmentVariable ("TORVO_NET_CONFIGURATION", {});

    if (overridden.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile (overridden);

    return getMachineWideFolder().getChildFile ("TorvoNet.configuration");
}

juce::String TorvoNetConfiguration::getFileHeaderComment()
{
    return "Torvo network configuration: the settings the host Torvo and its launcher read when they start.\n"
           "Edit it with TorvoNetConfigurator or by hand; the README describes each setting.";
}

juce::Result TorvoNetConfiguration::loadFromFile (const juce::File& file)
{
    auto loaded = tav::ObjectFile::load (*this, file);

    if (loaded.wasOk())
        settingsAtLastLoadOrSave = describeSettings();

    return loaded;
}

bool TorvoNetConfiguration::loadFromLocalHostFileConfiguration()
{
    const auto loaded = loadFromFile (getTorvoNetConfigurationFile());
    lastFailure = loaded.getErrorMessage();
    return loaded.wasOk();
}

void TorvoNetConfiguration::loadAtProgramStart (tav::ExecutionContext& context)
{
    const auto file = getTorvoNetConfigurationFile();

    if (! file.exists())
        return;

    tav::ExecutionContext::ScopedCurrent current (context);
    const auto loaded = loadFromFile (file);

    if (loaded.failed())
        context.error ("The network configuration is not used, the defaults are: " + loaded.getErrorMessage());
    else
        context.information ("Network configuration: " + file.getFullPathName());
}

juce::Result TorvoNetConfiguration::saveToFile (const juce::File& file)
{
    auto saved = tav::ObjectFile::save (*this, file, getFileHeaderComment());

    if (saved.wasOk())
        settingsAtLastLoadOrSave = describeSettings();

    return saved;
}

bool TorvoNetConfiguration::saveToLocalHostFileConfigurationIfNeeded()
{
    lastFailure.clear();

    if (! hasChangedSinceLoadedOrSaved())
        return true;

    const auto saved = saveToFile (getTorvoNetConfigurationFile());
    lastFailure = saved.getErrorMessage();
    return saved.wasOk();
}

bool TorvoNetConfiguration::hasChangedSinceLoadedOrSaved() const
{
    return describeSettings() != settingsAtLastLoadOrSave;
}

juce::String TorvoNetConfiguration::describeSettings() const
{
    juce::String text;

    for (size_t i = 0; i < getNumMemberVariableObjects(); ++i)
        text << getMemberVariableName (i) << "=" << getMemberVariable (i)->saveState().toText (false) << "\n";

    return text;
}

//==============================================================================
juce::Result TorvoNetConfiguration::loadState (const tav::State& state, const juce::String& sourceName)
{
    if (! state.isMap())
        return Object::loadState (state, sourceName);

    if (auto r = checkClassOfState (*this, state, sourceName); r.failed())
        return r;

    // Each setting is tried on a scratch value of its own class first: one
    // refused value must not stop the others, nor change its own setting.
    auto accepted = tav::State::makeMap (state.getClassName());

    for (auto& [name, child] : state.getChildren())
    {
        const auto* member = getVariableByName (name);
        auto scratch = member != nullptr ? tav::Library::getRootLibrary().createObject (member->getClassName()) : nullptr;

        if (scratch != nullptr)
        {
            if (const auto problem = tryValue (*scratch, child, sourceName); problem.isNotEmpty())
            {
                tav::ExecutionContext::get().error (child.describePosition (sourceName) + ": the setting " + name + " = "
                                                    + describeValue (child) + " is refused (" + problem + "); it keeps "
                                                    + member->saveState().toText (false));
                continue;
            }
        }

        accepted.setChild (name, child);
    }

    return Object::loadState (accepted, sourceName);
}

} // namespace torvo
