#include "VitrelTool.h"

#include <tavcore/Library.h>
#include <torvocore/Engine.h>

namespace launcher
{

VitrelTool::VitrelTool() = default;
VitrelTool::~VitrelTool() = default;

void VitrelTool::refreshInformation()
{
    const auto* engine = getEngine();

    if (engine == nullptr)
        return;

    const auto* extension = engine->findExtensionByClass (tav::getClass ("TorvoNetServerEngineComponent"));

    if (extension == nullptr)
        return;

    if (const auto* info = dynamic_cast<const torvo::TorvoServerInformation*> (extension->getVariableByName ("information")))
        thread.setInformation (*info, juce::Time::currentTimeMillis());
}

bool VitrelTool::startDisplay()
{
    thread.startThread();
    return true;
}

void VitrelTool::stopDisplay()
{
    stopVitrelThread (thread);
}

} // namespace launcher
