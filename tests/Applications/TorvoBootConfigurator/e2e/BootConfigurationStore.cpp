#include "BootConfigurationStore.h"

#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/StateTextWriter.h>

namespace store
{

juce::String makeText (const std::vector<Application>& applications)
{
    juce::StringArray items;

    for (const auto& application : applications)
        items.add ("ManagedApplication {executablePath = " + tav::StateTextWriter::formatText (application.executablePath, true)
                   + ", arguments = " + tav::StateTextWriter::formatText (application.arguments, true) + "}");

    return "TorvoBootConfiguration {applications = [" + items.joinIntoString (", ") + "]}\n";
}

bool write (const juce::File& file, const std::vector<Application>& applications)
{
    return file.getParentDirectory().createDirectory() && file.replaceWithText (makeText (applications));
}

bool wasSavedWith (const juce::File& file, const std::vector<Application>& applications)
{
    const auto text = file.loadFileAsString();
    const auto firstHeaderLine = juce::StringArray::fromLines (os::TorvoBootConfiguration::getFileHeaderComment())[0];

    if (! text.contains (firstHeaderLine))
        return false;

    for (const auto& application : applications)
        if (! text.contains (tav::StateTextWriter::formatText (application.executablePath, true)))
            return false;

    return true;
}

} // namespace store
