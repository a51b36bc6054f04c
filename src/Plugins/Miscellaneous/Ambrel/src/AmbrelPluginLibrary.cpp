#include "AmbrelClasses.h"
#include "AmbrelPluginLibrary.h"
#include "device/AmbrelCdlData.h"
#include "device/AmbrelCdlIdentifier.h"
#include "device/AmbrelControlEventListener.h"
#include "device/AmbrelDeviceFactory.h"
#include "device/AmbrelDeviceIdentifier.h"
#include "device/AmbrelDeviceSelector.h"
#include "device/AmbrelLutIdentifier.h"
#include "device/AmbrelLutInfo.h"
#include "device/AmbrelSessionIdentifier.h"

namespace torvo
{

//==============================================================================
srcLibrary::srcLibrary()
    : PluginLibrary ("Ambrel", juce::File (AMBREL_SOURCE_DIRECTORY))
{
    // First place: "AmbrelColorModifier" (base "ColorModifier"), which comes
    // with the colour modifier element.
    addClass ("AmbrelCdlData", std::make_unique<AmbrelCdlDataClass>());
    addClass ("AmbrelLutInfo", std::make_unique<AmbrelLutInfoClass>());
    addClass ("AmbrelCdlIdentifier", std::make_unique<AmbrelChannelIdentifierClass<AmbrelCdlIdentifier>>());
    addClass ("AmbrelLutIdentifier", std::make_unique<AmbrelChannelIdentifierClass<AmbrelLutIdentifier>>());
    addClass ("AmbrelSessionIdentifier", std::make_unique<tav::ClassOf<AmbrelSessionIdentifier>> ("ControllerIdentifier"));
    addClass ("AmbrelControlEventListener", std::make_unique<tav::ClassOf<AmbrelControlEventListener>> ("ControlEventListener"));
    addClass ("AmbrelDevice", std::make_unique<AmbrelDeviceClass>());
    addClass ("AmbrelDeviceIdentifier", std::make_unique<tav::ClassOf<AmbrelDeviceIdentifier>> ("DeviceIdentifier"));
    addClass ("AmbrelDeviceFactory", std::make_unique<AmbrelDeviceFactoryClass>());
    addClass ("AmbrelDeviceSelector", std::make_unique<tav::ClassOf<AmbrelDeviceSelector>> ("DeviceSelector"));
    // Last place: "AmbrelColorTextureModifier" (base
    // "ColorTextureModifier(AmbrelColorModifier)"), with the colour modifier element.
}

srcLibrary::~srcLibrary()
{
    // When the colour modifier classes come, they go first and last here.
    // Removing a class deletes its class object, which clears its instance pointer.
    for (auto* className : { "AmbrelDeviceSelector", "AmbrelDeviceFactory", "AmbrelDeviceIdentifier", "AmbrelDevice",
                             "AmbrelControlEventListener", "AmbrelSessionIdentifier", "AmbrelLutIdentifier",
                             "AmbrelCdlIdentifier", "AmbrelLutInfo", "AmbrelCdlData" })
        removeClass (className);
}

} // namespace torvo
