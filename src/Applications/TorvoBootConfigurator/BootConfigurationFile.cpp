#include "BootConfigurationFile.h"

#include <tavcore/Class.h>
#include <tavcore/ObjectFile.h>

namespace gui::tav
{

namespace
{
    /** Fails for a file whose top object is tagged with a class that is no
        boot configuration. */
    juce::Result checkClassOfFile (const os::TorvoBootConfiguration& configuration, const juce::File& file)
    {
        ::tav::State state;

        if (auto parsed = ::tav::State::parse (file.loadFileAsString(), file.getFullPathName(), state); parsed.failed())
            return parsed;

        const auto& savedClassName = state.getClassName();
        const auto* expected = configuration.getClass();

        if (savedClassName.isEmpty() || expected == nullptr)
            return juce::Result::ok();

        const auto* savedClass = expected->getClassRelativeToThis (savedClassName, false);

        if (savedClass != nullptr && savedClass->inheritsFrom (expected))
            return juce::Result::ok();

        return juce::Result::fail ("The file " + file.getFullPathName() + " holds a " + savedClassName
                                   + ", not a " + expected->getName());
    }
}

juce::Result loadBootConfiguration (os::TorvoBootConfiguration& configuration, const juce::File& file)
{
    if (file.existsAsFile())
        if (auto r = checkClassOfFile (configuration, file); r.failed())
            return r;

    return ::tav::ObjectFile::load (configuration, file);
}

} // namespace gui::tav
