#include "VitrelLibrary.h"
#include "MatrixOrbitalImages.h"
#include "VitrelLauncherComponent.h"
#include "VitrelTool.h"

#include <tavcore/ClassOf.h>

namespace launcher
{

VitrelLibrary::VitrelLibrary (const juce::File& sourceDirectory)
    : PluginLibrary ("Vitrel", sourceDirectory)
{
    addClass ("MatrixOrbitalImages", std::make_unique<MatrixOrbitalImagesClass>());
    addClass ("VitrelTool", std::make_unique<tav::ClassOf<VitrelTool>> ("Tool"));
    addClass ("VitrelLauncherComponent", std::make_unique<tav::ClassOf<VitrelLauncherComponent>> ("LauncherComponent"));
}

VitrelLibrary::~VitrelLibrary()
{
    for (auto* className : { "VitrelLauncherComponent", "VitrelTool", "MatrixOrbitalImages" })
        removeClass (className);
}

VitrelLibrary* createVitrelLibrary()
{
    auto* library = new VitrelLibrary (juce::File (VITREL_SOURCE_DIRECTORY));
    library->getSoftwareVersion().set ("Torvo Live", {}, 0, 0, 0, {});
    return library;
}

} // namespace launcher
